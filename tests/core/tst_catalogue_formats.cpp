// Format table, filter catalogue and the shared description texts, in
// English and under a test translation.
#include "BqTestMain.h"
#include "FilterDescriptions.h"
#include "FiltersEnum.h"
#include "FormatsEnum.h"

#include <QScopeGuard>
#include <QTranslator>

class TestCatalogueFormats : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void formatRows();
    void formatById_data();
    void formatById();
    void extensionLists_data();
    void extensionLists();
    void dialogFilter();
    void dialogFilterEntries_data();
    void dialogFilterEntries();
    void formatsGenerateTwice();

    void descriptions_data();
    void descriptions();
    void catalogueRows_data();
    void catalogueRows();
    void catalogueById_data();
    void catalogueById();
    void catalogueByName_data();
    void catalogueByName();
    void catalogueGenerateTwice();
    void translationFollowsReload();

private:
    CFormatsEnum* formats = nullptr;
    CFiltersEnum* catalogue = nullptr;
};

void TestCatalogueFormats::initTestCase()
{
    formats = CFormatsEnum::GetInstance();
    catalogue = CFiltersEnum::GetInstance();
    QVERIFY(formats->records.isEmpty());
    QVERIFY(catalogue->records.isEmpty());
    formats->GenerateList();
    catalogue->GenerateList();
}

void TestCatalogueFormats::cleanupTestCase()
{
    CFormatsEnum::DeleteInstance();
    CFiltersEnum::DeleteInstance();
    QVERIFY(CFormatsEnum::GetInstance()->records.isEmpty());
    CFormatsEnum::DeleteInstance();
}

void TestCatalogueFormats::formatRows()
{
    QCOMPARE(formats->records.size(), 54);
    QStringList common;
    for (int i = 0; i < 13; ++i) {
        const SFormatRecord& r = formats->records.at(i);
        QVERIFY(r.readable && r.writable && !r.raw && !r.needsGhostscript);
        common << r.id;
    }
    QCOMPARE(common.join(' '), QString("BMP PICT GIF JP2 JPC JPG PCX PNG PSD SGI TGA TIF WBMP"));
    for (int i = 13; i < 54; ++i) {
        const SFormatRecord& r = formats->records.at(i);
        QVERIFY2(r.readable && !r.writable && r.raw && !r.needsGhostscript && r.icon == 8, qPrintable(r.id));
        QCOMPARE(r.extensions, r.id);
    }
    QCOMPARE(formats->records.at(13).id, QString("3FR"));
    QCOMPARE(formats->records.at(53).id, QString("STI"));
}

void TestCatalogueFormats::formatById_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("extensions");
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("raw");
    QTest::newRow("lower") << "jpg" << "JPG" << "JPG/JPEG/JPE" << 2 << true << false;
    QTest::newRow("mixed") << "Jpg" << "JPG" << "JPG/JPEG/JPE" << 2 << true << false;
    QTest::newRow("upper") << "JPG" << "JPG" << "JPG/JPEG/JPE" << 2 << true << false;
    QTest::newRow("tif") << "Tif" << "TIF" << "TIF/TIFF" << 3 << true << false;
    QTest::newRow("raw") << "pef" << "PEF" << "PEF" << 8 << false << true;
    QTest::newRow("extension, not id") << "JPEG" << "" << "" << 0 << false << false;
    QTest::newRow("other extension") << "tiff" << "" << "" << 0 << false << false;
    QTest::newRow("no pdf row") << "PDF" << "" << "" << 0 << false << false;
    QTest::newRow("padded") << " JPG" << "" << "" << 0 << false << false;
    QTest::newRow("empty") << "" << "" << "" << 0 << false << false;
}

void TestCatalogueFormats::formatById()
{
    QFETCH(QString, query);
    const SFormatRecord r = formats->GetRecordById(query);
    QTEST(r.id, "id");
    QTEST(r.extensions, "extensions");
    QTEST(r.icon, "icon");
    QTEST(r.writable, "writable");
    QTEST(r.raw, "raw");
    QCOMPARE(r.readable, !r.id.isEmpty());
    QCOMPARE(r.description.isEmpty(), r.id.isEmpty());
    QVERIFY(!r.needsGhostscript);
}

void TestCatalogueFormats::extensionLists_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<bool>("raw");
    QTest::newRow("JPE") << "JPE" << true << false;
    QTest::newRow("PDD") << "PDD" << true << false;
    QTest::newRow("VST") << "VST" << true << false;
    QTest::newRow("DNG") << "DNG" << true << true;
    QTest::newRow("RAW") << "RAW" << true << true;
    QTest::newRow("JPG") << "JPG" << true << false;
    QTest::newRow("lower case") << "jpg" << false << false;
    QTest::newRow("PDF") << "PDF" << false << false;
    QTest::newRow("MIFF") << "MIFF" << false << false;
    QTest::newRow("empty") << "" << false << false;
}

