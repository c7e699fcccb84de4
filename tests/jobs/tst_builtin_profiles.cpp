// The built-in profiles: their texts by id (also after a translation is
// installed), the files shipped in Resources/Profiles, what loading each one
// does to the job, and the pixels the resize and raise profiles give.
#include "BqTestMain.h"
#include "CScripts.h"
#include "ImageManager.h"
#include "JobTestSupport.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "MagickRuntime.h"
#include "PhotoMaker.h"
#include "ProfileDescriptions.h"
#include "ResourceRoot.h"
#include "SafeXml.h"
#include "UserProfile.h"

#include <QDir>
#include <QDomDocument>
#include <QFileInfo>
#include <QTranslator>

namespace
{

QStringList g_warnings;
void RecordWarning(const QString& text)
{
    g_warnings << text;
}

QString Shipped(const QString& file)
{
    return ResourceRoot() + "/Profiles/" + file;
}

// Loads a shipped profile into a job whose destination and photos are
// poisoned, and checks that the load kept them.
bool LoadShipped(CScripts& scripts)
{
    CUserProfile* p = CUserProfile::GetInstance();
    p->DestPath = "/poison/dest";
    p->FTPHost = "poison.example";
    CListImages::GetInstance()->images.clear();
    QStringList rejected;
    CListImages::GetInstance()->AddImage("/poison/photo.jpg", rejected);
    g_warnings.clear();
    const bool ok = scripts.Load();
    return ok && p->DestPath == "/poison/dest" && p->FTPHost == "poison.example" &&
           CListImages::GetInstance()->images.size() == 1 &&
           CListImages::GetInstance()->images[0].path == "/poison/photo.jpg";
}

} // namespace

class TestBuiltinProfiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void descriptions_data();
    void descriptions();
    void descriptionsFollowTheInstalledLanguage();
    void exactlyTheTwelveFilesShip();
    void headers_data();
    void headers();
    void loads_data();
    void loads();
    void resizePixels_data();
    void resizePixels();
    void raisePixels();
};

void TestBuiltinProfiles::initTestCase()
{
    QVERIFY(StartMagickRuntime());
    JobTest::ResetSingletons();
    CScripts::ShowWarning = &RecordWarning;
}

void TestBuiltinProfiles::descriptions_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::newRow("14286") << 14286 << "Reduce Noise";
    QTest::newRow("14287") << 14287 << "Adds noise to picture";
    QTest::newRow("12041") << 12041 << "Auto Gamma";
    QTest::newRow("12091") << 12091 << "Automatically adjusts gamma level";
    QTest::newRow("14280") << 14280 << "Auto Contrast";
    QTest::newRow("14321") << 14321 << "Send via E-mail";
    QTest::newRow("14328") << 14328 << "Upload photos to Facebook";
    for (int id : {14320, 14329, 12040, 12042, 12063, 12092, 0, -5, 14269})
        QTest::newRow(qPrintable(QString::number(id))) << id << QString();
}

void TestBuiltinProfiles::descriptions()
{
    QFETCH(int, id);
    QFETCH(QString, text);
    QCOMPARE(GetProfileDescription(id), text);
}

void TestBuiltinProfiles::descriptionsFollowTheInstalledLanguage()
{
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(BQ_PROFILES_QM)));
    QVERIFY(QCoreApplication::installTranslator(&german));
    QCOMPARE(GetProfileDescription(14282), QString("Automatisch drehen"));
    QCOMPARE(GetProfileDescription(14286), QString("Reduce Noise"));
    QCoreApplication::removeTranslator(&german);
    QCOMPARE(GetProfileDescription(14282), QString("Auto Rotate"));
}

void TestBuiltinProfiles::exactlyTheTwelveFilesShip()
{
    QDir dir(ResourceRoot() + "/Profiles");
    const QFileInfoList entries = dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    QStringList names;
    for (const QFileInfo& info : entries) {
        QVERIFY2(info.isFile() && !info.isSymLink(), qPrintable(info.filePath()));
        names << info.fileName();
    }
    QCOMPARE(names, QStringList({"AutoRotate.bqf", "ConvertJpegHigh.bqf", "ConvertJpegMedium.bqf", "ConvertPng.bqf",
                                 "ConvertTiff.bqf", "EffectRaise.bqf", "RenameDate.bqf", "RenameFolder.bqf",
                                 "ResizeAuction.bqf", "ResizeEmail.bqf", "ResizeOnline.bqf", "SendEmail.bqf"}));
}

