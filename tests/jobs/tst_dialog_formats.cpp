// The format options dialog, page by page: what Init shows, what OK, Reset
// and Cancel write, the coupled quality controls, the custom ICC chooser,
// values outside the lists, help and the keys.
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
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>

#include <functional>

namespace
{
template <typename T = QWidget> T* Child(QWidget& d, const char* name)
{
    return BqTest::FindChild<T>(d, name);
}
QComboBox* Combo(QWidget& d, const char* name)
{
    return Child<QComboBox>(d, name);
}
QSpinBox* Spin(QWidget& d, const char* name)
{
    return Child<QSpinBox>(d, name);
}
QSlider* Slider(QWidget& d, const char* name)
{
    return Child<QSlider>(d, name);
}
void Click(QWidget& d, const char* name)
{
    Child<QAbstractButton>(d, name)->click();
}

// The format fields, in one comparable list.
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

// Chooses an entry as the user does: the slots answer activated(), which
// setCurrentIndex alone does not emit.
void Activate(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}
using Act = std::function<void(QWidget&)>;
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
    void qualityPairsFollow_data();
    void qualityPairsFollow();
    void okStores_data();
    void okStores();
    void clampedValues();
    void disabledQualityStillStored_data();
    void disabledQualityStillStored();
    void resetThenCancel_data();
    void resetThenCancel();
    void defaultFormatPage_data();
    void defaultFormatPage();
    void valuesOutsideTheListsSurvive();
    void customProfile_data();
    void customProfile();
    void help_data();
    void help();
    void keys();

private:
    // Runs page `page`; `whileOpen` acts on it from inside exec().
    int Run(CFormatSettings& dialog, int page, const std::function<void()>& whileOpen);
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
    m_driver.Clear();
}

int TestDialogFormats::Run(CFormatSettings& dialog, int page, const std::function<void()>& whileOpen)
{
    dialog.FormatPage = page;
    return BqTest::RunWhileOpen(dialog, whileOpen, &m_driver);
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
    const int r = Run(dialog, page, [&] {
        shown = Child<QStackedWidget>(dialog, "stackedWidget")->currentIndex();
        Click(dialog, "buttonReset");
        QTest::keyClick(&dialog, Qt::Key_F1);
        Click(dialog, "buttonOK");
    });
    QCOMPARE(r, 1);
    QCOMPARE(shown, 0);
    QCOMPARE(Child<QLabel>(dialog, "labelNoSettings")->text(), QString("There are no settings for this format"));
    QCOMPARE(Fields(CUserProfile::GetInstance()), before);
    QVERIFY(m_urls.isEmpty());
}

void TestDialogFormats::qualityPairsFollow_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("JP2") << 3 << "JP2";
    QTest::newRow("JPG") << 4 << "JPG";
    QTest::newRow("PDF") << 5 << "PDF";
    QTest::newRow("TIFF") << 7 << "TIF";
    QTest::newRow("MIFF") << 8 << "MIF";
}

void TestDialogFormats::qualityPairsFollow()
{
    QFETCH(int, page);
    QFETCH(QString, suffix);
    CFormatSettings dialog;
    QList<int> seen;
    Run(dialog, page, [&] {
        QSlider* slider = Slider(dialog, qPrintable("sliderSizeQuality" + suffix));
        QSpinBox* spin = Spin(dialog, qPrintable("spinSizeQuality" + suffix));
        seen << slider->value() << spin->value();
        slider->setValue(57);
        seen << spin->value();
        spin->setValue(12);
        seen << slider->value();
        seen << slider->minimum() << slider->maximum() << spin->minimum() << spin->maximum();
        dialog.reject();
    });
    QCOMPARE(seen, QList<int>({70, 70, 57, 12, 1, 100, 1, 100}));
}

