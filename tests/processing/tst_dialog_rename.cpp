// The "Edit Names" dialog, driven as a user would while exec() runs: the
// live preview, the keyword menu, remove keyword, Reset, OK and Cancel, the
// kept output format, the preview photo's date, help, icons and layout.
// BQ_DIALOG_PICTURE=<file.png> saves a picture of the dialog there.
#include "BqTestMain.h"
#include "CDialogRename.h"
#include "ExifBlockBuilder.h"
#include "FilterDescriptions.h"
#include "FormatsEnum.h"
#include "ImageCache.h"
#include "MagickRuntime.h"
#include "PhotoMaker.h"
#include "UserProfile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTimer>

#include <functional>

namespace
{
template <typename T = QWidget> T* Child(QWidget& dialog, const char* name)
{
    T* widget = dialog.findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}
QLineEdit* Keywords(QWidget& d)
{
    return Child<QLineEdit>(d, "editKeywords");
}
QString Preview(QWidget& d)
{
    return Child<QLineEdit>(d, "editPreview")->text();
}
void Click(QWidget& d, const char* button)
{
    QTest::mouseClick(Child(d, button), Qt::LeftButton);
}

// The twelve rename settings and the preset, in one comparable list.
QVariantList RenameSettings(const CUserProfile* p)
{
    return {p->FilenameFormat, p->ChangeCase,  p->LowerCaseExt, p->CounterStart, p->CountStep,
            p->CounterDigits,  p->DateType,    p->DateFormat,   p->ShowTime,     p->TimeFormat,
            p->SearchFor,      p->ReplaceWith, p->PresetRename};
}
void StoreRenameSettings(CUserProfile* p, const QVariantList& v)
{
    p->FilenameFormat = v[0].toString(), p->ChangeCase = v[1].toInt(), p->LowerCaseExt = v[2].toBool();
    p->CounterStart = v[3].toLongLong(), p->CountStep = v[4].toLongLong(), p->CounterDigits = v[5].toInt();
    p->DateType = v[6].toInt(), p->DateFormat = v[7].toInt(), p->ShowTime = v[8].toInt();
    p->TimeFormat = v[9].toInt(), p->SearchFor = v[10].toString(), p->ReplaceWith = v[11].toString();
    p->PresetRename = v[12].toInt();
}
// The engine's options in the order of RenameSettings, pattern included.
QVariantList EngineOptions(const CFilterFilename& e)
{
    return {e.pattern,    e.caseMode,   e.lowerCaseExtension, e.counterStart, e.counterStep, e.counterDigits,
            e.dateSource, e.dateFormat, e.showTime,           e.timeFormat,   e.searchText,  e.replaceText,
            e.preset};
}

// Runs the dialog; `whileOpen` acts on it from inside exec() and should close
// it. A dialog left open (a failed check) is rejected.
int RunDialog(CDialogRename& dialog, const std::function<void()>& whileOpen)
{
    QTimer::singleShot(0, &dialog, [&] {
        whileOpen();
        if (dialog.isVisible())
            dialog.reject();
    });
    return dialog.exec();
}

// Opens the keyword menu and clicks its entry `text`; returns the entries.
QStringList ChooseKeyword(CDialogRename& dialog, const QString& text)
{
    QStringList entries;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions()) {
            entries << action->text();
            if (action->text() == text)
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        }
        menu->close();
    });
    Click(dialog, "buttonAddKeyword");
    return entries;
}
} // namespace

class TestDialogRename : public QObject
{
    Q_OBJECT

public slots:
    void OpenUrl(const QUrl& url) { m_urls << url; }

private slots:
    void initTestCase();
    void init();
    void opensWithPreview_data();
    void opensWithPreview();
    void typingRefreshesEveryKey();
    void keywordMenu_data();
    void keywordMenu();
    void removeKeyword_data();
    void removeKeyword();
    void okStoresTheControls();
    void previewSource_data();
    void previewSource();
    void helpIconsAndForm();
    void newUserSession_data();
    void newUserSession();
    void layout_data();
    void layout();

private:
    // Photos Trip/IMG_000n.PNG in the list, the first one previewed.
    void UseRecords(CDialogRename& dialog, int count);

