#include "CUpload.h"

#include "CEmail.h"
#include "CFlickrClient.h"
#include "CFtpClient.h"
#include "PathSafety.h"
#include "TempFolder.h"
#include "Utils.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QNetworkReply>
#include <QSet>
#include <QTemporaryFile>
#include <QTimer>

#include <algorithm>

CUpload::CUpload(const SUploadHooks& uploadHooks)
    : hooks(uploadHooks), m_ftp(new CFtpClient(this)), m_flickr(new CFlickrClient(this)), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_ftp, &CFtpClient::commandStarted, this, &CUpload::OnFtpCommandStarted);
    connect(m_ftp, &CFtpClient::commandFinished, this, &CUpload::OnFtpCommandFinished);
    connect(m_ftp, &CFtpClient::dataTransferProgress, this, &CUpload::OnFtpProgress);
    connect(m_timer, &QTimer::timeout, this, &CUpload::OnTimeout);
}

CUpload::~CUpload()
{
    m_ftp->disconnectFromHost();
    DropReply();
    CloseFile();
}

void CUpload::Reset(Kind kind)
{
    m_timer->stop();
    DropReply();
    CloseFile();
    m_kind = kind;
    m_files.clear();
    m_sent.clear();
    m_next = 0;
    m_finished = false;
    m_log.clear();
    m_clock.invalidate();
    m_bytesSent = 0;
    m_bytesBeforeFile = 0;
    m_fileAborting = false;
    if (kind == Kind::Ftp)
        sentUnchecked.clear();
}

void CUpload::Log(const QString& line)
{
    m_log += line + QStringLiteral("\r\n");
}

QStringList CUpload::ExistingFiles(const QStringList& files)
{
    QStringList existing;
    for (const QString& path : files) {
        if (QFileInfo(path).isFile())
            existing.append(path);
    }
    return existing;
}

QString CUpload::Printable(QString text)
{
    // A name with a line break must not break the run log's lines.
    return PrintableInLog(text);
}

QString CUpload::DisplayName(const QString& path)
{
    return Printable(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
}

QStringList CUpload::SharedFolderNames(const QStringList& files, const QStringList& held, bool replace)
{
    QHash<QString, QString> there; // by key
    for (const QString& name : held)
        there.insert(CPathSafety::NameKey(name), name);
    QStringList names;
    QSet<QString> used;
    for (const QString& path : files) {
        const QString file = QFileInfo(path).fileName();
        const int dot = file.lastIndexOf(QLatin1Char('.'));
        // Only the file's own name may replace one held; a made-up one never.
        bool own = true;
        const auto taken = [&](const QString& one) {
            const QString key = CPathSafety::NameKey(one);
            const bool mayReplace = replace && own;
            own = false;
            return used.contains(key) || (!mayReplace && there.contains(key));
        };
        const QString name =
            CPathSafety::FreeName(dot < 0 ? file : file.left(dot), dot < 0 ? QString() : file.mid(dot), taken);
        const QString key = CPathSafety::NameKey(name);
        used.insert(key);
        names << there.value(key, name);
    }
    return names;
}

double CUpload::Speed() const
{
    if (!m_clock.isValid())
        return 0.0;
    const double seconds = std::max<qint64>(m_clock.elapsed(), 1) / 1000.0;
    return m_bytesSent / 1024.0 / seconds;
}

QString CUpload::NoAnswer(int ms) const
{
    return CFtpClient::NoAnswer(ms);
}

bool CUpload::CheckAbort()
{
    if (!abortRequest || m_finished || (m_kind != Kind::Ftp && m_kind != Kind::Flickr))
        return false;
    m_ftp->disconnectFromHost();
    DropReply();
    Log(tr("Upload interrupted by the user."));
    Finish();
    return true;
}

void CUpload::CloseFile()
{
    if (!m_file)
        return;
    m_file->close();
    // Deferred: a network reply may still hold the file as its body.
    m_file->deleteLater();
    m_file = nullptr;
}

void CUpload::Finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_timer->stop();
    // Once sending began, every photo not tried has its line; so has the
    // one in hand, unless its failure was logged already.
    if (m_next > 0) {
        for (int i = m_next - (m_file && !m_fileAborting ? 1 : 0); i < m_files.size(); ++i)
            Log(tr("%1 not sent: the upload ended first").arg(DisplayName(m_files.at(i))));
    }
    CloseFile();
    if (m_deleteWhenDone) {
        for (const QString& path : qAsConst(m_sent))
            QFile::remove(path);
    }
    const int sent = m_sent.size();
    const QString log = m_log;
    // Posted, so that no caller hears the end before its call has returned.
    QMetaObject::invokeMethod(
        this, [this, sent, log] { emit UploadFinished(sent, log); }, Qt::QueuedConnection);
}

