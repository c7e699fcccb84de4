#pragma once
// The editor page of the resize filter (type 5040): slots 0-1 width and
// height (pixels or percent), 2 keep aspect, 3 mode, 4 unit, 5 do not
// enlarge. The two sides are coupled by the photo's ratio while the aspect
// box is checked, except in mode 3 (a box the photo is fitted into).

#include "FilterPage.h"

namespace Ui
{
class CFilterResize;
}

class CFilterResize : public CFilterPage
{
    Q_OBJECT

public:
    CFilterResize(QWidget* parent, int filterId);
    ~CFilterResize() override;

    void Initialize() override;
    void Load(SFilterRecord rec, bool startPreview) override;
    void Save(SFilterRecord& rec) override;

    void InitControls();

    // The largest pixel value of a side: ten times the side, at most 30000;
    // 30000 for an unknown side, so that a size can still be typed.
    static double PixelMaximum(qint64 side);

    struct SResizeDefaults {
        int mode = 0;
        int unit = 0;
        bool keepAspect = true;
        bool noUpscale = false;
    } defaults;

    int modeInEffect = 0;
    int unitInEffect = 0;
    // Set while the page itself writes a spin box: no coupling then.
    bool guard = false;
    // Set in mode 3: the sides are independent.
    bool fixedBox = false;
    bool previewEnabled = true;

private slots:
    void on_comboResizeBy_activated(int index);
    void on_comboDimensions_activated(int index);
    void on_spinWidth_valueChanged(double v);
    void on_spinHeight_valueChanged(double v);
    void on_checkAspectRatio_clicked(bool);
    void on_checkNoUpscale_clicked(bool);

private:
    void Restart(int ms);
    // Enables the sides and the aspect box as mode `index` needs.
    void ApplyMode(int index);
    void SetDecimals(int decimals);
    void SetRanges(bool percent);
    void OnSideChanged(double v, bool width);

    Ui::CFilterResize* ui;
};
