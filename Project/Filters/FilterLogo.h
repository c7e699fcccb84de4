#pragma once
// The editor page of the logo mark (type 1010): 20 numeric slots and the
// image path. The first tab and both dials restart the preview after
// 500 ms, stroke, shadow and the two angle spin boxes after 1000 ms.

#include "FilterPage.h"

#include <QRgb>
#include <QString>

class CFormatsEnum;
namespace Ui
{
class CFilterLogo;
}

class CFilterLogo : public CFilterPage
{
    Q_OBJECT

public:
    CFilterLogo(QWidget* parent, int filterId);
    ~CFilterLogo() override;

    void Initialize() override;
    void Load(SFilterRecord rec, bool startPreview) override;
    void Save(SFilterRecord& rec) override;

    // Refills the placement list; restarts nothing.
    void InitControls();

    // The values Initialize() shows.
    struct SLogoDefaults {
        int placement = 8;
        int offsetX = 50;
        int offsetY = 50;
        int tile = 0;
        int tileOffsetX = 0;
        int tileOffsetY = 0;
        int transparency = 15;
        int scale = 100;
        int blur = 0;
        int rotation = 0;
        bool stroke = false;
        QRgb strokeColor = 0xFF000000u;
        int strokeTransparency = 10;
        int strokeWidth = 1;
        bool shadow = true;
        QRgb shadowColor = 0xFF000000u;
        int shadowTransparency = 50;
        int shadowDistance = 15;
        int shadowAngle = 315;
        int shadowBlur = 5;
    } defaults;

    QString samplePath;
    // While set, every control change restarts the preview timer.
    bool previewEnabled = true;

private slots:
    void on_buttonBrowse_clicked();
    void on_comboPlacement_activated(int index);
    void on_spinDeltaX_valueChanged(int);
    void on_spinDeltaY_valueChanged(int);
    void on_checkUseTile_clicked(bool checked);
    void on_sliderTileOffsetX_valueChanged(int value);
    void on_sliderTileOffsetY_valueChanged(int);
    void on_spinRotation_valueChanged(int value);
    void on_dialRotation_valueChanged(int value);
    void on_spinTransparency_valueChanged(int);
    void on_spinScale_valueChanged(int);
    void on_sliderBlur_valueChanged(int);
    void on_checkUseStroke_clicked(bool checked);
    void CPStrokeColorChanged();
    void on_spinStrokeAlpha_valueChanged(int);
    void on_spinStrokeWidth_valueChanged(int);
    void on_checkUseShadow_clicked(bool checked);
    void CPShadowColorChanged();
    void on_spinShadowAlpha_valueChanged(int);
    void on_sliderShadowDistance_valueChanged(int);
    void on_spinShadowAngle_valueChanged(int value);
    void on_dialShadowAngle_valueChanged(int value);
    void on_sliderShadowBlur_valueChanged(int);

private:
    void Restart(int ms);
    void EnableTile(bool on);
    void EnableStroke(bool on);
    void EnableShadow(bool on);

    Ui::CFilterLogo* ui;
    CFormatsEnum* m_pFormats;
};
