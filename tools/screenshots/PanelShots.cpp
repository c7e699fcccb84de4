// bq-shots-panels OUTDIR: pictures of the step pages inside the real main
// window, with a job made of generated photos, for a person to look at.
// Runs in a temporary home of its own. Afterwards every file is read back:
// it must exist and not be one flat colour; the exit status says whether
// all passed.
#include "BqTestMain.h"
#include "CTextWidget.h"
#include "ControlImage.h"
#include "CoreMetaTypes.h"
#include "ExifJpeg.h"
#include "FilterTestSupport.h"
#include "FilterTypes.h"
#include "FiltersEnum.h"
#include "ListFilters.h"
#include "MagickRuntime.h"
#include "MainPanel1.h"
#include "MainPanel2.h"
#include "MainPanel3.h"
#include "MainWindow.h"
#include "NativeLookingApplication.h"
#include "PhotoMaker.h"
#include "ShotCheck.h"
#include "TipBalloon.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QTabWidget>
#include <QWindow>

#include <cstdio>
#include <memory>

namespace
{

QString g_outDir;
QStringList g_shots;

void Wait(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Waits for `ready` (at most 5 s), then lets painting settle.
void WaitFor(const std::function<bool()>& ready)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 5000 && !ready())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    Wait(300);
}

void Shoot(QWidget* window, const QString& name)
{
    WaitFor([window] { return window->windowHandle() && window->windowHandle()->isExposed(); });
    QPixmap picture;
    // Under a real display server the screen shows what the user sees.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        picture = window->screen()->grabWindow(window->winId());
    if (picture.isNull())
        picture = window->grab();
    const QString file = g_outDir + "/" + name + ".png";
    picture.save(file);
    g_shots.append(file);
}

QStringList MakePhotos(const QString& folder, int count)
{
    QDir().mkpath(folder);
    QStringList files;
    const char* const names[] = {"Harbour", "Meadow",   "Old Town", "Lighthouse", "Market",
                                 "Bridge",  "Vineyard", "Glacier",  "Orchard"};
    for (int i = 0; i < count; ++i) {
        const Magick::Image photo = BqTest::MakePhoto(480 + 40 * (i % 3), 360, quint32(i + 1));
        // The list draws its thumbnails from the Exif thumbnail, as of a camera.
        Magick::Image thumbnail(photo);
        thumbnail.resize(Magick::Geometry(160, 120));
        BqTest::SExifFields fields;
        fields.make = "Quorvelline";
        fields.model = "Field Camera";
        fields.dateTime = QString("2026:06:%1 10:%2:00").arg(i + 10).arg(i + 10).toLatin1();
        const QString file = folder + "/" + names[i % 9] + QString(" %1.jpg").arg(i + 1);
        BqTest::WriteExifJpeg(file, photo, thumbnail, fields);
        files.append(file);
    }
    return files;
}

std::unique_ptr<MainWindow> NewWindow(int theme)
{
    QSettings store(organization, application);
    store.setValue("Settings/Settings.ShowStartupWizard", 0);
    store.setValue("Settings/CheckNew.AutoCheck", 0);
    store.setValue("Settings/Settings.ThemeId", theme);
    store.setValue("Settings/LaunchCounter", 0);
    store.sync();
    std::unique_ptr<MainWindow> window(new MainWindow(nullptr));
    window->show();
    return window;
}

// Adds the photos through the page's own add command.
void AddPhotos(CMainPanel1* page, const QStringList& files)
{
    page->hooks.openFiles = [files](QWidget*, const QString&, const QString&, const QString&) { return files; };
    page->AddPhotos();
    QListWidget* list = page->findChild<QListWidget*>("listImages");
    list->setCurrentRow(0);
    WaitFor([page] { return !page->previewTimer.isActive(); });
    Wait(1500); // thumbnails and the preview arrive from their threads
}

// A first launch: the add-photo balloon comes up 2 s after start, before
// the user adds anything.
std::unique_ptr<MainWindow> FirstLaunch(int theme)
{
    auto window = NewWindow(theme);
    CMainPanel1* page = window->Panel1();
    WaitFor([page] { return page->addPhotoTip->Widget()->isVisible(); });
    return window;
}

