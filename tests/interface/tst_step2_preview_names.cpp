// Step 2's previews and name preset built alone: the filtered and original
// previews of a rotated photo, the arrows, the show-preview switch, the
// clean-up before a run, the zoom text, the name preview and the presets.

#include "BqTestMain.h"
#include "CDialogRename.h"
#include "ControlImage.h"
#include "FilterTestSupport.h"
#include "FiltersEnum.h"
#include "MainPanel2.h"
#include "StatesList.h"
#include "StepPageSupport.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QToolTip>
#include <memory>

class TestStep2PreviewNames : public QObject
{
    Q_OBJECT

    std::unique_ptr<CMainPanel2> panel;
    CUserProfile* profile = nullptr;
    CStatesList* states = nullptr;
    QString trip;
    QStringList photos;

    template <typename T> T* Child(const char* name) { return panel->findChild<T*>(QLatin1String(name)); }

    // The job's photos, the combo filled as step 1 fills it, the page shown.
    void Start(const QStringList& paths, int previewRow = 0)
    {
        panel.reset();
        states->SuspendSaving = true;
        StepPage::SetPhotos(paths);
        profile->PreviewPath = paths.value(previewRow);
        panel.reset(new CMainPanel2);
        states->SuspendSaving = false;
        for (int i = 0; i < paths.size(); ++i)
            panel->InsertItemComboImg(i, QDir::toNativeSeparators(paths[i]));
        QVERIFY(StepPage::ShowPage(panel.get()));
        states->ClearStatesList();
    }

    static QSize PixmapSize(QLabel* label) { return label->pixmap(Qt::ReturnByValue).size(); }

private slots:
    void initTestCase()
    {
        QVERIFY(FilterTest::StartEngineAndCatalogues());
        profile = CUserProfile::GetInstance();
        profile->LaunchCounter = 3;
        profile->OutputFormat = QObject::tr("Keep original image format (if possible)");
        states = CStatesList::GetInstance();
        trip = QDir::tempPath() + QStringLiteral("/Trip");
        QVERIFY(QDir().mkpath(trip));
        for (int i = 1; i <= 3; ++i) {
            photos.append(trip + QStringLiteral("/IMG_000%1.JPG").arg(i));
            QVERIFY(FilterTest::WritePhoto(photos.last(), 400, 200, quint32(i)));
        }
    }

