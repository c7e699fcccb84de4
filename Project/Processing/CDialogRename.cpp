#include "CDialogRename.h"

#include "FilterDescriptions.h"
#include "FitTexts.h"
#include "FitToScreen.h"
#include "ImageCache.h"
#include "ImageManager.h"
#include "UserProfile.h"
#include "Utils.h"
#include "ui_CDialogRename.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QPixmap>

namespace
{
// The rename settings keep the pattern without its extension; the engine
// works on the whole name.
const QString ExtensionSuffix = QStringLiteral(".[Extension]");

// Cells of the "Icons-Minimal" sheet: 16 x 16 squares in row 0.
constexpr int IconCell = 16;
constexpr int AddIconColumn = 4;
constexpr int RemoveIconColumn = 5;
constexpr int SheetColumns = 6;
} // namespace

CDialogRename::CDialogRename(QWidget* parent)
    : QDialog(parent), m_pListImages(CListImages::GetInstance()), ui(new Ui::CDialogRename),
      m_pProfile(CUserProfile::GetInstance()), m_pImageCache(CImageCache::GetInstance())
{
    ui->setupUi(this);
    KeepDialogOnScreen(this, ui->layoutButtons);
    FitTextsToFonts(this);
    // The form is laid out for a 13-pixel interface font; under a larger one
    // the dialog grows rather than squeezing its rows and clipping labels.
    setMinimumSize(minimumSize().expandedTo(layout()->totalMinimumSize()));
    resize(size().expandedTo(minimumSize()));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    m_bInitialising = true;
    Init();
    m_bInitialising = false;
}

CDialogRename::~CDialogRename()
{
    delete ui;
}

void CDialogRename::Init()
{
    m_pProfile->FilterFilename.preset = 3;

    ui->editKeywords->setText(m_pProfile->FilenameFormat);
    ui->comboChangeCasesTo->setCurrentIndex(m_pProfile->ChangeCase);
    ui->checkLowerCaseExt->setChecked(m_pProfile->LowerCaseExt);
    ui->spinStartAt->setRange(0, 9999);
    ui->spinStartAt->setValue(int(qBound<qint64>(0, m_pProfile->CounterStart, 9999)));
    ui->spinStepBy->setRange(-1000, 1000);
    ui->spinStepBy->setValue(int(qBound<qint64>(-1000, m_pProfile->CountStep, 1000)));
    ui->spinDigits->setRange(1, 1000);
    ui->spinDigits->setValue(m_pProfile->CounterDigits);
    ui->comboUse->setCurrentIndex(m_pProfile->DateType);
    ui->comboDateFormat->setCurrentIndex(m_pProfile->DateFormat);
    ui->comboShowTimeAs->setCurrentIndex(m_pProfile->ShowTime);
    ui->comboTimeFormat->setCurrentIndex(m_pProfile->TimeFormat);
    ui->editSearchFor->setText(m_pProfile->SearchFor);
    ui->editReplaceWith->setText(m_pProfile->ReplaceWith);

    ui->editKeywords->setFocus();
    InitImages();
}

void CDialogRename::InitImages()
{
    const QImage sheet = m_pImageCache->GetAsset(QStringLiteral("Icons-Minimal.png"), true, true);
    int r = qMax(1, int(qGuiApp->devicePixelRatio()));
    // The cache hands out the single-density sheet until it is told about a
    // high-density screen: cut that sheet at its own scale.
    r = qMin(r, qMax(1, sheet.width() / (SheetColumns * IconCell)));
    const auto cell = [&sheet, r](int column) {
        QPixmap pixmap = QPixmap::fromImage(sheet.copy(column * IconCell * r, 0, IconCell * r, IconCell * r));
        pixmap.setDevicePixelRatio(r);
        return QIcon(pixmap);
    };
    ui->buttonAddKeyword->setIcon(cell(AddIconColumn));
    ui->buttonRemoveKeyword->setIcon(cell(RemoveIconColumn));
    ui->buttonAddKeyword->setIconSize(QSize(IconCell, IconCell));
    ui->buttonRemoveKeyword->setIconSize(QSize(IconCell, IconCell));
}

