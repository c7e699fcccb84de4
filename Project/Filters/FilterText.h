#pragma once
// The editor page of the text mark (type 1000): 32 numeric slots and three
// strings (text, font family, texture path). Every control restarts the
// preview after 1000 ms; the font lives only in the current-font fields.

#include "FilterPage.h"

#include <QRgb>
#include <QString>

class CFormatsEnum;
namespace Ui
{
class CFilterText;
}

class CFilterText : public CFilterPage
{
    Q_OBJECT

public:
    CFilterText(QWidget* parent, int filterId);
    ~CFilterText() override;

    void Initialize() override;
    void Load(SFilterRecord rec, bool startPreview) override;
    void Save(SFilterRecord& rec) override;

    // Refills the two lists; restarts nothing.
    void InitControls();

    // The values Initialize() shows.
    struct STextDefaults {
        int alignment = 1;
        int placement = 7;
        int deltaX = 0;
        int deltaY = 100;
        int rotation = 0;
        int lineSpacing = 0;
        bool tile = false;
        int tileOffsetX = 0;
        int tileOffsetY = 0;
        int fontSize = 48;
        QRgb fontColor = 4282568191u;
        bool texture = false;
        int alpha = 20;
        int blur = 0;
        bool stroke = true;
        QRgb strokeColor = 4278190080u;
        int strokeAlpha = 10;
        int strokeWidth = 1;
        bool box = false;
        QRgb boxColor = 4294967295u;
        int boxAlpha = 0;
        int boxOffset = 10;
        bool shadow = true;
        QRgb shadowColor = 4278190080u;
        int shadowAlpha = 50;
        int shadowDistance = 15;
        int shadowAngle = 315;
        int shadowBlur = 5;
        QString text;
        QString fontFamily;
        QString texturePath;
    } defaults;

    // The current font: no control holds it.
    QString fontFamily;
    int fontSize = 48;
    bool fontBold = false;
    bool fontItalic = false;
    bool fontUnderline = false;
    bool fontStrikeOut = false;

    // While set, every control change restarts the preview timer.
    bool previewEnabled = true;

private slots:
    void on_editText_textChanged();
    void on_comboAlignment_activated(int);
    void on_comboPlacement_activated(int);
    void on_spinDeltaX_valueChanged(int);
    void on_spinDeltaY_valueChanged(int);
    void on_spinLineSpacing_valueChanged(int);
    void on_spinAlpha_valueChanged(int);
    void on_spinStrokeAlpha_valueChanged(int);
    void on_spinStrokeWidth_valueChanged(int);
    void on_spinBoxAlpha_valueChanged(int);
    void on_spinBoxOffset_valueChanged(int);
    void on_spinShadowAlpha_valueChanged(int);
    void on_sliderTileOffsetX_valueChanged(int);
    void on_sliderTileOffsetY_valueChanged(int);
    void on_sliderBlur_valueChanged(int);
    void on_sliderShadowDistance_valueChanged(int);
    void on_sliderShadowBlur_valueChanged(int);
    void CPFontColorChanged();
    void CPStrokeColorChanged();
    void CPBoxColorChanged();
    void CPShadowColorChanged();
    void on_spinRotation_valueChanged(int value);
    void on_dialRotation_valueChanged(int value);
    void on_spinShadowAngle_valueChanged(int value);
    void on_dialShadowAngle_valueChanged(int value);
    void on_checkUseTile_clicked(bool checked);
    void on_checkUseTexture_clicked(bool checked);
    void on_checkUseStroke_clicked(bool checked);
    void on_checkUseBox_clicked(bool checked);
    void on_checkUseShadow_clicked(bool checked);
    void on_buttonFont_clicked();
    void on_buttonBrowseTexture_clicked();
    void on_buttonAddKeyword_clicked();
    void SignCopyright();
    void SignRegistered();
    void SignTrademark();
    void SignServicemark();
    void SourceFilename();
    void SourceExtension();
    void SourceFolder();
    void SourcePath();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Restart();
    void AppendKeyword(const QString& keyword);
    void EnableTile(bool on);
    void EnableTexture(bool on);
    // Marks a texture that is on but cannot be read, the reason in its tool tip.
    void ShowTextureState();
    void EnableStroke(bool on);
    void EnableBox(bool on);
    void EnableShadow(bool on);

    Ui::CFilterText* ui;
    CFormatsEnum* m_pFormats;
};
