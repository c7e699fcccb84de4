#include "FilterText.h"

#include "DialogFont.h"
#include "EditorControls.h"
#include "FilterValues.h"
#include "FitTexts.h"
#include "FormatsEnum.h"
#include "MagickReader.h"
#include "ResourceRoot.h"
#include "ui_CFilterText.h"

#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QTextCursor>
#include <QTimer>

using namespace EditorControls;

namespace
{

constexpr int kDelay = 1000;

double Flag(bool on)
{
    return on ? 1.0 : 0.0;
}

} // namespace

CFilterText::CFilterText(QWidget* parent, int filterId) : CFilterPage(parent, filterId), ui(new Ui::CFilterText)
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    m_pFormats = CFormatsEnum::GetInstance();
    defaults.text = QStringLiteral("Copyright [Copyright] Quorvelline");
    defaults.fontFamily = QStringLiteral("Arial-Regular");
    defaults.texturePath = ResourceRoot() + QStringLiteral("/Sample.png");
    connect(ui->CPFontColor, &CColorPicker::ColorChanged, this, &CFilterText::CPFontColorChanged);
    connect(ui->CPStrokeColor, &CColorPicker::ColorChanged, this, &CFilterText::CPStrokeColorChanged);
    connect(ui->CPBoxColor, &CColorPicker::ColorChanged, this, &CFilterText::CPBoxColorChanged);
    connect(ui->CPShadowColor, &CColorPicker::ColorChanged, this, &CFilterText::CPShadowColorChanged);
    ui->tabWidget->setCurrentIndex(0);
    ui->editTexturePath->hide();
    ui->editText->installEventFilter(this);
    previewEnabled = true;
}

bool CFilterText::eventFilter(QObject* watched, QEvent* event)
{
    // Tab leaves the text box, so Ctrl+Tab types the tab; the page stays.
    if (watched == ui->editText && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::ControlModifier) {
            ui->editText->insertPlainText(QStringLiteral("\t"));
            return true;
        }
    }
    return CFilterPage::eventFilter(watched, event);
}

CFilterText::~CFilterText()
{
    delete ui;
}

void CFilterText::InitControls()
{
    FillCombo(ui->comboAlignment, {tr("Align Left"), tr("Align Center"), tr("Align Right")});
    FillCombo(ui->comboPlacement,
              {tr("Top-Left"), tr("Top-Center"), tr("Top-Right"), tr("Middle-Left"), tr("Middle-Center"),
               tr("Middle-Right"), tr("Bottom-Left"), tr("Bottom-Center"), tr("Bottom-Right")});
}

void CFilterText::Initialize()
{
    const STextDefaults& d = defaults;
    InitControls();
    ui->editText->setPlainText(d.text);
    ui->comboAlignment->setCurrentIndex(d.alignment);
    ui->comboPlacement->setCurrentIndex(d.placement);
    ui->spinDeltaX->setValue(d.deltaX);
    ui->spinDeltaY->setValue(d.deltaY);
    ui->spinRotation->setValue(d.rotation);
    ui->dialRotation->setValue(d.rotation);
    ui->spinLineSpacing->setValue(d.lineSpacing);
    ui->checkUseTile->setChecked(d.tile);
    ui->sliderTileOffsetX->setValue(d.tileOffsetX);
    ui->sliderTileOffsetY->setValue(d.tileOffsetY);
    ui->CPFontColor->SetColor(d.fontColor);
    ui->checkUseTexture->setChecked(d.texture);
    ui->spinAlpha->setValue(d.alpha);
    ui->sliderBlur->setValue(d.blur);
    ui->checkUseStroke->setChecked(d.stroke);
    ui->CPStrokeColor->SetColor(d.strokeColor);
    ui->spinStrokeAlpha->setValue(d.strokeAlpha);
    ui->spinStrokeWidth->setValue(d.strokeWidth);
    ui->checkUseBox->setChecked(d.box);
    ui->CPBoxColor->SetColor(d.boxColor);
    ui->spinBoxAlpha->setValue(d.boxAlpha);
    ui->spinBoxOffset->setValue(d.boxOffset);
    ui->checkUseShadow->setChecked(d.shadow);
    ui->CPShadowColor->SetColor(d.shadowColor);
    ui->spinShadowAlpha->setValue(d.shadowAlpha);
    ui->sliderShadowDistance->setValue(d.shadowDistance);
    ui->spinShadowAngle->setValue(d.shadowAngle);
    ui->dialShadowAngle->setValue(d.shadowAngle);
    ui->sliderShadowBlur->setValue(d.shadowBlur);
    ui->editTexturePath->setText(QDir::toNativeSeparators(d.texturePath));

    fontFamily = d.fontFamily;
    fontSize = d.fontSize;
    fontBold = fontItalic = fontUnderline = fontStrikeOut = false;

    EnableTile(d.tile);
    EnableTexture(d.texture);
    EnableStroke(d.stroke);
    EnableBox(d.box);
    EnableShadow(d.shadow);
    ui->editTexturePath->hide();
    // Last, so that it wins over the restarts of the value changes above.
    RestartPreview(0);
}

