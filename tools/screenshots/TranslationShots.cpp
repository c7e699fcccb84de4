// bq-shots-translations OUTDIR | --check: the main window on each step, the
// filter dialog (text editor), the processing dialog and the settings dialog
// in English, German, French, Italian and Japanese, for a person to check
// that no translated text is cut off and that Japanese glyphs are drawn.
// Each language is set the way the user sets it: the stored LanguageId read
// by a new main window, which installs the translation.
#include "BqTestMain.h"
#include "CDialogOverwrite.h"
#include "CDialogProfileSave.h"
#include "HardwareProfile.h"
#include "CDialogRename.h"
#include "CFormatSettings.h"
#include "CProcessController.h"
#include "CSettings.h"
#include "CoreMetaTypes.h"
#include "DialogFont.h"
#include "FilterPage.h"
#include "FilterPageFactory.h"
#include "FilterSettings.h"
#include "FilterTestSupport.h"
#include "FilterTypes.h"
#include "FiltersEnum.h"
#include "ListImages.h"
#include "MagickRuntime.h"
#include "MainWindow.h"
#include "NativeLookingApplication.h"
#include "ShotSupport.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace
{

Shots::CShotWriter* g_Shots = nullptr;
QString g_Photo;

std::unique_ptr<MainWindow> NewWindow(int language)
{
    QSettings store(organization, application);
    store.setValue("Settings/Settings.ShowStartupWizard", 0);
    store.setValue("Settings/CheckNew.AutoCheck", 0);
    store.setValue("Settings/Settings.LanguageId", language);
    store.sync();
    std::unique_ptr<MainWindow> window(new MainWindow(nullptr));
    window->show();
    return window;
}

// Runs `dialog` modally and saves it once `ready` holds, once per page of
// the tab widget that `tabs` finds once the dialog runs, if any.
void ShootModal(
    QDialog& dialog, const QString& name, const std::function<bool()>& ready = [] { return true; },
    const std::function<QTabWidget*()>& tabs = [] { return static_cast<QTabWidget*>(nullptr); })
{
    QTimer::singleShot(0, &dialog, [&] {
        Shots::WaitFor(ready);
        Shots::Settle(200);
        QTabWidget* pages = tabs();
        for (int i = 0; i < (pages ? pages->count() : 1); ++i) {
            if (pages)
                pages->setCurrentIndex(i);
            Shots::Settle(100);
            g_Shots->Save(&dialog, i == 0 ? name : QStringLiteral("%1-tab%2").arg(name).arg(i + 1));
        }
        dialog.done(QDialog::Rejected);
    });
    dialog.exec();
}

// The filter dialog on `record` as filter `type`, one picture per editor tab.
void FilterDialog(QWidget* parent, const QString& name, SFilterRecord record, quint32 type)
{
    CFilterSettings dialog(parent);
    bool transition = false;
    dialog.record = record;
    dialog.record.id = type;
    dialog.record.name = CFiltersEnum::GetInstance()->GetRecordById(type).name;
    dialog.record.active = true;
    dialog.previewImage.path = g_Photo;
    dialog.setPanelTranzition(&transition);
    ShootModal(
        dialog, name, [&] { return dialog.States().Count() >= 1; },
        [&] { return dialog.Editor()->findChild<QTabWidget*>("tabWidget"); });
}

// The smaller editors on their own, as built (their labels are fixed-width).
void EditorPages(const QString& prefix)
{
    for (quint32 type : {FilterShapeFrame, FilterRaise, FilterShadow, FilterSimpleBorder, FilterRotate}) {
        QWidget holder;
        CFilterPage* page = CreateFilterPage(static_cast<int>(type), &holder);
        holder.resize(page->sizeHint().expandedTo(QSize(250, 200)));
        page->resize(holder.size());
        holder.show();
        Shots::Settle(100);
        g_Shots->Save(&holder, QStringLiteral("%1-editor-%2").arg(prefix).arg(type));
    }
}

// An empty run: the dialog reports its start and end in the log.
void ProcessingDialog(QWidget* parent, const QString& prefix)
{
    CListImages::GetInstance()->images.clear();
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->HideProcessing = false;
    profile->OpenOutputFolder = false;
    CProcessController dialog(parent);
    ShootModal(dialog, prefix + "-processing");
}

} // namespace

int main(int argc, char** argv)
{
    BqTest::IsolateEnvironment();
    CHardwareProfile::UseDesktopScaling();
    QCoreApplication::setOrganizationName(organization);
    QCoreApplication::setApplicationName(application);
    NativeLookingApplication app(argc, argv);
    BqTest::ApplyShotsFont();
    app.setQuitOnLastWindowClosed(false);
    Shots::CShotWriter shots;
    if (!shots.Start(argc, argv)) {
        std::fprintf(stderr, "usage: bq-shots-translations OUTDIR | --check\n");
        return 2;
    }
    g_Shots = &shots;
    StartMagickRuntime();
    RegisterCoreMetaTypes();
    if (!FilterTest::StartEngineAndCatalogues())
        return 1;
    QTemporaryDir dir;
    g_Photo = dir.filePath("photo.png");
    if (!FilterTest::WritePhoto(g_Photo, 1200, 800, 11))
        return 1;

    SFilterRecord resize;
    for (double v : {840.0, 560.0, 0.0, 0.0, 0.0, 0.0})
        resize.AddNumber(v);
    SFilterRecord crop;
    for (double v : {180.0, 120.0, 840.0, 560.0, 0.0})
        crop.AddNumber(v);
    const QList<QPair<int, QString>> languages = {{1033, "en"}, {1031, "de"}, {1036, "fr"}, {1040, "it"}, {1041, "ja"}};
    for (const auto& language : languages) {
        auto window = NewWindow(language.first);
        for (int step = 0; step < 3; ++step) {
            window->ChangePanel(step);
            Shots::Settle(100);
            shots.Save(window.get(), QStringLiteral("%1-step%2").arg(language.second).arg(step + 1));
        }
        window->ChangePanel(0);
        CUserProfile::GetInstance()->PreviewPath = g_Photo;
        FilterDialog(window.get(), language.second + "-filter", FilterTest::DefaultText(), FilterText);
        FilterDialog(window.get(), language.second + "-filter-logo", FilterTest::DefaultLogo(), FilterLogo);
        FilterDialog(window.get(), language.second + "-filter-resize", resize, FilterResize);
        FilterDialog(window.get(), language.second + "-filter-crop", crop, FilterCrop);
        EditorPages(language.second);
        ProcessingDialog(window.get(), language.second);
        CSettings settings(window.get());
        ShootModal(
            settings, language.second + "-settings", [] { return true; },
            [&] { return settings.findChild<QTabWidget*>("tabWidget"); });
        // Fixed-size dialogs, where a long translation would be cut off.
        CDialogOverwrite overwrite(window.get());
        ShootModal(overwrite, language.second + "-overwrite");
        CDialogFont font(window.get());
        ShootModal(font, language.second + "-font");
        CDialogRename names(window.get());
        ShootModal(names, language.second + "-edit-names");
        CFormatSettings format(window.get());
        ShootModal(format, language.second + "-format-settings");
        CDialogProfileSave profile(window.get());
        ShootModal(profile, language.second + "-profile-save");
    }
    return shots.Finish();
}