    void previewsShowTheChain()
    {
        SFilterRecord rotate;
        rotate.id = CFiltersEnum::GetInstance()->GetRecordByName(QStringLiteral("Rotate")).id;
        rotate.name = QStringLiteral("Rotate");
        rotate.active = true;
        rotate.AddNumber(90);
        rotate.AddNumber(0);
        CListFilters::GetInstance()->filters = {rotate};
        Start(photos);
        panel->StartAllPreviews();
        auto* filtered = Child<QLabel>("viewImageFilters");
        auto* original = Child<QLabel>("viewImageOriginal");
        QTRY_VERIFY_WITH_TIMEOUT(PixmapSize(filtered).height() > PixmapSize(filtered).width(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(PixmapSize(original).width() > PixmapSize(original).height(), 5000);

        auto* filteredView = Child<CControlImage>("scrollImageFilters");
        auto* originalView = Child<CControlImage>("scrollImageOriginal");
        QTRY_VERIFY_WITH_TIMEOUT(!filteredView->pending && !originalView->pending, 5000);
        Child<QAbstractButton>("buttonMinZoomFilters")->click();
        QTRY_COMPARE_WITH_TIMEOUT(Child<QLabel>("textZoomPercent")->text(), QStringLiteral("100%"), 5000);

        // Before a run only the original is freed, also while the filtered
        // preview is still being made.
        // No pending timer of the page may restart a preview afterwards.
        QTRY_VERIFY(!panel->resizeTimer.isActive() && !panel->currentPreviewTimer.isActive());
        panel->StartAllPreviews();
        panel->CleanUp(false);
        QTRY_VERIFY_WITH_TIMEOUT(!filteredView->pending && !originalView->pending, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(originalView->currentPath.isEmpty(), 5000);
        QCOMPARE(filteredView->currentPath, photos[0]);
        CListFilters::GetInstance()->filters.clear();
    }

    void arrows_data()
    {
        QTest::addColumn<int>("undoes"); // after a name step: none, Undo, Undo and Redo
        QTest::newRow("moved") << 0;
        QTest::newRow("name step undone") << 1;
        QTest::newRow("name step redone") << 2;
    }
    void arrows()
    {
        QFETCH(int, undoes);
        Start(photos.mid(0, 1));
        QVERIFY(!Child<QWidget>("buttonPrevImage")->isEnabled());
        QVERIFY(!Child<QWidget>("buttonNextImage")->isEnabled());
        Start(photos);
        QVERIFY(!Child<QWidget>("buttonPrevImage")->isEnabled());
        QVERIFY(Child<QWidget>("buttonNextImage")->isEnabled());
        panel->on_buttonNextImage_clicked();
        panel->on_buttonNextImage_clicked();
        QVERIFY(Child<QWidget>("buttonPrevImage")->isEnabled());
        QVERIFY(!Child<QWidget>("buttonNextImage")->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(profile->PreviewPath, photos[2], 5000);
        if (undoes == 0)
            return;
        const auto discard = qScopeGuard([this] { panel->DiscardUserChanges(); });
        states->SaveState(false);
        panel->on_comboPreset_activated(1);
        states->Undo();
        if (undoes == 2)
            states->Redo();
        // As the window does it: step 1 forgets its photo and refills the combo.
        profile->PreviewPath.clear();
        panel->ClearComboImg();
        for (int i = 0; i < photos.size(); ++i)
            panel->InsertItemComboImg(i, QDir::toNativeSeparators(photos[i]));
        QVERIFY(Child<QWidget>("buttonPrevImage")->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(profile->PreviewPath, photos[2], 5000);
        QCOMPARE(Child<QLineEdit>("editPreview")->text(), undoes == 1 ? "IMG_0003.jpg" : "Trip 003.jpg");
    }

    // The photo box draws the file name whole and lets the folder give way;
    // a name wider than the box keeps its start and its extension. Control
    // characters show as the log shows them; the tool tip stays on the screen.
    void photoBoxPath_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("beyondName"); // the box's width past the shown name's
        QTest::newRow("folder elided") << "IMG_0001.JPG"
                                       << "IMG_0001.JPG" << 60;
        const QString longName =
            "A_very_long_photo_file_name_for_the_photo_box_test_2024_summer_holiday_beach_sunset.jpg";
        QTest::newRow("name wider than the box") << longName << longName << -200;
        QTest::newRow("line break") << "IMG\n0001.JPG"
                                    << "IMG\\n0001.JPG" << 60;
        QTest::newRow("tab") << "IMG\t0001.JPG"
                             << "IMG\\t0001.JPG" << 60;
        QTest::newRow("200 characters") << QString(196, 'n') + ".jpg" << QString(196, 'n') + ".jpg" << -200;
    }
    void photoBoxPath()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        QFETCH(int, beyondName);
        const QString path = trip + "/a/b/c/d/e/f/g/h/" + name;
        QVERIFY(QDir().mkpath(QFileInfo(path).path()) && FilterTest::WritePhoto(path, 40, 20, 1));
        Start({path});
        struct SLabelStyle : QProxyStyle {
            mutable QString drawn;
            void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const override
            {
                if (element == CE_ComboBoxLabel)
                    drawn = static_cast<const QStyleOptionComboBox*>(option)->currentText;
                QProxyStyle::drawControl(element, option, painter, widget);
            }
        } style;
        auto* combo = Child<QComboBox>("comboImages");
        combo->setCurrentIndex(-1); // the photo chosen in the box, which gives it its tool tip
        combo->setCurrentIndex(0);
        QVERIFY(!combo->toolTip().isEmpty());
        combo->setStyle(&style);
        combo->resize(combo->fontMetrics().horizontalAdvance(shown) + beyondName, combo->height());
        combo->grab();
        combo->setStyle(nullptr);
        const QString& drawn = style.drawn;
        QVERIFY2(combo->fontMetrics().horizontalAdvance(drawn) < combo->width(), qPrintable(drawn));
        if (beyondName > 0)
            QVERIFY2(drawn.endsWith(shown) && drawn.contains(QChar(0x2026)), qPrintable(drawn));
        else
            QVERIFY2(drawn.startsWith(shown.left(6)) && drawn.endsWith(shown.right(8)) && drawn.contains(QChar(0x2026)),
                     qPrintable(drawn));
        for (const QString& line : combo->toolTip().split(QRegularExpression("[\\n\\x{2028}]")))
            QVERIFY2(QFontMetrics(QToolTip::font()).horizontalAdvance(line) <= combo->screen()->availableSize().width(),
                     qPrintable(line));
    }

    void showPreviewOff()
    {
        Start(photos);
        Child<QCheckBox>("checkShowPreview")->click();
        QVERIFY(!profile->Step2Preview);
        QCOMPARE(GetRegistryInt("GUI/Step2.ShowPreview", 1), 0);
        QCOMPARE(states->GetCount(), 0);
        QVERIFY(panel->changed);
        panel->StartAllPreviews();
        QTest::qWait(300);
        QVERIFY(Child<CControlImage>("scrollImageFilters")->currentPath.isEmpty());
        QVERIFY(Child<CControlImage>("scrollImageOriginal")->currentPath.isEmpty());
        Child<QCheckBox>("checkShowPreview")->click();
        QCOMPARE(GetRegistryInt("GUI/Step2.ShowPreview", 0), 1);
    }

    void names()
    {
        Start(photos);
        QCOMPARE(profile->FilenameFormat, QStringLiteral("[Filename]"));
        QCOMPARE(profile->PresetRename, 0);
        QCOMPARE(profile->CounterStart, 1);
        QCOMPARE(profile->CountStep, 1);
        QCOMPARE(profile->CounterDigits, 2);
        QVERIFY(profile->LowerCaseExt);
        auto* preview = Child<QLineEdit>("editPreview");
        QCOMPARE(preview->text(), QStringLiteral("IMG_0001.jpg"));

        Start(photos, 1);
        preview = Child<QLineEdit>("editPreview");
        auto* presets = Child<QComboBox>("comboPreset");
        auto* filtered = Child<CControlImage>("scrollImageFilters");
        // The first preview is made and freed, so a restart would show.
        QTRY_VERIFY(!panel->resizeTimer.isActive() && !panel->currentPreviewTimer.isActive());
        panel->CleanUp(true);
        QTRY_VERIFY_WITH_TIMEOUT(filtered->currentPath.isEmpty() && !filtered->pending, 5000);
        states->SaveState(false); // the window's first snapshot
        presets->setCurrentIndex(1);
        panel->on_comboPreset_activated(1);
        QCOMPARE(preview->text(), QStringLiteral("Trip 002.jpg"));
        QCOMPARE(states->GetCount(), 2);
        QVERIFY(states->NameChangesOnly());
        QCOMPARE(profile->FilterFilename.preset, 1);

        // Undone as the window does it: the names follow, the photo is not remade.
        states->Undo();
        states->SuspendSaving = true;
        panel->RefreshPanel();
        states->SuspendSaving = false;
        panel->StartCurrentPreview();
        QCOMPARE(preview->text(), QStringLiteral("IMG_0002.jpg"));
        QCOMPARE(presets->currentText(), QStringLiteral("Keep Unchanged"));
        QVERIFY(filtered->currentPath.isEmpty() && !filtered->pending);
        // Chosen again, it replaces the undone step.
        presets->setCurrentIndex(1);
        panel->on_comboPreset_activated(1);
        QCOMPARE(states->GetCount(), 2);

        // "Custom Defined" cancelled puts the combo back.
        panel->hooks.runDialog = [](QDialog*) { return 0; };
        presets->setCurrentIndex(3);
        panel->on_comboPreset_activated(3);
        QCOMPARE(presets->currentIndex(), 1);
        QCOMPARE(profile->PresetRename, 1);
        QCOMPARE(states->GetCount(), 2);

        // The custom button is an ordinary step.
        QString sample;
        panel->hooks.runDialog = [&](QDialog* dialog) {
            sample = static_cast<CDialogRename*>(dialog)->previewRecord.path;
            return 1;
        };
        panel->on_buttonCustom_clicked();
        QCOMPARE(sample, photos[1]);
        QCOMPARE(presets->currentIndex(), 3);
        QCOMPARE(states->GetCount(), 3);
        QVERIFY(!states->NameChangesOnly());

        panel->DiscardUserChanges();
        QCOMPARE(presets->currentText(), QStringLiteral("Keep Unchanged"));
        QCOMPARE(profile->FilenameFormat, QStringLiteral("[Filename]"));
    }

    void missingPhotoStillNamed()
    {
        Start({trip + QStringLiteral("/gone.JPG")});
        QCOMPARE(Child<QLineEdit>("editPreview")->text(), QStringLiteral("gone.jpg"));
    }
};

BQ_TEST_MAIN(TestStep2PreviewNames)
#include "tst_step2_preview_names.moc"