void CFilterText::Load(SFilterRecord rec, bool startPreview)
{
    const double* n = rec.numbers;
    previewEnabled = startPreview;
    InitControls();
    SetComboIndex(ui->comboAlignment, n[0], defaults.alignment);
    SetComboIndex(ui->comboPlacement, n[1], defaults.placement);
    SetSpin(ui->spinDeltaX, n[2]);
    SetSpin(ui->spinDeltaY, n[3]);
    SetSpin(ui->spinRotation, n[4]);
    SetSlider(ui->dialRotation, n[4]);
    SetSpin(ui->spinLineSpacing, n[5]);
    ui->checkUseTile->setChecked(SlotChecked(n[6]));
    SetSlider(ui->sliderTileOffsetX, n[7]);
    SetSlider(ui->sliderTileOffsetY, n[8]);
    fontSize = SlotInt(n[9]);
    fontBold = SlotChecked(n[10]);
    fontItalic = SlotChecked(n[11]);
    fontUnderline = SlotChecked(n[12]);
    fontStrikeOut = SlotChecked(n[13]);
    SetColor(ui->CPFontColor, n[14]);
    ui->checkUseTexture->setChecked(SlotChecked(n[15]));
    SetSpin(ui->spinAlpha, n[16]);
    SetSlider(ui->sliderBlur, n[17]);
    ui->checkUseStroke->setChecked(SlotChecked(n[18]));
    SetColor(ui->CPStrokeColor, n[19]);
    SetSpin(ui->spinStrokeAlpha, n[20]);
    SetSpin(ui->spinStrokeWidth, n[21]);
    ui->checkUseBox->setChecked(SlotChecked(n[22]));
    SetColor(ui->CPBoxColor, n[23]);
    SetSpin(ui->spinBoxAlpha, n[24]);
    SetSpin(ui->spinBoxOffset, n[25]);
    ui->checkUseShadow->setChecked(SlotChecked(n[26]));
    SetColor(ui->CPShadowColor, n[27]);
    SetSpin(ui->spinShadowAlpha, n[28]);
    SetSlider(ui->sliderShadowDistance, n[29]);
    SetSpin(ui->spinShadowAngle, n[30]);
    SetSlider(ui->dialShadowAngle, n[30]);
    SetSlider(ui->sliderShadowBlur, n[31]);
    ui->editText->setPlainText(rec.strings[0]);
    fontFamily = rec.strings[1];
    ui->editTexturePath->setText(QDir::toNativeSeparators(rec.strings[2]));

    EnableTile(ui->checkUseTile->isChecked());
    EnableTexture(ui->checkUseTexture->isChecked());
    EnableStroke(ui->checkUseStroke->isChecked());
    EnableBox(ui->checkUseBox->isChecked());
    EnableShadow(ui->checkUseShadow->isChecked());
    ui->editTexturePath->hide();
    previewEnabled = true;
    if (startPreview)
        RestartPreview(0);
    else
        emit SaveState(rec);
}

void CFilterText::Save(SFilterRecord& rec)
{
    double* n = rec.numbers;
    rec.numberCount = 32;
    n[0] = ui->comboAlignment->currentIndex();
    n[1] = ui->comboPlacement->currentIndex();
    n[2] = ui->spinDeltaX->value();
    n[3] = ui->spinDeltaY->value();
    n[4] = ui->spinRotation->value();
    n[5] = ui->spinLineSpacing->value();
    n[6] = Flag(ui->checkUseTile->isChecked());
    n[7] = ui->sliderTileOffsetX->value();
    n[8] = ui->sliderTileOffsetY->value();
    n[9] = fontSize;
    n[10] = Flag(fontBold);
    n[11] = Flag(fontItalic);
    n[12] = Flag(fontUnderline);
    n[13] = Flag(fontStrikeOut);
    n[14] = ui->CPFontColor->color;
    n[15] = Flag(ui->checkUseTexture->isChecked());
    n[16] = ui->spinAlpha->value();
    n[17] = ui->sliderBlur->value();
    n[18] = Flag(ui->checkUseStroke->isChecked());
    n[19] = ui->CPStrokeColor->color;
    n[20] = ui->spinStrokeAlpha->value();
    n[21] = ui->spinStrokeWidth->value();
    n[22] = Flag(ui->checkUseBox->isChecked());
    n[23] = ui->CPBoxColor->color;
    n[24] = ui->spinBoxAlpha->value();
    n[25] = ui->spinBoxOffset->value();
    n[26] = Flag(ui->checkUseShadow->isChecked());
    n[27] = ui->CPShadowColor->color;
    n[28] = ui->spinShadowAlpha->value();
    n[29] = ui->sliderShadowDistance->value();
    n[30] = ui->spinShadowAngle->value();
    n[31] = ui->sliderShadowBlur->value();
    rec.stringCount = 3;
    rec.strings[0] = ui->editText->toPlainText();
    rec.strings[1] = fontFamily;
    rec.strings[2] = StoredPath(ui->editTexturePath->text());
}

