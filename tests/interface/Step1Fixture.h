#pragma once
// Builds a step-1 page alone, as the window does: metatypes and formats
// ready, the launch count set, snapshots suppressed while it is built. The
// page is shown at 700 x 550 so that the visible-view rules hold.

#include "CoreMetaTypes.h"
#include "FormatsEnum.h"
#include "ListImages.h"
#include "MainPanel1.h"
#include "../support/PanelTestSupport.h" // not the step 2 and 3 helper beside this file
#include "StatesList.h"
#include "UserProfile.h"
#include "Utils.h"
#include "ui_CMainPanel1.h"

#include <QSettings>
#include <QTest>

#include <memory>

struct SStep1Page {
    std::unique_ptr<CMainPanel1> page;
    std::unique_ptr<BqTest::CHookRecorder> hooks;
    Ui::CMainPanel1* ui = nullptr;

    explicit SStep1Page(qint64 launches = 5, bool recordHooks = true)
    {
        QSettings(organization, application).clear();
        RegisterCoreMetaTypes();
        CFormatsEnum::GetInstance()->GenerateList();
        CListImages::GetInstance()->images.clear();
        CUserProfile::GetInstance()->LaunchCounter = launches;
        CUserProfile::GetInstance()->PreviewPath.clear();
        CStatesList* states = CStatesList::GetInstance();
        states->SuspendSaving = true;
        page.reset(new CMainPanel1);
        states->SuspendSaving = false;
        states->ClearStatesList();
        if (recordHooks)
            hooks.reset(new BqTest::CHookRecorder(page->hooks));
        ui = page->Form();
        page->resize(700, 550);
        page->show();
        if (!QTest::qWaitForWindowExposed(page.get()))
            qWarning("step 1 page not exposed");
        // Showing the page starts a preview of its own; let it pass.
        QTRY_VERIFY_WITH_TIMEOUT(!page->previewTimer.isActive(), 5000);
    }

    static int Snapshots() { return CStatesList::GetInstance()->GetCurrent(); }
    static QStringList Paths()
    {
        QStringList paths;
        for (const SImageRecord& record : CListImages::GetInstance()->images)
            paths.append(record.path);
        return paths;
    }
    static QStringList Names()
    {
        QStringList names;
        for (const SImageRecord& record : CListImages::GetInstance()->images)
            names.append(record.name + QLatin1Char('.') + record.extension);
        return names;
    }
};
