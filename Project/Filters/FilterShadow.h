#pragma once
// The editor page of the drop shadow (type 2020): slot 0 transparency and
// slot 1 size (0-99 each, a slider mirrored by a spin box, 1000 ms), slot 2
// the colour and slot 3 the white background (500 ms).

#include "FilterPage.h"

#include <QRgb>

namespace Ui
{
class FilterShadow;
}

class CFilterShadow : public CFilterPage
{
    Q_OBJECT

public:
    CFilterShadow(QWidget* parent, int filterId);
    ~CFilterShadow() override;

    void Initialize() override;
    void Load(SFilterRecord rec, bool startPreview) override;
    void Save(SFilterRecord& rec) override;

    struct SShadowDefaults {
        int transparency = 50;
        int size = 50;
        QRgb color = 0xFF000000u;
        bool whiteBackground = false;
    } defaults;

private slots:
    void on_sliderTransparency_valueChanged(int value);
    void on_spinTransparency_valueChanged(int arg1);
    void on_sliderSize_valueChanged(int value);
    void on_spinSize_valueChanged(int arg1);
    void CPColorChanged();
    void on_checkWhiteBackground_clicked();

private:
    Ui::FilterShadow* ui;
};
