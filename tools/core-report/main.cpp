// Starts the core, reports what it loaded and exits: a quick look at the
// settings, catalogues, images and ImageMagick limits without the window.
#include "CoreMetaTypes.h"
#include "FiltersEnum.h"
#include "FormatsEnum.h"
#include "HardwareProfile.h"
#include "ImageCache.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "MagickRuntime.h"
#include "StatesList.h"
#include "UserProfile.h"

#include <QApplication>
#include <QDirIterator>
#include <QMap>
#include <QSettings>
#include <QTextStream>

#include <Magick++.h>

namespace {

int CountInterfaceImages()
{
    int count = 0;
    QDirIterator it(":/", {"*.png", "*.ico"}, QDir::Files);
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    return count;
}

void Report(QTextStream& out)
{
    CUserProfile* profile = CUserProfile::GetInstance();
    CFormatsEnum* formats = CFormatsEnum::GetInstance();
    CFiltersEnum* filters = CFiltersEnum::GetInstance();

    out << "Settings: " << QSettings().fileName() << "\n";
    out << "LanguageId " << QString::number(profile->LanguageId) << ", ThemeId "
        << QString::number(profile->ThemeId) << "\n";
    out << QString::number(formats->records.size()) << " formats, "
        << QString::number(formats->readableExtensions.size()) << " readable and "
        << QString::number(formats->rawExtensions.size()) << " raw extensions\n";

    QMap<quint32, QStringList> groups;
    QMap<quint32, QString> groupNames;
    for (const SFilterEnumRecord& r : filters->records) {
        groups[r.id / 1000].append(r.name);
        groupNames[r.id / 1000] = r.group;
    }
    out << QString::number(filters->records.size()) << " filter types:\n";
    for (auto it = groups.cbegin(); it != groups.cend(); ++it)
        out << "  " << groupNames.value(it.key()) << ": " << it.value().join(", ") << "\n";

    out << QString::number(CountInterfaceImages()) << " interface images\n";
    out << QString::fromUtf8(MagickCore::GetMagickVersion(nullptr)) << ", quantum depth "
        << QString::number(MAGICKCORE_QUANTUM_DEPTH) << ", memory limit "
        << QString::number(static_cast<qulonglong>(Magick::ResourceLimits::memory())) << " bytes\n";
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setOrganizationName("Quorvelline");
    QCoreApplication::setApplicationName("Brandquill");
    // It shows no window: offscreen unless a platform is given, so that it
    // runs with or without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    StartMagickRuntime();
    RegisterCoreMetaTypes();

    // Created in the order the main window will take them.
    CListImages::GetInstance();
    CUserProfile::GetInstance()->ReadRegistrySettings();
    CFormatsEnum::GetInstance()->GenerateList();
    CFiltersEnum::GetInstance()->GenerateList();
    CListFilters::GetInstance();
    CStatesList::GetInstance();
    CHardwareProfile::GetInstance();
    CImageCache::GetInstance();

    QTextStream out(stdout);
    Report(out);
    out.flush();

    // Deleted in the window's order; the settings object writes the store.
    CListImages::DeleteInstance();
    CListFilters::DeleteInstance();
    CUserProfile::DeleteInstance();
    CFormatsEnum::DeleteInstance();
    CFiltersEnum::DeleteInstance();
    CStatesList::DeleteInstance();
    CHardwareProfile::DeleteInstance();
    CImageCache::DeleteInstance();
    return 0;
}
