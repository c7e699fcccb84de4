// Naming engine: presets, keyword patterns, counters, case changes, search
// and replace, date and time texts, and the safe-name rule. Every name table
// also runs under a German default locale and must give the same names.
#include "BqTestMain.h"
#include "FilterFilename.h"
#include "PathSafety.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QVariantMap>

#include <functional>
#include <limits>

using EngineChange = std::function<void(CFilterFilename&)>;
Q_DECLARE_METATYPE(EngineChange)

namespace
{

const QString DefaultFolder = QStringLiteral("/Volumes/Photos/Trip");

// An engine on the photo /Volumes/Photos/Trip/IMG_0001.JPG with the output
// extension "jpg", then the options of `o`. "text" is a custom text as the
// rename settings hold it: the callers append ".[Extension]" to it.
CFilterFilename MakeEngine(const QVariantMap& o)
{
    CFilterFilename e;
    e.sourceFolder = o.value("folder", DefaultFolder).toString();
    e.sourceName = o.value("name", "IMG_0001").toString();
    e.sourcePath = o.value("path", e.sourceFolder + "/" + e.sourceName + ".JPG").toString();
    e.extension = o.value("ext", "jpg").toString();
    e.exifDate = o.value("exif").toString();
    if (o.contains("text"))
        e.pattern = o.value("text").toString() + ".[Extension]";
    if (o.contains("pattern"))
        e.pattern = o.value("pattern").toString();
    e.preset = o.value("preset", e.preset).toInt();
    e.listPosition = o.value("pos", 0).toLongLong();
    e.counterStart = o.value("start", e.counterStart).toLongLong();
    e.counterStep = o.value("step", e.counterStep).toLongLong();
    e.counterDigits = o.value("digits", e.counterDigits).toInt();
    e.caseMode = o.value("case", e.caseMode).toInt();
    e.lowerCaseExtension = o.value("lowerExt", e.lowerCaseExtension).toBool();
    e.showTime = o.value("showTime", e.showTime).toInt();
    e.timeFormat = o.value("timeFormat", e.timeFormat).toInt();
    e.dateFormat = o.value("dateFormat", e.dateFormat).toInt();
    e.dateSource = o.value("dateSource", e.dateSource).toInt();
    e.monitorNumbering = o.value("monitor", false).toBool();
    e.monitorPicCount = quint8(o.value("picCount", e.monitorPicCount).toUInt());
    if (o.contains("search")) {
        e.searchReplaceOn = o.value("searchOn", true).toBool();
        e.searchText = o.value("search").toString();
        e.replaceText = o.value("replace").toString();
    }
    return e;
}

// Names of the photos at positions 0 .. expected-1, each on its own copy as
// every worker holds one.
QStringList NamesFor(const QVariantMap& o, int count, int names)
{
    QStringList out;
    for (int pos = 0; pos < names; ++pos) {
        QVariantMap withPos = o;
        withPos.insert("pos", pos);
        CFilterFilename e = MakeEngine(withPos);
        e.GenerateFilename(count, true);
        out << e.result;
    }
    return out;
}

QString Repeat(const QString& s, int n)
{
    return s.repeated(n);
}

QString Ctl(const char* before, ushort code, const char* after)
{
    return QString::fromUtf8(before) + QChar(code) + QString::fromUtf8(after);
}

} // namespace

class TestNaming : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase_data();
    void initTestCase();
    void init();

    void sanitizer_data();
    void sanitizer();
    void utf8Helpers_data();
    void utf8Helpers();

    void names_data();
    void names();
    void presetRewritesEngine_data();
    void presetRewritesEngine();
    void searchReplaceLengthChange();
    void isOutputModified_data();
    void isOutputModified();

    void dateFormats_data();
    void dateFormats();
    void dateFallbacks_data();
    void dateFallbacks();
    void twelveHourClock_data();
    void twelveHourClock();
    void dateSourceIsClock();

    void randomPatternsGiveSafeNames();
    void equalityCoversEveryField_data();
    void equalityCoversEveryField();

private:
    QTemporaryDir m_dir;
    QString m_photo; // a file whose modification time is 2013-05-04 14:22:10 local
};

void TestNaming::initTestCase_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("C") << "C";
    QTest::newRow("German") << "de_DE";
}

void TestNaming::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_photo = m_dir.filePath("photo.jpg");
    QFile f(m_photo);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not really a photo");
    QVERIFY(f.flush()); // a later flush would move the time again
    QVERIFY(f.setFileTime(QDateTime(QDate(2013, 5, 4), QTime(14, 22, 10)), QFileDevice::FileModificationTime));
    f.close();
}

void TestNaming::init()
{
    QFETCH_GLOBAL(QString, locale);
    QLocale::setDefault(locale == "C" ? QLocale::c() : QLocale(QLocale::German));
}