void TestCatalogueFormats::extensionLists()
{
    QFETCH(QString, extension);
    QCOMPARE(formats->readableExtensions.size(), 62);
    QCOMPARE(formats->rawExtensions.size(), 41);
    QCOMPARE(formats->readableExtensions.mid(21), formats->rawExtensions);
    QTEST(formats->readableExtensions.contains(extension), "readable");
    QTEST(formats->rawExtensions.contains(extension), "raw");
}

void TestCatalogueFormats::dialogFilter()
{
    const QString filter = formats->openDialogFilter;
    QCOMPARE(filter.size(), 2951);
    const QStringList parts = filter.split(";;");
    QCOMPARE(parts.size(), 56);
    QVERIFY(filter.startsWith("Common Formats ( *.BMP *.PCT *.PICT *.GIF"));
    QStringList patterns;
    for (const QString& e : formats->readableExtensions)
        patterns << "*." + e;
    QCOMPARE(parts.at(0), "Common Formats ( " + patterns.join(' ') + " )");
    QCOMPARE(parts.at(1), QString("All Files (*.*)"));
    QVERIFY(filter.contains("PEF - Pentax\\Samsung Digital Camera Raw Image (*.PEF)"));
    QCOMPARE(filter.count('\\'), 1);
    QVERIFY(filter.endsWith("STI - Sinar Digital Camera Raw Image (*.STI)"));
    for (const QString& e : formats->readableExtensions)
        QVERIFY2(!e.isEmpty() && e == e.toUpper(), qPrintable(e));
}

void TestCatalogueFormats::dialogFilterEntries_data()
{
    QTest::addColumn<int>("part");
    QTest::addColumn<QString>("text");
    QTest::newRow("first") << 2 << "BMP - Microsoft Windows bitmap (*.BMP)";
    QTest::newRow("two patterns") << 3 << "PICT - Apple Macintosh QuickDraw/PICT file (*.PCT *.PICT)";
    QTest::newRow("three patterns") << 7 << "JPG - Joint Photographic Experts Group JFIF format (*.JPG *.JPEG *.JPE)";
    QTest::newRow("four patterns") << 12 << "TGA - Truevision Targa image (*.TGA *.ICB *.VDA *.VST)";
    QTest::newRow("first raw") << 15 << "3FR - Hasselblad Digital Camera Raw Image (*.3FR)";
    QTest::newRow("last") << 55 << "STI - Sinar Digital Camera Raw Image (*.STI)";
}

void TestCatalogueFormats::dialogFilterEntries()
{
    QFETCH(int, part);
    QTEST(formats->openDialogFilter.split(";;").value(part), "text");
}

void TestCatalogueFormats::formatsGenerateTwice()
{
    const QString before = formats->openDialogFilter;
    formats->GenerateList();
    QCOMPARE(formats->records.size(), 54);
    QCOMPARE(formats->readableExtensions.size(), 62);
    QCOMPARE(formats->rawExtensions.size(), 41);
    QCOMPARE(formats->openDialogFilter, before);
}

void TestCatalogueFormats::descriptions_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("1") << 1 << "Annotates with a single or multi-line text comment";
    QTest::newRow("3") << 3 << "Adds a text copyright notice";
    QTest::newRow("38") << 38
                        << "Adjusts levels by scaling the colors falling between specified white and black points to "
                           "the full available quantum range";
    QTest::newRow("51") << 51 << "Creates a small thumbnail from the picture";
    QTest::newRow("52") << 52 << "Keep original image format (if possible)";
}

void TestCatalogueFormats::descriptions()
{
    QFETCH(int, number);
    QTEST(QString(FilterDescriptions[number - 1]), "text");
    QSet<QString> distinct;
    for (const char* text : FilterDescriptions)
        distinct.insert(QString(text));
    QCOMPARE(distinct.size(), FilterDescriptionCount);
    QVERIFY(!distinct.contains(QString()));
    QCOMPARE(KeepOriginalFormatText(), QString(FilterDescriptions[51]));
}

void TestCatalogueFormats::catalogueRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("number"); // of the description
    QTest::addColumn<int>("column");
    const struct { int id; const char* name; const char* group; int number; int column; } rows[] = {
        {1000, "Text", "Marks", 3, 2},          {1010, "Logo", "Marks", 4, 3},
        {2001, "Shape Frame", "Border", 5, 0},  {2002, "Grunge Frame", "Border", 6, 1},
        {2003, "Picture Frame", "Border", 8, 2}, {2004, "Vintage Frame", "Border", 9, 3},
        {2010, "Raise", "Border", 11, 4},       {2020, "Shadow", "Border", 12, 5},
        {2030, "Simple Border", "Border", 13, 6}, {5000, "Auto Rotate", "Transform", 42, 0},
        {5020, "Crop", "Transform", 45, 3},     {5040, "Resize", "Transform", 47, 5},
        {5070, "Rotate", "Transform", 50, 8},
    };
    int i = 0;
    for (const auto& r : rows) {
        QTest::newRow(r.name) << i << r.id << r.name << r.group << r.number << r.column;
        ++i;
    }
}

