// Display profile, interface image cache and the generated interface images.
// Registered twice: at ratio 1 and under QT_SCALE_FACTOR=2, where
// BQ_EXPECT_RETINA=1 says what the display profile has to find.
#include "BqTestMain.h"
#include "FiltersEnum.h"
#include "HardwareProfile.h"
#include "ImageCache.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

using Cells = QList<QPoint>;
Q_DECLARE_METATYPE(Cells)

namespace
{

// Flat row colours of tests/data/Test-Sheet7.png, top to bottom.
const QRgb SheetRowColours[] = {qRgb(200, 0, 0),   qRgb(0, 160, 0),   qRgb(0, 0, 200), qRgb(200, 200, 0),
                                qRgb(0, 200, 200), qRgb(200, 0, 200), qRgb(90, 90, 90)};

struct ImageSize {
    const char* name;
    QSize size;
};

// Every interface image with its exact size.
const ImageSize InterfaceImageSizes[] = {
    {"Add.png", {32, 32}},
    {"Add@2x.png", {64, 64}},
    {"AppIcon-128.png", {128, 128}},
    {"AppIcon-128@2x.png", {256, 256}},
    {"Cursor-Rotate.png", {16, 16}},
    {"Cursor-Rotate@2x.png", {32, 32}},
    {"DialogTip-Banner.png", {128, 128}},
    {"DialogTip-Banner@2x.png", {256, 256}},
    {"Icons-Filters-32.png", {576, 192}},
    {"Icons-Filters-32@2x.png", {1152, 384}},
    {"Icons-Filters-48.png", {864, 288}},
    {"Icons-Filters-48@2x.png", {1728, 576}},
    {"Icons-Filters-64.png", {1152, 384}},
    {"Icons-Filters-64@2x.png", {2304, 768}},
    {"Icons-Formats-32.png", {320, 32}},
    {"Icons-Formats-32@2x.png", {640, 64}},
    {"Icons-Formats-64.png", {640, 64}},
    {"Icons-Formats-64@2x.png", {1280, 128}},
    {"Icons-Frames.png", {288, 128}},
    {"Icons-Frames@2x.png", {576, 256}},
    {"Icons-Minimal-Dark.png", {96, 32}},
    {"Icons-Minimal-Dark@2x.png", {192, 64}},
    {"Icons-Minimal-Light.png", {96, 32}},
    {"Icons-Minimal-Light@2x.png", {192, 64}},
    {"Icons-Output.png", {225, 32}},
    {"Icons-Output@2x.png", {449, 64}},
    {"Icons-Social.png", {144, 48}},
    {"Icons-Social@2x.png", {288, 96}},
    {"Icons-WizardSteps.png", {160, 32}},
    {"Icons-WizardSteps@2x.png", {320, 64}},
    {"Mail.png", {128, 138}},
    {"Mail@2x.png", {256, 256}},
    {"Overlay-Symbol.png", {150, 105}},
    {"Overlay-Symbol@2x.png", {300, 209}},
    {"Preview-Placeholder.png", {128, 128}},
    {"Preview-Placeholder@2x.png", {256, 256}},
    {"Settings.png", {64, 32}},
    {"Settings@2x.png", {128, 64}},
    {"WizardStart-Wizard.png", {148, 240}},
};

// Share of pixels in `rect` that are mostly opaque.
double OpaqueShare(const QImage& image, const QRect& rect)
{
    const QImage cell = image.copy(rect).convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            opaque += qAlpha(cell.pixel(x, y)) >= 128;
    return double(opaque) / (cell.width() * cell.height());
}

bool FullyTransparent(const QImage& image, const QRect& rect)
{
    const QImage cell = image.copy(rect).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            if (qAlpha(cell.pixel(x, y)) != 0)
                return false;
    return true;
}

QImage IconImage(const QIcon& icon)
{
    const QList<QSize> sizes = icon.availableSizes();
    return sizes.isEmpty() ? QImage() : icon.pixmap(sizes.first()).toImage();
}

Cells Row(int row, int from, int to)
{
    Cells cells;
    for (int c = from; c <= to; ++c)
        cells << QPoint(c, row);
    return cells;
}

QString MakeImagesPath()
{
    return QCoreApplication::applicationDirPath() + "/bq-make-images";
}

int RunMakeImages(const QStringList& args)
{
    QProcess run;
    run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    run.start(MakeImagesPath(), args);
    if (!run.waitForFinished(-1) || run.exitStatus() != QProcess::NormalExit)
        return -1;
    return run.exitCode();
}

} // namespace

