// Steps 2 and 3 inside the real main window: the photo combo follows step 1
// through the window's queued connections, the output format chosen in step
// 3 reaches step 2's name preview, and a new job resets the name preset.

#include "BqTestMain.h"
#include "FilterTestSupport.h"
#include "FormatsEnum.h"
#include "MainPanel1.h"
#include "MainPanel2.h"
#include "MainPanel3.h"
#include "MainWindow.h"
#include "PanelTestSupport.h"
#include "UserProfile.h"
#include "WindowTestSupport.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <memory>

class TestStepsWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    QStringList photos;

private slots:
    void initTestCase()
    {
        qApp->setQuitOnLastWindowClosed(false);
        QVERIFY(FilterTest::StartEngineAndCatalogues());
        const QString trip = QDir::tempPath() + QStringLiteral("/Trip");
        QVERIFY(QDir().mkpath(trip));
        for (int i = 1; i <= 3; ++i) {
            photos.append(trip + QStringLiteral("/IMG_000%1.JPG").arg(i));
            QVERIFY(FilterTest::WritePhoto(photos.last(), 320, 240, quint32(i)));
        }
        WindowTest::ResetStore();
        window.reset(new MainWindow(nullptr));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanupTestCase() { window.reset(); }

    void formatReachesNamePreview()
    {
        PanelTest::SetPhotos(photos);
        CMainPanel1* step1 = window->Panel1();
        emit step1->ClearComboImages();
        for (int i = 0; i < photos.size(); ++i)
            emit step1->InsertItemComboImages(i, QDir::toNativeSeparators(photos[i]));
        auto* combo = window->Panel2()->findChild<QComboBox*>("comboImages");
        QTRY_COMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(2), QDir::toNativeSeparators(photos[2]));

        window->ChangePanel(2);
        auto* formats = window->Panel3()->findChild<QComboBox*>("comboOutputFormat");
        const int png = formats->findText(QStringLiteral("PNG - Portable Network Graphics"));
        QVERIFY(png > 0);
        formats->setCurrentIndex(png);
        QMetaObject::invokeMethod(formats, "activated", Q_ARG(QString, formats->itemText(png)));
        QCOMPARE(CUserProfile::GetInstance()->OutputFormat, QStringLiteral("PNG"));

        window->ChangePanel(1);
        auto* preview = window->Panel2()->findChild<QLineEdit*>("editPreview");
        QTRY_COMPARE(preview->text(), QStringLiteral("IMG_0001.png"));
        QTRY_COMPARE(CUserProfile::GetInstance()->PreviewPath, photos[0]);
    }

    void newJobResetsPreset()
    {
        auto* presets = window->Panel2()->findChild<QComboBox*>("comboPreset");
        presets->setCurrentIndex(2);
        window->Panel2()->on_comboPreset_activated(2);
        QCOMPARE(CUserProfile::GetInstance()->PresetRename, 2);
        window->Panel2()->DiscardUserChanges();
        QCOMPARE(presets->currentText(), QStringLiteral("Keep Unchanged"));
        QCOMPARE(CUserProfile::GetInstance()->FilterFilename.preset, 0);
        QVERIFY(!window->Panel2()->changed);
    }
};

BQ_TEST_MAIN(TestStepsWindow)
#include "tst_steps_window.moc"