void TestDialogFormats::okStores_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<Act>("act");
    QTest::addColumn<QVariantList>("expected"); // Fields after OK
    // The fields after OK: the defaults with `change` applied.
    const auto with = [](std::function<void(CUserProfile*)> change) {
        CUserProfile* p = CUserProfile::GetInstance();
        change(p);
        const QVariantList out = Fields(p);
        SetDefaults(p);
        return out;
    };
    QTest::newRow("GIF") << 2 << Act([](QWidget& d) { Combo(d, "comboInterlaceGIF")->setCurrentIndex(0); })
                         << with([](CUserProfile* p) { p->Interlaced = 0; });
    QTest::newRow("JP2") << 3 << Act([](QWidget& d) {
        Spin(d, "spinSizeQualityJP2")->setValue(33);
        Combo(d, "comboInterlaceJP2")->setCurrentIndex(0);
    }) << with([](CUserProfile* p) { p->Quality = 33, p->Interlaced = 0; });
    QTest::newRow("JPG fixed size") << 4 << Act([](QWidget& d) {
        Spin(d, "spinSizeQualityJPG")->setValue(44);
        QTest::mouseClick(Child(d, "checkFixedSizeJPG"), Qt::LeftButton, {}, QPoint(5, 5));
        Spin(d, "spinFixedSizeJPG")->setValue(777);
        Combo(d, "comboColorsJPG")->setCurrentIndex(0);
        Combo(d, "comboInterlaceJPG")->setCurrentIndex(0);
    }) << with([](CUserProfile* p) {
        p->Quality = 44, p->FixedSize = true, p->FileSize = 777, p->JpegType = 0, p->Interlaced = 0;
    });
    QTest::newRow("PDF") << 5 << Act([](QWidget& d) {
        Spin(d, "spinSizeQualityPDF")->setValue(21);
        Activate(Combo(d, "comboCompressionPDF"), 3);
    }) << with([](CUserProfile* p) { p->Quality = 21, p->PdfAlg = 3; });
    QTest::newRow("PNG") << 6 << Act([](QWidget& d) {
        Click(d, "checkBestCompressionPNG");
        Combo(d, "comboInterlacePNG")->setCurrentIndex(0);
    }) << with([](CUserProfile* p) { p->PNGComp = 0, p->Interlaced = 0; });
    QTest::newRow("TIFF") << 7 << Act([](QWidget& d) {
        Spin(d, "spinSizeQualityTIF")->setValue(66);
        Activate(Combo(d, "comboCompressionTIF"), 6);
        Combo(d, "comboColorsTIF")->setCurrentIndex(4);
    }) << with([](CUserProfile* p) { p->Quality = 66, p->TiffAlg = 6, p->TiffType = 4; });
    QTest::newRow("MIFF") << 8 << Act([](QWidget& d) { Spin(d, "spinSizeQualityMIF")->setValue(99); })
                          << with([](CUserProfile* p) { p->Quality = 99; });
    QTest::newRow("Default") << 1 << Act([](QWidget& d) { Combo(d, "comboOutputFormat")->setCurrentIndex(0); })
                             << with([](CUserProfile* p) { p->DefaultFormat = "BMP"; });
}

void TestDialogFormats::okStores()
{
    QFETCH(int, page);
    QFETCH(Act, act);
    QFETCH(QVariantList, expected);
    CFormatSettings dialog;
    const int r = Run(dialog, page, [&] {
        act(dialog);
        Click(dialog, "buttonOK");
    });
    QCOMPARE(r, 1);
    QCOMPARE(Fields(CUserProfile::GetInstance()), expected);

    // Cancel after the same changes writes nothing.
    SetDefaults(CUserProfile::GetInstance());
    const QVariantList before = Fields(CUserProfile::GetInstance());
    CFormatSettings cancelled;
    QCOMPARE(Run(cancelled, page,
                 [&] {
                     act(cancelled);
                     Click(cancelled, "buttonCancel");
                 }),
             0);
    QCOMPARE(Fields(CUserProfile::GetInstance()), before);
}

void TestDialogFormats::clampedValues()
{
    CUserProfile* p = CUserProfile::GetInstance();
    p->Quality = 500, p->FileSize = 200000;
    CFormatSettings dialog;
    QList<int> shown;
    Run(dialog, 4, [&] {
        shown << Spin(dialog, "spinSizeQualityJPG")->value() << Spin(dialog, "spinFixedSizeJPG")->value();
        Click(dialog, "buttonOK");
    });
    QCOMPARE(shown, QList<int>({100, 100000}));
    QCOMPARE(p->Quality, 100);
    QCOMPARE(p->FileSize, qint64(100000));
}

void TestDialogFormats::disabledQualityStillStored_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QList<int>>("disabling");
    QTest::addColumn<int>("enabling");
    QTest::newRow("PDF") << 5 << "comboCompressionPDF"
                         << "PDF" << QList<int>{1, 2, 3} << 0;
    QTest::newRow("TIFF") << 7 << "comboCompressionTIF"
                          << "TIF" << QList<int>{0, 1, 2, 4, 5, 6} << 3;
}