void TestNaming::sanitizer_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    const QString e = QString::fromUtf8("é");
    const QString euro = QString::fromUtf8("€");
    const QString smile = QString::fromUtf8("😀");

    QTest::newRow("plain") << "IMG_0001.jpg"
                           << "IMG_0001.jpg";
    QTest::newRow("slash") << "a/b.jpg"
                           << "a_b.jpg";
    QTest::newRow("only slashes") << "//"
                                  << "__";
    QTest::newRow("nul") << Ctl("a", 0, "b") << "a_b";
    QTest::newRow("controls") << Ctl("", 1, "") + QChar(0x1F) + "\t\n"
                              << "____";
    QTest::newRow("delete") << Ctl("a", 0x7F, ".jpg") << "a_.jpg";
    QTest::newRow("above delete kept") << Ctl("a", 0xA0, "b") << Ctl("a", 0xA0, "b");
    QTest::newRow("empty") << ""
                           << "_";
    QTest::newRow("dot") << "."
                         << "_";
    QTest::newRow("dot dot") << ".."
                             << "_";
    QTest::newRow("three dots") << "..."
                                << "...";
    QTest::newRow("dot slash") << "./"
                               << "._";
    QTest::newRow("hidden") << ".jpg"
                            << ".jpg";
    QTest::newRow("trailing dot") << "IMG_0001."
                                  << "IMG_0001.";
    QTest::newRow("lone high surrogate") << Ctl("a", 0xD800, "b") << Ctl("a", 0xFFFD, "b");
    QTest::newRow("lone low surrogate") << Ctl("a", 0xDC00, "") << Ctl("a", 0xFFFD, "");
    QTest::newRow("249 bytes kept") << Repeat("a", 249) << Repeat("a", 249);
    QTest::newRow("250 bytes cut") << Repeat("a", 250) << Repeat("a", 249);
    QTest::newRow("long name, ext kept") << Repeat("a", 300) + ".jpg" << Repeat("a", 245) + ".jpg";
    QTest::newRow("2-byte chars") << Repeat(e, 200) + ".jpg" << Repeat(e, 122) + ".jpg";
    QTest::newRow("3-byte chars") << Repeat(euro, 100) + ".jpg" << Repeat(euro, 81) + ".jpg";
    QTest::newRow("pairs not split") << Repeat(smile, 100) + ".jpg" << Repeat(smile, 61) + ".jpg";
    QTest::newRow("inner dots kept") << Repeat("a.", 150) + "jpg" << Repeat("a.", 122) + "a" + ".jpg";
    QTest::newRow("huge ext keeps one char") << "ab." + Repeat("x", 300) << "a." + Repeat("x", 247);
    QTest::newRow("huge ext, 2-byte name") << e + "." + Repeat("x", 300) << e + "." + Repeat("x", 246);
    QTest::newRow("huge ext, no name") << "." + Repeat("x", 300) << "." + Repeat("x", 248);
    QTest::newRow("slash in ext") << "a.b/c"
                                  << "a.b_c";
}

void TestNaming::sanitizer()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    const QString safe = CPathSafety::SanitizeFileName(input);
    QCOMPARE(safe, expected);
    QVERIFY(safe.toUtf8().size() <= 249);
    // A sanitised name is a fixed point.
    QCOMPARE(CPathSafety::SanitizeFileName(safe), safe);
}

void TestNaming::utf8Helpers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<QString>("expected");

    const QString smile = QString::fromUtf8("😀");
    QTest::newRow("ascii fits") << "abc" << 3 << "abc";
    QTest::newRow("ascii cut") << "abcdef" << 4 << "abcd";
    QTest::newRow("2-byte boundary") << QString::fromUtf8("ééé") << 5 << QString::fromUtf8("éé");
    QTest::newRow("pair not split") << smile + smile << 7 << smile;
    QTest::newRow("zero") << "abc" << 0 << "";
    QTest::newRow("negative") << "abc" << -3 << "";
}

void TestNaming::utf8Helpers()
{
    QFETCH(QString, text);
    QFETCH(int, maxBytes);
    QFETCH(QString, expected);
    QCOMPARE(CPathSafety::TruncateUtf8(text, maxBytes), expected);
    QCOMPARE(CPathSafety::Utf8Length(text), text.toUtf8().size());
}