class TestImageCache : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void hardwareProfileOffscreen();
    void cacheStartsDarkAtNormalResolution();
    void imagePathName_data();
    void imagePathName();
    void assetLoadedOnce();
    void missingAssetCachedAsNull();
    void assetResolution_data();
    void assetResolution();
    void iconCounts_data();
    void iconCounts();
    void sheetRowOrder_data();
    void sheetRowOrder();

    void interfaceImageSizes_data();
    void interfaceImageSizes();
    void onlyListedImagesCompiledIn();
    void cellsWhereUsersCutThem_data();
    void cellsWhereUsersCutThem();
    void catalogueIconsDrawn_data();
    void catalogueIconsDrawn();
    void minimalGlyphsContrastWithTheme_data();
    void minimalGlyphsContrastWithTheme();
    void generatorIsRepeatable();
    void generatorRefusesBadArguments_data();
    void generatorRefusesBadArguments();

    void cleanupTestCase();

private:
    // What the main window does at start-up.
    CImageCache* FreshCache();
    bool m_expectRetina = false;
};

void TestImageCache::initTestCase()
{
    m_expectRetina = qEnvironmentVariableIntValue("BQ_EXPECT_RETINA") == 1;
}

void TestImageCache::cleanup()
{
    CImageCache::DeleteInstance();
}

void TestImageCache::cleanupTestCase()
{
    CImageCache::DeleteInstance();
    CHardwareProfile::DeleteInstance();
    CFiltersEnum::DeleteInstance();
}

CImageCache* TestImageCache::FreshCache()
{
    CImageCache::DeleteInstance();
    CImageCache* cache = CImageCache::GetInstance();
    cache->retina = CHardwareProfile::GetInstance()->IsRetina();
    return cache;
}

void TestImageCache::hardwareProfileOffscreen()
{
    CHardwareProfile::DeleteInstance();
    CHardwareProfile* hw = CHardwareProfile::GetInstance();
    QCOMPARE(CHardwareProfile::GetInstance(), hw);
    // The offscreen screen is 800 x 600; a scale factor of 2 halves the desktop.
    QCOMPARE(int(hw->screenWidth), m_expectRetina ? 400 : 800);
    QCOMPARE(int(hw->screenHeight), m_expectRetina ? 300 : 600);
    QCOMPARE(int(hw->screenDepth), 32);
    QCOMPARE(int(hw->refreshRate), 60);
    QCOMPARE(hw->IsRetina(), m_expectRetina);
    QCOMPARE(hw->systemVersion, QString());
    // Reading again changes nothing and appends no version on this system.
    QVERIFY(hw->ReadDisplayConfig());
    QVERIFY(hw->ReadOSVersion());
    QCOMPARE(int(hw->screenWidth), m_expectRetina ? 400 : 800);
    QCOMPARE(hw->systemVersion, QString());
}

void TestImageCache::cacheStartsDarkAtNormalResolution()
{
    CImageCache::DeleteInstance();
    CImageCache* cache = CImageCache::GetInstance();
    QCOMPARE(cache->ThemeId, 1);
    QCOMPARE(cache->retina, false);
    QCOMPARE(cache->AssetCount(), 0);
    QCOMPARE(cache->GenerateImagePathName("Icons-Minimal.png", true, true), QString(":/Icons-Minimal-Dark.png"));
}

