#include "CoreMetaTypes.h"

void RegisterCoreMetaTypes()
{
}
