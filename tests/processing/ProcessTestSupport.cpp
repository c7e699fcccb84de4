#include "ProcessTestSupport.h"

#include "CRunLogFile.h"
#include "FilterTypes.h"
#include "FormatsEnum.h"
#include "ListImages.h"
#include "PhotoMaker.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <Magick++.h>

namespace ProcTest
{
void ResetJob(const QString& dest)
{
    // The main window generates the format table at start; workers look up
    // formats in it.
    if (CFormatsEnum::GetInstance()->records.isEmpty())
        CFormatsEnum::GetInstance()->GenerateList();
    CUserProfile* p = CUserProfile::GetInstance();
    p->FilterFilename = CFilterFilename();
    p->FilterFilename.preset = 0;
    p->PresetRename = 0;
    p->OutputFolderStruct = 0;
    p->OutputFolder.clear();
    p->DestPath = dest;
    p->Multipage = false;
    p->OutputFormat = QStringLiteral("JPG");
    p->Quality = 88;
    p->FixedSize = false;
    p->JpegType = 1;
    p->TiffType = 2;
    p->CustomProfile.clear();
    p->OpenOutputFolder = false;
    p->DeleteSource = false;
    p->DisableNotifications = false;
    p->HideProcessing = false;
    p->Destination = 1;
    p->SaveOnDiskMail = p->SaveOnDiskFTP = p->SaveOnDiskFlickr = p->SaveOnDiskFacebook = false;
    p->FTPHost = QStringLiteral("127.0.0.1");
    p->FTPUser = QStringLiteral("user");
    p->FTPPassword = EncryptString(QStringLiteral("secret"));
    p->FTPPort = QStringLiteral("21");
    p->FTPFolder = QStringLiteral("/in");
    p->Id.clear();
    p->CreateLog = true;
    p->Overwrite = false;
    p->SilentMode = false;
    p->RunFromScript = false;
    p->SilentRun = false;
    p->MonitorMode = false;
    p->ProcessEnvCVLog = true;
    p->UseMulticore = true;
    CListFilters::GetInstance()->filters.clear();
    CListImages::GetInstance()->images.clear();
}

void SetPhotos(const QStringList& paths)
{
    QList<SImageRecord>& images = CListImages::GetInstance()->images;
    images.clear();
    for (const QString& path : paths) {
        const QFileInfo info(path);
        SImageRecord record;
        record.path = path;
        record.folder = info.path();
        record.name = info.completeBaseName();
        record.extension = info.suffix();
        record.position = images.size();
        images << record;
    }
}

QString MakeJpeg(const QString& path, int width, int height, quint32 seed)
{
    Magick::Image image = BqTest::MakePhoto(size_t(width), size_t(height), seed);
    image.quality(90);
    image.write(QFile::encodeName(path).toStdString());
    return path;
}

QSize ImageSize(const QString& path)
{
    try {
        Magick::Image image;
        image.ping(QFile::encodeName(path).toStdString());
        return QSize(int(image.columns()), int(image.rows()));
    } catch (const Magick::Exception&) {
        return QSize();
    }
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

SFilterRecord KeepSizeResize()
{
    // 100 x 100 percent with do-not-enlarge: scaled to its own size.
    SFilterRecord record;
    record.id = FilterResize;
    record.name = QStringLiteral("Resize");
    record.active = true;
    for (double value : {100.0, 100.0, 1.0, 0.0, 1.0, 1.0})
        record.AddNumber(value);
    return record;
}

QString TempFolder()
{
    return QDir::tempPath() + "/BrandquillTemp";
}

QString LogPath()
{
    return CRunLogFile::ProcessingLogPath();
}

QString NewestRun()
{
    const QString text = QString::fromUtf8(ReadAll(LogPath()).mid(3));
    return text.left(text.indexOf(CRunLogFile::Separator));
}

SProcessHooks SRecorder::Hooks()
{
    SProcessHooks hooks;
    hooks.idealThreadCount = [this] { return ideal; };
    hooks.now = [this] { return now; };
    hooks.clockMs = [this] { return clock; };
    hooks.askOverwrite = [this](QWidget* parent, QString& path, int thIndex) {
        asked << qMakePair(path, thIndex);
        return answerer ? answerer(parent, path, thIndex) : 3;
    };
    hooks.askYesNo = [this](QWidget*, const QString& text) {
        questions << text;
        return yesNoAnswer;
    };
    hooks.warn = [this](QWidget*, const QString& text) { warnings << text; };
    hooks.openUrl = [this](const QUrl& url) { urls << url; };
    hooks.makeUploader = [this]() -> CUploadBase* {
        if (!uploader)
            qFatal("the test did not expect an upload");
        return uploader();
    };
    return hooks;
}

} // namespace ProcTest