void TestImageCache::imagePathName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("themed");
    QTest::addColumn<bool>("hires");
    QTest::addColumn<bool>("retina");
    QTest::addColumn<int>("theme");
    QTest::addColumn<QString>("expected");

    QTest::newRow("dark retina") << "Icons-Minimal.png" << true << true << true << 1 << ":/Icons-Minimal-Dark@2x.png";
    QTest::newRow("light 1x") << "Icons-Minimal.png" << true << true << false << 0 << ":/Icons-Minimal-Light.png";
    QTest::newRow("theme 7 is dark") << "Icons-Minimal.png" << true << false << false << 7
                                     << ":/Icons-Minimal-Dark.png";
    QTest::newRow("theme -1 is dark") << "Icons-Minimal.png" << true << false << false << -1
                                      << ":/Icons-Minimal-Dark.png";
    QTest::newRow("unthemed retina") << "Add.png" << false << true << true << 0 << ":/Add@2x.png";
    QTest::newRow("hires off on retina") << "Add.png" << false << false << true << 1 << ":/Add.png";
    QTest::newRow("hires on normal screen") << "Add.png" << false << true << false << 1 << ":/Add.png";
    QTest::newRow("no extension") << "Add" << true << true << true << 1 << ":/Add-Dark@2x";
    QTest::newRow("last dot splits") << "Icons.Filters.png" << true << false << false << 0
                                     << ":/Icons.Filters-Light.png";
    QTest::newRow("trailing dot") << "Add." << false << true << true << 0 << ":/Add@2x.";
    QTest::newRow("extension only") << ".png" << true << false << false << 0 << ":/-Light.png";
    QTest::newRow("empty") << "" << false << true << true << 0 << ":/@2x";
}

void TestImageCache::imagePathName()
{
    QFETCH(QString, name);
    QFETCH(bool, themed);
    QFETCH(bool, hires);
    QFETCH(bool, retina);
    QFETCH(int, theme);
    QFETCH(QString, expected);
    CImageCache* cache = CImageCache::GetInstance();
    cache->retina = retina;
    cache->ThemeId = theme;
    QCOMPARE(cache->GenerateImagePathName(name, themed, hires), expected);
}

void TestImageCache::assetLoadedOnce()
{
    CImageCache* cache = FreshCache();
    const QImage first = cache->GetAsset("Add.png", false, false);
    const QImage second = cache->GetAsset("Add.png", false, false);
    QVERIFY(!first.isNull());
    QCOMPARE(cache->AssetCount(), 1);
    // A shared copy of the one decoded image, not a second load.
    QCOMPARE(second.cacheKey(), first.cacheKey());
    // Names compare case-sensitively: another name, another (missing) asset.
    QVERIFY(cache->GetAsset("add.png", false, false).isNull());
    QCOMPARE(cache->AssetCount(), 2);
}

void TestImageCache::missingAssetCachedAsNull()
{
    CImageCache* cache = FreshCache();
    QVERIFY(cache->GetAsset("Missing.png", false, true).isNull());
    QCOMPARE(cache->AssetCount(), 1);
    QVERIFY(cache->GetAsset("Missing.png", false, true).isNull());
    QCOMPARE(cache->AssetCount(), 1);
    // A present sheet is counted once as well, at either resolution.
    const QImage settings = cache->GetAsset("Settings.png", false, true);
    QCOMPARE(settings.size(), m_expectRetina ? QSize(128, 64) : QSize(64, 32));
    cache->GetAsset("Settings.png", false, true);
    QCOMPARE(cache->AssetCount(), 2);
}

void TestImageCache::assetResolution_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("themed");
    QTest::addColumn<bool>("hires");
    QTest::addColumn<QSize>("normal");
    QTest::addColumn<QSize>("retina");

    QTest::newRow("Add hires") << "Add.png" << false << true << QSize(32, 32) << QSize(64, 64);
    QTest::newRow("Add hires off") << "Add.png" << false << false << QSize(32, 32) << QSize(32, 32);
    QTest::newRow("Minimal themed") << "Icons-Minimal.png" << true << true << QSize(96, 32) << QSize(192, 64);
    QTest::newRow("Output, odd @2x") << "Icons-Output.png" << false << true << QSize(225, 32) << QSize(449, 64);
    QTest::newRow("Mail, own @2x shape") << "Mail.png" << false << true << QSize(128, 138) << QSize(256, 256);
    QTest::newRow("Minimal unthemed is missing") << "Icons-Minimal.png" << false << false << QSize() << QSize();
    QTest::newRow("Add themed is missing") << "Add.png" << true << false << QSize() << QSize();
}

