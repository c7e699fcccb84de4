#pragma once
// The editor page of the raise filter (type 2010): slot 0 the bevel width in
// quarters of a percent (0-99, slider mirrored by a spin box, 1000 ms),
// slot 1 the effect, 0 "Lower" or 1 "Raise" (500 ms). The effect listens to
// every index change, the program's own included.

#include "FilterPage.h"

namespace Ui
{
class FilterRaise;
}

class CFilterRaise : public CFilterPage
{
    Q_OBJECT

public:
    CFilterRaise(QWidget* parent, int filterId);
    ~CFilterRaise() override;

    void Initialize() override;
    void Load(SFilterRecord rec, bool startPreview) override;
    void Save(SFilterRecord& rec) override;

    void InitControls();

    struct SRaiseDefaults {
        int border = 20;
        int effect = 1;
    } defaults;

private slots:
    void on_sliderBorder_valueChanged(int value);
    void on_spinBorder_valueChanged(int arg1);
    void on_comboEffect_currentIndexChanged(int index);

private:
    Ui::FilterRaise* ui;
};
