// Screenshots of the filter editing windows with real content on a generated
// photo: the filter dialog with the text editor on each tab and with the
// logo editor in the dark theme, "Show preview" off, the keyword menu, the
// font dialog, the filter picker, and crop and resize areas on a
// single-filter view.
#include "BqTestMain.h"
#include "ControlImage.h"
#include "DialogFilterSelection.h"
#include "DialogFont.h"
#include "FilterPage.h"
#include "FilterSettings.h"
#include "FilterTestSupport.h"
#include "FilterTypes.h"
#include "ImageCache.h"
#include "ResourceRoot.h"
#include "ShotSupport.h"
#include "UserProfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QSpinBox>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <functional>

namespace
{

Shots::CShotWriter* g_Shots = nullptr;
QString g_Photo;

SFilterRecord Named(SFilterRecord rec, quint32 id)
{
    rec.id = id;
    rec.name = CFiltersEnum::GetInstance()->GetRecordById(id).name;
    rec.active = true;
    return rec;
}

bool Previewed(CControlImage* view)
{
    return view->shown && !view->pending;
}

// Opens the filter dialog on `rec`, waits for its previews, runs `inside`
// and closes it.
void WithDialog(const SFilterRecord& rec, const std::function<void(CFilterSettings&)>& inside)
{
    CFilterSettings d;
    bool transition = false;
    d.record = rec;
    d.previewImage.path = g_Photo;
    d.setPanelTranzition(&transition);
    QTimer::singleShot(0, &d, [&] {
        CControlImage* filtered = d.findChild<CControlImage*>("scrollFilter");
        const bool preview = filtered->showPreview;
        Shots::WaitFor([&] { return d.States().Count() >= 1 && (!preview || Previewed(filtered)); });
        inside(d);
        d.reject();
    });
    d.exec();
}

void EditorTab(CFilterSettings& d, int index)
{
    d.Editor()->findChild<QTabWidget*>("tabWidget")->setCurrentIndex(index);
}

void TextShots()
{
    SFilterRecord text = Named(FilterTest::DefaultText(), FilterText);
    text.numbers[1] = 4;
    text.numbers[3] = 0;
    text.numbers[9] = 24;
    WithDialog(text, [](CFilterSettings& d) {
        // One edit, so that Undo is available as after any change.
        d.Editor()->findChild<QSpinBox*>("spinDeltaY")->setValue(40);
        Shots::WaitFor([&] { return d.States().Count() >= 2; });
        Shots::WaitFor([&] { return Previewed(d.findChild<CControlImage*>("scrollFilter")); });
        g_Shots->Save(&d, "filter-text-tab-text");
        EditorTab(d, 1);
        g_Shots->Save(&d, "filter-text-tab-font");
        EditorTab(d, 2);
        g_Shots->Save(&d, "filter-text-tab-more");
        EditorTab(d, 0);
        // The keyword menu, grabbed while it is open.
        QTimer::singleShot(300, [] {
            if (QWidget* menu = QApplication::activePopupWidget()) {
                g_Shots->Save(menu, "filter-text-keyword-menu");
                menu->close();
            }
        });
        d.Editor()->findChild<QPushButton*>("buttonAddKeyword")->click();
        QCheckBox* show = d.findChild<QCheckBox*>("checkShowPreview");
        show->click();
        g_Shots->Save(&d, "filter-text-no-preview");
        show->click();
    });
}

QPalette DarkPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(45, 45, 45));
    p.setColor(QPalette::WindowText, QColor(220, 220, 220));
    p.setColor(QPalette::Base, QColor(30, 30, 30));
    p.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    p.setColor(QPalette::Text, QColor(220, 220, 220));
    p.setColor(QPalette::Button, QColor(53, 53, 53));
    p.setColor(QPalette::ButtonText, QColor(220, 220, 220));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 120));
    return p;
}