void TestImageCache::assetResolution()
{
    QFETCH(QString, name);
    QFETCH(bool, themed);
    QFETCH(bool, hires);
    QFETCH(QSize, normal);
    QFETCH(QSize, retina);
    const QImage image = FreshCache()->GetAsset(name, themed, hires);
    const QSize expected = m_expectRetina ? retina : normal;
    QCOMPARE(image.isNull(), !expected.isValid());
    if (expected.isValid())
        QCOMPARE(image.size(), expected);
}

void TestImageCache::iconCounts_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<bool>("themed");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("count");

    QTest::newRow("filters 64") << "Icons-Filters-64.png" << false << 64 << 108;
    QTest::newRow("filters 48") << "Icons-Filters-48.png" << false << 48 << 108;
    QTest::newRow("filters 32") << "Icons-Filters-32.png" << false << 32 << 108;
    QTest::newRow("formats 64") << "Icons-Formats-64.png" << false << 64 << 10;
    QTest::newRow("formats 32") << "Icons-Formats-32.png" << false << 32 << 10;
    QTest::newRow("minimal themed 16") << "Icons-Minimal.png" << true << 16 << 12;
    QTest::newRow("cell taller than sheet") << "Icons-Formats-32.png" << false << 64 << 0;
    QTest::newRow("cell size 0") << "Icons-Filters-64.png" << false << 0 << 0;
    QTest::newRow("negative cell size") << "Icons-Filters-64.png" << false << -64 << 0;
    QTest::newRow("missing sheet") << "Missing.png" << false << 32 << 0;
    QTest::newRow("unthemed name of a themed sheet") << "Icons-Minimal.png" << false << 16 << 0;
}

void TestImageCache::iconCounts()
{
    QFETCH(QString, sheet);
    QFETCH(bool, themed);
    QFETCH(int, size);
    QFETCH(int, count);
    CImageCache* cache = FreshCache();
    std::unique_ptr<QList<QIcon>> icons(cache->LoadIconsFromPath(sheet, themed, size));
    QVERIFY(icons);
    QCOMPARE(icons->size(), count);
    const int cell = m_expectRetina ? size * 2 : size;
    for (const QIcon& icon : *icons)
        QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(cell, cell)});
    // Sheets are cut once and not kept.
    QCOMPARE(cache->AssetCount(), 0);
}

void TestImageCache::sheetRowOrder_data()
{
    QTest::addColumn<bool>("retina");
    QTest::addColumn<int>("size");
    // Either way the cells are 8 pixels: 4 points on the retina variant.
    QTest::newRow("normal") << false << 8;
    QTest::newRow("retina") << true << 4;
}

void TestImageCache::sheetRowOrder()
{
    QFETCH(bool, retina);
    QFETCH(int, size);
    CImageCache* cache = CImageCache::GetInstance();
    cache->retina = retina;
    std::unique_ptr<QList<QIcon>> icons(cache->LoadIconsFromPath("Test-Sheet7.png", false, size));
    QCOMPARE(icons->size(), 14);
    const int expectedRows[] = {0, 1, 5, 4, 3, 2, 0};
    for (int r = 0; r < 7; ++r) {
        for (int c = 0; c < 2; ++c) {
            const QImage image = IconImage(icons->at(r * 2 + c));
            QCOMPARE(image.size(), QSize(8, 8));
            QCOMPARE(image.pixel(4, 4), SheetRowColours[expectedRows[r]]);
        }
    }
}

void TestImageCache::interfaceImageSizes_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    for (const ImageSize& image : InterfaceImageSizes)
        QTest::newRow(image.name) << QString(":/") + image.name << image.size;
}

void TestImageCache::interfaceImageSizes()
{
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    const QImage image(resource);
    QVERIFY2(!image.isNull(), qPrintable(resource));
    QCOMPARE(image.size(), size);
    QVERIFY(image.hasAlphaChannel());
}

void TestImageCache::onlyListedImagesCompiledIn()
{
    QStringList expected;
    for (const ImageSize& image : InterfaceImageSizes)
        expected << image.name;
    expected << "Brandquill.ico";
    expected.sort();
    QCOMPARE(expected.size(), 40);

    QStringList found = QDir(":/").entryList(QDir::Files);
    found.removeAll("Test-Sheet7.png");
    found.removeAll("Test-Sheet7@2x.png");
    found.sort();
    QCOMPARE(found, expected);

    const QImage icon(":/Brandquill.ico");
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.width(), icon.height());
    QVERIFY(OpaqueShare(icon, icon.rect()) > 0.5);
}