int CDialogRename::exec()
{
    UpdatePreviewFilename();
    return QDialog::exec();
}

QString CDialogRename::PreviewExifDate(const QString& path)
{
    const auto cached = m_exifDates.constFind(path);
    if (cached != m_exifDates.constEnd())
        return cached.value();
    QString date;
    CImageManager manager;
    if (!path.isEmpty() && manager.Ping(path))
        date = manager.m_Properties.dateTime;
    m_exifDates.insert(path, date);
    return date;
}

void CDialogRename::UpdatePreviewFilename()
{
    CFilterFilename& engine = m_pProfile->FilterFilename;
    engine.sourcePath = previewRecord.path;
    engine.sourceFolder = previewRecord.folder;
    engine.sourceName = previewRecord.name;
    engine.listPosition = previewRecord.position;
    engine.exifDate = PreviewExifDate(previewRecord.path);
    // A kept format has no extension of its own: the photo's is the one a
    // run would write.
    if (m_pProfile->OutputFormat == KeepOriginalFormatText())
        engine.extension = previewRecord.extension;

    engine.pattern = ui->editKeywords->text() + ExtensionSuffix;
    engine.caseMode = ui->comboChangeCasesTo->currentIndex();
    engine.lowerCaseExtension = ui->checkLowerCaseExt->isChecked();
    engine.counterStart = ui->spinStartAt->value();
    engine.counterStep = ui->spinStepBy->value();
    engine.counterDigits = ui->spinDigits->value();
    engine.dateSource = ui->comboUse->currentIndex();
    engine.dateFormat = ui->comboDateFormat->currentIndex();
    engine.showTime = ui->comboShowTimeAs->currentIndex();
    engine.timeFormat = ui->comboTimeFormat->currentIndex();
    engine.searchReplaceOn = true;
    engine.searchText = ui->editSearchFor->text();
    engine.replaceText = ui->editReplaceWith->text();

    engine.GenerateFilename(m_pListImages->images.size(), true);
    ui->editPreview->setText(engine.result);
}

void CDialogRename::accept()
{
    m_pProfile->FilenameFormat = ui->editKeywords->text();
    m_pProfile->ChangeCase = ui->comboChangeCasesTo->currentIndex();
    m_pProfile->LowerCaseExt = ui->checkLowerCaseExt->isChecked();
    m_pProfile->CounterStart = ui->spinStartAt->value();
    m_pProfile->CountStep = ui->spinStepBy->value();
    m_pProfile->CounterDigits = ui->spinDigits->value();
    m_pProfile->DateType = ui->comboUse->currentIndex();
    m_pProfile->DateFormat = ui->comboDateFormat->currentIndex();
    m_pProfile->ShowTime = ui->comboShowTimeAs->currentIndex();
    m_pProfile->TimeFormat = ui->comboTimeFormat->currentIndex();
    m_pProfile->SearchFor = ui->editSearchFor->text();
    m_pProfile->ReplaceWith = ui->editReplaceWith->text();
    QDialog::accept();
}

void CDialogRename::reject()
{
    m_pProfile->ApplyRenameSettings(ExtensionSuffix);
    m_pProfile->FilterFilename.preset = m_pProfile->PresetRename;
    QDialog::reject();
}

void CDialogRename::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelpFile(QStringLiteral("user-interface_rename.htm"));
        return;
    }
    QDialog::keyPressEvent(event);
}

void CDialogRename::OptionChanged()
{
    if (!m_bInitialising)
        UpdatePreviewFilename();
}