void TestDialogFormats::disabledQualityStillStored()
{
    QFETCH(int, page);
    QFETCH(QString, list);
    QFETCH(QString, suffix);
    QFETCH(QList<int>, disabling);
    QFETCH(int, enabling);
    for (int entry : disabling) {
        CFormatSettings dialog;
        bool sliderOn = true, spinOn = true, onAgain = false;
        Run(dialog, page, [&] {
            QSpinBox* spin = Spin(dialog, qPrintable("spinSizeQuality" + suffix));
            Activate(Combo(dialog, qPrintable(list)), enabling);
            onAgain = spin->isEnabled();
            spin->setValue(40 + entry);
            Activate(Combo(dialog, qPrintable(list)), entry);
            sliderOn = Slider(dialog, qPrintable("sliderSizeQuality" + suffix))->isEnabled();
            spinOn = spin->isEnabled();
            Click(dialog, "buttonOK");
        });
        QVERIFY(onAgain);
        QVERIFY2(!sliderOn && !spinOn, qPrintable(QString::number(entry)));
        QCOMPARE(CUserProfile::GetInstance()->Quality, 40 + entry);
    }
    // A job's compression without quality opens with the controls off.
    CUserProfile::GetInstance()->TiffAlg = 0, CUserProfile::GetInstance()->PdfAlg = 2;
    CFormatSettings dialog;
    bool on = true;
    Run(dialog, page, [&] {
        on = Spin(dialog, qPrintable("spinSizeQuality" + suffix))->isEnabled();
        dialog.reject();
    });
    QVERIFY(!on);
}

void TestDialogFormats::resetThenCancel_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QVariantList>("expected");
    CUserProfile* p = CUserProfile::GetInstance();
    SetDefaults(p);
    const QString srgb = ResourceRoot() + "/sRGB.icm";
    p->Quality = 88, p->FixedSize = false, p->FileSize = 100, p->Interlaced = 0, p->JpegType = 1;
    p->CustomProfile = srgb;
    QTest::newRow("JPG") << 4 << Fields(p);
    SetDefaults(p);
    p->Interlaced = 0;
    QTest::newRow("PNG keeps PNGComp") << 6 << Fields(p);
    SetDefaults(p);
    p->TiffAlg = 0, p->Quality = 88, p->CustomProfile = srgb, p->TiffType = 2;
    QTest::newRow("TIFF") << 7 << Fields(p);
    SetDefaults(p);
    p->Quality = 88, p->PdfAlg = 0;
    QTest::newRow("PDF") << 5 << Fields(p);
    SetDefaults(p);
    p->Quality = 88;
    QTest::newRow("MIFF") << 8 << Fields(p);
    SetDefaults(p);
    QTest::newRow("Default writes nothing") << 1 << Fields(p);
}

void TestDialogFormats::resetThenCancel()
{
    QFETCH(int, page);
    QFETCH(QVariantList, expected);
    CUserProfile* p = CUserProfile::GetInstance();
    p->FixedSize = true, p->PNGComp = 0;
    expected[2] = page == 4 ? false : true; // FixedSize only reset on page 4
    expected[3] = 0;                        // PNGComp never written by Reset
    CFormatSettings dialog;
    QVariantList shown;
    const int r = Run(dialog, page, [&] {
        Click(dialog, "buttonReset");
        if (page == 7)
            shown << Slider(dialog, "sliderSizeQualityTIF")->isEnabled() << Spin(dialog, "spinSizeQualityTIF")->value();
        if (page == 4)
            shown << Spin(dialog, "spinFixedSizeJPG")->isEnabled() << Spin(dialog, "spinSizeQualityJPG")->isEnabled();
        if (page == 1)
            shown << Combo(dialog, "comboOutputFormat")->currentText();
        if (page == 6)
            shown << Child<QCheckBox>(dialog, "checkBestCompressionPNG")->isChecked();
        Click(dialog, "buttonCancel");
    });
    QCOMPARE(r, 0);
    QCOMPARE(Fields(p), expected);
    if (page == 7)
        QCOMPARE(shown, QVariantList({false, 88}));
    if (page == 4)
        QCOMPARE(shown, QVariantList({false, true}));
    if (page == 1)
        QCOMPARE(shown, QVariantList({"JPG"}));
    if (page == 6)
        QCOMPARE(shown, QVariantList({true}));
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
    QTest::newRow("tif") << "tif"
                         << "TIF";
    QTest::newRow("XYZ") << "XYZ"
                         << "";
}

void TestDialogFormats::defaultFormatPage()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    CUserProfile::GetInstance()->DefaultFormat = stored;
    CFormatSettings dialog;
    QStringList entries;
    QString current;
    QCOMPARE(Run(dialog, 1,
                 [&] {
                     QComboBox* c = Combo(dialog, "comboOutputFormat");
                     for (int i = 0; i < c->count(); ++i)
                         entries << c->itemText(i);
                     current = c->currentText();
                     Click(dialog, "buttonOK");
                 }),
             1);
    QCOMPARE(entries, QStringList({"BMP", "PICT", "GIF", "JP2", "JPC", "JPG", "PCX", "PNG", "PSD", "SGI", "TGA", "TIF",
                                   "WBMP"}));
    QCOMPARE(current, shown);
    QCOMPARE(CUserProfile::GetInstance()->DefaultFormat, shown);
    if (stored == "XYZ") {
        CFormatSettings next;
        Run(next, 1, [&] {
            current = Combo(next, "comboOutputFormat")->currentText();
            next.reject();
        });
        QCOMPARE(current, QString("BMP"));
    }
}