    CUserProfile* m_profile = nullptr;
    QFont m_interfaceFont;
    QString m_folder;
    QList<QUrl> m_urls;
};

void TestDialogRename::initTestCase()
{
    QVERIFY(StartMagickRuntime());
    CFormatsEnum::GetInstance()->GenerateList();
    m_profile = CUserProfile::GetInstance();
    // The form is drawn for a 13-pixel interface font, as on the desktop; the
    // light icons go with the light offscreen palette.
    m_interfaceFont = QFont("Liberation Sans");
    m_interfaceFont.setPixelSize(13);
    QCOMPARE(QFontInfo(m_interfaceFont).family(), QString("Liberation Sans"));
    QApplication::setFont(m_interfaceFont);
    CImageCache::GetInstance()->ThemeId = 0;

    // Three photos without Exif, a JPEG with an Exif date and a file that is
    // no photo; all but the JPEG carry the file time 2012-01-05 22:30.
    m_folder = BqTest::TempHome() + "/Trip";
    QVERIFY(QDir().mkpath(m_folder));
    Magick::Image photo = BqTest::MakePhoto(24, 16);
    photo.magick("JPEG");
    Magick::Blob jpeg;
    photo.write(&jpeg);
    BqTest::ExifBlockBuilder exif;
    exif.AddPointer(BqTest::ExifBlockBuilder::Ifd0, 0x8769, BqTest::ExifBlockBuilder::ExifIfd);
    exif.AddAscii(BqTest::ExifBlockBuilder::ExifIfd, 0x9003, "2011:02:03 04:05:06");
    const QMap<QString, QByteArray> files = {
        {"exif.jpg",
         BqTest::SpliceApp1(QByteArray(static_cast<const char*>(jpeg.data()), int(jpeg.length())), exif.Build())},
        {"broken.PNG", "not a photo"}};
    for (auto f = files.begin(); f != files.end(); ++f) {
        QFile out(m_folder + "/" + f.key());
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(f.value()) == f.value().size());
    }
    for (const QString name : {"IMG_0001.PNG", "IMG_0002.PNG", "IMG_0003.PNG", "broken.PNG"}) {
        if (name.startsWith("IMG"))
            BqTest::MakePhoto(24, 16).write(QFile::encodeName(m_folder + "/" + name).toStdString());
        QFile file(m_folder + "/" + name);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime(QDate(2012, 1, 5), QTime(22, 30)), QFileDevice::FileModificationTime));
    }
}

void TestDialogRename::init()
{
    // A fresh job's rename settings, the extension the step-3 page stores for
    // "JPG", and an engine left in another preset.
    StoreRenameSettings(m_profile, {"holiday", 0, true, 1, 1, 2, 0, 0, 0, 0, "", "", 0});
    m_profile->OutputFormat = "JPG";
    m_profile->FilterFilename = CFilterFilename();
    m_profile->FilterFilename.extension = "jpg";
    m_profile->FilterFilename.preset = 1;
}

void TestDialogRename::UseRecords(CDialogRename& dialog, int count)
{
    QList<SImageRecord>& images = CListImages::GetInstance()->images;
    images.clear();
    for (int i = 0; i < count; ++i) {
        const QString name = QString("IMG_000%1").arg(i + 1);
        images << SImageRecord{m_folder + "/" + name + ".PNG", m_folder, name, "PNG", i};
    }
    dialog.previewRecord = images.value(0);
}

void TestDialogRename::opensWithPreview_data()
{
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<int>("photos");
    QTest::addColumn<QString>("preview");
    // clang-format off
    QTest::newRow("three photos") << "holiday" << 3 << "holiday (01).jpg";
    QTest::newRow("one photo") << "holiday" << 1 << "holiday.jpg";
    QTest::newRow("slash made safe") << "a/b" << 3 << "a_b (01).jpg";
    QTest::newRow("unknown keyword") << "[Foo]" << 3 << " (01).jpg";
    QTest::newRow("unclosed bracket") << "a[b" << 1 << "ajpg";
    QTest::newRow("empty list, empty record") << "[Filename]" << 0 << ".jpg";
    // clang-format on
}

