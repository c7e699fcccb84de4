// Profile headers without the browser: which files are read and which are
// refused, the header properties, and the in-place rewrite of a user
// profile's name and description.
#include "BqTestMain.h"
#include "JobTestSupport.h"
#include "ProfileHeaders.h"

#include <QDir>
#include <QTemporaryDir>

namespace
{

const QByteArray Head = JobTest::ProfileFile("").left(JobTest::ProfileFile("").indexOf("\t<Filters>"));
const QByteArray Tail = JobTest::ProfileFile("").mid(Head.size());
const auto Block = &JobTest::ProfileBlock;
const auto Prop = &JobTest::ProfileProperty;
const auto WriteAll = &JobTest::WriteBytes;
const auto ReadAll = &JobTest::ReadBytes;

} // namespace

class TestProfileHeaders : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void refusedFiles_data();
    void refusedFiles();
    void properties_data();
    void properties();
    void severalBlocks();
    void rewriteKeepsEveryOtherByte_data();
    void rewriteKeepsEveryOtherByte();
    void rewriteRefuses_data();
    void rewriteRefuses();
    void rewriteCutBySizeLimit();
    void rewriteDropsNonXmlCharacters();

private:
    QString Path(const QString& name) const { return m_dir->filePath(name); }
    QScopedPointer<QTemporaryDir> m_dir;
};

void TestProfileHeaders::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

void TestProfileHeaders::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray good = Head + Block(Prop("Name", "n") + Prop("Category", "User-Defined")) + Tail;
    QTest::newRow("zero bytes") << QByteArray() << "not well-formed";
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "not well-formed";
    QTest::newRow("truncated") << good.left(good.size() / 2) << "not well-formed";
    QByteArray laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE Profile [\n<!ENTITY a \"aaaaaaaaaa\">\n";
    for (char c = 'b'; c <= 'j'; ++c)
        laughs += QByteArray("<!ENTITY ") + c + " \"" +
                  QByteArray(10, '&').replace("&", QByteArray("&") + char(c - 1) + ";") + "\">\n";
    laughs +=
        "]>\n<Profile><Properties Class=\"Profile\"><Property Name=\"Name\">&j;</Property></Properties></Profile>\n";
    QTest::newRow("billion laughs") << laughs << "declares entities";
    QTest::newRow("10000 deep") << QByteArray("<Profile>") + QByteArray("<a>").repeated(10000) + "x" +
                                       QByteArray("</a>").repeated(10000) + "</Profile>"
                                << "nested too deep";
    QTest::newRow("root Script")
        << QByteArray(good).replace("Profile Version", "Script Version").replace("</Profile>", "</Script>")
        << "root is not Profile";
    QTest::newRow("no Profile block") << QByteArray(good).replace("Class=\"Profile\"", "Class=\"Rename\"")
                                      << "no Profile header";
    QTest::newRow("class in other case") << QByteArray(good).replace("Class=\"Profile\"", "Class=\"profile\"")
                                         << "no Profile header";
}

void TestProfileHeaders::refusedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QVERIFY(WriteAll(Path("p.bqf"), bytes));
    QList<SProfileRecord> records;
    QString why;
    QVERIFY(!ProfileHeaders::Read(Path("p.bqf"), records, why));
    QCOMPARE(why, reason);
    QVERIFY(records.isEmpty());
}