void TestBuiltinProfiles::headers_data()
{
    QTest::addColumn<QString>("file");
    for (const QString& name : QDir(ResourceRoot() + "/Profiles").entryList({"*.bqf"}, QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(name)) << name;
}

void TestBuiltinProfiles::headers()
{
    QFETCH(QString, file);
    QString text;
    QCOMPARE(SafeXml::Load(Shipped(file), SafeXml::ProfileHeaderCap, text), SafeXml::Verdict::Ok);
    QDomDocument doc;
    QVERIFY(doc.setContent(text));
    const QDomElement root = doc.documentElement();
    QCOMPARE(root.tagName(), QString("Profile"));
    QCOMPARE(root.attribute("Version"), QString("1"));
    QVERIFY(!root.attribute("Name").isEmpty());
    QVERIFY(doc.elementsByTagName("Properties").item(0).toElement().attribute("Class") == "Profile");
    QVERIFY(doc.elementsByTagName("Filters").size() == 1);

    QMap<QString, QString> header;
    const QDomNodeList props = doc.elementsByTagName("Property");
    for (int i = 0; i < props.size(); ++i) {
        const QString name = props.item(i).toElement().attribute("Name");
        QVERIFY2(name != "Name" && name != "Description" && name != "DestPath" && !name.startsWith("FTP"),
                 qPrintable(name));
        if (props.item(i).parentNode().toElement().attribute("Class") == "Profile")
            header.insert(name, props.item(i).toElement().text());
    }
    QVERIFY(header.value("Category") == "Edit" || header.value("Category") == "Output");
    const int nameId = header.value("NameId").toInt();
    QCOMPARE(header.value("DescriptionId").toInt(), nameId + 1);
    QCOMPARE(GetProfileDescription(nameId), root.attribute("Name"));
    QVERIFY(!GetProfileDescription(header.value("DescriptionId").toInt()).isEmpty());
    QVERIFY(header.contains("Icon"));
}

void TestBuiltinProfiles::loads_data()
{
    // The name, then the chain ("id:slot,slot"), then the settings it sets.
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("content");
    const QStringList rows = {
        "AutoRotate.bqf|Auto Rotate|5000:|",
        "EffectRaise.bqf|Effect Raise|2010:20,1|",
        "ResizeAuction.bqf|Resize for Auction Site|5040:400,300,1,0,0,1|",
        "ResizeEmail.bqf|Resize for Sending via Email|5040:1280,960,1,0,0,1|",
        "ResizeOnline.bqf|Resize for Uploading Online|5040:1600,1200,1,0,0,1|",
        "ConvertJpegHigh.bqf|Convert to JPEG with High Quality||OutputFormat=JPG Quality=90 FixedSize=0 JpegType=1 "
        "Multipage=0",
        "ConvertJpegMedium.bqf|Convert to JPEG with Medium Quality||OutputFormat=JPG Quality=75 FixedSize=0 JpegType=1 "
        "Multipage=0",
        "ConvertPng.bqf|Convert to PNG||OutputFormat=PNG PNGComp=1 Multipage=0",
        "ConvertTiff.bqf|Convert to TIFF||OutputFormat=TIF TiffAlg=0 TiffType=2 Multipage=0",
        "RenameDate.bqf|Rename to Photo's Date||PresetRename=2",
        "RenameFolder.bqf|Rename to Folder's Name||PresetRename=1",
        "SendEmail.bqf|Send via E-mail||Destination=2"};
    for (const QString& row : rows)
        QTest::newRow(qPrintable(row.section('|', 0, 0)))
            << row.section('|', 0, 0) << QStringList(row.split('|').mid(1));
}

void TestBuiltinProfiles::loads()
{
    QFETCH(QString, file);
    QFETCH(QStringList, content);
    CUserProfile* p = CUserProfile::GetInstance();
    // Values none of the files holds, so that each setting shown was set; a
    // format with pages, or the load would clear Multipage.
    p->OutputFormat = "GIF", p->Quality = 3, p->FixedSize = true, p->JpegType = 0, p->Multipage = true;
    p->PNGComp = 0, p->TiffAlg = 5, p->TiffType = 4, p->PresetRename = 3, p->Destination = 1;
    const auto settings = [p] {
        return QString("OutputFormat=%1 Quality=%2 FixedSize=%3 JpegType=%4 Multipage=%5 PNGComp=%6 TiffAlg=%7 "
                       "TiffType=%8 PresetRename=%9 Destination=%10")
            .arg(p->OutputFormat)
            .arg(p->Quality)
            .arg(p->FixedSize)
            .arg(p->JpegType)
            .arg(p->Multipage)
            .arg(p->PNGComp)
            .arg(p->TiffAlg)
            .arg(p->TiffType)
            .arg(p->PresetRename)
            .arg(p->Destination)
            .split(' ');
    };
    QStringList expected = settings();
    for (const QString& set : content[2].split(' ', Qt::SkipEmptyParts))
        for (QString& field : expected)
            if (field.section('=', 0, 0) == set.section('=', 0, 0))
                field = set;
    SFilterRecord stale;
    stale.id = 1000;
    CListFilters::GetInstance()->filters = {stale};

    CScripts scripts(Shipped(file));
    QVERIFY(LoadShipped(scripts));
    QCOMPARE(g_warnings, QStringList());
    QCOMPARE(scripts.ProfileHeader.Name, content[0]);
    QStringList chain;
    for (const SFilterRecord& f : CListFilters::GetInstance()->filters) {
        QStringList numbers;
        for (int i = 0; i < f.numberCount; ++i)
            numbers << QString::number(f.numbers[i]);
        chain << QString("%1:%2").arg(f.id).arg(numbers.join(','));
        QVERIFY(f.active);
    }
    QCOMPARE(chain.join(' '), content[1]);
    QCOMPARE(settings(), expected);
}

void TestBuiltinProfiles::resizePixels_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<QSize>("result");
    QTest::newRow("email landscape") << "ResizeEmail.bqf" << QSize(4000, 3000) << QSize(1280, 960);
    QTest::newRow("email portrait") << "ResizeEmail.bqf" << QSize(3000, 4000) << QSize(960, 1280);
    QTest::newRow("email small stays") << "ResizeEmail.bqf" << QSize(800, 600) << QSize(800, 600);
    QTest::newRow("auction") << "ResizeAuction.bqf" << QSize(4000, 3000) << QSize(400, 300);
    QTest::newRow("online") << "ResizeOnline.bqf" << QSize(4000, 3000) << QSize(1600, 1200);
}

