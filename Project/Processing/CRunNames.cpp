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

QString CRunNames::Key(const QString& path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const SFileIdentity folder = SFileIdentity::Of(slash < 0 ? QString() : path.left(qMax(slash, 1)));
    if (!folder.exists)
        return CPathSafety::NameKey(path);
    return QStringLiteral("%1:%2/").arg(folder.id.device).arg(folder.id.inode) +
           CPathSafety::NameKey(path.mid(slash + 1));
}