void TestNaming::names_data()
{
    QTest::addColumn<QVariantMap>("options");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("expected"); // positions 0, 1, ...

    const QString exif = "2012:01:05 10:30:00";

    // Presets.
    QTest::newRow("preset 0 keeps name") << QVariantMap{{"preset", 0}, {"ext", "JPG"}} << 3
                                         << QStringList{"IMG_0001.jpg"};
    QTest::newRow("preset 0 resets options")
        << QVariantMap{{"preset", 0}, {"case", 2}, {"search", "IMG"}, {"replace", "x"}, {"lowerExt", false}} << 3
        << QStringList{"IMG_0001.jpg"};
    QTest::newRow("preset 1 single") << QVariantMap{{"preset", 1}} << 1 << QStringList{"Trip.jpg"};
    QTest::newRow("preset 1 several") << QVariantMap{{"preset", 1}, {"digits", 5}, {"step", 7}} << 3
                                      << QStringList{"Trip 001.jpg", "Trip 002.jpg"};
    QTest::newRow("preset 1 trailing slash")
        << QVariantMap{{"preset", 1}, {"folder", "/Volumes/Photos/Trip/"}} << 1 << QStringList{"Trip.jpg"};
    QTest::newRow("preset 1 folder without slash")
        << QVariantMap{{"preset", 1}, {"folder", "Trip"}} << 1 << QStringList{".jpg"};
    QTest::newRow("preset 1 monitor") << QVariantMap{{"preset", 1}, {"monitor", true}, {"picCount", 41}} << 1
                                      << QStringList{"Trip 042.jpg", "Trip 043.jpg"};
    QTest::newRow("preset 2 photo date") << QVariantMap{{"preset", 2},
                                                        {"exif", exif},
                                                        {"showTime", 1},
                                                        {"dateFormat", 10}}
                                         << 3 << QStringList{"Jan-05-2012 10-30 AM.jpg"};

    // Custom patterns, start 1, step 1, digits 2.
    QTest::newRow("folder_x several") << QVariantMap{{"text", "[FolderName]_x"}} << 3
                                      << QStringList{"Trip_x (01).jpg", "Trip_x (02).jpg", "Trip_x (03).jpg"};
    QTest::newRow("folder_x single") << QVariantMap{{"text", "[FolderName]_x"}} << 1 << QStringList{"Trip_x.jpg"};
    QTest::newRow("holiday several") << QVariantMap{{"text", "holiday"}} << 3
                                     << QStringList{"holiday (01).jpg", "holiday (02).jpg", "holiday (03).jpg"};
    QTest::newRow("holiday single") << QVariantMap{{"text", "holiday"}} << 1 << QStringList{"holiday.jpg"};
    QTest::newRow("empty single") << QVariantMap{{"text", ""}} << 1 << QStringList{" (01).jpg"};
    QTest::newRow("empty several") << QVariantMap{{"text", ""}} << 3 << QStringList{" (01).jpg", " (02).jpg"};
    QTest::newRow("extension only") << QVariantMap{{"text", "[Extension]"}} << 3 << QStringList{"jpg (01).jpg"};
    QTest::newRow("unknown keyword") << QVariantMap{{"text", "[Filename]-[Foo]"}} << 3 << QStringList{"IMG_0001-.jpg"};
    QTest::newRow("stray bracket") << QVariantMap{{"text", "a]b[Filename]"}} << 3 << QStringList{"abIMG_0001.jpg"};
    QTest::newRow("open bracket") << QVariantMap{{"text", "a[b"}} << 1 << QStringList{"ajpg"};
    QTest::newRow("unclosed keyword") << QVariantMap{{"text", "x[Filename"}} << 3 << QStringList{"x01).jpg"};
    QTest::newRow("upper keyword") << QVariantMap{{"text", "[COUNTER]"}} << 3 << QStringList{"01.jpg", "02.jpg"};
    QTest::newRow("inner dot kept") << QVariantMap{{"text", "my.holiday"}} << 1 << QStringList{"my.holiday.jpg"};
    QTest::newRow("own counter, exact case")
        << QVariantMap{{"text", "[FolderName] ([Counter])"}} << 1 << QStringList{"Trip.jpg"};
    QTest::newRow("own counter, other case")
        << QVariantMap{{"text", "[FolderName] ([counter])"}} << 1 << QStringList{"Trip (01).jpg"};
    QTest::newRow("empty extension") << QVariantMap{{"text", "[Filename]"}, {"ext", ""}} << 1
                                     << QStringList{"IMG_0001."};
    QTest::newRow("empty source name") << QVariantMap{{"text", "[Filename]"}, {"name", ""}} << 1 << QStringList{".jpg"};
    QTest::newRow("no date anywhere") << QVariantMap{{"text", "[DateTime]"}, {"path", "/nonexistent/x.jpg"}} << 3
                                      << QStringList{"Jan-01-1900 12-00 AM.jpg"};

    // Counter.
    QTest::newRow("counting down") << QVariantMap{{"text", "[Counter]"}, {"start", 0}, {"step", -1}} << 3
                                   << QStringList{"00.jpg", "-1.jpg", "-2.jpg"};
    QTest::newRow("minus inside width") << QVariantMap{{"text", "[Counter]"}, {"start", -1}, {"digits", 3}} << 3
                                        << QStringList{"-01.jpg", "000.jpg"};
    QTest::newRow("digits 0") << QVariantMap{{"text", "[Counter]"}, {"digits", 0}} << 3
                              << QStringList{"1.jpg", "2.jpg"};
    QTest::newRow("digits -5") << QVariantMap{{"text", "[Counter]"}, {"digits", -5}} << 3
                               << QStringList{"1.jpg", "2.jpg"};
    QTest::newRow("64-bit start") << QVariantMap{{"text", "[Counter]"}, {"start", Q_INT64_C(5000000000)}} << 3
                                  << QStringList{"5000000000.jpg", "5000000001.jpg"};
    QTest::newRow("64-bit step") << QVariantMap{{"text", "[Counter]"}, {"step", Q_INT64_C(3000000000)}} << 3
                                 << QStringList{"01.jpg", "3000000001.jpg", "6000000001.jpg"};
    QTest::newRow("smallest int64") << QVariantMap{{"text", "[Counter]"},
                                                   {"start", std::numeric_limits<qint64>::min()},
                                                   {"step", 0}}
                                    << 3 << QStringList{"-9223372036854775808.jpg"};
    QTest::newRow("worked example") << QVariantMap{{"pattern", "[FolderName]_[Counter].[Extension]"},
                                                   {"step", 2},
                                                   {"digits", 3},
                                                   {"ext", "JPG"},
                                                   {"case", 3}}
                                    << 9
                                    << QStringList{"Trip_001.jpg", "Trip_003.jpg", "Trip_005.jpg", "Trip_007.jpg",
                                                   "Trip_009.jpg"};

    // Case.
    QTest::newRow("mixed words") << QVariantMap{{"text", "[Filename]"}, {"name", "my NEW photo"}, {"case", 3}} << 1
                                 << QStringList{"My New Photo.jpg"};
    QTest::newRow("mixed underscore") << QVariantMap{{"text", "[Filename]"}, {"name", "my_new"}, {"case", 3}} << 1
                                      << QStringList{"My_new.jpg"};
    QTest::newRow("mixed leading blank") << QVariantMap{{"text", "[Filename]"}, {"name", " abc"}, {"case", 3}} << 1
                                         << QStringList{" Abc.jpg"};
    QTest::newRow("mixed empty name") << QVariantMap{{"text", "[Filename]"}, {"name", ""}, {"case", 3}} << 1
                                      << QStringList{".jpg"};
    QTest::newRow("upper, ext option off")
        << QVariantMap{{"text", "[Filename]"}, {"name", "img_0001"}, {"case", 2}, {"lowerExt", false}} << 1
        << QStringList{"IMG_0001.JPG"};
    QTest::newRow("upper, ext option on")
        << QVariantMap{{"text", "[Filename]"}, {"name", "img_0001"}, {"case", 2}} << 1 << QStringList{"IMG_0001.jpg"};
    QTest::newRow("lower") << QVariantMap{{"text", "[Filename]"}, {"case", 1}} << 1 << QStringList{"img_0001.jpg"};
    QTest::newRow("text after last dot dropped")
        << QVariantMap{{"pattern", "[Filename].JPG"}, {"lowerExt", false}} << 1 << QStringList{"IMG_0001.jpg"};
    QTest::newRow("case mode 9") << QVariantMap{{"text", "[Filename]"}, {"name", "ImG_0001"}, {"case", 9}} << 1
                                 << QStringList{"ImG_0001.jpg"};

    // Search and replace.
    QTest::newRow("replace keeps nothing of match")
        << QVariantMap{{"text", "[Filename]"}, {"name", "IMG_img_Img"}, {"search", "img"}, {"replace", "Pic"}} << 1
        << QStringList{"Pic_Pic_Pic.jpg"};
    QTest::newRow("empty replacement deletes")
        << QVariantMap{{"text", "[Filename]"}, {"name", "Xbox"}, {"search", "x"}, {"replace", ""}} << 1
        << QStringList{"bo.jpg"};
    QTest::newRow("unmatched keep case") << QVariantMap{{"text", "[Filename]"},
                                                        {"name", "NewYork-NEWS"},
                                                        {"search", "new"},
                                                        {"replace", "old"}}
                                         << 1 << QStringList{"oldYork-oldS.jpg"};
    QTest::newRow("extension untouched") << QVariantMap{{"text", "[Filename]"},
                                                        {"name", "photo"},
                                                        {"search", "jpg"},
                                                        {"replace", "x"}}
                                         << 1 << QStringList{"photo.jpg"};
    // Upper-casing changes the length of "ß" and lower-casing that of "İ":
    // nothing outside a match may move or change.
    QTest::newRow("sharp s replaced") << QVariantMap{{"text", "[Filename]"},
                                                     {"name", QString::fromUtf8("Weißbier_2012")},
                                                     {"search", QString::fromUtf8("ß")},
                                                     {"replace", "ss"}}
                                      << 1 << QStringList{"Weissbier_2012.jpg"};
    QTest::newRow("sharp s, blank kept") << QVariantMap{{"text", "[Filename]"},
                                                        {"name", QString::fromUtf8("Straße Ende")},
                                                        {"search", QString::fromUtf8("ß")},
                                                        {"replace", "ss"}}
                                         << 1 << QStringList{"Strasse Ende.jpg"};
    QTest::newRow("dotted I kept") << QVariantMap{{"text", "[Filename]"},
                                                  {"name", QString::fromUtf8("İstanbul")},
                                                  {"search", "STAN"},
                                                  {"replace", "X"}}
                                   << 1 << QStringList{QString::fromUtf8("İXbul.jpg")};
    QTest::newRow("switched off") << QVariantMap{{"text", "[Filename]"}, {"search", "IMG"}, {"searchOn", false}} << 1
                                  << QStringList{"IMG_0001.jpg"};
    QTest::newRow("empty search") << QVariantMap{{"text", "[Filename]"}, {"search", ""}, {"replace", "x"}} << 1
                                  << QStringList{"IMG_0001.jpg"};

    // Safe names.
    QTest::newRow("replacement makes a path")
        << QVariantMap{{"text", "[Filename]"}, {"search", "IMG"}, {"replace", "../"}} << 1
        << QStringList{"..__0001.jpg"};
    QTest::newRow("tab") << QVariantMap{{"text", "a\tb"}} << 3 << QStringList{"a_b (01).jpg"};
    QTest::newRow("delete char") << QVariantMap{{"text", Ctl("a", 0x7F, "b")}} << 3 << QStringList{"a_b (01).jpg"};
    QTest::newRow("nul") << QVariantMap{{"text", Ctl("a", 0, "b")}} << 3 << QStringList{"a_b (01).jpg"};
    QTest::newRow("slash") << QVariantMap{{"text", "a/b"}} << 3 << QStringList{"a_b (01).jpg"};
    QTest::newRow("dot only") << QVariantMap{{"text", "."}, {"ext", ""}} << 1 << QStringList{"_"};
    QTest::newRow("slash in extension") << QVariantMap{{"text", "[Filename]"}, {"ext", "j/pg"}} << 1
                                        << QStringList{"IMG_0001.j_pg"};
    QTest::newRow("1000 digits") << QVariantMap{{"text", "[Counter]"}, {"digits", 1000}} << 3
                                 << QStringList{Repeat("0", 245) + ".jpg"};
    QTest::newRow("huge digits") << QVariantMap{{"text", "[Counter]"}, {"digits", std::numeric_limits<int>::max()}} << 3
                                 << QStringList{Repeat("0", 245) + ".jpg"};
    QTest::newRow("200 e-acute") << QVariantMap{{"text", "[Filename]"}, {"name", Repeat(QString::fromUtf8("é"), 200)}}
                                 << 1 << QStringList{Repeat(QString::fromUtf8("é"), 122) + ".jpg"};
}

