#include "CoreMetaTypes.h"

#include "ListFilters.h"

#include <QMetaType>

void RegisterCoreMetaTypes()
{
    qRegisterMetaType<SFilterRecord>("SFilterRecord");
    qRegisterMetaType<QList<int>>("ListInt");
}
