#include "ResourceRoot.h"

#include <QCoreApplication>

QString ResourceRoot()
{
    QString dir = QCoreApplication::applicationDirPath();
    const int slash = dir.lastIndexOf('/');
    if (slash >= 0)
        dir.truncate(slash);
    return dir + "/Resources";
}
