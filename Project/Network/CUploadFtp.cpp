// The FTP transfer of CUpload: connect, log in, change folder, list it, ask
// about each name and send the files one at a time, close. Each step waits for the one before it, so
// a failed file never stops the batch while a failed login or folder ends
// it, as does a listing cut off by a time-out or a lost connection.
#include "CFtpClient.h"
#include "CUpload.h"
#include "PathSafety.h"
#include "Utils.h"

#include <QFile>
#include <QFileInfo>
#include <QTimer>

void CUpload::ConnectFTP(QString host, QString user, QString password, long port)
{
    m_ftp->disconnectFromHost();
    Reset(Kind::Ftp);
    m_host = host;
    m_user = user;
    m_password = password;
    m_loggedIn = false;
    m_uploadCalled = false;
    m_endedEarly = false;
    m_loginId = m_cdId = m_listId = m_putId = m_probeId = m_closeId = 0;
    // The client's own time-outs stay a last resort behind these, which
    // abort a stalled file gently and go on with the next.
    m_ftp->setTimeouts(2 * connectTimeoutMs, 2 * fileTimeoutMs);
    const long wrapped = ((port % 65536) + 65536) % 65536;
    m_connectId = m_ftp->connectToHost(host, quint16(wrapped));
}

void CUpload::UploadFTP(QStringList files, QString folder, bool deleteWhenDone)
{
    if (m_finished || m_connectId == 0) {
        // No ConnectFTP since the last transfer ended: nothing to send over.
        m_ftp->disconnectFromHost();
        Reset(Kind::Ftp);
        m_uploadCalled = true;
        Log(tr("Could not connect to %1: %2").arg(Printable(m_host), tr("not connected")));
        Finish();
        return;
    }
    m_kind = Kind::Ftp;
    m_uploadCalled = true;
    m_files = ExistingFiles(files);
    m_next = 0;
    m_sent.clear();
    m_deleteWhenDone = deleteWhenDone;
    m_folder = folder.isEmpty() ? QStringLiteral("/") : folder;
    if (m_endedEarly || m_files.isEmpty()) {
        m_ftp->disconnectFromHost();
        Finish();
        return;
    }
    if (m_loggedIn)
        m_cdId = m_ftp->cd(m_folder);
}

void CUpload::EndFtp()
{
    m_ftp->disconnectFromHost();
    m_timer->stop();
    // A failure before UploadFTP was called is reported once it is.
    if (!m_uploadCalled)
        m_endedEarly = true;
    else
        Finish();
}

void CUpload::OnFtpCommandStarted(int id)
{
    if (m_finished || CheckAbort())
        return;
    if (id == m_putId) {
        if (!m_clock.isValid())
            m_clock.start();
        m_bytesBeforeFile = m_bytesSent;
        m_timer->start(fileTimeoutMs);
    } else {
        m_timer->start(connectTimeoutMs);
    }
}

void CUpload::OnFtpProgress(qint64 done, qint64 total)
{
    Q_UNUSED(total);
    if (m_finished || CheckAbort())
        return;
    m_bytesSent = m_bytesBeforeFile + done;
    m_timer->start(fileTimeoutMs);
}

