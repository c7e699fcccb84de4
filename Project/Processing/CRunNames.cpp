#include "CRunNames.h"

#include "FileIdentity.h"
#include "PathSafety.h"

void CRunNames::Clear()
{
    m_Ledger.Clear();
    const auto lock = Lock();
    m_Keys.clear();
    m_Folders.clear();
}

bool CRunNames::Holds(const QString& path) const
{
    const QStringList keys = Keys(path);
    for (const QString& key : keys) {
        if (m_Keys.contains(key))
            return true;
    }
    return false;
}

void CRunNames::Add(const QString& path)
{
    const QStringList keys = Keys(path);
    for (const QString& key : keys)
        m_Keys.insert(key);
}

QStringList CRunNames::Keys(const QString& path)
{
    QStringList keys{CPathSafety::PathKey(path)};
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const SFileIdentity folder = SFileIdentity::Of(slash < 0 ? QString() : path.left(qMax(slash, 1)));
    if (folder.exists)
        keys << QStringLiteral("%1:%2/").arg(folder.id.device).arg(folder.id.inode) +
                    CPathSafety::NameKey(path.mid(slash + 1));
    return keys;
}
