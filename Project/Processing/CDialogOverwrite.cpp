#include "CDialogOverwrite.h"

#include "CDialogOverwriteRename.h"
#include "FitTexts.h"
#include "HardwareProfile.h"
#include "ImageCache.h"
#include "ImageManager.h"
#include "UserProfile.h"
#include "ui_CDialogOverwrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QPalette>
#include <QPixmap>

namespace
{
// Row 0 of the "Icons-Minimal" sheet: 16 x 16 cells, the four zoom icons
// first.
constexpr int IconCell = 16;
constexpr int ZoomIcons = 4;
constexpr qint64 KiB = 1024;
constexpr qint64 MiB = 1024 * 1024;
} // namespace

CDialogOverwrite::CDialogOverwrite(QWidget* parent)
    : QDialog(parent), ui(new Ui::CDialogOverwrite), m_pProfile(CUserProfile::GetInstance()),
      m_pHardwareProfile(CHardwareProfile::GetInstance()), m_pImageCache(CImageCache::GetInstance())
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    ui->viewImage->setBackgroundRole(QPalette::Base);
    ui->scrollImage->imageLabel = ui->viewImage;
    ui->scrollImage->setStyleSheet(m_pProfile->ThemeId != 0
                                       ? QStringLiteral("background-color: rgb( 30, 30, 30 );")
                                       : QStringLiteral("background-color: rgb( 255, 255, 255 );"));
    ui->scrollImage->showPreview = true;
    answer = 0;
    InitImages();
}

CDialogOverwrite::~CDialogOverwrite()
{
    delete ui;
}

void CDialogOverwrite::InitImages()
{
    const QImage sheet = m_pImageCache->GetAsset(QStringLiteral("Icons-Minimal.png"), true, true);
    int r = qMax(1, int(qGuiApp->devicePixelRatio()));
    // The cache hands out the single-density sheet until it is told of a
    // high-density screen: never cut beyond the sheet.
    if (!sheet.isNull())
        r = qMin(r, qMax(1, sheet.width() / (ZoomIcons * IconCell)));
    QPushButton* const buttons[ZoomIcons] = {ui->buttonMaxZoomImage, ui->buttonMinZoomImage, ui->buttonZoomInImage,
                                             ui->buttonZoomOutImage};
    for (int i = 0; i < ZoomIcons; ++i) {
        QPixmap cell = QPixmap::fromImage(sheet.copy(i * IconCell * r, 0, IconCell * r, IconCell * r));
        cell.setDevicePixelRatio(r);
        buttons[i]->setIcon(QIcon(cell));
        buttons[i]->setIconSize(QSize(IconCell, IconCell));
    }
}

QString CDialogOverwrite::SizeText(qint64 bytes)
{
    // tr("Size") belongs to the general context, shared with other texts.
    const QString label = QCoreApplication::translate("QObject", "Size");
    if (bytes <= 0)
        return label + QStringLiteral(": N/A");
    const bool megabytes = bytes >= MiB;
    const double value = double(bytes) / double(megabytes ? MiB : KiB);
    return label + QStringLiteral(": ") + QString::number(value, 'f', 2) + QLatin1Char(' ') +
           (megabytes ? QStringLiteral("MB") : QStringLiteral("KB"));
}

QString CDialogOverwrite::QuestionText(const QString& path)
{
    return tr("Image %1\nalready exists, do you want to overwrite it?").arg(QDir::toNativeSeparators(path));
}

int CDialogOverwrite::exec()
{
    connect(ui->scrollImage, &CControlImage::UpdateZoomPercent, this, &CDialogOverwrite::UpdateZoomText,
            Qt::QueuedConnection);

    const QFileInfo info(path);
    const QString text = QuestionText(path) + QStringLiteral("\n\n") + SizeText(info.isFile() ? info.size() : 0);
    ui->textEditInfo->setPlainText(text);
    QPalette palette = ui->textEditInfo->palette();
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        palette.setColor(QPalette::ColorGroup(group), QPalette::Base, Qt::transparent);
    ui->textEditInfo->setPalette(palette);

    ui->scrollImage->ClearFiltersList();
    CImageManager manager;
    if (manager.IdentifyImage(path) != ImageKindRaw)
        ui->scrollImage->StartPreview(path);
    return QDialog::exec();
}

void CDialogOverwrite::Answer(int code)
{
    answer = code;
    accept();
}

void CDialogOverwrite::on_buttonYes_clicked()
{
    Answer(1);
}

void CDialogOverwrite::on_buttonNo_clicked()
{
    Answer(3);
}

void CDialogOverwrite::on_buttonYesAll_clicked()
{
    Answer(2);
}

void CDialogOverwrite::on_buttonNoAll_clicked()
{
    Answer(4);
}

void CDialogOverwrite::on_buttonAbort_clicked()
{
    Answer(0);
}

void CDialogOverwrite::on_buttonRename_clicked()
{
    CDialogOverwriteRename rename(this);
    rename.path = path;
    if (rename.exec() != QDialog::Accepted)
        return;
    path = rename.path;
    Answer(5);
}

void CDialogOverwrite::on_buttonMaxZoomImage_clicked()
{
    ui->scrollImage->ZoomToFit();
}

void CDialogOverwrite::on_buttonMinZoomImage_clicked()
{
    ui->scrollImage->ZoomToMatch();
}

void CDialogOverwrite::on_buttonZoomInImage_clicked()
{
    ui->scrollImage->ZoomIn();
}

void CDialogOverwrite::on_buttonZoomOutImage_clicked()
{
    ui->scrollImage->ZoomOut();
}

void CDialogOverwrite::UpdateZoomText(int percent)
{
    ui->textZoomPercent->setText(QString::number(percent) + QLatin1Char('%'));
}