void TestNaming::names()
{
    QFETCH(QVariantMap, options);
    QFETCH(int, count);
    QFETCH(QStringList, expected);

    QCOMPARE(NamesFor(options, count, expected.size()), expected);
}

void TestNaming::presetRewritesEngine_data()
{
    QTest::addColumn<QVariantMap>("options");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<qint64>("start");

    QTest::newRow("preset 0") << QVariantMap{{"preset", 0}} << 3 << "[Filename].[Extension]" << qint64(1);
    QTest::newRow("preset 1 several") << QVariantMap{{"preset", 1}} << 3 << "[FolderName] [Counter].[Extension]"
                                      << qint64(1);
    QTest::newRow("preset 1 single") << QVariantMap{{"preset", 1}} << 1 << "[FolderName].[Extension]" << qint64(1);
    QTest::newRow("preset 1 single, monitor") << QVariantMap{{"preset", 1}, {"monitor", true}, {"picCount", 255}} << 1
                                              << "[FolderName] [Counter].[Extension]" << qint64(256);
    QTest::newRow("preset 2") << QVariantMap{{"preset", 2}} << 3 << "[DateTime].[Extension]" << qint64(1);
}

void TestNaming::presetRewritesEngine()
{
    QFETCH(QVariantMap, options);
    QFETCH(int, count);
    QFETCH(QString, pattern);
    QFETCH(qint64, start);

    options.insert("text", "mine");
    options.insert("case", 3);
    options.insert("lowerExt", false);
    options.insert("step", 5);
    options.insert("digits", 7);
    options.insert("showTime", 1);
    options.insert("dateFormat", 4);
    options.insert("timeFormat", 1);
    options.insert("dateSource", 1);
    options.insert("search", "a");
    options.insert("replace", "b");
    CFilterFilename e = MakeEngine(options);
    e.GenerateFilename(count, true);

    QCOMPARE(e.pattern, pattern);
    QCOMPARE(e.counterDigits, 3);
    QCOMPARE(e.counterStart, start);
    QCOMPARE(e.counterStep, qint64(1));
    QCOMPARE(e.caseMode, 0);
    QVERIFY(e.lowerCaseExtension);
    QCOMPARE(e.dateSource, 0);
    QCOMPARE(e.dateFormat, 0);
    QCOMPARE(e.timeFormat, 0);
    QCOMPARE(e.showTime, 0);
    QVERIFY(!e.searchReplaceOn);
    QVERIFY(e.searchText.isEmpty());
    QVERIFY(e.replaceText.isEmpty());

    // A custom preset leaves everything as the caller stored it.
    options.insert("preset", 3);
    CFilterFilename custom = MakeEngine(options);
    const CFilterFilename before = custom;
    custom.GenerateFilename(count, true);
    QCOMPARE(custom.pattern, before.pattern);
    QCOMPARE(custom.counterDigits, 7);
    QCOMPARE(custom.caseMode, 3);
    QVERIFY(custom.searchReplaceOn);
}

