// The real program as a child process: first start, an orderly exit on
// SIGTERM with every key written, and a clean stderr.
#include "BqTestMain.h"
#include "WindowTestSupport.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

class TestAppProcess : public QObject
{
    Q_OBJECT

private slots:
    void startAndTerminate_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("wizard");
        QTest::newRow("SIGTERM") << int(SIGTERM) << 0;
        QTest::newRow("SIGINT") << int(SIGINT) << 0;
        QTest::newRow("SIGHUP") << int(SIGHUP) << 0;
        // The start wizard is a modal dialog: rejected first, then the window closes.
        QTest::newRow("SIGTERM during the wizard") << int(SIGTERM) << 1;
    }

    void startAndTerminate()
    {
        QFETCH(int, signal);
        QFETCH(int, wizard);
        QTemporaryDir home;
        const QString store = home.path() + "/.config/Quorvelline/Brandquill.conf";
        {
            QSettings seed(store, QSettings::IniFormat);
            seed.setValue("Settings/Settings.ShowStartupWizard", wizard);
            seed.setValue("Settings/CheckNew.AutoCheck", 0);
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.path() + "/.config");
        env.insert("XDG_DATA_HOME", home.path() + "/.local/share");
        env.insert("XDG_CACHE_HOME", home.path() + "/.cache");
        env.insert("TMPDIR", home.path());
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QCoreApplication::applicationDirPath() + "/brandquill", QStringList());
        QVERIFY(program.waitForStarted());
        const auto value = [&](const char* key) { return QSettings(store, QSettings::IniFormat).value(key); };
        QTRY_COMPARE_WITH_TIMEOUT(value("Settings/LaunchCounter").toInt(), 1, 30000);

        ::kill(program.processId(), signal);
        // A guard against a hang, not a speed check.
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        for (const QString& key : WindowTest::ApplicationKeys() + QStringList{"Settings/MainWindow.WindowGeometry",
                                                                              "Settings/MainWindow.WindowState"})
            QVERIFY2(value(qPrintable(key)).isValid(), qPrintable(key));
        const QByteArray errors = program.readAllStandardError();
        for (const char* unwanted : {"QT_DEVICE_PIXEL_RATIO", "connectSlotsByName", "QObject::connect"})
            QVERIFY2(!errors.contains(unwanted), errors.constData());
    }
};

BQ_TEST_MAIN(TestAppProcess)
#include "tst_app_process.moc"