void TestDialogRename::opensWithPreview()
{
    QFETCH(QString, keywords);
    QFETCH(int, photos);
    QFETCH(QString, preview);
    m_profile->FilenameFormat = keywords;
    CDialogRename dialog;
    UseRecords(dialog, photos);
    QString shown;
    QWidget* focus = nullptr;
    const int result = RunDialog(dialog, [&] {
        shown = Preview(dialog);
        focus = dialog.focusWidget();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QCOMPARE(shown, preview);
    QCOMPARE(result, 0);
    QCOMPARE(dialog.windowTitle(), QString("Edit Names"));
    QCOMPARE(dialog.minimumSize(), QSize(485, 452));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    QCOMPARE(focus, static_cast<QWidget*>(Keywords(dialog)));
}

void TestDialogRename::typingRefreshesEveryKey()
{
    CDialogRename dialog;
    UseRecords(dialog, 3);
    QStringList previews, expected;
    RunDialog(dialog, [&] {
        QLineEdit* edit = Keywords(dialog);
        edit->end(false);
        for (const QChar c : QString("_[Counter]")) {
            QTest::keyClick(edit, c.toLatin1());
            previews << Preview(dialog);
            // What a run with these settings would name the photo.
            CFilterFilename engine = m_profile->FilterFilename;
            engine.pattern = edit->text() + ".[Extension]";
            engine.GenerateFilename(3, false);
            expected << engine.result;
        }
    });
    QCOMPARE(previews.size(), 10);
    QCOMPARE(previews, expected);
    QCOMPARE(previews.first(), QString("holiday_ (01).jpg"));
    QCOMPARE(previews.last(), QString("holiday_01.jpg"));
}

void TestDialogRename::keywordMenu_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("preview");
    // clang-format off
    QTest::newRow("filename") << "Source Filename" << "[Filename][Filename]" << "IMG_0001IMG_0001.jpg";
    QTest::newRow("folder") << "Source Folder Name" << "[Filename][FolderName]" << "IMG_0001Trip.jpg";
    QTest::newRow("extension") << "Source Extension" << "[Filename][Extension]" << "IMG_0001jpg.jpg";
    QTest::newRow("counter") << "Counter" << "[Filename][Counter]" << "IMG_000101.jpg";
    QTest::newRow("date") << "Date/Time" << "[Filename][DateTime]" << "IMG_0001Jan-05-2012 10-30 PM.jpg";
    // clang-format on
}

void TestDialogRename::keywordMenu()
{
    QFETCH(QString, entry);
    QFETCH(QString, text);
    QFETCH(QString, preview);
    m_profile->FilenameFormat = "[Filename]";
    CDialogRename dialog;
    UseRecords(dialog, 3);
    QStringList entries;
    RunDialog(dialog, [&] {
        Keywords(dialog)->setCursorPosition(0); // keywords go to the end all the same
        entries = ChooseKeyword(dialog, entry);
    });
    QCOMPARE(entries,
             QStringList({"Source Filename", "Source Folder Name", "Source Extension", "Counter", "Date/Time"}));
    QCOMPARE(Keywords(dialog)->text(), text);
    QCOMPARE(Preview(dialog), preview);
}

void TestDialogRename::removeKeyword_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("preview");
    // clang-format off
    QTest::newRow("last keyword") << "[Filename]_[Counter]" << "[Filename]_" << "IMG_0001_.jpg";
    QTest::newRow("trailing blank text") << "[Filename]_" << "[Filename]" << "IMG_0001.jpg";
    QTest::newRow("trailing text") << "[Filename]_x" << "[Filename]" << "IMG_0001.jpg";
    QTest::newRow("plain text") << "abc" << "" << " (01).jpg";
    QTest::newRow("empty") << "" << "" << " (01).jpg";
    QTest::newRow("stray ] at the end") << "abc]" << "abc]" << "abc (01).jpg";
    QTest::newRow("stray ] inside") << "a]b" << "a]" << "a (01).jpg";
    // clang-format on
}

void TestDialogRename::removeKeyword()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, preview);
    m_profile->FilenameFormat = before;
    CDialogRename dialog;
    UseRecords(dialog, 3);
    RunDialog(dialog, [&] { Click(dialog, "buttonRemoveKeyword"); });
    QCOMPARE(Keywords(dialog)->text(), after);
    QCOMPARE(Preview(dialog), preview);
}

