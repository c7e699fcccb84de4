// Theme and language against the real translation files: style, palette and
// style sheet per theme id, the translation per language id, and the .ts
// sources of the window's own contexts.
#include "BqTestMain.h"
#include "ImageCache.h"
#include "MainWindow.h"
#include "UserProfile.h"
#include "WindowTestSupport.h"

#include <QDomDocument>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMetaEnum>
#include <QStyle>
#include <QtTest>

#include <memory>

using namespace WindowTest;

namespace
{
QDomDocument ReadXml(const QString& path)
{
    QDomDocument doc;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        doc.setContent(&file);
    return doc;
}
} // namespace

class TestThemeLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qApp->setQuitOnLastWindowClosed(false); }

    void theme_data()
    {
        QTest::addColumn<int>("id");
        QTest::newRow("light") << 0;
        QTest::newRow("dark") << 1;
        QTest::newRow("other") << 2;
        QTest::newRow("negative") << -1;
    }

    void theme()
    {
        QFETCH(int, id);
        qApp->setStyleSheet(QString());
        QApplication::setStyle("Windows");
        QApplication::setPalette(QApplication::style()->standardPalette());
        const QPalette before = QApplication::palette();
        MainWindow window(nullptr);
        CUserProfile::GetInstance()->ThemeId = id;
        window.ChangeTheme();
        // Behind a style sheet the application style is a proxy of its own.
        const QString sheet = qApp->styleSheet();
        qApp->setStyleSheet(QString());
        QCOMPARE(QApplication::style()->objectName(), QString("fusion"));
        const QPalette palette = QApplication::palette();
        const QColor accent(0x26, 0xA3, 0xE2);
        if (id == 1) {
            QCOMPARE(sheet.size(), 826);
            const QStringList expected =
                QString("Window #3c3c3c WindowText #ffffff Base #1e1e1e AlternateBase #ffff00 ToolTipBase #ffffff "
                        "ToolTipText #ffffff Text #ffffff Button #3c3c3c ButtonText #ffffff BrightText #ff00ff "
                        "Light #3c3c3c Midlight #ff0000 Dark #a0a0a4 Mid #ff0000 Shadow #ff0000 Highlight #26a3e2 "
                        "HighlightedText #000000 Link #26a3e2 LinkVisited #26a3e2")
                    .split(' ');
            const QMetaEnum roles = QMetaEnum::fromType<QPalette::ColorRole>();
            for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                QStringList shown;
                for (int i = 0; i < expected.size(); i += 2) {
                    const auto role = QPalette::ColorRole(roles.keyToValue(qPrintable(expected[i])));
                    shown << expected[i] << palette.color(group, role).name();
                }
                QCOMPARE(shown, expected);
            }
            return;
        }
        QCOMPARE(sheet.size(), 244);
        QVERIFY(sheet.startsWith("QToolTip {"));
        if (id == 0) {
            for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::Link, QPalette::LinkVisited})
                QCOMPARE(palette.color(QPalette::Inactive, role), accent);
        } else {
            QVERIFY(palette == before);
        }
    }

    void imageCacheTakesTheStoredTheme()
    {
        ResetStore({{"Settings/Settings.ThemeId", 7}});
        QApplication::setPalette(QApplication::style()->standardPalette());
        const QPalette before = QApplication::palette();
        auto window = std::make_unique<MainWindow>(nullptr);
        window->show();
        QCOMPARE(CImageCache::GetInstance()->ThemeId, 7);
        QVERIFY(QApplication::palette() == before);
        window.reset();
        QCOMPARE(StoreValue("Settings/Settings.ThemeId").toInt(), 7);
    }

    void language_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("French") << 1036 << QStringList{"&Fichier", "&Édition", "&Affichage", "Assis&tant", "Ai&de"};
        QTest::newRow("German") << 1031 << QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "Assi&stent", "&Hilfe"};
        QTest::newRow("Italian") << 1040
                                 << QStringList{"&File", "&Modifica", "&Visualizza", "&Procedura guidata", "&Guida"};
        QTest::newRow("Japanese") << 1041
                                  << QStringList{"ファイル(&F)", "編集(&E)", "表示(&V)", "ウィザード(&Z)",
                                                 "ヘルプ(&H)"};
        QTest::newRow("English") << 1033 << QStringList{"&File", "&Edit", "&View", "Wi&zard", "&Help"};
    }

    void language()
    {
        QFETCH(int, id);
        QFETCH(QStringList, titles);
        ResetStore({{"Settings/Settings.LanguageId", id}});
        MainWindow window(nullptr);
        window.show();
        QStringList shown;
        for (QAction* menu : window.menuBar()->actions())
            shown << menu->text();
        QCOMPARE(shown, titles);
        // Every menu keeps its access keys apart.
        for (QMenu* menu : window.menuBar()->findChildren<QMenu*>()) {
            QStringList keys;
            for (QAction* action : menu->actions()) {
                const int amp = action->text().indexOf('&');
                if (amp >= 0)
                    keys << action->text().mid(amp + 1, 1).toLower();
            }
            QCOMPARE(keys.removeDuplicates(), 0);
        }
        QCOMPARE(StoreValue("Settings/Settings.LanguageId").toInt(), id);
    }

    void translationSourcesComplete_data()
    {
        QTest::addColumn<QString>("code");
        for (const char* code : {"De", "Fr", "It", "Ja"})
            QTest::newRow(code) << QString(code);
    }

    void translationSourcesComplete()
    {
        QFETCH(QString, code);
        const QDomDocument ts = ReadXml(QStringLiteral(BQ_SOURCE_DIR "/translations/Ln_%1.ts").arg(code));
        QStringList windowSources;
        int checked = 0;
        const QDomNodeList contexts = ts.elementsByTagName("context");
        for (int c = 0; c < contexts.size(); ++c) {
            const QDomElement context = contexts.at(c).toElement();
            const QString name = context.firstChildElement("name").text();
            if (name != "MainWindow" && name != "CCheckNew" && name != "CDialogTip")
                continue;
            for (QDomElement m = context.firstChildElement("message"); !m.isNull();
                 m = m.nextSiblingElement("message")) {
                const QDomElement translation = m.firstChildElement("translation");
                const QString source = m.firstChildElement("source").text();
                QVERIFY2(!translation.hasAttribute("type") && !translation.text().isEmpty(), qPrintable(source));
                QCOMPARE(translation.text().count('%'), source.count('%'));
                if (name == "MainWindow")
                    windowSources << source;
                ++checked;
            }
        }
        QVERIFY(checked > 50);

        const QDomDocument form = ReadXml(QStringLiteral(BQ_SOURCE_DIR "/Project/Forms/MainWindow.ui"));
        const QDomNodeList properties = form.elementsByTagName("property");
        for (int i = 0; i < properties.size(); ++i) {
            const QDomElement property = properties.at(i).toElement();
            if (property.attribute("name") == "text" || property.attribute("name") == "title") {
                const QString text = property.firstChildElement("string").text();
                QVERIFY2(windowSources.contains(text), qPrintable(text));
            }
        }
    }
};

BQ_TEST_MAIN(TestThemeLanguage)
#include "tst_theme_language.moc"
