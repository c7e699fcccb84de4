// The format options dialog: what OK, Reset and Cancel write page by page,
// the quality pairs and their enabling, clamped and unlisted values, the
// default-format page, the custom ICC chooser, help and keys.
#include "BqTestMain.h"
#include "CFormatSettings.h"
#include "FormatsEnum.h"
#include "ICCProfiles.h"
#include "MagickRuntime.h"
#include "ModalDriver.h"
#include "ResourceRoot.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>

namespace
{
using BqTest::FindChild;
using Act = std::function<void(QWidget&)>;

QComboBox* Combo(QWidget& d, const QString& name)
{
    return FindChild<QComboBox>(d, qPrintable(name));
}
QSpinBox* Spin(QWidget& d, const QString& name)
{
    return FindChild<QSpinBox>(d, qPrintable(name));
}
void Click(QWidget& d, const char* name)
{
    FindChild<QAbstractButton>(d, name)->click();
}
// An entry chosen as by the user: the slots answer activated() only.
void Activate(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

QVariantList Fields(const CUserProfile* p)
{
    return {p->Quality,  p->FileSize, p->FixedSize, p->PNGComp,       p->Interlaced,   p->JpegType,
            p->TiffType, p->TiffAlg,  p->PdfAlg,    p->CustomProfile, p->DefaultFormat};
}
void SetDefaults(CUserProfile* p)
{
    p->Quality = 70, p->FileSize = 250, p->FixedSize = false, p->PNGComp = 1, p->Interlaced = 1;
    p->JpegType = 2, p->TiffType = 3, p->TiffAlg = 3, p->PdfAlg = 0;
    p->CustomProfile = "/elsewhere/custom.icc", p->DefaultFormat = "PNG";
}
// The fields after SetDefaults and `change`.
QVariantList With(const std::function<void(CUserProfile*)>& change)
{
    CUserProfile* p = CUserProfile::GetInstance();
    SetDefaults(p);
    change(p);
    const QVariantList out = Fields(p);
    SetDefaults(p);
    return out;
}
} // namespace
Q_DECLARE_METATYPE(Act)

class TestDialogFormats : public QObject
{
    Q_OBJECT
public slots:
    void OpenUrl(const QUrl& url) { m_urls << url; }

private slots:
    void initTestCase();
    void init();
    void pageZero_data();
    void pageZero();
    void okStores_data();
    void okStores();
    void qualityControls_data();
    void qualityControls();
    void resetThenCancel_data();
    void resetThenCancel();
    void defaultFormatPage_data();
    void defaultFormatPage();
    void customProfile_data();
    void customProfile();
    void helpAndKeys();

private:
    int Run(CFormatSettings& dialog, int page, const std::function<void()>& whileOpen)
    {
        dialog.FormatPage = page;
        return BqTest::RunWhileOpen(dialog, whileOpen, &m_driver);
    }
    QList<QUrl> m_urls;
    BqTest::CModalDriver::Answer m_answer;
    BqTest::CModalDriver m_driver{
        [this](QWidget* w, const BqTest::SModalSeen& s) { return m_answer && m_answer(w, s); }};
};

void TestDialogFormats::initTestCase()
{
    QVERIFY(StartMagickRuntime());
    CFormatsEnum::GetInstance()->GenerateList();
    QDesktopServices::setUrlHandler("https", this, "OpenUrl");
}

void TestDialogFormats::init()
{
    SetDefaults(CUserProfile::GetInstance());
    m_urls.clear();
    m_answer = nullptr;
}

void TestDialogFormats::pageZero_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("0") << 0;
    QTest::newRow("-1") << -1;
    QTest::newRow("9") << 9;
}

void TestDialogFormats::pageZero()
{
    QFETCH(int, page);
    const QVariantList before = Fields(CUserProfile::GetInstance());
    CFormatSettings dialog;
    QCOMPARE(dialog.FormatPage, 0);
    QCOMPARE(dialog.size(), QSize(401, 300));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    int shown = -1;
    QCOMPARE(Run(dialog, page,
                 [&] {
                     shown = FindChild<QStackedWidget>(dialog, "stackedWidget")->currentIndex();
                     Click(dialog, "buttonReset");
                     QTest::keyClick(&dialog, Qt::Key_F1);
                     Click(dialog, "buttonOK");
                 }),
             1);
    QCOMPARE(shown, 0);
    QCOMPARE(FindChild<QLabel>(dialog, "labelNoSettings")->text(), QString("There are no settings for this format"));
    QCOMPARE(Fields(CUserProfile::GetInstance()), before);
    QVERIFY(m_urls.isEmpty());
}

