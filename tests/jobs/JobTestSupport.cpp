#include "JobTestSupport.h"

#include "FiltersEnum.h"
#include "FormatsEnum.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "UserProfile.h"

#include <QFile>

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

QByteArray ProfileFile(const QByteArray& blocks)
{
    return "<?xml version=\"1.0\" encoding=\"utf-16\"?>\n<Profile Version=\"1\">\n\n" + blocks +
           "\t<Filters>\n\t</Filters>\n\n</Profile>\n\n";
}

QByteArray ProfileBlock(const QByteArray& properties)
{
    return "\t<Properties Class=\"Profile\">\n" + properties + "\t</Properties>\n\n";
}

QByteArray ProfileProperty(const QByteArray& name, const QByteArray& value)
{
    return "\t\t<Property Name=\"" + name + "\">" + value + "</Property>\n";
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace JobTest