void LogoShots()
{
    // The dark theme as the main window applies it: theme ids and palette.
    const QPalette light = QApplication::palette();
    CUserProfile::GetInstance()->ThemeId = 1;
    CImageCache::GetInstance()->ThemeId = 1;
    QApplication::setPalette(DarkPalette());
    WithDialog(Named(FilterTest::DefaultLogo(), FilterLogo), [](CFilterSettings& d) {
        g_Shots->Save(&d, "filter-logo-tab-logo-dark");
        EditorTab(d, 1);
        g_Shots->Save(&d, "filter-logo-tab-more-dark");
        EditorTab(d, 0);
        d.findChild<QTabWidget*>("tabWidget")->setCurrentIndex(1);
        Shots::WaitFor([&] { return Previewed(d.findChild<CControlImage*>("scrollOriginal")); });
        g_Shots->Save(&d, "filter-logo-original-dark");
    });
    QApplication::setPalette(light);
    CUserProfile::GetInstance()->ThemeId = 0;
    CImageCache::GetInstance()->ThemeId = 0;
}

void FontShot()
{
    CDialogFont d;
    d.fontFamily = "Liberation Serif";
    d.fontSize = "36";
    d.fontBold = true;
    QTimer::singleShot(0, &d, [&] {
        g_Shots->Save(&d, "font-dialog");
        d.reject();
    });
    d.exec();
}

void PickerShots()
{
    CDialogFilterSelection d;
    QTimer::singleShot(0, &d, [&] {
        g_Shots->Save(&d, "picker-all-filters");
        d.findChild<QToolButton*>("buttonTransform")->click();
        g_Shots->Save(&d, "picker-transform");
        d.reject();
    });
    d.exec();
}

// A crop or resize area on a single-filter view, as in the filter dialog.
void AreaShot(const SFilterRecord& rec, const char* name)
{
    QWidget window;
    window.resize(600, 420);
    auto* view = new CControlImage(&window);
    view->setGeometry(0, 0, 600, 420);
    view->singleFilterMode = true;
    view->setStyleSheet("background-color: rgb( 255, 255, 255 );");
    auto* image = new QLabel(view->viewport());
    image->setAlignment(Qt::AlignCenter);
    view->imageLabel = image;
    auto* area = new QLabel(view->viewport());
    view->areaLabel = area;
    view->AddFilter(rec);
    window.show();
    view->StartPreview(g_Photo);
    Shots::WaitFor([&] { return Previewed(view) && area->isVisible(); });
    g_Shots->Save(&window, name);
}

} // namespace

int main(int argc, char** argv)
{
    const bool check = argc > 1 && QString::fromLocal8Bit(argv[1]) == QLatin1String("--check");
    if (check)
        BqTest::IsolateEnvironment();
    QApplication app(argc, argv);
    BqTest::ApplyShotsFont();
    BqTest::ApplyShotsLanguage();
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    Shots::CShotWriter shots;
    if (!shots.Start(argc, argv)) {
        std::fprintf(stderr, "usage: bq-shots-filters OUTDIR | --check\n");
        return 2;
    }
    g_Shots = &shots;
    if (!FilterTest::StartEngineAndCatalogues())
        return 1;
    QTemporaryDir dir;
    g_Photo = dir.filePath("photo.png");
    if (!FilterTest::WritePhoto(g_Photo, 1200, 800, 11))
        return 1;
    CUserProfile::GetInstance()->PreviewPath = g_Photo;
    // The light theme, as the main window sets it from the settings.
    CUserProfile::GetInstance()->ThemeId = 0;
    CImageCache::GetInstance()->ThemeId = 0;

    TextShots();
    LogoShots();
    FontShot();
    PickerShots();
    SFilterRecord crop;
    for (double v : {180.0, 120.0, 840.0, 560.0, 0.0})
        crop.AddNumber(v);
    AreaShot(Named(crop, FilterCrop), "area-crop");
    SFilterRecord resize;
    for (double v : {840.0, 560.0, 0.0, 0.0, 0.0, 0.0})
        resize.AddNumber(v);
    AreaShot(Named(resize, FilterResize), "area-resize");
    return shots.Finish();
}