void TestImageCache::cellsWhereUsersCutThem_data()
{
    QTest::addColumn<QString>("image");
    QTest::addColumn<int>("cell");
    QTest::addColumn<Cells>("drawn");
    QTest::addColumn<Cells>("empty");
    QTest::addColumn<bool>("hasDouble");

    // Marks in sheet row 1, borders in row 5, transforms in row 2; the
    // filter picker's category buttons cut (0,0), (0,1), (2,5) and (5,2); the
    // profile browser's page buttons cut (1,0) and (0,3), and its "Edit"
    // list default is (0,4).
    const Cells filters = Row(0, 0, 1) + Cells{{0, 1}, {2, 1}, {3, 1}} + Row(5, 0, 6) +
                          Cells{{0, 2}, {3, 2}, {5, 2}, {8, 2}, {0, 3}, {0, 4}};
    const Cells filtersEmpty = {{2, 0}, {17, 0}, {1, 1}, {4, 1}, {1, 2}, {9, 2}, {1, 3}, {1, 4}, {7, 5}, {17, 5}};
    for (int size : {32, 48, 64})
        QTest::addRow("Icons-Filters-%d", size)
            << QString("Icons-Filters-%1.png").arg(size) << size << filters << filtersEmpty << true;
    for (int size : {32, 64})
        QTest::addRow("Icons-Formats-%d", size)
            << QString("Icons-Formats-%1.png").arg(size) << size << Row(0, 0, 8) << Cells{{9, 0}} << true;
    QTest::newRow("Icons-Frames") << "Icons-Frames.png" << 32
                                  << Row(0, 0, 5) + Row(1, 0, 5) + Row(2, 0, 3) + Row(3, 0, 8)
                                  << Cells{{6, 0}, {8, 0}, {6, 1}, {4, 2}, {8, 2}} << true;
    const Cells minimal = Row(0, 0, 5) + Row(1, 0, 4);
    QTest::newRow("Icons-Minimal-Light") << "Icons-Minimal-Light.png" << 16 << minimal << Cells{{5, 1}} << true;
    QTest::newRow("Icons-Minimal-Dark") << "Icons-Minimal-Dark.png" << 16 << minimal << Cells{{5, 1}} << true;
    QTest::newRow("Icons-Output") << "Icons-Output.png" << 32 << Row(0, 0, 3) << Row(0, 4, 6) << true;
    QTest::newRow("Icons-WizardSteps") << "Icons-WizardSteps.png" << 32 << Row(0, 0, 4) << Cells() << true;
    QTest::newRow("Icons-Social") << "Icons-Social.png" << 48 << Row(0, 0, 2) << Cells() << true;
    QTest::newRow("Settings") << "Settings.png" << 32 << Row(0, 0, 1) << Cells() << true;
}

void TestImageCache::cellsWhereUsersCutThem()
{
    QFETCH(QString, image);
    QFETCH(int, cell);
    QFETCH(Cells, drawn);
    QFETCH(Cells, empty);
    QFETCH(bool, hasDouble);
    QStringList names{image};
    if (hasDouble)
        names << QString(image).replace(".png", "@2x.png");
    for (int scale = 1; scale <= names.size(); ++scale) {
        const QImage sheet(":/" + names.at(scale - 1));
        QVERIFY(!sheet.isNull());
        const int px = cell * scale;
        for (const QPoint& c : drawn) {
            const QRect rect(c.x() * px, c.y() * px, px, px);
            // More than a stray pixel: the thinnest glyph, the minus, covers 8 %.
            QVERIFY2(OpaqueShare(sheet, rect) > 0.05,
                     qPrintable(names.at(scale - 1) + QString(" cell %1,%2 is blank").arg(c.x()).arg(c.y())));
        }
        for (const QPoint& c : empty) {
            const QRect rect(c.x() * px, c.y() * px, px, px);
            QVERIFY2(FullyTransparent(sheet, rect),
                     qPrintable(names.at(scale - 1) + QString(" cell %1,%2 is not empty").arg(c.x()).arg(c.y())));
        }
    }
}