void CUpload::OnFtpCommandFinished(int id, bool error)
{
    if (m_finished || CheckAbort())
        return;
    m_timer->stop();
    const QString reason = m_ftp->errorString();
    if (id == m_connectId) {
        if (error) {
            Log(tr("Could not connect to %1: %2").arg(Printable(m_host), reason));
            EndFtp();
            return;
        }
        m_loginId = m_ftp->login(m_user, DecryptString(m_password));
    } else if (id == m_loginId) {
        if (error) {
            Log(tr("Login to %1 failed: %2").arg(Printable(m_host), reason));
            EndFtp();
            return;
        }
        m_loggedIn = true;
        if (m_uploadCalled)
            m_cdId = m_ftp->cd(m_folder);
    } else if (id == m_cdId) {
        if (error) {
            Log(tr("Could not open the folder %1 on the server: %2").arg(Printable(m_folder), reason));
            EndFtp();
            return;
        }
        m_listId = m_ftp->list();
    } else if (id == m_listId) {
        // Upload-only folders refuse listing, and some servers answer 450 or
        // 550 for an empty one: a refusal still lets files in.
        const int code = m_ftp->errorCode();
        const bool refused = error && (code == 450 || code / 100 == 5);
        if (error && !refused) {
            Log(tr("Could not list the folder %1 on the server: %2").arg(Printable(m_folder), reason));
            EndFtp();
            return;
        }
        if (refused)
            Log(tr("Could not check the names in the folder %1 on the server, so files there of the same name may "
                   "be replaced: %2")
                    .arg(Printable(m_folder), reason));
        // Named once, against what the folder holds: folder modes 1 and 3
        // give two photos one name in different folders, and an earlier
        // run's file is never replaced unless the job overwrites.
        // The listing is a hint (servers hide dot names, cut long listings
        // short): each name is probed before its file goes.
        m_listRefused = refused;
        m_probesFind = false;
        m_heldNames = refused ? QStringList() : m_ftp->listedNames();
        m_held.clear();
        for (const QString& name : qAsConst(m_heldNames))
            m_held.insert(CPathSafety::NameKey(name));
        m_names = SharedFolderNames(m_files, m_heldNames, overwrite);
        SendNextFile();
    } else if (id == m_probeId) {
        if (error) {
            Log(tr("Failed to upload %1: %2").arg(DisplayName(m_currentPath), reason));
            CloseFile();
            SendNextFile();
            return;
        }
        const CFtpClient::Presence presence = m_ftp->probed();
        m_probesFind = m_probesFind || presence == CFtpClient::Present;
        const QString key = CPathSafety::NameKey(m_currentName);
        if (presence == CFtpClient::Present && !m_held.contains(key)) {
            // Named again with this one taken; only the file's own name may
            // stay, and only when the job overwrites.
            m_heldNames << m_currentName;
            m_held.insert(key);
            m_names = SharedFolderNames(m_files, m_heldNames, overwrite);
            m_currentName = m_names.at(m_next - 1);
            if (CPathSafety::NameKey(m_currentName) != key) {
                m_probeId = m_ftp->probe(m_currentName);
                return;
            }
        }
        // Where listing is refused, a 550 is an answer only from a server
        // that has found a name here before.
        m_unchecked =
            presence == CFtpClient::Unknown || (presence == CFtpClient::Absent && m_listRefused && !m_probesFind);
        m_putId = m_ftp->put(m_file, m_currentName);
    } else if (id == m_putId) {
        CloseFile();
        if (m_fileAborting) {
            m_fileAborting = false; // logged when the time-out struck
        } else if (error) {
            Log(tr("Failed to upload %1: %2").arg(DisplayName(m_currentPath), reason));
        } else {
            m_sent.append(m_currentPath);
            const QString remote = m_folder.endsWith(QLatin1Char('/')) ? m_folder + m_currentName
                                                                       : m_folder + QLatin1Char('/') + m_currentName;
            // Which photo it is: two of one name may end in either order.
            if (m_held.contains(CPathSafety::NameKey(m_currentName)))
                Log(tr("%1 replaced %2 on the server").arg(Printable(m_currentPath), Printable(remote)));
            else if (m_unchecked)
                Log(tr("%1 sent as %2, a name the server did not confirm free")
                        .arg(Printable(m_currentPath), Printable(remote)));
            else if (m_currentName != QFileInfo(m_currentPath).fileName())
                Log(tr("%1 sent as %2: the name was taken").arg(Printable(m_currentPath), Printable(remote)));
            if (m_unchecked)
                sentUnchecked << m_currentPath;
            emit ImgUploaded(Speed());
        }
        if (!m_finished)
            SendNextFile();
    } else if (id == m_closeId) {
        m_ftp->disconnectFromHost();
        Finish();
    }
}

void CUpload::SendNextFile()
{
    while (m_next < m_files.size()) {
        m_currentName = m_names.at(m_next);
        m_currentPath = m_files.at(m_next++);
        auto* file = new QFile(m_currentPath, this);
        if (!file->open(QIODevice::ReadOnly)) {
            Log(tr("Failed to upload %1: %2").arg(DisplayName(m_currentPath), file->errorString()));
            delete file;
            continue;
        }
        m_file = file;
        m_probeId = m_ftp->probe(m_currentName);
        return;
    }
    m_closeId = m_ftp->close();
}

void CUpload::OnTimeout()
{
    if (m_finished || CheckAbort())
        return;
    const int current = m_ftp->currentId();
    const QString reason = NoAnswer(m_timer->interval());
    if (m_kind != Kind::Ftp || current == 0 || current == m_closeId) {
        m_ftp->disconnectFromHost();
        Finish();
    } else if (current == m_connectId) {
        Log(tr("Could not connect to %1: %2").arg(Printable(m_host), reason));
        EndFtp();
    } else if (current == m_loginId) {
        Log(tr("Login to %1 failed: %2").arg(Printable(m_host), reason));
        EndFtp();
    } else if (current == m_cdId) {
        Log(tr("Could not open the folder %1 on the server: %2").arg(Printable(m_folder), reason));
        EndFtp();
    } else if (current == m_listId) {
        Log(tr("Could not list the folder %1 on the server: %2").arg(Printable(m_folder), reason));
        EndFtp();
    } else if (current == m_probeId) {
        Log(tr("Failed to upload %1: %2").arg(DisplayName(m_currentPath), reason));
        CloseFile();
        EndFtp();
    } else if (current == m_putId && m_fileAborting) {
        // The server did not answer the ABOR either: the connection is lost.
        EndFtp();
    } else if (current == m_putId) {
        // The data may all be there, the 226 withheld.
        Log(tr("Failed to upload %1: %2; the server may keep what it received")
                .arg(DisplayName(m_currentPath), reason));
        m_fileAborting = true;
        m_timer->start(connectTimeoutMs);
        m_ftp->abort();
    }
}