void CFilterText::Restart()
{
    if (previewEnabled)
        RestartPreview(kDelay);
}

void CFilterText::on_editText_textChanged()
{
    // A job file holds at most this much of one text: a longer mark could be
    // saved but never opened again.
    if (ui->editText->document()->characterCount() - 1 > SFilterRecord::MaxStringLength) {
        QTextCursor tail(ui->editText->document());
        tail.setPosition(SFilterRecord::MaxStringLength);
        tail.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        tail.removeSelectedText();
        return; // the removal calls back with the text that is kept
    }
    Restart();
}
void CFilterText::on_comboAlignment_activated(int)
{
    Restart();
}
void CFilterText::on_comboPlacement_activated(int)
{
    Restart();
}
void CFilterText::on_spinDeltaX_valueChanged(int)
{
    Restart();
}
void CFilterText::on_spinDeltaY_valueChanged(int)
{
    Restart();
}
void CFilterText::on_spinLineSpacing_valueChanged(int)
{
    Restart();
}
void CFilterText::on_spinAlpha_valueChanged(int)
{
    Restart();
}
void CFilterText::on_spinStrokeAlpha_valueChanged(int)
{
    Restart();
}
void CFilterText::on_spinStrokeWidth_valueChanged(int)
{
    Restart();
}
void CFilterText::on_spinBoxAlpha_valueChanged(int)
{
    Restart();
}
void CFilterText::on_spinBoxOffset_valueChanged(int)
{
    Restart();
}
void CFilterText::on_spinShadowAlpha_valueChanged(int)
{
    Restart();
}
void CFilterText::on_sliderTileOffsetX_valueChanged(int)
{
    Restart();
}
void CFilterText::on_sliderTileOffsetY_valueChanged(int)
{
    Restart();
}
void CFilterText::on_sliderBlur_valueChanged(int)
{
    Restart();
}
void CFilterText::on_sliderShadowDistance_valueChanged(int)
{
    Restart();
}
void CFilterText::on_sliderShadowBlur_valueChanged(int)
{
    Restart();
}
void CFilterText::CPFontColorChanged()
{
    Restart();
}
void CFilterText::CPStrokeColorChanged()
{
    Restart();
}
void CFilterText::CPBoxColorChanged()
{
    Restart();
}
void CFilterText::CPShadowColorChanged()
{
    Restart();
}

void CFilterText::on_spinRotation_valueChanged(int value)
{
    ui->dialRotation->setValue(value);
    Restart();
}

void CFilterText::on_dialRotation_valueChanged(int value)
{
    ui->spinRotation->setValue(value);
    Restart();
}

void CFilterText::on_spinShadowAngle_valueChanged(int value)
{
    ui->dialShadowAngle->setValue(value);
    Restart();
}

void CFilterText::on_dialShadowAngle_valueChanged(int value)
{
    ui->spinShadowAngle->setValue(value);
    Restart();
}

void CFilterText::EnableTile(bool on)
{
    SetEnabled({ui->sliderTileOffsetX, ui->sliderTileOffsetY}, on);
    SetEnabled({ui->comboPlacement, ui->spinDeltaX, ui->spinDeltaY}, !on);
}

void CFilterText::EnableTexture(bool on)
{
    SetEnabled({ui->buttonBrowseTexture, ui->editTexturePath}, on);
    SetEnabled({ui->CPFontColor}, !on);
    ShowTextureState();
}

void CFilterText::ShowTextureState()
{
    // A run fails the mark on such a texture; the header is enough to tell.
    const QString path = StoredPath(ui->editTexturePath->text());
    const QString reason = ui->checkUseTexture->isChecked() && !path.isEmpty()
                               ? CMagickReader::Ping(path, CMagickReader::FirstFrame).error
                               : QString();
    ui->labelTextureState->setToolTip(reason);
    ui->labelTextureState->setVisible(!reason.isEmpty());
}