void TestImageCache::catalogueIconsDrawn_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("index");

    CFiltersEnum* catalogue = CFiltersEnum::GetInstance();
    catalogue->GenerateList();
    if (catalogue->records.size() != 13)
        QFAIL("the filter catalogue did not generate its 13 rows");
    for (int size : {32, 48, 64}) {
        for (const SFilterEnumRecord& record : qAsConst(catalogue->records)) {
            const int index = record.id / 1000 * 18 + record.iconColumn;
            QTest::addRow("%d %s", size, qPrintable(record.name))
                << QString("Icons-Filters-%1.png").arg(size) << size << index;
        }
    }
}

void TestImageCache::catalogueIconsDrawn()
{
    QFETCH(QString, sheet);
    QFETCH(int, size);
    QFETCH(int, index);
    std::unique_ptr<QList<QIcon>> icons(FreshCache()->LoadIconsFromPath(sheet, false, size));
    QCOMPARE(icons->size(), 108);
    const QImage icon = IconImage(icons->at(index));
    QCOMPARE(icon.width(), m_expectRetina ? size * 2 : size);
    QVERIFY(OpaqueShare(icon, icon.rect()) > 0.1);
}

void TestImageCache::minimalGlyphsContrastWithTheme_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<bool>("lightGlyphs");
    QTest::newRow("light theme, dark glyphs") << 0 << false;
    QTest::newRow("dark theme, light glyphs") << 1 << true;
}

void TestImageCache::minimalGlyphsContrastWithTheme()
{
    QFETCH(int, theme);
    QFETCH(bool, lightGlyphs);
    CImageCache* cache = FreshCache();
    cache->ThemeId = theme;
    const QImage sheet = cache->GetAsset("Icons-Minimal.png", true, true).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!sheet.isNull());
    qint64 sum = 0, count = 0;
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            const QRgb px = sheet.pixel(x, y);
            if (qAlpha(px) == 255) {
                sum += qGray(px);
                ++count;
            }
        }
    }
    QVERIFY(count > 0);
    const qint64 mean = sum / count;
    if (lightGlyphs)
        QVERIFY2(mean > 180, qPrintable(QString::number(mean)));
    else
        QVERIFY2(mean < 80, qPrintable(QString::number(mean)));
}

void TestImageCache::generatorIsRepeatable()
{
    QVERIFY(QFile::exists(MakeImagesPath()));
    QTemporaryDir first, second;
    QVERIFY(first.isValid() && second.isValid());
    QCOMPARE(RunMakeImages({first.path()}), 0);
    QCOMPARE(RunMakeImages({second.path()}), 0);

    const QStringList files = QDir(first.path()).entryList(QDir::Files, QDir::Name);
    QCOMPARE(QDir(second.path()).entryList(QDir::Files, QDir::Name), files);
    // 37 PNGs, the ICO and the resource list; the frame icon sheets come
    // from bq-resgen.
    QCOMPARE(files.size(), 39);
    QVERIFY(files.contains("interface-images.qrc"));
    for (const QString& name : files) {
        QFile a(first.filePath(name)), b(second.filePath(name));
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        const QByteArray bytes = a.readAll();
        QVERIFY2(bytes == b.readAll(), qPrintable(name + " differs between runs"));
        if (name.endsWith(".qrc"))
            continue;
        // The program carries exactly what the generator draws.
        QFile compiled(":/" + name);
        QVERIFY(compiled.open(QIODevice::ReadOnly));
        QVERIFY2(compiled.readAll() == bytes, qPrintable(name + " differs from the compiled-in image"));
    }
}

void TestImageCache::generatorRefusesBadArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("no folder") << QStringList() << 2;
    QTest::newRow("two folders") << QStringList{"a", "b"} << 2;
    QTest::newRow("folder under a file") << QStringList{"FILE/out"} << 1;
}

void TestImageCache::generatorRefusesBadArguments()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath("file"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    for (QString& arg : args)
        arg.replace("FILE", file.fileName());
    QCOMPARE(RunMakeImages(args), exitCode);
    // A refused run leaves no resource list behind.
    QVERIFY(!QFile::exists(file.fileName() + "/out/interface-images.qrc"));
}

BQ_TEST_MAIN(TestImageCache)
#include "tst_imagecache.moc"
