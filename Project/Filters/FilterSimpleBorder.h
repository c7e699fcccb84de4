#pragma once
// The editor page of the simple border (type 2030): slots 0-3 top, bottom,
// left and right (pixels, or whole percent of the photo's height for top and
// bottom and of its width for left and right), 4 the unit, 5 the colour,
// 6 uniform (the top value serves all four sides).

#include "FilterPage.h"

#include <QRgb>

namespace Ui
{
class FilterSimpleBorder;
}

class CFilterSimpleBorder : public CFilterPage
{
    Q_OBJECT

public:
    CFilterSimpleBorder(QWidget* parent, int filterId);
    ~CFilterSimpleBorder() override;

    void Initialize() override;
    void Load(SFilterRecord rec, bool startPreview) override;
    void Save(SFilterRecord& rec) override;

    void InitControls();

    struct SBorderDefaults {
        int unit = 0;
        QRgb color = 0xFFBBBBFFu;
        int side = 100;
        bool uniform = true;
    } defaults;

    int unitInEffect = 0;

private slots:
    void on_spinTop_valueChanged(int);
    void on_spinBottom_valueChanged(int);
    void on_spinLeft_valueChanged(int);
    void on_spinRight_valueChanged(int);
    void on_comboDimensions_activated(int index);
    void on_checkUniformDimensions_clicked(bool checked);
    void CPColorChanged();

private:
    // Bottom, left and right are edited only when uniform is off.
    void EnableSides(bool uniform);

    Ui::FilterSimpleBorder* ui;
};