bool CUpload::AddAttachments(const QStringList& files, bool deleteWhenDone)
{
    Reset(Kind::Mail);
    m_finished = true; // the mail hand-off emits no signal
    mailLog.clear();
    const QStringList existing = ExistingFiles(files);
    const QStringList names = SharedFolderNames(existing);
    // Logged after the hand-off's own line, as the FTP upload logs them.
    QString notes;
    for (int i = 0; i < existing.size(); ++i) {
        const QString& name = names.at(i);
        if (name != QFileInfo(existing.at(i)).fileName())
            notes +=
                "\r\n" + tr("%1 attached as %2: the name was taken").arg(Printable(existing.at(i)), Printable(name));
    }
    auto fail = [this, &existing, &names, &notes, deleteWhenDone](const QString& eml) {
        // The photos may be the run's only outputs: kept with the message
        // where the user can find them, not in the private temporary folder.
        const QString kept = QDir::toNativeSeparators(KeepUnsent(existing, names, eml, deleteWhenDone));
        const QString text = tr("Could not open default mail client.") + QStringLiteral("\n") +
                             (eml.isEmpty() ? tr("The photos are kept in %1.").arg(kept)
                                            : tr("The message and its photos are kept in %1.").arg(kept));
        mailLog = Printable(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '))) + notes;
        hooks.warn(tr("Error"), text);
        return false;
    };

    QString reason;
    const QString folder = BrandquillTempFolder(&reason);
    if (folder.isEmpty()) {
        qWarning() << "Mail: no safe temporary folder:" << reason;
        return fail(QString());
    }
    CEmail mail;
    for (int i = 0; i < existing.size(); ++i)
        mail.AddAttachment(existing.at(i), names.at(i));

    QTemporaryFile file(folder + QStringLiteral("/Brandquill-XXXXXX.eml"));
    file.setAutoRemove(false);
    if (!file.open()) {
        qWarning() << "Mail: cannot create the message file:" << file.errorString();
        return fail(QString());
    }
    const QString eml = file.fileName();
    const bool written = mail.Write(&file, &reason);
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        qWarning() << "Mail: cannot write the message:" << reason;
        QFile::remove(eml);
        return fail(QString());
    }
    QString said;
    const bool opened = hooks.openFile(QUrl::fromLocalFile(eml), &said);
    // What the opener printed (why it found no mail program) comes first.
    QString saidLines;
    for (const QString& line : said.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        saidLines += QStringLiteral("\r\n") + Printable(line);
    notes.prepend(saidLines);
    if (!opened)
        return fail(eml);
    mailLog = tr("The message with %1 photo(s) was handed to the mail program.").arg(mail.Attachments().size()) + notes;

    const bool clean = hooks.askYesNo(
        tr("Success"),
        tr("Files attached successfuly. We advise deleting the temporary files that Brandquill may have created in "
           "the process (be sure to do that only after you have finished sending your e-mail). Delete temporary "
           "files now?"));
    if (clean) {
        QFile::remove(eml);
        if (deleteWhenDone) {
            for (const QString& path : mail.Attachments())
                QFile::remove(path);
        }
    }
    return true;
}

QString CUpload::KeepUnsent(const QStringList& photos, const QStringList& names, const QString& eml,
                            bool photosAreTemporary)
{
    const QString documents = GetMyDocuments();
    const QString base = (documents.isEmpty() ? QDir::homePath() : documents) +
                         QStringLiteral("/Brandquill/Unsent e-mail/") +
                         QLocale::c().toString(QDateTime::currentDateTime(), QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    QString folder = base;
    for (int n = 2; QFileInfo::exists(folder); ++n)
        folder = base + QStringLiteral(" (%1)").arg(n);
    if (!QDir().mkpath(folder)) {
        qWarning() << "Mail: cannot create" << folder;
        return photos.isEmpty() ? QFileInfo(eml).absolutePath() : QFileInfo(photos.first()).absolutePath();
    }
    QStringList items = photos;
    QStringList itemNames = names;
    if (!eml.isEmpty()) {
        items << eml;
        itemNames << QFileInfo(eml).fileName();
    }
    for (int i = 0; i < items.size(); ++i) {
        const QString& path = items.at(i);
        const QString target = folder + QLatin1Char('/') + itemNames.at(i);
        // The user's own outputs stay where the run wrote them.
        const bool move = photosAreTemporary || path == eml;
        const bool kept = move ? QFile::rename(path, target) || (QFile::copy(path, target) && QFile::remove(path))
                               : QFile::copy(path, target);
        if (!kept)
            qWarning() << "Mail: cannot keep" << path << "in" << folder;
    }
    return folder;
}