void TestNaming::searchReplaceLengthChange()
{
    // Lower-casing U+0130 gives two characters, so the lower-cased copy is
    // longer than the name.
    const QString name = QString(QChar(0x130)) + "stanbul";
    QVERIFY(name.toLower().size() > name.size());
    CFilterFilename e =
        MakeEngine({{"text", "[Filename]"}, {"name", name}, {"search", "stan"}, {"replace", "X"}, {"ext", "jpg"}});
    e.GenerateFilename(1, true);
    QVERIFY2(e.result.contains("X"), qPrintable(e.result));
    QVERIFY(!e.result.contains("stan", Qt::CaseInsensitive));
    QVERIFY(e.result.endsWith(".jpg"));
}

void TestNaming::isOutputModified_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("preset");
    QTest::addColumn<bool>("modified");

    QTest::newRow("keep name") << "[Filename].[Extension]" << 3 << false;
    QTest::newRow("lower f") << "[filename].[Extension]" << 3 << true;
    QTest::newRow("lower e") << "[Filename].[extension]" << 3 << true;
    QTest::newRow("suffix") << "[Filename]_x.[Extension]" << 3 << true;
    QTest::newRow("empty") << "" << 3 << true;
    QTest::newRow("preset 0 writes keep name") << "holiday.[Extension]" << 0 << false;
    QTest::newRow("preset 1 writes its pattern") << "[Filename].[Extension]" << 1 << true;
}

