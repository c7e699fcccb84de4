#include "CFormatSettings.h"

#include "FitTexts.h"
#include "FormatsEnum.h"
#include "ICCProfiles.h"
#include "UserProfile.h"
#include "Utils.h"
#include "ui_CFormatSettings.h"

#include <QFileDialog>
#include <QKeyEvent>

namespace
{

enum Page { PageNone, PageDefault, PageGIF, PageJP2, PageJPG, PagePDF, PagePNG, PageTIFF, PageMIFF };

const char* const HelpPages[] = {nullptr,           "formats_original.htm", "formats_gif.htm",
                                 "formats_jp2.htm", "formats_jpg.htm",      "formats_pdf.htm",
                                 "formats_png.htm", "formats_tiff.htm",     "formats_miff.htm"};

const int DefaultQuality = 88;

// The entry texts are format terms and stay untranslated, apart from Custom.
void FillInterlace(QComboBox* combo, int value)
{
    combo->addItems({QStringLiteral("No Interlace"), QStringLiteral("Line Interlace")});
    combo->setCurrentIndex(value);
}

QStringList TiffCompressions()
{
    return {QStringLiteral("LZW - Best Quality / Large Size"),   QStringLiteral("RLE - Best Quality / Large Size"),
            QStringLiteral("Zip - Best Quality / Medium Size"),  QStringLiteral("Jpeg - High Quality / Small Size"),
            QStringLiteral("Fax3 - Fax Quality / Small Size"),   QStringLiteral("Fax4 - Fax Quality / Small Size"),
            QStringLiteral("None - Best Quality / Largest Size")};
}

// An int field takes the list's entry only when one is chosen: a value from
// a job file outside the list shows no entry and is kept.
void StoreEntry(const QComboBox* combo, int& field)
{
    if (combo->currentIndex() >= 0)
        field = combo->currentIndex();
}

void EnableQuality(QSlider* slider, QSpinBox* spin, bool enabled)
{
    slider->setEnabled(enabled);
    spin->setEnabled(enabled);
}

} // namespace

CFormatSettings::CFormatSettings(QWidget* parent)
    : QDialog(parent), ui(new Ui::CFormatSettings), m_pProfile(CUserProfile::GetInstance()),
      m_pFormats(CFormatsEnum::GetInstance()), m_pIcc(CICCProfiles::GetInstance())
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

CFormatSettings::~CFormatSettings()
{
    delete ui;
}

int CFormatSettings::Page() const
{
    return FormatPage >= PageDefault && FormatPage <= PageMIFF ? FormatPage : PageNone;
}

int CFormatSettings::exec()
{
    ui->stackedWidget->setCurrentIndex(Page());
    Init();
    return QDialog::exec();
}

void CFormatSettings::Init()
{
    CUserProfile* p = m_pProfile;
    switch (Page()) {
    case PageDefault: {
        for (const SFormatRecord& record : m_pFormats->records)
            if (record.writable)
                ui->comboOutputFormat->addItem(record.id);
        int chosen = -1;
        for (int i = 0; i < ui->comboOutputFormat->count() && chosen < 0; ++i)
            if (ui->comboOutputFormat->itemText(i).contains(p->DefaultFormat, Qt::CaseInsensitive))
                chosen = i;
        ui->comboOutputFormat->setCurrentIndex(chosen);
        break;
    }
    case PageGIF:
        FillInterlace(ui->comboInterlaceGIF, p->Interlaced);
        break;
    case PageJP2:
        ui->sliderSizeQualityJP2->setValue(p->Quality);
        ui->spinSizeQualityJP2->setValue(p->Quality);
        FillInterlace(ui->comboInterlaceJP2, p->Interlaced);
        break;
    case PageJPG:
        ui->sliderSizeQualityJPG->setValue(p->Quality);
        ui->spinSizeQualityJPG->setValue(p->Quality);
        ui->checkFixedSizeJPG->setChecked(p->FixedSize);
        ui->spinFixedSizeJPG->setValue(int(qBound<qint64>(0, p->FileSize, ui->spinFixedSizeJPG->maximum())));
        if (p->FixedSize)
            EnableQuality(ui->sliderSizeQualityJPG, ui->spinSizeQualityJPG, false);
        else
            ui->spinFixedSizeJPG->setEnabled(false);
        ui->comboColorsJPG->addItems({QStringLiteral("Grayscale - 8 bpp"), QStringLiteral("RGB - 24 bpp"),
                                      QStringLiteral("CMYK - 32 bpp"), tr("Custom")});
        ui->comboColorsJPG->setCurrentIndex(p->JpegType);
        m_previousColorEntry = ui->comboColorsJPG->currentIndex();
        FillInterlace(ui->comboInterlaceJPG, p->Interlaced);
        break;
    case PagePDF: {
        const QStringList tiff = TiffCompressions();
        ui->comboCompressionPDF->addItems({tiff[3], tiff[0], tiff[1], tiff[2]});
        ui->comboCompressionPDF->setCurrentIndex(p->PdfAlg);
        ui->sliderSizeQualityPDF->setValue(p->Quality);
        ui->spinSizeQualityPDF->setValue(p->Quality);
        if (ui->comboCompressionPDF->currentIndex() != 0)
            EnableQuality(ui->sliderSizeQualityPDF, ui->spinSizeQualityPDF, false);
        break;
    }
    case PagePNG:
        ui->checkBestCompressionPNG->setChecked(p->PNGComp != 0);
        FillInterlace(ui->comboInterlacePNG, p->Interlaced);
        break;
    case PageTIFF:
        ui->comboCompressionTIF->addItems(TiffCompressions());
        ui->comboCompressionTIF->setCurrentIndex(p->TiffAlg);
        ui->sliderSizeQualityTIF->setValue(p->Quality);
        ui->spinSizeQualityTIF->setValue(p->Quality);
        if (ui->comboCompressionTIF->currentIndex() != 3)
            EnableQuality(ui->sliderSizeQualityTIF, ui->spinSizeQualityTIF, false);
        ui->comboColorsTIF->addItems({QStringLiteral("Mono - 1 bpp"), QStringLiteral("Palette - 8 bpp"),
                                      QStringLiteral("RGB - 24 bpp"), QStringLiteral("RGBA - 32 bpp"),
                                      QStringLiteral("CMYK - 32 bpp"), tr("Custom")});
        ui->comboColorsTIF->setCurrentIndex(p->TiffType);
        m_previousColorEntry = ui->comboColorsTIF->currentIndex();
        break;
    case PageMIFF:
        ui->sliderSizeQualityMIF->setValue(p->Quality);
        ui->spinSizeQualityMIF->setValue(p->Quality);
        break;
    default:
        break;
    }
}