void TestCatalogueFormats::catalogueRows()
{
    QFETCH(int, row);
    QFETCH(int, number);
    QCOMPARE(catalogue->records.size(), 13);
    const SFilterEnumRecord& r = catalogue->records.at(row);
    QTEST(int(r.id), "id");
    QTEST(r.name, "name");
    QTEST(r.group, "group");
    QCOMPARE(r.description, QString(FilterDescriptions[number - 1]));
    QTEST(r.iconColumn, "column");
}

void TestCatalogueFormats::catalogueById_data()
{
    QTest::addColumn<quint32>("query");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("column");
    QTest::newRow("logo") << 1010u << 1010 << "Logo" << "Marks" << 3;
    QTest::newRow("auto rotate") << 5000u << 5000 << "Auto Rotate" << "Transform" << 0;
    QTest::newRow("no such type") << 2005u << 0 << "" << "" << 0;
    QTest::newRow("zero") << 0u << 0 << "" << "" << 0;
    QTest::newRow("wraps onto Text") << 66536u << 0 << "" << "" << 0;
    QTest::newRow("wraps onto Crop") << 70556u << 0 << "" << "" << 0;
    QTest::newRow("all ones") << 0xFFFFFFFFu << 0 << "" << "" << 0;
}

void TestCatalogueFormats::catalogueById()
{
    QFETCH(quint32, query);
    const SFilterEnumRecord r = catalogue->GetRecordById(query);
    QTEST(int(r.id), "id");
    QTEST(r.name, "name");
    QTEST(r.group, "group");
    QTEST(r.iconColumn, "column");
    QCOMPARE(r.description.isEmpty(), r.id == 0);
}

void TestCatalogueFormats::catalogueByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("id");
    QTest::newRow("Crop") << "Crop" << 5020;
    QTest::newRow("two words") << "Simple Border" << 2030;
    QTest::newRow("lower case") << "crop" << 0;
    QTest::newRow("upper case") << "CROP" << 0;
    QTest::newRow("trailing blank") << "Crop " << 0;
    QTest::newRow("joined") << "AutoRotate" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestCatalogueFormats::catalogueByName()
{
    QFETCH(QString, name);
    QTEST(int(catalogue->GetRecordByName(name).id), "id");
}

void TestCatalogueFormats::catalogueGenerateTwice()
{
    catalogue->GenerateList();
    QCOMPARE(catalogue->records.size(), 13);
    catalogue->ReloadList();
    QCOMPARE(catalogue->records.size(), 13);
    QCOMPARE(catalogue->records.first().id, quint16(1000));
    QCOMPARE(catalogue->records.last().id, quint16(5070));
}

void TestCatalogueFormats::translationFollowsReload()
{
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(BQ_TEST_QM)));
    QVERIFY(QCoreApplication::installTranslator(&german));
    auto remove = qScopeGuard([&] { QCoreApplication::removeTranslator(&german); });

    // Rows keep the language of their generation until reloaded.
    QCOMPARE(catalogue->GetRecordById(5020).name, QString("Crop"));
    QCOMPARE(KeepOriginalFormatText(), QString::fromUtf8("Originalformat beibehalten (wenn möglich)"));

    catalogue->ReloadList();
    QCOMPARE(catalogue->records.size(), 13);
    const SFilterEnumRecord crop = catalogue->GetRecordById(5020);
    QCOMPARE(crop.name, QString("Zuschneiden"));
    QCOMPARE(crop.group, QString("Transformieren"));
    QCOMPARE(crop.description, QString("Schneidet einen rechteckigen Bereich aus dem Bild"));
    QCOMPARE(catalogue->GetRecordByName("Crop").id, quint16(0));
    QCOMPARE(catalogue->GetRecordByName("Zuschneiden").id, quint16(5020));
    QCOMPARE(catalogue->GetRecordById(5070).group, QString("Transformieren"));
    // Only the "QObject" context counts; the entry filed under the class is ignored.
    QCOMPARE(catalogue->GetRecordById(1010).name, QString("Logo"));

    // AddFilter translates the description only.
    catalogue->AddFilter(9999, "Crop", "Transform", FilterDescriptions[44], 1);
    QCOMPARE(catalogue->records.last().name, QString("Crop"));
    QCOMPARE(catalogue->records.last().description, crop.description);

    remove.dismiss();
    QVERIFY(QCoreApplication::removeTranslator(&german));
    catalogue->ReloadList();
    QCOMPARE(catalogue->records.size(), 13);
    QCOMPARE(catalogue->GetRecordById(5020).name, QString("Crop"));
    QCOMPARE(catalogue->GetRecordById(5020).group, QString("Transform"));
    QCOMPARE(catalogue->GetRecordById(5020).description, QString(FilterDescriptions[44]));
    QCOMPARE(KeepOriginalFormatText(), QString(FilterDescriptions[51]));
}

BQ_TEST_MAIN(TestCatalogueFormats)
#include "tst_catalogue_formats.moc"
