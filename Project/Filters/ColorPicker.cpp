#include "ColorPicker.h"

#include <QColorDialog>
#include <QImage>
#include <QPixmap>
#include <QPointer>

CColorPicker::CColorPicker(QWidget* parent) : QToolButton(parent)
{
    connect(this, &QToolButton::clicked, this, &CColorPicker::OnClick);
    setIcon(ColorToIcon(color));
}

void CColorPicker::SetColor(unsigned int rgb)
{
    color = rgb;
    setIcon(ColorToIcon(rgb));
}

QIcon CColorPicker::ColorToIcon(unsigned int rgb) const
{
    if (!iconSize.isValid() || iconSize.isEmpty())
        return QIcon();
    const int w = iconSize.width();
    const int h = iconSize.height();
    // RGB32 shows no alpha: a transparent colour is drawn as its opaque RGB.
    QImage swatch(iconSize, QImage::Format_RGB32);
    const QRgb frame = qRgb(0, 0, 0);
    const QRgb fill = qRgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(swatch.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = (x == 0 || y == 0 || x == w - 1 || y == h - 1) ? frame : fill;
    }
    return QIcon(QPixmap::fromImage(swatch));
}

void CColorPicker::OnClick()
{
    ShowColorsDialog();
}

void CColorPicker::ShowColorsDialog()
{
    QPointer<QColorDialog> dialog = new QColorDialog(this);
    dialog->setOption(QColorDialog::ShowAlphaChannel, false);
    dialog->setCurrentColor(QColor::fromRgba(color));
    const int result = dialog->exec();
    if (!dialog)
        return;
    const QColor chosen = dialog->selectedColor();
    delete dialog;
    if (result != QDialog::Accepted)
        return;
    color = chosen.rgb();
    setIcon(ColorToIcon(color));
    setIconSize(iconSize);
    emit ColorChanged();
}

void CColorPicker::showEvent(QShowEvent* event)
{
    iconSize = QSize(width() - 8, height() - 8);
    setIconSize(iconSize);
    setMinimumSize(width(), height());
    setIcon(ColorToIcon(color));
    QToolButton::showEvent(event);
}