void TestNaming::isOutputModified()
{
    QFETCH(QString, pattern);
    QFETCH(int, preset);
    QFETCH(bool, modified);
    CFilterFilename e = MakeEngine({{"pattern", pattern}, {"preset", preset}});
    if (preset != 3)
        e.GenerateFilename(3, false);
    QCOMPARE(e.IsOutputModified(), modified);
}

void TestNaming::dateFormats_data()
{
    QTest::addColumn<int>("dateFormat");
    QTest::addColumn<int>("showTime");
    QTest::addColumn<int>("timeFormat");
    QTest::addColumn<QString>("exif");
    QTest::addColumn<QString>("expected");

    const QString exif = "2012:01:05 22:30:15";
    const char* formats[] = {"Jan-05-2012", "Jan-05-12", "05-Jan-2012", "05-Jan-12", "2012-Jan-05", "12-Jan-05",
                             "01-05-2012",  "01-05-12",  "05-01-2012",  "05-01-12",  "2012-01-05",  "12-01-05"};
    for (int i = 0; i < 12; ++i)
        QTest::addRow("format %d", i) << i << 2 << 0 << exif << formats[i];

    QTest::newRow("AM/PM HH-MM") << 0 << 0 << 0 << exif << "Jan-05-2012 10-30 PM";
    QTest::newRow("24h HH-MM-SS") << 10 << 1 << 1 << exif << "2012-01-05 22-30-15";
    QTest::newRow("no time") << 5 << 2 << 0 << exif << "12-Jan-05";
    QTest::newRow("format 12 leaves blank") << 12 << 0 << 0 << exif << " 10-30 PM";
    QTest::newRow("format -1") << -1 << 1 << 0 << exif << " 22-30";
    QTest::newRow("format 12, no time") << 12 << 2 << 0 << exif << "";
    QTest::newRow("show time 5") << 10 << 5 << 0 << exif << "2012-01-05";
    QTest::newRow("show time -1") << 10 << -1 << 1 << exif << "2012-01-05";
    QTest::newRow("time format 2") << 10 << 1 << 2 << exif << "2012-01-05";
    QTest::newRow("other separators") << 10 << 1 << 1 << "2012-01-05T22.30.15"
                                      << "2012-01-05 22-30-15";
    QTest::newRow("date only") << 10 << 1 << 1 << "2012:01:05"
                               << "2012-01-05 00-00-00";
    QTest::newRow("31 February kept") << 10 << 2 << 0 << "2012:02:31 00:00:00"
                                      << "2012-02-31";
    QTest::newRow("year 1999") << 1 << 2 << 0 << "1999:06:07 08:09:10"
                               << "Jun-07-99";
    QTest::newRow("year 2000") << 1 << 2 << 0 << "2000:06:07 08:09:10"
                               << "Jun-07-00";
    QTest::newRow("year 2105") << 1 << 2 << 0 << "2105:06:07 08:09:10"
                               << "Jun-07-105";
    QTest::newRow("year 1900") << 11 << 2 << 0 << "1900:12:31 23:59:59"
                               << "00-12-31";
    QTest::newRow("year 3000") << 4 << 2 << 0 << "3000:12:31 23:59:59"
                               << "3000-Dec-31";
}

void TestNaming::dateFormats()
{
    QFETCH(int, dateFormat);
    QFETCH(int, showTime);
    QFETCH(int, timeFormat);
    QFETCH(QString, exif);
    QFETCH(QString, expected);

    CFilterFilename e = MakeEngine({{"exif", exif}, {"path", m_photo}});
    QString text = "stale";
    e.ComputeDateTime(text, showTime, 0, dateFormat, timeFormat);
    QCOMPARE(text, expected);

    // The keyword goes through the engine's own options.
    e.pattern = "[DateTime].[Extension]";
    e.dateFormat = dateFormat;
    e.showTime = showTime;
    e.timeFormat = timeFormat;
    e.GenerateFilename(3, true);
    QCOMPARE(e.result, CPathSafety::SanitizeFileName(expected + ".jpg"));
}