void CDialogRename::on_editKeywords_textChanged(const QString&)
{
    OptionChanged();
}
void CDialogRename::on_comboChangeCasesTo_activated(int)
{
    OptionChanged();
}
void CDialogRename::on_checkLowerCaseExt_clicked()
{
    OptionChanged();
}
void CDialogRename::on_spinStartAt_valueChanged(int)
{
    OptionChanged();
}
void CDialogRename::on_spinStepBy_valueChanged(int)
{
    OptionChanged();
}
void CDialogRename::on_spinDigits_valueChanged(int)
{
    OptionChanged();
}
void CDialogRename::on_comboUse_activated(int)
{
    OptionChanged();
}
void CDialogRename::on_comboDateFormat_activated(int)
{
    OptionChanged();
}
void CDialogRename::on_comboShowTimeAs_activated(int)
{
    OptionChanged();
}
void CDialogRename::on_comboTimeFormat_activated(int)
{
    OptionChanged();
}
void CDialogRename::on_editSearchFor_textChanged(const QString&)
{
    OptionChanged();
}
void CDialogRename::on_editReplaceWith_textChanged(const QString&)
{
    OptionChanged();
}

void CDialogRename::AppendKeyword(const QString& keyword)
{
    // The edit's change signal refreshes the preview.
    ui->editKeywords->setText(ui->editKeywords->text() + keyword);
}

void CDialogRename::SourceFilename()
{
    AppendKeyword(QStringLiteral("[Filename]"));
}
void CDialogRename::SourceFoldername()
{
    AppendKeyword(QStringLiteral("[FolderName]"));
}
void CDialogRename::SourceExtension()
{
    AppendKeyword(QStringLiteral("[Extension]"));
}
void CDialogRename::Counter()
{
    AppendKeyword(QStringLiteral("[Counter]"));
}
void CDialogRename::DateTime()
{
    AppendKeyword(QStringLiteral("[DateTime]"));
}

void CDialogRename::on_buttonAddKeyword_clicked()
{
    QMenu menu;
    menu.addAction(tr("Source Filename"), this, &CDialogRename::SourceFilename);
    menu.addAction(tr("Source Folder Name"), this, &CDialogRename::SourceFoldername);
    menu.addAction(tr("Source Extension"), this, &CDialogRename::SourceExtension);
    menu.addAction(tr("Counter"), this, &CDialogRename::Counter);
    menu.addAction(tr("Date/Time"), this, &CDialogRename::DateTime);
    const QWidget* button = ui->buttonAddKeyword;
    menu.exec(button->mapToGlobal(button->contentsRect().bottomLeft()));
}

void CDialogRename::on_buttonRemoveKeyword_clicked()
{
    QString text = ui->editKeywords->text();
    if (text.isEmpty())
        return;
    if (text.endsWith(QLatin1Char(']'))) {
        // The last keyword goes; a text with no "[" stays whole.
        const int open = text.lastIndexOf(QLatin1Char('['));
        if (open >= 0)
            text.truncate(open);
    } else {
        // The literal text behind the last keyword goes.
        text.truncate(text.lastIndexOf(QLatin1Char(']')) + 1);
    }
    ui->editKeywords->setText(text);
    UpdatePreviewFilename();
}

void CDialogRename::on_buttonReset_clicked()
{
    m_bInitialising = true;
    ui->editKeywords->setText(QStringLiteral("[Filename]"));
    ui->comboChangeCasesTo->setCurrentIndex(0);
    ui->checkLowerCaseExt->setChecked(true);
    ui->spinStartAt->setValue(1);
    ui->spinStepBy->setValue(1);
    ui->spinDigits->setValue(2);
    ui->comboUse->setCurrentIndex(0);
    ui->comboDateFormat->setCurrentIndex(0);
    ui->comboShowTimeAs->setCurrentIndex(0);
    ui->comboTimeFormat->setCurrentIndex(0);
    ui->editSearchFor->clear();
    ui->editReplaceWith->clear();
    m_bInitialising = false;
    UpdatePreviewFilename();
}

void CDialogRename::on_buttonOK_clicked()
{
    accept();
}

void CDialogRename::on_buttonCancel_clicked()
{
    reject();
}
