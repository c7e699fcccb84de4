#include "CEmail.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QMimeDatabase>
#include <QRandomGenerator>
#include <QUrl>

namespace
{
// 57 input bytes make one 76-column base64 line; a chunk of whole lines.
const qint64 kLineBytes = 57;
const qint64 kChunkBytes = kLineBytes * 1024;

bool HasLineBreakOrNul(const QString& text)
{
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')) || text.contains(QChar(0));
}
} // namespace

CEmail::CEmail()
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    QByteArray random(reinterpret_cast<const char*>(words), sizeof(words));
    m_boundary = "=_Brandquill_" + random.toHex();
}

bool CEmail::AddAttachment(const QString& path, const QString& name)
{
    const QString attached = name.isEmpty() ? QFileInfo(path).fileName() : name;
    if (HasLineBreakOrNul(attached)) {
        qWarning() << "Mail: a file name holds a line break; the file is left out:" << path;
        return false;
    }
    m_files.append(path);
    m_names.append(attached);
    return true;
}

QByteArray CEmail::NameParameter(const QByteArray& param, const QString& name)
{
    bool plain = true;
    for (const QChar c : name) {
        const ushort u = c.unicode();
        if (u < 0x20 || u > 0x7e || c == QLatin1Char('"') || c == QLatin1Char('\\') || c == QLatin1Char('%')) {
            plain = false;
            break;
        }
    }
    if (plain)
        return param + "=\"" + name.toLatin1() + '"';
    return param + "*=UTF-8''" + QUrl::toPercentEncoding(name);
}

bool CEmail::Write(QIODevice* out, QString* error) const
{
    auto put = [out](const QByteArray& bytes) { return out->write(bytes) == bytes.size(); };
    const QByteArray crlf = "\r\n";
    const QByteArray delimiter = "--" + m_boundary + crlf;

    bool ok = put("MIME-Version: 1.0" + crlf + "X-Unsent: 1" + crlf + "Subject: " + crlf +
                  "Content-Type: multipart/mixed; boundary=\"" + m_boundary + '"' + crlf + crlf);
    ok = ok && put(delimiter + "Content-Type: text/plain; charset=UTF-8" + crlf + crlf + crlf);

    QMimeDatabase mimes;
    for (int i = 0; i < m_files.size(); ++i) {
        const QString& path = m_files.at(i);
        if (!ok)
            break;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            if (error)
                *error = path + ": " + file.errorString();
            return false;
        }
        const QString& name = m_names.at(i);
        const QString type = mimes.mimeTypeForFile(path, QMimeDatabase::MatchExtension).name();
        ok = put(delimiter + "Content-Type: " + type.toLatin1() + "; " + NameParameter("name", name) + crlf +
                 "Content-Transfer-Encoding: base64" + crlf + "Content-Disposition: attachment; " +
                 NameParameter("filename", name) + crlf + crlf);
        while (ok && !file.atEnd()) {
            const QByteArray chunk = file.read(kChunkBytes);
            if (chunk.isEmpty()) {
                if (error)
                    *error = path + ": " + file.errorString();
                return false;
            }
            const QByteArray encoded = chunk.toBase64();
            QByteArray lines;
            lines.reserve(encoded.size() + encoded.size() / 76 * 2 + 2);
            for (int i = 0; i < encoded.size(); i += 76)
                lines += encoded.mid(i, 76) + crlf;
            ok = put(lines);
        }
    }
    ok = ok && put("--" + m_boundary + "--" + crlf);
    if (!ok && error)
        *error = out->errorString();
    return ok;
}