void CFormatSettings::accept()
{
    CUserProfile* p = m_pProfile;
    // Quality always comes from the spin box, also when it is disabled.
    switch (Page()) {
    case PageDefault:
        p->DefaultFormat = ui->comboOutputFormat->currentText();
        break;
    case PageGIF:
        StoreEntry(ui->comboInterlaceGIF, p->Interlaced);
        break;
    case PageJP2:
        p->Quality = ui->spinSizeQualityJP2->value();
        StoreEntry(ui->comboInterlaceJP2, p->Interlaced);
        break;
    case PageJPG:
        p->Quality = ui->spinSizeQualityJPG->value();
        p->FixedSize = ui->checkFixedSizeJPG->isChecked();
        p->FileSize = qint64(ui->spinFixedSizeJPG->value());
        StoreEntry(ui->comboColorsJPG, p->JpegType);
        StoreEntry(ui->comboInterlaceJPG, p->Interlaced);
        break;
    case PagePDF:
        StoreEntry(ui->comboCompressionPDF, p->PdfAlg);
        p->Quality = ui->spinSizeQualityPDF->value();
        break;
    case PagePNG:
        p->PNGComp = ui->checkBestCompressionPNG->isChecked() ? 1 : 0;
        StoreEntry(ui->comboInterlacePNG, p->Interlaced);
        break;
    case PageTIFF:
        StoreEntry(ui->comboCompressionTIF, p->TiffAlg);
        p->Quality = ui->spinSizeQualityTIF->value();
        StoreEntry(ui->comboColorsTIF, p->TiffType);
        break;
    case PageMIFF:
        p->Quality = ui->spinSizeQualityMIF->value();
        break;
    default:
        break;
    }
    QDialog::accept();
}

void CFormatSettings::reject()
{
    QDialog::reject();
}

void CFormatSettings::on_buttonOK_clicked()
{
    accept();
}

void CFormatSettings::on_buttonCancel_clicked()
{
    reject();
}

void CFormatSettings::on_buttonReset_clicked()
{
    // Reset writes at once; Cancel afterwards does not undo it.
    CUserProfile* p = m_pProfile;
    switch (Page()) {
    case PageDefault:
        // Only the list: OK writes DefaultFormat.
        for (int i = 0; i < ui->comboOutputFormat->count(); ++i) {
            if (ui->comboOutputFormat->itemText(i).contains(QLatin1String("JPG"), Qt::CaseInsensitive)) {
                ui->comboOutputFormat->setCurrentIndex(i);
                break;
            }
        }
        break;
    case PageGIF:
        p->Interlaced = 0;
        ui->comboInterlaceGIF->setCurrentIndex(0);
        break;
    case PageJP2:
        p->Quality = DefaultQuality;
        ui->sliderSizeQualityJP2->setValue(DefaultQuality);
        p->Interlaced = 0;
        ui->comboInterlaceJP2->setCurrentIndex(0);
        break;
    case PageJPG:
        p->Quality = DefaultQuality;
        ui->sliderSizeQualityJPG->setValue(DefaultQuality);
        EnableQuality(ui->sliderSizeQualityJPG, ui->spinSizeQualityJPG, true);
        p->FixedSize = false;
        ui->checkFixedSizeJPG->setChecked(false);
        p->FileSize = 100;
        ui->spinFixedSizeJPG->setValue(100);
        ui->spinFixedSizeJPG->setEnabled(false);
        p->Interlaced = 0;
        ui->comboInterlaceJPG->setCurrentIndex(0);
        p->SetDefaultCustomProfile();
        p->JpegType = 1;
        ui->comboColorsJPG->setCurrentIndex(1);
        m_previousColorEntry = 1;
        break;
    case PagePDF:
        p->PdfAlg = 0;
        ui->comboCompressionPDF->setCurrentIndex(0);
        EnableQuality(ui->sliderSizeQualityPDF, ui->spinSizeQualityPDF, true);
        p->Quality = DefaultQuality;
        ui->sliderSizeQualityPDF->setValue(DefaultQuality);
        break;
    case PagePNG:
        // Only the box: OK writes PNGComp.
        ui->checkBestCompressionPNG->setChecked(true);
        p->Interlaced = 0;
        ui->comboInterlacePNG->setCurrentIndex(0);
        break;
    case PageTIFF:
        p->TiffAlg = 0;
        ui->comboCompressionTIF->setCurrentIndex(0);
        EnableQuality(ui->sliderSizeQualityTIF, ui->spinSizeQualityTIF, false);
        p->Quality = DefaultQuality;
        ui->sliderSizeQualityTIF->setValue(DefaultQuality);
        p->SetDefaultCustomProfile();
        p->TiffType = 2;
        ui->comboColorsTIF->setCurrentIndex(2);
        m_previousColorEntry = 2;
        break;
    case PageMIFF:
        p->Quality = DefaultQuality;
        ui->spinSizeQualityMIF->setValue(DefaultQuality);
        break;
    default:
        break;
    }
}