void CFilterText::EnableStroke(bool on)
{
    SetEnabled({ui->CPStrokeColor, ui->spinStrokeAlpha, ui->spinStrokeWidth}, on);
}

void CFilterText::EnableBox(bool on)
{
    SetEnabled({ui->CPBoxColor, ui->spinBoxAlpha, ui->spinBoxOffset}, on);
}

void CFilterText::EnableShadow(bool on)
{
    SetEnabled({ui->CPShadowColor, ui->spinShadowAlpha, ui->sliderShadowDistance, ui->spinShadowAngle,
                ui->dialShadowAngle, ui->sliderShadowBlur},
               on);
}

void CFilterText::on_checkUseTile_clicked(bool checked)
{
    EnableTile(checked);
    Restart();
}

void CFilterText::on_checkUseTexture_clicked(bool checked)
{
    EnableTexture(checked);
    Restart();
}

void CFilterText::on_checkUseStroke_clicked(bool checked)
{
    EnableStroke(checked);
    Restart();
}

void CFilterText::on_checkUseBox_clicked(bool checked)
{
    EnableBox(checked);
    Restart();
}

void CFilterText::on_checkUseShadow_clicked(bool checked)
{
    EnableShadow(checked);
    Restart();
}

void CFilterText::on_buttonFont_clicked()
{
    CDialogFont dialog(this);
    dialog.fontFamily = fontFamily;
    dialog.fontSize = QString::number(fontSize);
    dialog.fontBold = fontBold;
    dialog.fontItalic = fontItalic;
    dialog.fontUnderline = fontUnderline;
    dialog.fontStrikeOut = fontStrikeOut;
    if (dialog.exec() != QDialog::Accepted)
        return;
    fontFamily = dialog.fontFamily;
    fontSize = dialog.fontSize.toInt(nullptr, 10);
    fontBold = dialog.fontBold;
    fontItalic = dialog.fontItalic;
    fontUnderline = dialog.fontUnderline;
    fontStrikeOut = dialog.fontStrikeOut;
    Restart();
}

void CFilterText::on_buttonBrowseTexture_clicked()
{
    const QString path =
        BrowseImage(this, tr("Select Watermark Image"), QStringLiteral("GUI/WatermarkTextTexturePath"));
    if (path.isEmpty())
        return;
    ui->editTexturePath->setText(QDir::toNativeSeparators(path));
    ShowTextureState();
    Restart();
}

void CFilterText::on_buttonAddKeyword_clicked()
{
    // The submenu's title is the same in every language.
    QMenu symbols(QStringLiteral("Symbols"));
    symbols.addAction(tr("Copyright") + QStringLiteral(" \u00A9"), this, &CFilterText::SignCopyright);
    symbols.addAction(tr("Registered") + QStringLiteral(" \u00AE"), this, &CFilterText::SignRegistered);
    symbols.addAction(tr("Trademark") + QStringLiteral(" \u2122"), this, &CFilterText::SignTrademark);
    symbols.addAction(tr("Servicemark") + QStringLiteral(" \u2120"), this, &CFilterText::SignServicemark);
    QMenu menu;
    menu.addMenu(&symbols);
    menu.addAction(tr("Source Filename"), this, &CFilterText::SourceFilename);
    menu.addAction(tr("Source Extension"), this, &CFilterText::SourceExtension);
    menu.addAction(tr("Source Folder"), this, &CFilterText::SourceFolder);
    menu.addAction(tr("Source Path"), this, &CFilterText::SourcePath);
    const QPoint corner = ui->buttonAddKeyword->contentsRect().bottomLeft();
    menu.exec(ui->buttonAddKeyword->mapToGlobal(corner));
}

void CFilterText::AppendKeyword(const QString& keyword)
{
    ui->editText->setPlainText(ui->editText->toPlainText() + keyword);
}

void CFilterText::SignCopyright()
{
    AppendKeyword(QStringLiteral("[Copyright]"));
}
void CFilterText::SignRegistered()
{
    AppendKeyword(QStringLiteral("[Registered]"));
}
void CFilterText::SignTrademark()
{
    AppendKeyword(QStringLiteral("[Trademark]"));
}
void CFilterText::SignServicemark()
{
    AppendKeyword(QStringLiteral("[Servicemark]"));
}
void CFilterText::SourceFilename()
{
    AppendKeyword(QStringLiteral("[Filename]"));
}
void CFilterText::SourceExtension()
{
    AppendKeyword(QStringLiteral("[Ext]"));
}
void CFilterText::SourceFolder()
{
    AppendKeyword(QStringLiteral("[Folder]"));
}
void CFilterText::SourcePath()
{
    AppendKeyword(QStringLiteral("[Path]"));
}
