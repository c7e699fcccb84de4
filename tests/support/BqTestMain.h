#pragma once
// Test entry point that isolates every test from the real home folder.
// QTEST_MAIN builds the application before initTestCase and Qt caches the
// settings path at first use, so the environment must be set before either.

#include <QApplication>
#include <QTest>

namespace BqTest {
// Creates a temporary home, points HOME, the XDG folders and TMPDIR into it and sets
// the offscreen platform when none is set. Aborts when the settings store
// would still live outside the temporary home. Returns the folder.
QString IsolateEnvironment();
// The temporary home made by IsolateEnvironment().
QString TempHome();
} // namespace BqTest

// AppClass is QApplication or the program's own NativeLookingApplication.
#define BQ_TEST_MAIN_APP(TestObject, AppClass)                                                                         \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        BqTest::IsolateEnvironment();                                                                                  \
        AppClass app(argc, argv);                                                                                      \
        BqTest::ApplyShotsFont();                                                                                      \
        BqTest::CheckSettingsIsolated();                                                                               \
        TestObject tc;                                                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }

#define BQ_TEST_MAIN(TestObject) BQ_TEST_MAIN_APP(TestObject, QApplication)

namespace BqTest {
// The application font of a generic desktop under Xvfb, also on the
// offscreen platform; with BQ_SHOTS_FONT_PT set (scripts/screenshots passes
// it on), at that point size, as on a desktop with larger fonts.
void ApplyShotsFont();
// With BQ_SHOTS_LANG set to de, fr, it or ja, installs that translation, so
// that a screenshot program draws every window in that language. Exits with 2
// when the language has no translation.
void ApplyShotsLanguage();
// Aborts unless QSettings("Quorvelline", "Brandquill") lives inside TempHome().
void CheckSettingsIsolated();
} // namespace BqTest
