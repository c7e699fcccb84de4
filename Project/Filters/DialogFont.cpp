#include "DialogFont.h"

#include "FitTexts.h"
#include "UserProfile.h"
#include "ui_CDialogFont.h"

namespace
{

const int kSizes[] = {8, 10, 12, 14, 18, 24, 36, 48, 72};

// The size text as a pixel size: anything below 1, or no number, is 8.
int PixelSize(const QString& text)
{
    bool ok = false;
    const int size = text.toInt(&ok, 10);
    return (ok && size >= 1) ? size : 8;
}

} // namespace

CDialogFont::CDialogFont(QWidget* parent) : QDialog(parent), ui(new Ui::CDialogFont)
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    m_pProfile = CUserProfile::GetInstance();
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->textSample->setStyleSheet(m_pProfile->ThemeId != 0 ? QStringLiteral("background-color: rgb( 30, 30, 30 );")
                                                           : QStringLiteral("background-color: rgb( 255, 255, 255 );"));
}

CDialogFont::~CDialogFont()
{
    delete ui;
}

int CDialogFont::exec()
{
    ui->comboFontSize->clear();
    for (int size : kSizes)
        ui->comboFontSize->addItem(QString::number(size));
    ui->comboFontSize->setCurrentIndex(5);
    ui->comboFontSize->setEditText(fontSize);

    QFont font;
    font.fromString(fontFamily);
    ui->comboFont->setCurrentFont(font);

    ui->checkBold->setChecked(fontBold);
    ui->checkItalic->setChecked(fontItalic);
    ui->checkUnderline->setChecked(fontUnderline);
    ui->checkStrikeOut->setChecked(fontStrikeOut);

    UpdateFont();
    return QDialog::exec();
}

void CDialogFont::UpdateFont()
{
    QFont font = ui->comboFont->currentFont();
    font.setWeight(ui->checkBold->isChecked() ? QFont::Bold : QFont::Normal);
    font.setStyle(ui->checkItalic->isChecked() ? QFont::StyleItalic : QFont::StyleNormal);
    font.setUnderline(ui->checkUnderline->isChecked());
    font.setStrikeOut(ui->checkStrikeOut->isChecked());
    font.setPixelSize(PixelSize(ui->comboFontSize->currentText()));
    ui->textSample->setText(QStringLiteral("AaBcYyZz"));
    ui->textSample->setFont(font);
}

void CDialogFont::on_comboFont_currentFontChanged(const QFont&)
{
    UpdateFont();
}

void CDialogFont::on_comboFontSize_editTextChanged(const QString& arg1)
{
    bool ok = false;
    const int size = arg1.toInt(&ok, 10);
    for (int i = 0; ok && i < int(sizeof(kSizes) / sizeof(kSizes[0])); ++i) {
        if (kSizes[i] == size) {
            // Selecting the entry rewrites the same text; keep what was typed.
            const QSignalBlocker block(ui->comboFontSize);
            ui->comboFontSize->setCurrentIndex(i);
            ui->comboFontSize->setEditText(arg1);
            break;
        }
    }
    UpdateFont();
}

void CDialogFont::on_checkBold_clicked()
{
    UpdateFont();
}

void CDialogFont::on_checkItalic_clicked()
{
    UpdateFont();
}

void CDialogFont::on_checkUnderline_clicked()
{
    UpdateFont();
}

void CDialogFont::on_checkStrikeOut_clicked()
{
    UpdateFont();
}

void CDialogFont::on_buttonOK_clicked()
{
    fontFamily = ui->comboFont->currentFont().toString().section(QLatin1Char(','), 0, 0);
    fontBold = ui->checkBold->isChecked();
    fontItalic = ui->checkItalic->isChecked();
    fontUnderline = ui->checkUnderline->isChecked();
    fontStrikeOut = ui->checkStrikeOut->isChecked();
    fontSize = ui->comboFontSize->currentText();
    bool ok = false;
    if (fontSize.toInt(&ok, 10) < 1)
        fontSize = QStringLiteral("8");
    accept();
}

void CDialogFont::on_buttonCancel_clicked()
{
    reject();
}
