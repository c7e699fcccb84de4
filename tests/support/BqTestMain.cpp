#include "BqTestMain.h"
#include "ResourceRoot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {
// Removed when the test process exits.
std::unique_ptr<QTemporaryDir> g_home;

void setEnv(const char* name, const QString& value)
{
    qputenv(name, QFile::encodeName(value));
}
} // namespace

namespace BqTest {

QString IsolateEnvironment()
{
    if (g_home)
        return g_home->path();
    g_home.reset(new QTemporaryDir(QDir::tempPath() + "/bqtest-XXXXXX"));
    if (!g_home->isValid()) {
        std::fprintf(stderr, "cannot create a temporary home\n");
        std::abort();
    }
    const QString home = g_home->path();
    const QString runtime = home + "/runtime";
    QDir().mkpath(home + "/.config");
    QDir().mkpath(home + "/.local/share");
    QDir().mkpath(home + "/.cache");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setEnv("HOME", home);
    setEnv("XDG_CONFIG_HOME", home + "/.config");
    setEnv("XDG_DATA_HOME", home + "/.local/share");
    setEnv("XDG_CACHE_HOME", home + "/.cache");
    setEnv("XDG_RUNTIME_DIR", runtime);
    QDir().mkpath(home + "/tmp");
    setEnv("TMPDIR", home + "/tmp");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return home;
}

QString TempHome()
{
    return g_home ? g_home->path() : QString();
}

void ApplyShotsFont()
{
    // The offscreen platform's own default is a 12-point font; draw with the
    // one a generic desktop under Xvfb gives the program.
    QFont font = QGuiApplication::platformName() == QLatin1String("offscreen") ? QFont(QStringLiteral("Sans Serif"), 9)
                                                                               : QApplication::font();
    const int points = qEnvironmentVariableIntValue("BQ_SHOTS_FONT_PT");
    if (points > 0)
        font.setPointSize(points);
    QApplication::setFont(font);
}

void ApplyShotsLanguage()
{
    const QString language = qEnvironmentVariable("BQ_SHOTS_LANG").toLower();
    if (language.isEmpty() || language == QLatin1String("en"))
        return;
    static QTranslator own, qt; // installed for the life of the program
    const QString code = language.left(1).toUpper() + language.mid(1);
    if (!own.load(QStringLiteral("Ln_") + code, ResourceRoot())) {
        std::fprintf(stderr, "no translation Ln_%s in %s\n", qPrintable(code), qPrintable(ResourceRoot()));
        std::exit(2);
    }
    QCoreApplication::installTranslator(&own);
    if (qt.load(QStringLiteral("qtbase_") + language, QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
}

void CheckSettingsIsolated()
{
    const QString file = QSettings("Quorvelline", "Brandquill").fileName();
    if (!g_home || !QDir::cleanPath(file).startsWith(QDir::cleanPath(g_home->path()) + "/")) {
        std::fprintf(stderr, "settings store %s is outside the temporary home\n", qPrintable(file));
        std::abort();
    }
}

} // namespace BqTest