void TestDialogFormats::okStores_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<Act>("act");
    QTest::addColumn<QVariantList>("expected");
    QTest::newRow("GIF") << 2 << Act([](QWidget& d) { Combo(d, "comboInterlaceGIF")->setCurrentIndex(0); })
                         << With([](CUserProfile* p) { p->Interlaced = 0; });
    QTest::newRow("JP2") << 3 << Act([](QWidget& d) {
        FindChild<QSlider>(d, "sliderSizeQualityJP2")->setValue(33);
        Combo(d, "comboInterlaceJP2")->setCurrentIndex(0);
    }) << With([](CUserProfile* p) { p->Quality = 33, p->Interlaced = 0; });
    QTest::newRow("JPG fixed size") << 4 << Act([](QWidget& d) {
        Spin(d, "spinSizeQualityJPG")->setValue(44);
        QTest::mouseClick(FindChild(d, "checkFixedSizeJPG"), Qt::LeftButton, {}, QPoint(5, 5));
        Spin(d, "spinFixedSizeJPG")->setValue(777);
        Combo(d, "comboColorsJPG")->setCurrentIndex(0);
        Combo(d, "comboInterlaceJPG")->setCurrentIndex(0);
    }) << With([](CUserProfile* p) {
        p->Quality = 44, p->FixedSize = true, p->FileSize = 777, p->JpegType = 0, p->Interlaced = 0;
    });
    QTest::newRow("PNG") << 6 << Act([](QWidget& d) { Click(d, "checkBestCompressionPNG"); })
                         << With([](CUserProfile* p) { p->PNGComp = 0; });
    QTest::newRow("TIFF") << 7 << Act([](QWidget& d) {
        Activate(Combo(d, "comboCompressionTIF"), 6);
        Combo(d, "comboColorsTIF")->setCurrentIndex(4);
    }) << With([](CUserProfile* p) { p->TiffAlg = 6, p->TiffType = 4; });
    QTest::newRow("MIFF") << 8 << Act([](QWidget& d) { Spin(d, "spinSizeQualityMIF")->setValue(99); })
                          << With([](CUserProfile* p) { p->Quality = 99; });
    // Values from a job file: clamped ones are stored clamped, unlisted list
    // indexes are kept.
    QTest::newRow("clamped") << 4 << Act([](QWidget&) {})
                             << With([](CUserProfile* p) { p->Quality = 100, p->FileSize = 100000; });
    const auto unlisted = [](CUserProfile* p) { p->JpegType = 7, p->Interlaced = 5, p->TiffAlg = 9, p->TiffType = 11; };
    QTest::newRow("unlisted JPG") << 4 << Act([](QWidget&) {}) << With(unlisted);
    QTest::newRow("unlisted TIFF") << 7 << Act([](QWidget&) {}) << With(unlisted);
}

void TestDialogFormats::okStores()
{
    QFETCH(int, page);
    QFETCH(Act, act);
    QFETCH(QVariantList, expected);
    CUserProfile* p = CUserProfile::GetInstance();
    const QString row = QTest::currentDataTag();
    if (row == "clamped")
        p->Quality = 500, p->FileSize = 200000;
    if (row.startsWith("unlisted"))
        p->JpegType = 7, p->Interlaced = 5, p->TiffAlg = 9, p->TiffType = 11;
    const QVariantList before = Fields(p);

    CFormatSettings cancelled;
    QCOMPARE(Run(cancelled, page,
                 [&] {
                     act(cancelled);
                     Click(cancelled, "buttonCancel");
                 }),
             0);
    QCOMPARE(Fields(p), before);

    CFormatSettings dialog;
    QCOMPARE(Run(dialog, page,
                 [&] {
                     act(dialog);
                     Click(dialog, "buttonOK");
                 }),
             1);
    QCOMPARE(Fields(p), expected);
}

void TestDialogFormats::qualityControls_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QList<int>>("disabling");
    QTest::addColumn<int>("enabling");
    QTest::newRow("PDF") << 5 << "PDF"
                         << "comboCompressionPDF" << QList<int>{1, 2, 3} << 0;
    QTest::newRow("TIFF") << 7 << "TIF"
                          << "comboCompressionTIF" << QList<int>{0, 1, 2, 4, 5, 6} << 3;
    QTest::newRow("JPG fixed size") << 4 << "JPG"
                                    << "" << QList<int>{0} << 0;
}

