#include "EditorControls.h"

#include "ColorPicker.h"
#include "FilterValues.h"
#include "ImageChooser.h"
#include "MagickQt.h"
#include "Utils.h"

#include <QAbstractSlider>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>

#include <algorithm>

#include <cmath>

namespace EditorControls
{

bool SlotChecked(double v)
{
    return !std::isnan(v) && v != 0.0;
}

void SetSpin(QSpinBox* spin, double v)
{
    spin->setValue(SlotInt(v));
}

void SetSlider(QAbstractSlider* slider, double v)
{
    slider->setValue(SlotInt(v));
}

void SetComboIndex(QComboBox* combo, double v, int fallback)
{
    const int index = SlotInt(v);
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : fallback);
}

void SetColor(CColorPicker* picker, double v)
{
    picker->SetColor(SlotRgb(v));
}

void FillCombo(QComboBox* combo, const QStringList& items)
{
    combo->clear();
    combo->addItems(items);
}

QString StoredPath(const QString& text)
{
    QString path = text;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

void SetEnabled(std::initializer_list<QWidget*> widgets, bool on)
{
    for (QWidget* widget : widgets)
        widget->setEnabled(on);
}

QString BrowseImage(QWidget* parent, const QString& title, const QString& key)
{
    const QString folder = ChooserStart(GetRegistryString(key, QString()));
    const QString path = StoredPath(ChooseImage(parent, title, folder));
    if (!path.isEmpty())
        SetRegistryString(key, path.left(path.lastIndexOf(QLatin1Char('/'))));
    return path;
}

bool SlotNearestOn(double v)
{
    return Nearest(v) != 0;
}

void SetSpinNearest(QSpinBox* spin, double v)
{
    spin->setValue(Nearest(v));
}

void SetSliderNearest(QAbstractSlider* slider, double v)
{
    slider->setValue(Nearest(v));
}

void SetComboNearest(QComboBox* combo, double v)
{
    const int index = Nearest(v);
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

void SetDoubleSpin(QDoubleSpinBox* spin, double v)
{
    spin->setValue(std::isnan(v) ? 0.0 : v);
}

} // namespace EditorControls