void TestDialogRename::okStoresTheControls()
{
    m_profile->PresetRename = 2;
    CDialogRename dialog;
    UseRecords(dialog, 3);
    QString preview;
    const int result = RunDialog(dialog, [&] {
        Keywords(dialog)->setText("[DateTime] [Filename]");
        QTest::keyClick(Child(dialog, "comboChangeCasesTo"), Qt::Key_Down); // lowercases
        QCheckBox* lowerExt = Child<QCheckBox>(dialog, "checkLowerCaseExt");
        QTest::mouseClick(lowerExt, Qt::LeftButton, {}, QPoint(8, lowerExt->height() / 2));
        Child<QSpinBox>(dialog, "spinStartAt")->setValue(7);
        Child<QSpinBox>(dialog, "spinStepBy")->setValue(-2);
        Child<QSpinBox>(dialog, "spinDigits")->setValue(3);
        QTest::keyClick(Child(dialog, "comboDateFormat"), Qt::Key_End); // YY-MM-DD
        QTest::keyClick(Child(dialog, "comboShowTimeAs"), Qt::Key_Down);
        QTest::keyClick(Child(dialog, "comboShowTimeAs"), Qt::Key_Down); // "Do not show time"
        QTest::keyClick(Child(dialog, "comboTimeFormat"), Qt::Key_Down);
        QTest::keyClicks(Child(dialog, "editSearchFor"), "img");
        QTest::keyClicks(Child(dialog, "editReplaceWith"), "Pic");
        preview = Preview(dialog);
        Click(dialog, "buttonOK");
    });
    QCOMPARE(result, 1);
    QCOMPARE(preview, QString("12-01-05 Pic_0001.jpg"));
    const QVariantList stored = {"[DateTime] [Filename]", 1, false, 7, -2, 3, 0, 11, 2, 1, "img", "Pic", 2};
    QCOMPARE(RenameSettings(m_profile), stored);
    // The engine keeps the edited options, in the custom preset.
    QVariantList engine = stored;
    engine[0] = "[DateTime] [Filename].[Extension]";
    engine[12] = 3;
    QCOMPARE(EngineOptions(m_profile->FilterFilename), engine);
}

void TestDialogRename::previewSource_data()
{
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<QString>("outputFormat");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("preview");
    // clang-format off
    const QString keep = KeepOriginalFormatText();
    QTest::newRow("kept format") << "[Filename]" << keep << "IMG_0001.PNG" << "IMG_0001.png";
    QTest::newRow("JPG") << "[Filename]" << "JPG" << "IMG_0001.PNG" << "IMG_0001.jpg";
    // The setting is compared case-sensitively with the translated entry.
    QTest::newRow("keep text in lower case") << "[Filename]" << keep.toLower() << "IMG_0001.PNG"
                                             << "IMG_0001.keep original image format (if possible)";
    QTest::newRow("no Exif: file time") << "[DateTime]" << "JPG" << "IMG_0001.PNG" << "2012-01-05 22-30.jpg";
    QTest::newRow("Exif date") << "[DateTime]" << "JPG" << "exif.jpg" << "2011-02-03 04-05.jpg";
    QTest::newRow("no photo: file time") << "[DateTime]" << "JPG" << "broken.PNG" << "2012-01-05 22-30.jpg";
    QTest::newRow("no file") << "[DateTime]" << "JPG" << "missing.PNG" << "1900-01-01 00-00.jpg";
    // clang-format on
}

void TestDialogRename::previewSource()
{
    QFETCH(QString, keywords);
    QFETCH(QString, outputFormat);
    QFETCH(QString, file);
    QFETCH(QString, preview);
    StoreRenameSettings(m_profile, {keywords, 0, true, 1, 1, 2, 0, 10, 1, 0, "", "", 0});
    // The step-3 page stores the lower-cased format or keep entry.
    m_profile->OutputFormat = outputFormat;
    m_profile->FilterFilename.extension = outputFormat.toLower();
    CDialogRename dialog;
    UseRecords(dialog, 3);
    dialog.previewRecord.path = m_folder + "/" + file;
    QString shown;
    RunDialog(dialog, [&] { shown = Preview(dialog); });
    QCOMPARE(shown, preview);
}