void TestDialogFormats::qualityControls()
{
    QFETCH(int, page);
    QFETCH(QString, suffix);
    QFETCH(QString, list);
    QFETCH(QList<int>, disabling);
    QFETCH(int, enabling);
    for (int entry : disabling) {
        CFormatSettings dialog;
        QList<int> seen;
        Run(dialog, page, [&] {
            auto* slider = FindChild<QSlider>(dialog, qPrintable("sliderSizeQuality" + suffix));
            QSpinBox* spin = Spin(dialog, "spinSizeQuality" + suffix);
            if (!list.isEmpty())
                Activate(Combo(dialog, list), enabling);
            seen << spin->isEnabled();
            slider->setValue(57);
            seen << spin->value();
            spin->setValue(40 + entry);
            seen << slider->value();
            if (list.isEmpty())
                QTest::mouseClick(FindChild(dialog, "checkFixedSizeJPG"), Qt::LeftButton, {}, QPoint(5, 5));
            else
                Activate(Combo(dialog, list), entry);
            seen << slider->isEnabled() << spin->isEnabled();
            Click(dialog, "buttonOK");
        });
        QCOMPARE(seen, QList<int>({1, 57, 40 + entry, 0, 0}));
        // The disabled spin box still gives Quality.
        QCOMPARE(CUserProfile::GetInstance()->Quality, 40 + entry);
    }
}

void TestDialogFormats::resetThenCancel_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QVariantList>("expected");
    const QString srgb = ResourceRoot() + "/sRGB.icm";
    // FixedSize and PNGComp start as true and 0 in the test.
    QTest::newRow("JPG") << 4 << With([&](CUserProfile* p) {
        p->Quality = 88, p->FileSize = 100, p->Interlaced = 0, p->JpegType = 1, p->CustomProfile = srgb;
        p->PNGComp = 0;
    });
    QTest::newRow("PNG keeps PNGComp") << 6 << With([](CUserProfile* p) {
        p->Interlaced = 0, p->FixedSize = true, p->PNGComp = 0;
    });
    QTest::newRow("TIFF") << 7 << With([&](CUserProfile* p) {
        p->TiffAlg = 0, p->Quality = 88, p->CustomProfile = srgb, p->TiffType = 2, p->FixedSize = true;
        p->PNGComp = 0;
    });
    QTest::newRow("Default writes nothing") << 1 << With([](CUserProfile* p) { p->FixedSize = true, p->PNGComp = 0; });
}

void TestDialogFormats::resetThenCancel()
{
    QFETCH(int, page);
    QFETCH(QVariantList, expected);
    CUserProfile* p = CUserProfile::GetInstance();
    p->FixedSize = true, p->PNGComp = 0;
    CFormatSettings dialog;
    QVariantList shown;
    QCOMPARE(Run(dialog, page,
                 [&] {
                     Click(dialog, "buttonReset");
                     if (page == 7)
                         shown << Spin(dialog, "spinSizeQualityTIF")->isEnabled()
                               << Spin(dialog, "spinSizeQualityTIF")->value();
                     if (page == 4)
                         shown << Spin(dialog, "spinFixedSizeJPG")->isEnabled()
                               << Spin(dialog, "spinSizeQualityJPG")->isEnabled();
                     if (page == 1)
                         shown << Combo(dialog, "comboOutputFormat")->currentText();
                     if (page == 6)
                         shown << FindChild<QCheckBox>(dialog, "checkBestCompressionPNG")->isChecked();
                     Click(dialog, "buttonCancel");
                 }),
             0);
    QCOMPARE(Fields(p), expected);
    const QMap<int, QVariantList> controls = {{7, {false, 88}}, {4, {false, true}}, {1, {"JPG"}}, {6, {true}}};
    QCOMPARE(shown, controls.value(page));
}

void TestDialogFormats::defaultFormatPage_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("P") << "P"
                       << "BMP";
    QTest::newRow("jp") << "jp"
                        << "JP2";
    QTest::newRow("empty") << ""
                           << "BMP";
    QTest::newRow("XYZ") << "XYZ"
                         << "";
}

void TestDialogFormats::defaultFormatPage()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    CUserProfile::GetInstance()->DefaultFormat = stored;
    QStringList entries;
    QString current;
    for (int round = 0; round < 2; ++round) {
        CFormatSettings dialog;
        entries.clear();
        Run(dialog, 1, [&] {
            QComboBox* c = Combo(dialog, "comboOutputFormat");
            for (int i = 0; i < c->count(); ++i)
                entries << c->itemText(i);
            current = c->currentText();
            Click(dialog, "buttonOK");
        });
        // What OK stored is what the next opening shows: "" shows "BMP".
        QCOMPARE(current, round == 0 ? shown : shown.isEmpty() ? "BMP" : shown);
        QCOMPARE(CUserProfile::GetInstance()->DefaultFormat, current);
    }
    QCOMPARE(entries, QStringList({"BMP", "PICT", "GIF", "JP2", "JPC", "JPG", "PCX", "PNG", "PSD", "SGI", "TGA", "TIF",
                                   "WBMP"}));
}