void ShootStep1(const QStringList& photos)
{
    auto window = FirstLaunch(0);
    CMainPanel1* page = window->Panel1();
    Shoot(window.get(), "step1-empty");
    AddPhotos(page, photos);
    WaitFor([page] { return page->step2Tip->Widget()->isVisible(); });
    Shoot(window.get(), "step1-medium");
    page->MakeStep2TipInvisible();
    page->ChangeViewMode(0);
    page->findChild<QWidget*>("listImagesDetails")->setFocus();
    Wait(1000);
    Shoot(window.get(), "step1-details");
    page->ChangeViewMode(2);
    window.reset();

    window = FirstLaunch(1);
    AddPhotos(window->Panel1(), photos);
    Shoot(window.get(), "step1-dark");
}

// A chain record of `type`, named as the filter list names it.
SFilterRecord Named(SFilterRecord record, int type)
{
    const SFilterEnumRecord entry = CFiltersEnum::GetInstance()->GetRecordById(type);
    record.id = entry.id;
    record.name = entry.name;
    record.description = entry.description;
    record.active = true;
    return record;
}

// Steps 2 and 3 with a text mark on the photos: the filtered and original
// previews, each destination of step 3, and step 2 in the dark theme.
void ShootSteps23(const QStringList& photos)
{
    for (int theme : {0, 1}) {
        auto window = NewWindow(theme);
        AddPhotos(window->Panel1(), photos);
        CListFilters::GetInstance()->filters = {Named(FilterTest::DefaultText(), FilterText)};
        CMainPanel2* step2 = window->Panel2();
        step2->SynchronizeListFilters();
        window->ChangePanel(1);
        auto* filtered = step2->findChild<CControlImage*>("scrollImageFilters");
        auto* original = step2->findChild<CControlImage*>("scrollImageOriginal");
        step2->StartAllPreviews();
        WaitFor([filtered] { return filtered->shown && !filtered->pending; });
        Wait(1500);
        if (theme == 1) {
            Shoot(window.get(), "step2-dark");
            break;
        }
        Shoot(window.get(), "step2");
        step2->findChild<QTabWidget*>("tabWidget")->setCurrentIndex(1);
        WaitFor([original] { return original->shown && !original->pending; });
        Shoot(window.get(), "step2-original");

        window->ChangePanel(2);
        auto* destinations = window->Panel3()->findChild<QComboBox*>("comboDestination");
        const char* const names[] = {"step3-folder", "step3-email", "step3-ftp", "step3-flickr"};
        for (int i = 0; i < 4; ++i) {
            destinations->setCurrentIndex(i);
            QMetaObject::invokeMethod(destinations, "activated", Q_ARG(int, i));
            Wait(i == 0 ? 2500 : 300); // the first shows the process balloon
            Shoot(window.get(), names[i]);
        }
    }
}

// Step 1 previewing a file that cannot be read, and step 2 with every
// filter in a chain that scrolls and a name holding a line break in its
// photo box.
void ShootHardCases(const QString& folder, const QString& photo)
{
    QDir().mkpath(folder);
    const QString broken = folder + "/Damaged photo.jpg";
    const QString lineBreak = folder + "/Line\nbreak.jpg";
    QFile damaged(broken);
    if (!damaged.open(QIODevice::WriteOnly) || damaged.write("not a photo") < 0 || !QFile::copy(photo, lineBreak))
        std::fprintf(stderr, "bq-shots-panels: cannot write the photos in %s\n", qPrintable(folder));
    damaged.close();
    auto window = NewWindow(0);
    CMainPanel1* step1 = window->Panel1();
    AddPhotos(step1, {broken, lineBreak});
    auto* preview = step1->findChild<QLabel*>("viewImage");
    WaitFor([preview] { return !preview->text().isEmpty(); });
    Shoot(window.get(), "step1-unreadable");

    QList<SFilterRecord> chain;
    for (int type :
         {FilterText, FilterLogo, FilterShapeFrame, FilterGrungeFrame, FilterPictureFrame, FilterVintageFrame,
          FilterRaise, FilterShadow, FilterSimpleBorder, FilterAutoRotate, FilterCrop, FilterResize, FilterRotate})
        chain.append(Named(SFilterRecord(), type));
    CListFilters::GetInstance()->filters = chain;
    CMainPanel2* step2 = window->Panel2();
    step2->SynchronizeListFilters();
    window->ChangePanel(1);
    step2->findChild<QComboBox*>("comboImages")->setCurrentIndex(1);
    Wait(1000);
    Shoot(window.get(), "step2-all-filters");
}