void TestDialogFormats::valuesOutsideTheListsSurvive()
{
    CUserProfile* p = CUserProfile::GetInstance();
    p->JpegType = 7, p->TiffAlg = 9, p->Interlaced = 5, p->TiffType = 11;
    for (int page : {4, 7}) {
        CFormatSettings dialog;
        QCOMPARE(Run(dialog, page, [&] { Click(dialog, "buttonOK"); }), 1);
    }
    QCOMPARE(p->JpegType, 7);
    QCOMPARE(p->TiffAlg, 9);
    QCOMPARE(p->Interlaced, 5);
    QCOMPARE(p->TiffType, 11);
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
    const int typeBefore = page == 4 ? p->JpegType : p->TiffType;

    // First a cancelled chooser, then a chooser answered with a.icc.
    QStringList shownFiles, filters;
    QString title, folder;
    int choosers = 0;
    m_answer = [&](QWidget* w, const BqTest::SModalSeen& seen) {
        auto* chooser = qobject_cast<QFileDialog*>(w);
        if (!chooser)
            return false;
        if (++choosers == 1) {
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
            return false; // rejected: cancelled
        }
        return BqTest::CModalDriver::ChooseFile(w, docs + "/a.icc");
    };
    CFormatSettings dialog;
    QList<int> entries;
    const int r = Run(dialog, page, [&] {
        QComboBox* colors = Combo(dialog, qPrintable(list));
        Activate(colors, 0);
        Activate(colors, custom);
        entries << colors->currentIndex();
        Activate(colors, custom);
        entries << colors->currentIndex();
        Click(dialog, "buttonCancel");
    });
    QCOMPARE(r, 0);
    QCOMPARE(choosers, 2);
    QCOMPARE(title, QString("Load Profile"));
    QCOMPARE(folder, docs);
    QCOMPARE(filters, QStringList({"ICC Profiles (*.icc *.icm)"}));
    shownFiles.sort();
    QCOMPARE(shownFiles, QStringList({"a.icc", "b.icm"}));
    QCOMPARE(entries, QList<int>({0, custom}));
    QCOMPARE(p->CustomProfile, docs + "/a.icc");
    QCOMPARE(page == 4 ? p->JpegType : p->TiffType, typeBefore);
    QVERIFY(!icc->IsCustomProfileLoaded());
}

void TestDialogFormats::help_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("topic");
    const char* topics[] = {"formats_original.htm", "formats_gif.htm", "formats_jp2.htm",  "formats_jpg.htm",
                            "formats_pdf.htm",      "formats_png.htm", "formats_tiff.htm", "formats_miff.htm"};
    for (int page = 1; page <= 8; ++page)
        QTest::newRow(topics[page - 1]) << page << topics[page - 1];
}

void TestDialogFormats::help()
{
    QFETCH(int, page);
    QFETCH(QString, topic);
    CFormatSettings dialog;
    Run(dialog, page, [&] {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &dialog, Qt::Key_F1);
        dialog.reject();
    });
    QCOMPARE(m_urls.size(), 1);
    QCOMPARE(m_urls[0].toString(), "https://help.brandquill.example/help/index.html?" + topic);
}

void TestDialogFormats::keys()
{
    // Enter in the quality spin box accepts with the typed value.
    CFormatSettings dialog;
    int fixed = -1;
    const int r = Run(dialog, 4, [&] {
        QSpinBox* spin = Spin(dialog, "spinSizeQualityJPG");
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, "42");
        QTest::keyClick(spin, Qt::Key_Return);
        fixed = Spin(dialog, "spinFixedSizeJPG")->isEnabled();
    });
    QCOMPARE(r, 1);
    QCOMPARE(CUserProfile::GetInstance()->Quality, 42);
    QCOMPARE(CUserProfile::GetInstance()->FileSize, qint64(250));
    QCOMPARE(fixed, 0);

    CFormatSettings escaped;
    QCOMPARE(Run(escaped, 4,
                 [&] {
                     Spin(escaped, "spinSizeQualityJPG")->setValue(5);
                     QTest::keyClick(Spin(escaped, "spinSizeQualityJPG"), Qt::Key_Escape);
                 }),
             0);
    QCOMPARE(CUserProfile::GetInstance()->Quality, 42);
}

BQ_TEST_MAIN(TestDialogFormats)
#include "tst_dialog_formats.moc"