void TestNaming::dateFallbacks_data()
{
    QTest::addColumn<QString>("exif");
    QTest::addColumn<bool>("withFile");
    QTest::addColumn<QString>("expected");

    const QString fileTime = "2013-05-04 14-22";
    QTest::newRow("month 13") << "2012:13:05 10:00:00" << true << fileTime;
    QTest::newRow("all zero") << "0000:00:00 00:00:00" << true << fileTime;
    QTest::newRow("too short for the day") << "2012:01" << true << fileTime;
    QTest::newRow("day 32") << "2012:01:32 10:00:00" << true << fileTime;
    QTest::newRow("hour 24") << "2012:01:05 24:00:00" << true << fileTime;
    QTest::newRow("minute 60") << "2012:01:05 10:60:00" << true << fileTime;
    QTest::newRow("second 60") << "2012:01:05 10:00:60" << true << fileTime;
    QTest::newRow("year 1899") << "1899:01:05 10:00:00" << true << fileTime;
    QTest::newRow("year 3001") << "3001:01:05 10:00:00" << true << fileTime;
    QTest::newRow("letters") << "abcd:ef:gh ij:kl:mn" << true << fileTime;
    QTest::newRow("empty") << "" << true << fileTime;
    QTest::newRow("valid wins over file") << "2012:01:05 10:00:00" << true << "2012-01-05 10-00";
    QTest::newRow("no file") << "2012:13:05 10:00:00" << false << "1900-01-01 00-00";
    QTest::newRow("no file, no exif") << "" << false << "1900-01-01 00-00";
}

void TestNaming::dateFallbacks()
{
    QFETCH(QString, exif);
    QFETCH(bool, withFile);
    QFETCH(QString, expected);

    CFilterFilename e = MakeEngine({{"exif", exif}, {"path", withFile ? m_photo : m_dir.filePath("missing.jpg")}});
    QString text;
    e.ComputeDateTime(text, 1, 0, 10, 0);
    QCOMPARE(text, expected);
}

void TestNaming::twelveHourClock_data()
{
    QTest::addColumn<QString>("time");
    QTest::addColumn<int>("timeFormat");
    QTest::addColumn<QString>("expected");

    QTest::newRow("midnight") << "00:05:00" << 0 << "12-05 AM";
    QTest::newRow("one") << "01:00:00" << 0 << "01-00 AM";
    QTest::newRow("before noon") << "11:59:00" << 0 << "11-59 AM";
    QTest::newRow("noon") << "12:05:00" << 0 << "12-05 PM";
    QTest::newRow("afternoon") << "13:05:00" << 0 << "01-05 PM";
    QTest::newRow("last second") << "23:59:59" << 1 << "11-59-59 PM";
    QTest::newRow("midnight with seconds") << "00:00:07" << 1 << "12-00-07 AM";
}

void TestNaming::twelveHourClock()
{
    QFETCH(QString, time);
    QFETCH(int, timeFormat);
    QFETCH(QString, expected);

    CFilterFilename e = MakeEngine({{"exif", "2012:01:05 " + time}});
    QString text;
    e.ComputeDateTime(text, 0, 0, 10, timeFormat);
    QCOMPARE(text, "2012-01-05 " + expected);
}

void TestNaming::dateSourceIsClock()
{
    CFilterFilename e = MakeEngine({{"exif", "2012:01:05 22:30:15"}, {"path", m_photo}});
    const QDateTime before = QDateTime::currentDateTime();
    QString text;
    e.ComputeDateTime(text, 1, 1, 10, 1);
    const QDateTime after = QDateTime::currentDateTime();

    const QDateTime got = QDateTime::fromString(text, "yyyy-MM-dd HH-mm-ss");
    QVERIFY2(got.isValid(), qPrintable(text));
    const QDateTime floor = before.addMSecs(-before.time().msec());
    QVERIFY2(got >= floor && got <= after, qPrintable(text));
}

void TestNaming::randomPatternsGiveSafeNames()
{
    const QStringList alphabet = {"[",
                                  "]",
                                  ".",
                                  "/",
                                  " ",
                                  "a",
                                  QString::fromUtf8("é"),
                                  "\t",
                                  QString(QChar(0)),
                                  "[Filename]",
                                  "[FolderName]",
                                  "[Extension]",
                                  "[Counter]",
                                  "[DateTime]"};
    QRandomGenerator rng(20240607);
    auto text = [&](int maxTokens) {
        QString s;
        const int n = int(rng.bounded(maxTokens + 1));
        for (int i = 0; i < n; ++i)
            s += alphabet.at(int(rng.bounded(alphabet.size())));
        return s;
    };

    for (int round = 0; round < 10000; ++round) {
        CFilterFilename e;
        e.pattern = text(24);
        e.preset = int(rng.bounded(8)) < 7 ? 3 : int(rng.bounded(4));
        e.sourceName = text(4);
        e.sourceFolder = text(4);
        e.sourcePath = m_dir.filePath("missing.jpg");
        e.extension = text(2);
        e.counterDigits = int(rng.bounded(1, 1001));
        e.counterStep = rng.bounded(-1000, 1001);
        e.counterStart = rng.bounded(-1000, 1001);
        e.caseMode = int(rng.bounded(6));
        e.lowerCaseExtension = rng.bounded(2) == 1;
        e.dateFormat = int(rng.bounded(-1, 13));
        e.showTime = int(rng.bounded(4));
        e.timeFormat = int(rng.bounded(3));
        e.searchReplaceOn = rng.bounded(4) != 0;
        e.searchText = text(3);
        e.replaceText = text(3);
        e.monitorNumbering = rng.bounded(8) == 0;
        const int count = int(rng.bounded(1, 5));
        e.listPosition = rng.bounded(count);

        CFilterFilename run = e;
        e.GenerateFilename(count, true);
        run.GenerateFilename(count, false);
        const QString& name = e.result;
        const QByteArray context = "round " + QByteArray::number(round) + ": " + name.toUtf8();
        QVERIFY2(name == run.result, context.constData());
        QVERIFY2(!name.isEmpty(), context.constData());
        QVERIFY2(name != "." && name != "..", context.constData());
        QVERIFY2(!name.contains('/'), context.constData());
        for (QChar c : name)
            QVERIFY2(c.unicode() >= 0x20 && c.unicode() != 0x7F && !c.isSurrogate(), context.constData());
        QVERIFY2(name.toUtf8().size() <= 249, context.constData());
    }
}