void TestDialogFormats::customProfile_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("custom");
    QTest::newRow("JPG") << 4 << "comboColorsJPG" << 3;
    QTest::newRow("TIFF") << 7 << "comboColorsTIF" << 5;
}

void TestDialogFormats::customProfile()
{
    QFETCH(int, page);
    QFETCH(QString, list);
    QFETCH(int, custom);
    const QString docs = QDir::homePath() + "/Documents";
    QVERIFY(QDir().mkpath(docs));
    QCOMPARE(GetMyDocuments(), docs);
    for (const char* name : {"a.icc", "b.icm", "c.txt"}) {
        QFile f(docs + "/" + name);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    CUserProfile* p = CUserProfile::GetInstance();
    CICCProfiles* icc = CICCProfiles::GetInstance();
    p->SetDefaultCustomProfile();
    icc->LoadIccProfile(CICCProfiles::SlotCustom);
    QVERIFY(icc->IsCustomProfileLoaded());
    const QVariantList before = Fields(p);

    // The first chooser is cancelled, the second answered with a.icc.
    QStringList shownFiles, filters;
    QString title, folder;
    int choosers = 0;
    m_answer = [&](QWidget* w, const BqTest::SModalSeen& seen) {
        auto* chooser = qobject_cast<QFileDialog*>(w);
        if (!chooser || ++choosers > 1)
            return BqTest::CModalDriver::ChooseFile(w, docs + "/a.icc");
        title = seen.title;
        folder = chooser->directory().absolutePath();
        filters = chooser->nameFilters();
        auto* model = chooser->findChild<QFileSystemModel*>();
        // Hang guard only: the folder is listed on a thread of its own.
        for (int i = 0; i < 1000 && model->rowCount(model->index(docs)) < 2; ++i)
            QTest::qWait(10);
        const QModelIndex root = model->index(docs);
        for (int r = 0; r < model->rowCount(root); ++r)
            shownFiles << model->index(r, 0, root).data().toString();
        return false;
    };
    CFormatSettings dialog;
    QList<int> entries;
    QCOMPARE(Run(dialog, page,
                 [&] {
                     QComboBox* colors = Combo(dialog, list);
                     Activate(colors, 0);
                     Activate(colors, custom);
                     entries << colors->currentIndex();
                     Activate(colors, custom);
                     entries << colors->currentIndex();
                     Click(dialog, "buttonCancel");
                 }),
             0);
    QCOMPARE(choosers, 2);
    QCOMPARE(title, QString("Load Profile"));
    QCOMPARE(folder, docs);
    QCOMPARE(filters, QStringList({"ICC Profiles (*.icc *.icm)"}));
    shownFiles.sort();
    QCOMPARE(shownFiles, QStringList({"a.icc", "b.icm"}));
    QCOMPARE(entries, QList<int>({0, custom}));
    // Only the path changed, at once; the colour type waits for OK.
    QVariantList expected = before;
    expected[9] = docs + "/a.icc";
    QCOMPARE(Fields(p), expected);
    QVERIFY(!icc->IsCustomProfileLoaded());
}

void TestDialogFormats::helpAndKeys()
{
    for (int page : {7, 1}) {
        CFormatSettings dialog;
        Run(dialog, page, [&] {
            QTest::keyClick(&dialog, Qt::Key_F1);
            dialog.reject();
        });
    }
    QCOMPARE(m_urls, QList<QUrl>({QUrl("https://help.brandquill.example/help/index.html?formats_tiff.htm"),
                                  QUrl("https://help.brandquill.example/help/index.html?formats_original.htm")}));

    // Enter in the quality spin box accepts with the typed value; Escape
    // rejects.
    CFormatSettings dialog;
    bool fixedEnabled = true;
    QCOMPARE(Run(dialog, 4,
                 [&] {
                     QSpinBox* spin = Spin(dialog, "spinSizeQualityJPG");
                     spin->selectAll();
                     QTest::keyClicks(spin, "42");
                     QTest::keyClick(spin, Qt::Key_Return);
                     fixedEnabled = Spin(dialog, "spinFixedSizeJPG")->isEnabled();
                 }),
             1);
    QCOMPARE(CUserProfile::GetInstance()->Quality, 42);
    QCOMPARE(CUserProfile::GetInstance()->FileSize, qint64(250));
    QVERIFY(!fixedEnabled);
    CFormatSettings escaped;
    QCOMPARE(Run(escaped, 4, [&] { QTest::keyClick(Spin(escaped, "spinSizeQualityJPG"), Qt::Key_Escape); }), 0);
}

BQ_TEST_MAIN(TestDialogFormats)
#include "tst_dialog_formats.moc"
