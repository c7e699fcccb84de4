#include "JobTestSupport.h"

#include "FiltersEnum.h"
#include "FormatsEnum.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "UserProfile.h"

namespace JobTest
{
void ResetSingletons()
{
    CListImages::DeleteInstance();
    CListFilters::DeleteInstance();
    CUserProfile::DeleteInstance();
    CFiltersEnum::DeleteInstance();
    CFormatsEnum::DeleteInstance();
    CFormatsEnum::GetInstance()->GenerateList();
    CFiltersEnum::GetInstance()->GenerateList();
}
} // namespace JobTest
