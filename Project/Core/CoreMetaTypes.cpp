#include "CoreMetaTypes.h"

#include "ListFilters.h"
#include "ListImages.h"

#include <QMetaType>

void RegisterCoreMetaTypes()
{
    qRegisterMetaType<SFilterRecord>("SFilterRecord");
    qRegisterMetaType<ListDragDrop>("ListDragDrop");
    qRegisterMetaType<QList<int>>("ListInt");
}