void TestProfileHeaders::properties_data()
{
    QTest::addColumn<QByteArray>("properties");
    QTest::addColumn<QStringList>("expected"); // Category, Name, Description, Icon
    QTest::newRow("texts") << Prop("Name", "Web &amp; Mail") + Prop("Description", "A\nB") + Prop("Category", "Edit") +
                                  Prop("Icon", "2512")
                           << QStringList{"Edit", "Web & Mail", "A\nB", "2512"};
    QTest::newRow("decoded once only") << Prop("Name", "&amp;lt;b&amp;gt;") << QStringList{"", "&lt;b&gt;", "", "0"};
    QTest::newRow("ids") << Prop("NameId", "14276") + Prop("DescriptionId", "14277")
                         << QStringList{"", "Convert to PNG", "Convert to PNG file format for the best quality.", "0"};
    QTest::newRow("later id wins") << Prop("Name", "mine") + Prop("NameId", "14282")
                                   << QStringList{"", "Auto Rotate", "", "0"};
    QTest::newRow("later text wins") << Prop("NameId", "14282") + Prop("Name", "mine")
                                     << QStringList{"", "mine", "", "0"};
    QTest::newRow("empty skipped") << Prop("Name", "mine") + Prop("Name", "") + Prop("Icon", "")
                                   << QStringList{"", "mine", "", "0"};
    QTest::newRow("unknown and bad ids") << Prop("NameId", "1") + Prop("DescriptionId", "x14277") + Prop("Icon", "1e3")
                                         << QStringList{"", "", "", "0"};
    QTest::newRow("blanks kept") << Prop("Name", "   ") << QStringList{"", "   ", "", "0"};
    QTest::newRow("other tags ignored") << QByteArray("\t\t<Prop Name=\"Name\">x</Prop>\n") + Prop("name", "y")
                                        << QStringList{"", "", "", "0"};
}

void TestProfileHeaders::properties()
{
    QFETCH(QByteArray, properties);
    QFETCH(QStringList, expected);
    QVERIFY(WriteAll(Path("p.bqf"), Head + Block(properties) + Tail));
    QList<SProfileRecord> records;
    QString why;
    QVERIFY2(ProfileHeaders::Read(Path("p.bqf"), records, why), qPrintable(why));
    QCOMPARE(records.size(), 1);
    const SProfileRecord& r = records[0];
    QCOMPARE(QStringList({r.Category, r.Name, r.Description, QString::number(r.Icon)}), expected);
    QCOMPARE(r.Path, Path("p.bqf"));
}

void TestProfileHeaders::severalBlocks()
{
    QVERIFY(WriteAll(Path("two.bqf"), Head + Block(Prop("Name", "first")) + Block(Prop("Name", "second")) + Tail));
    QList<SProfileRecord> records;
    QString why;
    QVERIFY(ProfileHeaders::Read(Path("two.bqf"), records, why));
    QCOMPARE(records.size(), 2);
    QCOMPARE(records[0].Name, QString("first"));
    QCOMPARE(records[1].Name, QString("second"));

    SProfileRecord reread;
    QCOMPARE(ProfileHeaders::RewriteHeader(Path("two.bqf"), "new", "d", reread), ProfileHeaders::Rewrite::Done);
    QCOMPARE(reread.Name, QString("new"));
    records.clear();
    QVERIFY(ProfileHeaders::Read(Path("two.bqf"), records, why));
    QCOMPARE(records[1].Name, QString("second"));
}

void TestProfileHeaders::rewriteKeepsEveryOtherByte_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    const QByteArray rest = "\t<Properties Class=\"Rename\">\n\t\t<Property Name=\"Name\">keep</Property>\n"
                            "\t</Properties>\n\n";
    QTest::newRow("both replaced")
        << Head + Block(Prop("Name", "Old") + Prop("Description", "x &lt; y") + Prop("Category", "User-Defined")) +
               rest + Tail
        << Head +
               Block(Prop("Name", "New") + Prop("Description", "Tom &amp; Jerry") + Prop("Category", "User-Defined")) +
               rest + Tail;
    const QByteArray crlf =
        QByteArray(Head + Block(Prop("Name", "Old") + Prop("Description", "")) + Tail).replace("\n", "\r\n");
    QTest::newRow("CRLF lines")
        << crlf
        << QByteArray(crlf).replace("Old", "New").replace("\"Description\"></", "\"Description\">Tom &amp; Jerry</");
    QTest::newRow("missing markers added last")
        << Head + Block(Prop("Category", "User-Defined")) + Tail
        << Head +
               Block(Prop("Category", "User-Defined") + Prop("Name", "New") + Prop("Description", "Tom &amp; Jerry")) +
               Tail;
    QTest::newRow("id before name")
        << Head + Block(Prop("NameId", "14282") + Prop("Description", "d")) + Tail
        << Head + Block(Prop("NameId", "14282") + Prop("Description", "Tom &amp; Jerry") + Prop("Name", "New")) + Tail;
}