void TestDialogRename::helpIconsAndForm()
{
    m_urls.clear();
    QDesktopServices::setUrlHandler("http", this, "OpenUrl");
    QDesktopServices::setUrlHandler("https", this, "OpenUrl");
    CDialogRename dialog;
    UseRecords(dialog, 3);
    RunDialog(dialog, [&] { QTest::keyClick(Keywords(dialog), Qt::Key_F1); });
    QDesktopServices::unsetUrlHandler("http");
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(m_urls.size(), 1);
    QVERIFY2(m_urls.first().toString().endsWith("/help/index.html?user-interface_rename.htm"),
             qPrintable(m_urls.first().toString()));

    QCOMPARE(qGuiApp->devicePixelRatio(), 1.0);
    const QImage sheet = CImageCache::GetInstance()->GetAsset("Icons-Minimal.png", true, true);
    QVERIFY(!sheet.isNull());
    const auto icon = [&](const char* name) {
        auto* button = Child<QAbstractButton>(dialog, name);
        return button->iconSize() == QSize(16, 16) ? button->icon().pixmap(16, 16).toImage() : QImage();
    };
    const auto cell = [&](int x) { return sheet.copy(x, 0, 16, 16).convertToFormat(QImage::Format_ARGB32); };
    QCOMPARE(icon("buttonAddKeyword").convertToFormat(QImage::Format_ARGB32), cell(64));
    QCOMPARE(icon("buttonRemoveKeyword").convertToFormat(QImage::Format_ARGB32), cell(80));

    QList<QPair<int, int>> ranges;
    for (const char* name : {"spinStartAt", "spinStepBy", "spinDigits"}) {
        const auto* spin = Child<QSpinBox>(dialog, name);
        ranges << qMakePair(spin->minimum(), spin->maximum());
    }
    QCOMPARE(ranges, (QList<QPair<int, int>>{{0, 9999}, {-1000, 1000}, {1, 1000}}));
    QStringList titles;
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>())
        titles << group->title();
    QCOMPARE(titles, QStringList({"Cases", "Counter", "Date/Time", "Search && Replace"}));
}

void TestDialogRename::newUserSession_data()
{
    QTest::addColumn<bool>("escape");
    // clang-format off
    QTest::newRow("Cancel button") << false;
    QTest::newRow("Escape key") << true;
    // clang-format on
}

// Type, add keywords from the menu, remove one, Reset, Cancel; reopen, OK.
void TestDialogRename::newUserSession()
{
    QFETCH(bool, escape);
    const QVariantList saved = {"x[Counter]", 2, false, 5, -3, 4, 1, 7, 1, 1, "a", "b", 1};
    StoreRenameSettings(m_profile, saved);
    {
        CDialogRename dialog;
        UseRecords(dialog, 3);
        QStringList seen, controls;
        const int result = RunDialog(dialog, [&] {
            QLineEdit* edit = Keywords(dialog);
            edit->clear();
            QTest::keyClicks(edit, "trip_");
            seen << Preview(dialog);
            ChooseKeyword(dialog, "Counter");
            ChooseKeyword(dialog, "Source Filename");
            seen << edit->text() << Preview(dialog);
            Click(dialog, "buttonRemoveKeyword");
            seen << edit->text() << Preview(dialog);
            Click(dialog, "buttonReset");
            seen << Preview(dialog);
            controls << edit->text() << Child<QComboBox>(dialog, "comboChangeCasesTo")->currentText()
                     << QVariant(Child<QCheckBox>(dialog, "checkLowerCaseExt")->isChecked()).toString();
            for (const char* spin : {"spinStartAt", "spinStepBy", "spinDigits"})
                controls << QString::number(Child<QSpinBox>(dialog, spin)->value());
            for (const char* combo : {"comboUse", "comboDateFormat", "comboShowTimeAs", "comboTimeFormat"})
                controls << Child<QComboBox>(dialog, combo)->currentText();
            controls << Child<QLineEdit>(dialog, "editSearchFor")->text()
                     << Child<QLineEdit>(dialog, "editReplaceWith")->text();
            escape ? QTest::keyClick(&dialog, Qt::Key_Escape) : Click(dialog, "buttonCancel");
        });
        QCOMPARE(result, 0);
        // The saved options (UPPERCASES, start 5, digits 4) apply until Reset.
        QCOMPARE(seen, QStringList({"TRIP_ (0005).JPG", "trip_[Counter][Filename]", "TRIP_0005IMG_0001.JPG",
                                    "trip_[Counter]", "TRIP_0005.JPG", "IMG_0001.jpg"}));
        QCOMPARE(controls, QStringList({"[Filename]", "Unchanged", "true", "1", "1", "2", "Original photo date",
                                        "MMM-DD-YYYY", "AM/PM", "HH-MM", "", ""}));
        QCOMPARE(RenameSettings(m_profile), saved);
        QVariantList engine = saved;
        engine[0] = "x[Counter].[Extension]";
        QCOMPARE(EngineOptions(m_profile->FilterFilename), engine);
        QVERIFY(m_profile->FilterFilename.searchReplaceOn);
    }
    CDialogRename dialog;
    UseRecords(dialog, 3);
    QString reopened;
    const int result = RunDialog(dialog, [&] {
        reopened = Keywords(dialog)->text();
        Keywords(dialog)->end(false);
        QTest::keyClicks(Keywords(dialog), "_[Filename]");
        QTest::keyClick(Keywords(dialog), Qt::Key_Return);
    });
    QCOMPARE(reopened, QString("x[Counter]"));
    QCOMPARE(result, 1);
    QCOMPARE(m_profile->FilenameFormat, QString("x[Counter]_[Filename]"));
    QCOMPARE(Preview(dialog), QString("X0005_IMG_0001.JPG"));
}