void TestBuiltinProfiles::resizePixels()
{
    QFETCH(QString, file);
    QFETCH(QSize, photo);
    QFETCH(QSize, result);
    CScripts scripts(Shipped(file));
    QVERIFY(scripts.Load());
    CImageManager engine;
    engine.SetImage(Magick::Image(Magick::Geometry(photo.width(), photo.height()), Magick::Color("steelblue")));
    for (const SFilterRecord& f : CListFilters::GetInstance()->filters)
        QVERIFY(engine.ApplyFilter(f));
    QCOMPARE(QSize(int(engine.m_Image.columns()), int(engine.m_Image.rows())), result);
}

void TestBuiltinProfiles::raisePixels()
{
    CScripts scripts(Shipped("EffectRaise.bqf"));
    QVERIFY(scripts.Load());
    const Magick::Image photo = BqTest::MakePhoto(1000, 800);
    CImageManager engine;
    engine.SetImage(photo);
    QCOMPARE(CListFilters::GetInstance()->filters.size(), 1);
    QVERIFY(engine.ApplyFilter(CListFilters::GetInstance()->filters[0]));
    Magick::Image expected(photo);
    expected.raise(Magick::Geometry(40, 40), true);
    QCOMPARE(engine.m_Image.signature(true), expected.signature(true));
}

BQ_TEST_MAIN(TestBuiltinProfiles)
#include "tst_builtin_profiles.moc"