// Step 2 with a chain that adds a border around the resized photo: the
// preview as it arrives, at 100 % and after "fit".
void ShootEnlargingChain(const QString& folder)
{
    QDir().mkpath(folder);
    const QString photo = folder + "/Alpine meadow.png";
    BqTest::MakePhoto(800, 500, 4).write(photo.toStdString());
    SFilterRecord text = FilterTest::DefaultText();
    text.numbers[1] = 8; // bottom right, 30 px in and 40 px up
    text.numbers[2] = 30;
    text.numbers[3] = 40;
    text.numbers[9] = 16;
    text.strings[0] = QStringLiteral("Bergfoto [Filename]");
    SFilterRecord resize;
    for (double value : {800.0, 560.0, 1.0, 0.0, 0.0, 0.0})
        resize.AddNumber(value);
    SFilterRecord border;
    for (double value : {20.0, 20.0, 20.0, 20.0, 0.0, 4290493439.0, 1.0})
        border.AddNumber(value);
    auto window = NewWindow(0);
    AddPhotos(window->Panel1(), {photo});
    CListFilters::GetInstance()->filters = {Named(SFilterRecord(), FilterAutoRotate), Named(text, FilterText),
                                            Named(resize, FilterResize), Named(border, FilterSimpleBorder)};
    CMainPanel2* step2 = window->Panel2();
    step2->SynchronizeListFilters();
    window->ChangePanel(1);
    auto* filtered = step2->findChild<CControlImage*>("scrollImageFilters");
    // On a small screen the page scrolls: the preview is brought into sight.
    for (QWidget* up = filtered->parentWidget(); up; up = up->parentWidget()) {
        if (auto* page = qobject_cast<QScrollArea*>(up)) {
            page->ensureWidgetVisible(filtered, 0, 0);
            break;
        }
    }
    step2->StartAllPreviews();
    WaitFor([filtered] { return filtered->shown && !filtered->pending; });
    // The add-filter balloon comes once; spent here, it covers no preview.
    step2->ShowAddFilterTip();
    step2->MakeAddFilterTipInvisible();
    const struct {
        const char* button;
        const char* name;
    } zooms[] = {{nullptr, "step2-enlarging"},
                 {"buttonMinZoomFilters", "step2-enlarging-100"},
                 {"buttonMaxZoomFilters", "step2-enlarging-fit"}};
    for (const auto& zoom : zooms) {
        if (zoom.button) {
            const double before = filtered->CurrentZoom();
            step2->findChild<QAbstractButton*>(zoom.button)->click();
            WaitFor([filtered, before] { return filtered->CurrentZoom() != before && !filtered->pending; });
        }
        Shoot(window.get(), zoom.name);
        // The preview alone, whole even where the page cuts it.
        const QString file = g_outDir + "/" + zoom.name + "-view.png";
        filtered->grab().save(file);
        g_shots.append(file);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bq-shots-panels OUTDIR\n");
        return 2;
    }
    const QString home = IsolateShotProcess();
    NativeLookingApplication app(argc, argv);
    BqTest::ApplyShotsFont();
    BqTest::ApplyShotsLanguage();
    g_outDir = StartShotRuntime(&app, argv[1]);

    const QStringList photos = MakePhotos(home + "/Pictures/Trip", 9);
    ShootStep1(photos);
    ShootSteps23(photos);
    ShootHardCases(home + "/Pictures/Hard", photos.first());
    ShootEnlargingChain(home + "/Pictures/Mountains");
    return VerifyShots(g_shots);
}
