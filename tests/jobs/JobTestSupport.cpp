#include "JobTestSupport.h"

#include "FiltersEnum.h"
#include "FormatsEnum.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "UserProfile.h"

#include <csignal>
#include <sys/resource.h>

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

bool UnderFileSizeLimit(unsigned long bytes, const std::function<void()>& run)
{
    rlimit saved;
    if (getrlimit(RLIMIT_FSIZE, &saved) != 0)
        return false;
    rlimit lowered = saved;
    lowered.rlim_cur = bytes;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (setrlimit(RLIMIT_FSIZE, &lowered) != 0) {
        std::signal(SIGXFSZ, oldHandler);
        return false;
    }
    run();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    return true;
}
} // namespace JobTest