void TestDialogRename::layout_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<bool>("designedSize");
    // clang-format off
    QTest::newRow("13 px interface font") << m_interfaceFont << true;
    // The offscreen platform's own font is wider and taller.
    QTest::newRow("16 px DejaVu Sans") << QFont("DejaVu Sans", 12) << false;
    // clang-format on
}

void TestDialogRename::layout()
{
    QFETCH(QFont, font);
    QFETCH(bool, designedSize);
    QApplication::setFont(font);
    CDialogRename dialog;
    UseRecords(dialog, 3);
    RunDialog(dialog, [&] {
        const QString picture = qEnvironmentVariable("BQ_DIALOG_PICTURE");
        if (!picture.isEmpty())
            dialog.grab().save(designedSize ? picture : picture.left(picture.lastIndexOf('.')) + "-16px.png");
        const auto place = [&](const char* name) {
            QWidget* w = Child(dialog, name);
            return QRect(w->mapTo(&dialog, QPoint()), w->size());
        };
        // Every label and group shows its whole text inside the dialog.
        for (QWidget* w : dialog.findChildren<QWidget*>()) {
            const QByteArray name = w->objectName().toLatin1();
            if (!qobject_cast<QLabel*>(w) && !qobject_cast<QGroupBox*>(w))
                continue;
            QVERIFY2(w->isVisible() && dialog.rect().contains(place(name)), name);
            QVERIFY2(w->width() >= w->minimumSizeHint().width(), name);
            QVERIFY2(w->height() >= w->minimumSizeHint().height(), name);
        }
        // The second Date/Time row keeps its swapped labels beside their lists.
        const auto beside = [&](const char* label, const char* field) {
            const QRect l = place(label), f = place(field);
            return l.right() < f.left() && f.left() - l.right() < 20 && qAbs(l.center().y() - f.center().y()) < 4;
        };
        QVERIFY(beside("labelTimeFormat", "comboShowTimeAs"));
        QVERIFY(beside("labelShowTimeAs", "comboTimeFormat"));
        // The groups stand in the order of the form, one below the other.
        const char* order[] = {"editPreview",   "groupCases",         "groupCounter",
                               "groupDateTime", "groupSearchReplace", "buttonOK"};
        for (int i = 1; i < 6; ++i)
            QVERIFY2(place(order[i - 1]).bottom() < place(order[i]).top(), order[i]);
    });
    QApplication::setFont(m_interfaceFont);
    if (designedSize)
        QCOMPARE(dialog.minimumSize(), QSize(485, 452));
    else
        QVERIFY(dialog.minimumWidth() > 485);
}

BQ_TEST_MAIN(TestDialogRename)
#include "tst_dialog_rename.moc"
