#include "SilentBatch.h"

#include "CProcessController.h"
#include "ProcessTestSupport.h"
#include "UserProfile.h"

#include <QDir>

namespace BqTest
{

QString RunSilentBatch(const QString& photo, const QList<SFilterRecord>& records, const QString& folder)
{
    ProcTest::ResetJob(folder);
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->OutputFormat = QStringLiteral("PNG");
    ProcTest::SetPhotos({photo});
    CListFilters* chain = CListFilters::GetInstance();
    chain->filters = records;
    // What the command line does before it starts a script's run.
    profile->FilterFilename.preset = profile->PresetRename;
    profile->RunFromScript = true;
    profile->SilentRun = true;
    QDir().mkpath(folder);
    const QStringList before = QDir(folder).entryList({QStringLiteral("*.png")}, QDir::Files);

    ProcTest::SRecorder recorder;
    bool timedOut = false;
    {
        CProcessController dialog(nullptr, recorder.Hooks());
        ProcTest::ExecWithWatchdog(dialog, &timedOut);
    }
    profile->SilentRun = false;
    profile->RunFromScript = false;
    chain->filters.clear();
    if (timedOut)
        return QString();
    const QStringList after = QDir(folder).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Time);
    for (const QString& name : after)
        if (!before.contains(name))
            return QDir(folder).filePath(name);
    return QString();
}

} // namespace BqTest