void TestNaming::equalityCoversEveryField_data()
{
    QTest::addColumn<EngineChange>("change");
    // clang-format off
    QTest::newRow("pattern") << EngineChange([](CFilterFilename& e) { e.pattern = "x"; });
    QTest::newRow("workPattern") << EngineChange([](CFilterFilename& e) { e.workPattern = "x"; });
    QTest::newRow("caseMode") << EngineChange([](CFilterFilename& e) { e.caseMode = 2; });
    QTest::newRow("preset") << EngineChange([](CFilterFilename& e) { e.preset = 0; });
    QTest::newRow("lowerCaseExtension") << EngineChange([](CFilterFilename& e) { e.lowerCaseExtension = false; });
    QTest::newRow("counterStart") << EngineChange([](CFilterFilename& e) { e.counterStart = Q_INT64_C(1) << 40; });
    QTest::newRow("counterDigits") << EngineChange([](CFilterFilename& e) { e.counterDigits = 5; });
    QTest::newRow("counterStep") << EngineChange([](CFilterFilename& e) { e.counterStep = Q_INT64_C(1) << 40; });
    QTest::newRow("dateSource") << EngineChange([](CFilterFilename& e) { e.dateSource = 1; });
    QTest::newRow("dateFormat") << EngineChange([](CFilterFilename& e) { e.dateFormat = 4; });
    QTest::newRow("timeFormat") << EngineChange([](CFilterFilename& e) { e.timeFormat = 1; });
    QTest::newRow("showTime") << EngineChange([](CFilterFilename& e) { e.showTime = 2; });
    QTest::newRow("searchReplaceOn") << EngineChange([](CFilterFilename& e) { e.searchReplaceOn = true; });
    QTest::newRow("searchText") << EngineChange([](CFilterFilename& e) { e.searchText = "x"; });
    QTest::newRow("replaceText") << EngineChange([](CFilterFilename& e) { e.replaceText = "x"; });
    QTest::newRow("result") << EngineChange([](CFilterFilename& e) { e.result = "x"; });
    QTest::newRow("sourcePath") << EngineChange([](CFilterFilename& e) { e.sourcePath = "x"; });
    QTest::newRow("sourceFolder") << EngineChange([](CFilterFilename& e) { e.sourceFolder = "x"; });
    QTest::newRow("sourceName") << EngineChange([](CFilterFilename& e) { e.sourceName = "x"; });
    QTest::newRow("extension") << EngineChange([](CFilterFilename& e) { e.extension = "x"; });
    QTest::newRow("listPosition") << EngineChange([](CFilterFilename& e) { e.listPosition = Q_INT64_C(1) << 40; });
    QTest::newRow("exifDate") << EngineChange([](CFilterFilename& e) { e.exifDate = "x"; });
    QTest::newRow("monitorNumbering") << EngineChange([](CFilterFilename& e) { e.monitorNumbering = true; });
    QTest::newRow("monitorPicCount") << EngineChange([](CFilterFilename& e) { e.monitorPicCount = 200; });
    // clang-format on
}

void TestNaming::equalityCoversEveryField()
{
    QFETCH(EngineChange, change);
    const CFilterFilename defaults;
    QCOMPARE(defaults.preset, 3);
    QCOMPARE(defaults.counterDigits, 2);
    QCOMPARE(defaults.counterStart, qint64(1));
    QCOMPARE(defaults.counterStep, qint64(1));
    QCOMPARE(defaults.monitorPicCount, quint8(1));
    QVERIFY(defaults.lowerCaseExtension);

    CFilterFilename changed = defaults;
    QVERIFY(changed == defaults);
    change(changed);
    QVERIFY(changed != defaults);
    const CFilterFilename copy = changed; // the default copy takes every field
    QVERIFY(copy == changed);
}

BQ_TEST_MAIN(TestNaming)
#include "tst_naming.moc"
