#include "ResourceRoot.h"

#include <QCoreApplication>

namespace {
QString& RootOverride()
{
    static QString root;
    return root;
}
} // namespace

QString ResourceRoot()
{
    if (!RootOverride().isEmpty())
        return RootOverride();
    QString dir = QCoreApplication::applicationDirPath();
    const int slash = dir.lastIndexOf('/');
    if (slash >= 0)
        dir.truncate(slash);
    return dir + "/Resources";
}

void SetResourceRootOverride(const QString& root)
{
    RootOverride() = root;
}
