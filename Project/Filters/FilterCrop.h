#pragma once
// The editor page of the crop filter (type 5020): slots 0-3 left, top,
// width and height of the kept rectangle (pixels, or percent of the photo's
// sides), slot 4 the unit. The four values are independent; each restarts
// the preview after 1000 ms.

#include "FilterPage.h"

class QDoubleSpinBox;
namespace Ui
{
class FilterCrop;
}

class CFilterCrop : public CFilterPage
{
    Q_OBJECT

public:
    CFilterCrop(QWidget* parent, int filterId);
    ~CFilterCrop() override;

    void Initialize() override;
    void Load(SFilterRecord rec, bool startPreview) override;
    void Save(SFilterRecord& rec) override;

    void InitControls();

    int defaultUnit = 0;
    int unitInEffect = 0;
    bool previewEnabled = true;

private slots:
    void on_comboDimensions_activated(int index);
    void on_spinLeft_valueChanged(double);
    void on_spinTop_valueChanged(double);
    void on_spinWidth_valueChanged(double);
    void on_spinHeight_valueChanged(double);

private:
    void OnValueChanged();
    void SetDecimals(int decimals);

    Ui::FilterCrop* ui;
};
