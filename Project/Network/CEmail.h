#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

// A composed mail message with files attached, written with "\r\n" line
// ends and marked "X-Unsent: 1" so that mail programs open it as a draft.
// Attachments are streamed in base64, never read whole.
class CEmail
{
public:
    CEmail();

    // Adds a file to attach, under `name` when one is given, else its own
    // file name. A name holding CR, LF or NUL could break out of its header,
    // so such a file is left out with a diagnostic warning and the result is
    // false.
    bool AddAttachment(const QString& path, const QString& name = QString());
    QStringList Attachments() const { return m_files; }
    // "=_Brandquill_" + 32 hex digits; "=_" never occurs in base64.
    QByteArray Boundary() const { return m_boundary; }

    // Writes the whole message. False, with the reason, when a file cannot be
    // read or the device refuses the data.
    bool Write(QIODevice* out, QString* error = nullptr) const;

    // A header parameter carrying a file name: param="name" for printable
    // ASCII without '"', '\' or '%', else param*=UTF-8'' and the RFC 2231
    // percent-encoding of its UTF-8 bytes.
    static QByteArray NameParameter(const QByteArray& param, const QString& name);

private:
    QStringList m_files;
    QStringList m_names;
    QByteArray m_boundary;
};
