#pragma once
// Slot-to-control conversions shared by the editor pages: every numeric slot
// goes through SlotInt, every colour slot through SlotRgb, so a value from a
// job file (NaN, 1e20) can never make a conversion undefined.

#include <QString>
#include <QStringList>

#include <initializer_list>

class QAbstractSlider;
class QComboBox;
class QDoubleSpinBox;
class QSpinBox;
class QWidget;
class CColorPicker;

namespace EditorControls
{

// A check box slot: any non-zero number is on; NaN is off.
bool SlotChecked(double v);
void SetSpin(QSpinBox* spin, double v);
void SetSlider(QAbstractSlider* slider, double v);
// An index outside the list selects `fallback`, so Save never writes -1.
void SetComboIndex(QComboBox* combo, double v, int fallback);
void SetColor(CColorPicker* picker, double v);
// Clears and refills a list; emits no `activated`.
void FillCombo(QComboBox* combo, const QStringList& items);
// A path as stored in a record: "/" separators.
QString StoredPath(const QString& text);
void SetEnabled(std::initializer_list<QWidget*> widgets, bool on);
// Runs the image chooser in the folder remembered under the settings key
// (the pictures folder by default). A chosen file's folder is remembered at
// once; returns its path with "/" separators, or "" when cancelled.
QString BrowseImage(QWidget* parent, const QString& title, const QString& key);

// A slot rounded half up (Nearest) and then tested against 0.
bool SlotNearestOn(double v);
// A slot rounded half up into a control; the control clamps it to its range.
void SetSpinNearest(QSpinBox* spin, double v);
void SetSliderNearest(QAbstractSlider* slider, double v);
// A slot rounded half up as a list index; outside the list no item is current.
void SetComboNearest(QComboBox* combo, double v);
// A slot taken as it is into a double spin box; NaN shows as 0.
void SetDoubleSpin(QDoubleSpinBox* spin, double v);

} // namespace EditorControls
