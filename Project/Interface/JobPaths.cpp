#include "JobPaths.h"

QString JobExtension(const QString& path)
{
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? path : path.mid(dot + 1);
}

QString JobBaseName(const QString& path)
{
    QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    return name;
}

QString WithJobSuffix(const QString& path, const QString& suffix)
{
    const QString ending = QLatin1Char('.') + suffix;
    return path.endsWith(ending) ? path : path + ending;
}