void CFormatSettings::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        if (const char* page = HelpPages[Page()])
            OpenHelpFile(QLatin1String(page));
        return;
    }
    QDialog::keyPressEvent(event);
}

void CFormatSettings::on_sliderSizeQualityJP2_valueChanged(int value)
{
    ui->spinSizeQualityJP2->setValue(value);
}

void CFormatSettings::on_spinSizeQualityJP2_valueChanged(int arg1)
{
    ui->sliderSizeQualityJP2->setValue(arg1);
}

void CFormatSettings::on_sliderSizeQualityJPG_valueChanged(int value)
{
    ui->spinSizeQualityJPG->setValue(value);
}

void CFormatSettings::on_spinSizeQualityJPG_valueChanged(int arg1)
{
    ui->sliderSizeQualityJPG->setValue(arg1);
}

void CFormatSettings::on_sliderSizeQualityPDF_valueChanged(int value)
{
    ui->spinSizeQualityPDF->setValue(value);
}

void CFormatSettings::on_spinSizeQualityPDF_valueChanged(int arg1)
{
    ui->sliderSizeQualityPDF->setValue(arg1);
}

void CFormatSettings::on_sliderSizeQualityTIF_valueChanged(int value)
{
    ui->spinSizeQualityTIF->setValue(value);
}

void CFormatSettings::on_spinSizeQualityTIF_valueChanged(int arg1)
{
    ui->sliderSizeQualityTIF->setValue(arg1);
}

void CFormatSettings::on_sliderSizeQualityMIF_valueChanged(int value)
{
    ui->spinSizeQualityMIF->setValue(value);
}

void CFormatSettings::on_spinSizeQualityMIF_valueChanged(int arg1)
{
    ui->sliderSizeQualityMIF->setValue(arg1);
}

void CFormatSettings::on_checkFixedSizeJPG_clicked()
{
    const bool fixed = ui->checkFixedSizeJPG->isChecked();
    EnableQuality(ui->sliderSizeQualityJPG, ui->spinSizeQualityJPG, !fixed);
    ui->spinFixedSizeJPG->setEnabled(fixed);
}

void CFormatSettings::on_comboCompressionPDF_activated(int index)
{
    EnableQuality(ui->sliderSizeQualityPDF, ui->spinSizeQualityPDF, index == 0);
}

void CFormatSettings::on_comboCompressionTIF_activated(int index)
{
    EnableQuality(ui->sliderSizeQualityTIF, ui->spinSizeQualityTIF, index == 3);
}

void CFormatSettings::on_comboColorsJPG_activated(int index)
{
    if (index == 3)
        ShowSelectProfileDialog();
    m_previousColorEntry = ui->comboColorsJPG->currentIndex();
}

void CFormatSettings::on_comboColorsTIF_activated(int index)
{
    if (index == 5)
        ShowSelectProfileDialog();
    m_previousColorEntry = ui->comboColorsTIF->currentIndex();
}

void CFormatSettings::ShowSelectProfileDialog()
{
    // Blank-separated patterns: Qt splits a filter at blanks only, so a ";"
    // after a pattern would hide every .icc file.
    const QString path = QFileDialog::getOpenFileName(this, tr("Load Profile"), GetMyDocuments(),
                                                      QStringLiteral("ICC Profiles (*.icc *.icm)"));
    if (!path.isEmpty()) {
        // Written at once; the store reads the new file at its next use.
        m_pProfile->CustomProfile = path;
        m_pIcc->ResetCustomProfile();
        return;
    }
    QComboBox* colors = Page() == PageTIFF ? ui->comboColorsTIF : ui->comboColorsJPG;
    colors->setCurrentIndex(m_previousColorEntry);
}