void TestProfileHeaders::rewriteKeepsEveryOtherByte()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QVERIFY(WriteAll(Path("p.bqf"), before));
    SProfileRecord reread;
    QCOMPARE(ProfileHeaders::RewriteHeader(Path("p.bqf"), "New", "Tom & Jerry", reread), ProfileHeaders::Rewrite::Done);
    QCOMPARE(ReadAll(Path("p.bqf")), after);
    QCOMPARE(reread.Name, QString("New"));
    QCOMPARE(reread.Description, QString("Tom & Jerry"));
    QCOMPARE(reread.Path, Path("p.bqf"));
}

void TestProfileHeaders::rewriteRefuses_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("result");
    const QByteArray good = Head + Block(Prop("Name", "Old")) + Tail;
    QTest::newRow("NUL byte") << QByteArray(good).insert(good.size() - 2, '\0') << int(ProfileHeaders::Rewrite::HasNul);
    QTest::newRow("no block") << Head + Tail << int(ProfileHeaders::Rewrite::NoHeader);
    QTest::newRow("block class in other case")
        << QByteArray(good).replace("\"Profile\"", "\"profile\"") << int(ProfileHeaders::Rewrite::NoHeader);
    QTest::newRow("broken after the header")
        << QByteArray(good).replace("</Filters>", "</Filter>") << int(ProfileHeaders::Rewrite::NotAProfile);
    QTest::newRow("entities") << QByteArray(good).replace("<Profile Version",
                                                          "<!DOCTYPE Profile [<!ENTITY a \"b\">]>\n<Profile Version")
                              << int(ProfileHeaders::Rewrite::NotAProfile);
}

void TestProfileHeaders::rewriteRefuses()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, result);
    QVERIFY(WriteAll(Path("p.bqf"), bytes));
    SProfileRecord reread;
    QCOMPARE(int(ProfileHeaders::RewriteHeader(Path("p.bqf"), "New", "d", reread)), result);
    QCOMPARE(ReadAll(Path("p.bqf")), bytes);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList("p.bqf"));
    QCOMPARE(int(ProfileHeaders::RewriteHeader(Path("missing.bqf"), "New", "d", reread)),
             int(ProfileHeaders::Rewrite::Unreadable));
}

void TestProfileHeaders::rewriteCutBySizeLimit()
{
    const QByteArray before = Head + Block(Prop("Name", "Old") + Prop("Category", "User-Defined")) + Tail;
    QVERIFY(before.size() > 200);
    QVERIFY(WriteAll(Path("p.bqf"), before));
    SProfileRecord reread;
    ProfileHeaders::Rewrite result = ProfileHeaders::Rewrite::Done;
    QVERIFY(JobTest::UnderFileSizeLimit(
        200, [&] { result = ProfileHeaders::RewriteHeader(Path("p.bqf"), "New", "d", reread); }));
    QCOMPARE(result, ProfileHeaders::Rewrite::WriteFailed);
    QCOMPARE(ReadAll(Path("p.bqf")), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList("p.bqf"));
}

void TestProfileHeaders::rewriteDropsNonXmlCharacters()
{
    QVERIFY(WriteAll(Path("p.bqf"), Head + Block(Prop("Name", "Old")) + Tail));
    SProfileRecord reread;
    QCOMPARE(ProfileHeaders::RewriteHeader(Path("p.bqf"), "N", QString("a") + QChar(1) + "b\nc", reread),
             ProfileHeaders::Rewrite::Done);
    QCOMPARE(reread.Description, QString("ab\nc"));
    QList<SProfileRecord> records;
    QString why;
    QVERIFY(ProfileHeaders::Read(Path("p.bqf"), records, why));
    QCOMPARE(records[0].Description, QString("ab\nc"));
}

BQ_TEST_MAIN(TestProfileHeaders)
#include "tst_profile_headers.moc"
