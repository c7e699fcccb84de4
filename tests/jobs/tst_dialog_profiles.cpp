// The profile browser with the shipped built-ins and with profiles the test
// writes: pages, names, tool tips and icons, OK and Cancel, the context menu,
// Edit and Remove on the files, hostile and broken files, help and size, at
// ratio 1 and 2 (BQ_EXPECT_RETINA=1 under QT_SCALE_FACTOR=2).
#include "BqTestMain.h"
#include "CDialogProfileSelection.h"
#include "CScripts.h"
#include "FitToScreen.h"
#include "HardwareProfile.h"
#include "ImageCache.h"
#include "JobTestSupport.h"
#include "ListThumb.h"
#include "MagickRuntime.h"
#include "ModalDriver.h"
#include "ResourceRoot.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QDesktopServices>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <QTranslator>

#include <functional>

namespace
{
using BqTest::FindChild;
using BqTest::SModalSeen;

CListThumb* List(QWidget& d)
{
    return FindChild<CListThumb>(d, "listProfiles");
}
QStringList Texts(QWidget& d)
{
    QStringList texts;
    for (int i = 0; i < List(d)->count(); ++i)
        texts << List(d)->item(i)->text();
    return texts;
}
QList<int> IconIndexes(QWidget& d)
{
    QList<int> indexes;
    for (const SThumb& record : *List(d)->Records())
        indexes << record.iconIndex;
    return indexes;
}
const char* const PageButtons[] = {"buttonAllProfiles", "buttonMyProfiles", "buttonEdit", "buttonOutput"};
void ShowPage(QWidget& d, int page)
{
    FindChild<QToolButton>(d, PageButtons[page])->click();
}
int Row(QWidget& d, const QString& text)
{
    return Texts(d).indexOf(text);
}

QString UserDir()
{
    return GetMyDocuments() + "/Brandquill/Profiles";
}
QByteArray Header(const QByteArray& properties)
{
    return JobTest::ProfileFile(JobTest::ProfileBlock(properties));
}
const auto Prop = &JobTest::ProfileProperty;
QByteArray Profile(const QByteArray& name, const QByteArray& category, int icon = 0)
{
    return Header(Prop("Name", name) + Prop("Category", category) + Prop("Icon", QByteArray::number(icon)));
}
using JobTest::ReadBytes;
using JobTest::WriteBytes;
QImage Opaque(const QImage& image)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    out.setDevicePixelRatio(1);
    return out;
}
} // namespace

class TestDialogProfiles : public QObject
{
    Q_OBJECT
public slots:
    void OpenUrl(const QUrl& url) { m_urls << url; }

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void shippedBuiltins();
    void namesFollowTheInstalledLanguage();
    void sheetsAndPageButtons();
    void fixtures();
    void okAndCancel();
    void returnKey_data();
    void returnKey();
    void savedProfilesListed();
    void contextMenu();
    void brokenAndHostileFilesSkipped();
    void removeChecksTheFile();
    void editRewritesTheFileFirst();
    void editUpdatesByPath();

private:
    // Builds the browser and runs it with `whileOpen`; m_answer answers what
    // opens meanwhile (false: the window is rejected).
    int Run(const std::function<void(CDialogProfileSelection&)>& whileOpen);
    void UseOwnBuiltins(const QMap<QString, QByteArray>& files);

    BqTest::CModalDriver::Answer m_answer;
    BqTest::CModalDriver m_driver{[this](QWidget* w, const SModalSeen& s) { return m_answer && m_answer(w, s); }};
    QScopedPointer<QTemporaryDir> m_builtins;
    QList<QUrl> m_urls;
};

void TestDialogProfiles::initTestCase()
{
    QVERIFY(StartMagickRuntime());
    CImageCache::GetInstance()->retina = CHardwareProfile::GetInstance()->IsRetina();
    QCOMPARE(CImageCache::GetInstance()->retina, qEnvironmentVariableIntValue("BQ_EXPECT_RETINA") == 1);
    CImageCache::GetInstance()->ThemeId = 0;
    // A desktop with room for the dialog's own size, whatever the scale.
    SetScreenRoom(QRect(0, 0, 1920, 1080));
}

void TestDialogProfiles::init()
{
    QVERIFY(QDir(UserDir()).removeRecursively());
    QVERIFY(QDir().mkpath(UserDir()));
    m_answer = nullptr;
    m_driver.Clear();
    CUserProfile::GetInstance()->BuiltInProfileLoaded = false;
}

void TestDialogProfiles::cleanup()
{
    SetResourceRootOverride(QString());
    m_builtins.reset();
}

int TestDialogProfiles::Run(const std::function<void(CDialogProfileSelection&)>& whileOpen)
{
    CDialogProfileSelection dialog;
    return BqTest::RunWhileOpen(
        dialog, [&] { whileOpen(dialog); }, &m_driver);
}

void TestDialogProfiles::UseOwnBuiltins(const QMap<QString, QByteArray>& files)
{
    m_builtins.reset(new QTemporaryDir);
    QVERIFY(QDir().mkpath(m_builtins->path() + "/Profiles"));
    for (auto it = files.begin(); it != files.end(); ++it)
        QVERIFY(WriteBytes(m_builtins->path() + "/Profiles/" + it.key(), it.value()));
    SetResourceRootOverride(m_builtins->path());
}

void TestDialogProfiles::shippedBuiltins()
{
    CDialogProfileSelection dialog;
    const QStringList edit = {"Auto Rotate", "Effect Raise", "Resize for Auction Site", "Resize for Sending via Email",
                              "Resize for Uploading Online"};
    const QStringList output = {"Convert to JPEG with High Quality",
                                "Convert to JPEG with Medium Quality",
                                "Convert to PNG",
                                "Convert to TIFF",
                                "Rename to Photo's Date",
                                "Rename to Folder's Name",
                                "Send via E-mail"};
    QCOMPARE(Texts(dialog), edit + output);
    QCOMPARE(IconIndexes(dialog), QList<int>({100, 50, 105, 105, 105, 2, 2, 4, 3, 10, 10, 10}));
    ShowPage(dialog, 2);
    QCOMPARE(Texts(dialog), edit);
    ShowPage(dialog, 3);
    QCOMPARE(Texts(dialog), output);
    QCOMPARE(List(dialog)->item(2)->toolTip(),
             QString("<a><b>Convert to PNG</b> - Convert to PNG file format for the best quality.</a>"));
    QCOMPARE(List(dialog)->item(2)->textAlignment(), int(Qt::AlignHCenter | Qt::AlignTop));
    // One cell for all: at least the form's, taller for the longest name's lines.
    const QSize cell = List(dialog)->item(2)->sizeHint();
    QVERIFY(cell.width() >= 105 && cell.height() >= 100);
    QCOMPARE(List(dialog)->item(0)->sizeHint(), cell);
    ShowPage(dialog, 1);
    QCOMPARE(Texts(dialog), QStringList());
    // Page switches rebuild the list's records too, or they would pile up.
    ShowPage(dialog, 0);
    QCOMPARE(List(dialog)->Records()->size(), 12);

    // Auto Rotate's icon (index 100, loader row 5) is sheet cell (0, 2).
    QCOMPARE(List(dialog)->Icons()->size(), 10 + 108);
    const int px = CImageCache::GetInstance()->retina ? 128 : 64;
    const QImage sheet = CImageCache::GetInstance()->GetAsset("Icons-Filters-64.png", false, true);
    QCOMPARE(Opaque(List(dialog)->Icons()->at(100).pixmap(QSize(px, px)).toImage()),
             Opaque(sheet.copy(0, 2 * px, px, px)));
}

void TestDialogProfiles::namesFollowTheInstalledLanguage()
{
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(BQ_PROFILES_QM)));
    QVERIFY(QCoreApplication::installTranslator(&german));
    {
        CDialogProfileSelection dialog;
        QCOMPARE(Texts(dialog).first(), QString("Automatisch drehen"));
    }
    QCoreApplication::removeTranslator(&german);
    CDialogProfileSelection dialog;
    QCOMPARE(Texts(dialog).first(), QString("Auto Rotate"));
}

void TestDialogProfiles::sheetsAndPageButtons()
{
    QDesktopServices::setUrlHandler("https", this, "OpenUrl");
    m_urls.clear();
    QList<bool> shown;
    Run([&](CDialogProfileSelection& d) {
        shown << (d.size() == QSize(585, 475)) << (d.minimumSize() == d.maximumSize()) << (d.focusWidget() == List(d));
        QTest::keyClick(List(d), Qt::Key_F1);
        d.reject();
    });
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(shown, QList<bool>({true, true, true}));
    QCOMPARE(m_urls, QList<QUrl>{QUrl("https://help.brandquill.example/help/index.html?user-interface_profiles.htm")});

    CDialogProfileSelection dialog;
    QCOMPARE(dialog.windowTitle(), QString("Profiles"));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    QCOMPARE(dialog.FilterSheetGrid, QSize(18, 6));
    QCOMPARE(dialog.FormatSheetGrid, QSize(10, 1));
    int checked = 0;
    for (int page = 0; page < 4; ++page) {
        auto* button = FindChild<QToolButton>(dialog, PageButtons[page]);
        QVERIFY(!button->icon().isNull());
        QCOMPARE(button->iconSize(), QSize(48, 48));
        QVERIFY(button->isCheckable());
        checked += button->isChecked();
    }
    QCOMPARE(checked, 1);
    QVERIFY(FindChild<QToolButton>(dialog, "buttonAllProfiles")->isChecked());
    // A second click on the shown page keeps exactly one button checked.
    ShowPage(dialog, 2);
    ShowPage(dialog, 2);
    QVERIFY(FindChild<QToolButton>(dialog, "buttonEdit")->isChecked());
    QVERIFY(!FindChild<QToolButton>(dialog, "buttonAllProfiles")->isChecked());
}

void TestDialogProfiles::fixtures()
{
    UseOwnBuiltins({{"a.bqf", Profile("Upper", "EDIT", 1004)},
                    {"b.bqf", Profile("Lower", "edit", 2512)},
                    {"c.bqf", Profile("Beyond", "Output", 2999)},
                    {"d.bqf", Profile("Lowercase user", "user-defined")},
                    {"e.bqf", Profile("All", "All Profiles")},
                    {"f.bqf", Header(Prop("Name", "No category"))},
                    {"g.bqf", Profile("Odd", "Effects")},
                    {"h.bqf", Profile("Outside", "Output", 3000)}});
    QVERIFY(WriteBytes(UserDir() + "/mine.bqf", Profile("Mine", "User-Defined")));
    CDialogProfileSelection dialog;
    QCOMPARE(Texts(dialog), QStringList({"Mine", "Lowercase user", "Upper", "Lower", "Beyond", "Outside"}));
    QCOMPARE(IconIndexes(dialog), QList<int>({11, 11, 4, 112, 10, 10}));
    ShowPage(dialog, 1);
    QCOMPARE(Texts(dialog), QStringList({"Mine", "Lowercase user"}));
    ShowPage(dialog, 2);
    QCOMPARE(Texts(dialog), QStringList({"Upper", "Lower"}));
    QCOMPARE(IconIndexes(dialog), QList<int>({4, 112}));

    // "user-defined" is listed as mine but is no user profile.
    QStringList enabled;
    m_answer = [&](QWidget* w, const SModalSeen&) {
        if (auto* menu = qobject_cast<QMenu*>(w))
            for (QAction* a : menu->actions())
                enabled << QString("%1=%2").arg(a->text()).arg(a->isEnabled());
        return false;
    };
    CUserProfile::GetInstance()->BuiltInProfileLoaded = false;
    const int r = Run([&](CDialogProfileSelection& d) {
        ShowPage(d, 1);
        List(d)->setCurrentRow(1);
        emit List(d)->customContextMenuRequested(QPoint(5, 5));
        FindChild<QPushButton>(d, "buttonOk")->click();
    });
    QCOMPARE(enabled, QStringList({"&Edit=0", "&Remove=0"}));
    QCOMPARE(r, 1);
    QVERIFY(CUserProfile::GetInstance()->BuiltInProfileLoaded);
}

void TestDialogProfiles::okAndCancel()
{
    UseOwnBuiltins({{"built.bqf", Profile("Built", "Edit")},
                    {"noname.bqf", Header(Prop("NameId", "1") + Prop("Category", "Output"))}});
    QVERIFY(WriteBytes(UserDir() + "/mine.bqf", Profile("Mine", "User-Defined")));

    // A user profile.
    SProfileRecord chosen;
    CUserProfile::GetInstance()->BuiltInProfileLoaded = true;
    QCOMPARE(Run([&](CDialogProfileSelection& d) {
                 List(d)->setCurrentRow(Row(d, "Mine"));
                 FindChild<QPushButton>(d, "buttonOk")->click();
                 chosen = d.SelectedProfile;
             }),
             1);
    QCOMPARE(chosen.Path, UserDir() + "/mine.bqf");
    QCOMPARE(chosen.Name, QString("Mine"));
    QVERIFY(!CUserProfile::GetInstance()->BuiltInProfileLoaded);

    // A built-in, chosen by activating the item.
    QCOMPARE(Run([&](CDialogProfileSelection& d) {
                 List(d)->setCurrentRow(Row(d, "Built"));
                 emit List(d)->activated(List(d)->currentIndex());
             }),
             1);
    QVERIFY(CUserProfile::GetInstance()->BuiltInProfileLoaded);

    // No selection: the warning, and the dialog stays; a nameless one: no
    // message, and the dialog stays; then Cancel.
    QList<bool> open;
    m_answer = [](QWidget* w, const SModalSeen&) { return BqTest::CModalDriver::Press(w, "OK"); };
    QCOMPARE(Run([&](CDialogProfileSelection& d) {
                 List(d)->clearSelection();
                 FindChild<QPushButton>(d, "buttonOk")->click();
                 open << d.isVisible();
                 List(d)->setCurrentRow(Row(d, ""));
                 FindChild<QPushButton>(d, "buttonOk")->click();
                 open << d.isVisible();
                 FindChild<QPushButton>(d, "buttonCancel")->click();
             }),
             0);
    QCOMPARE(open, QList<bool>({true, true}));
    QCOMPARE(m_driver.Seen().size(), 1);
    QCOMPARE(m_driver.Seen()[0].text, QString("No profile selected"));
    QCOMPARE(m_driver.Seen()[0].title, QString());
    QCOMPARE(m_driver.Seen()[0].buttons, QStringList({"OK"}));
}

void TestDialogProfiles::returnKey_data()
{
    QTest::addColumn<int>("page"); // the page button Return is given first; -1 none
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("messages");
    QTest::newRow("as it opens") << -1 << QStringList() << 1 << "Mine" << 0;
    QTest::newRow("on My Profiles, then its first") << 1 << QStringList{"Mine"} << 1 << "Mine" << 0;
    QTest::newRow("on an empty page, then the list") << 3 << QStringList() << 0 << QString() << 1;
}

// Return on the list takes its current profile, on a page button shows the
// page; one message for one Return where nothing is selected.
void TestDialogProfiles::returnKey()
{
    QFETCH(int, page);
    QFETCH(QStringList, shown);
    UseOwnBuiltins({{"built.bqf", Profile("Built", "Edit")}});
    QVERIFY(WriteBytes(UserDir() + "/mine.bqf", Profile("Mine", "User-Defined")));
    // Messages are answered; the browser, seen again once one closes, stays.
    m_answer = [](QWidget* w, const SModalSeen&) {
        return !qobject_cast<QMessageBox*>(w) || BqTest::CModalDriver::Press(w, "OK");
    };
    QStringList listed;
    QString chosen;
    const int result = Run([&](CDialogProfileSelection& d) {
        if (page >= 0) {
            auto* button = FindChild<QToolButton>(d, PageButtons[page]);
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Return);
            listed = List(d)->selectedItems().isEmpty() ? Texts(d) : Texts(d) << List(d)->selectedItems()[0]->text();
            List(d)->setFocus();
        }
        QTest::keyClick(List(d), Qt::Key_Return);
        QTest::qWait(300); // a default button clicks after a delay
        chosen = d.SelectedProfile.Name;
        if (d.isVisible())
            d.reject();
    });
    QCOMPARE(listed, shown.isEmpty() ? shown : shown << shown.first()); // the page, its first selected
    QTEST(result, "result");
    QTEST(chosen, "chosen");
    int messages = 0;
    for (const SModalSeen& seen : m_driver.Seen())
        messages += seen.text == "No profile selected" ? 1 : 0;
    QTEST(messages, "messages");
}

void TestDialogProfiles::savedProfilesListed()
{
    for (const auto& named :
         {qMakePair(QString("Web & Mail"), QString("A\nB")), qMakePair(QString("   "), QString())}) {
        CScripts writer(UserDir() + (named.first == "   " ? "/blank.bqf" : "/web.bqf"));
        writer.ProfileHeader.Name = named.first;
        writer.ProfileHeader.Description = named.second;
        QVERIFY(writer.Save(2));
    }
    CDialogProfileSelection dialog;
    ShowPage(dialog, 1);
    QCOMPARE(Texts(dialog), QStringList({"   ", "Web & Mail"}));
    QCOMPARE(List(dialog)->item(1)->toolTip(), QString("<a><b>Web & Mail</b> - A\nB</a>"));
    SProfileRecord chosen;
    QCOMPARE(Run([&](CDialogProfileSelection& d) {
                 ShowPage(d, 1);
                 List(d)->setCurrentRow(0);
                 FindChild<QPushButton>(d, "buttonOk")->click();
                 chosen = d.SelectedProfile;
             }),
             1);
    QCOMPARE(chosen.Name, QString("   "));
}

void TestDialogProfiles::contextMenu()
{
    QVERIFY(WriteBytes(UserDir() + "/mine.bqf", Profile("Mine", "User-Defined")));
    QList<QStringList> menus;
    m_answer = [&](QWidget* w, const SModalSeen&) {
        if (auto* menu = qobject_cast<QMenu*>(w)) {
            QStringList actions;
            for (QAction* a : menu->actions())
                actions << QString("%1=%2").arg(a->text()).arg(a->isEnabled());
            menus << actions;
        }
        return false;
    };
    Run([&](CDialogProfileSelection& d) {
        List(d)->clearSelection();
        emit List(d)->customContextMenuRequested(QPoint(5, 5));
        List(d)->setCurrentRow(Row(d, "Auto Rotate"));
        emit List(d)->customContextMenuRequested(QPoint(5, 5));
        List(d)->setCurrentRow(Row(d, "Mine"));
        emit List(d)->customContextMenuRequested(QPoint(5, 5));
        d.reject();
    });
    QCOMPARE(menus, QList<QStringList>({{"&Edit=0", "&Remove=0"}, {"&Edit=1", "&Remove=1"}}));
    QCOMPARE(m_driver.Seen().size(), 2);

    // Reached without the menu, Edit and Remove leave a built-in alone.
    Run([&](CDialogProfileSelection& d) {
        List(d)->setCurrentRow(Row(d, "Auto Rotate"));
        QMetaObject::invokeMethod(&d, "OnProfilesEdit");
        QMetaObject::invokeMethod(&d, "OnProfilesRemove");
        d.reject();
    });
    QCOMPARE(m_driver.Seen().size(), 2);
    QVERIFY(QFile::exists(ResourceRoot() + "/Profiles/AutoRotate.bqf"));
}

void TestDialogProfiles::brokenAndHostileFilesSkipped()
{
    QByteArray laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE Profile [\n<!ENTITY a \"aaaaaaaaaa\">\n";
    for (char c = 'b'; c <= 'j'; ++c) {
        QByteArray ten;
        for (int i = 0; i < 10; ++i)
            ten += QByteArray("&") + char(c - 1) + ";";
        laughs += QByteArray("<!ENTITY ") + c + " \"" + ten + "\">\n";
    }
    laughs += "]>\n<Profile><Properties Class=\"Profile\"><Property Name=\"Name\">&j;</Property>"
              "<Property Name=\"Category\">User-Defined</Property></Properties></Profile>\n";
    const QByteArray good = Profile("Good", "User-Defined");
    QVERIFY(WriteBytes(UserDir() + "/bomb.bqf", laughs));
    QVERIFY(WriteBytes(UserDir() + "/deep.bqf", "<Profile>" + QByteArray("<a>").repeated(10000) +
                                                    QByteArray("</a>").repeated(10000) + "</Profile>"));
    QVERIFY(WriteBytes(UserDir() + "/good.bqf", good));
    QFile large(UserDir() + "/large.bqf");
    QVERIFY(large.open(QIODevice::WriteOnly) && large.write(good) == good.size());
    QVERIFY(large.resize(16 * 1024 * 1024 + 1));
    large.close();
    QVERIFY(QDir().mkpath(UserDir() + "/folder.bqf"));
    QVERIFY(QFile::link(UserDir() + "/good.bqf", UserDir() + "/link.bqf"));

    CDialogProfileSelection dialog;
    ShowPage(dialog, 1);
    QCOMPARE(Texts(dialog), QStringList({"Good"}));
    ShowPage(dialog, 0);
    QCOMPARE(Texts(dialog).size(), 13);

    // Missing folders list nothing.
    QVERIFY(QDir(UserDir()).removeRecursively());
    UseOwnBuiltins({});
    QVERIFY(QDir(m_builtins->path() + "/Profiles").removeRecursively());
    CDialogProfileSelection none;
    QCOMPARE(Texts(none), QStringList());
}

void TestDialogProfiles::removeChecksTheFile()
{
    const QString path = UserDir() + "/mine.bqf";
    QVERIFY(WriteBytes(path, Profile("Mine", "User-Defined")));

    // "No" keeps the file; a folder in its place stays, with a warning.
    QStringList answers = {"No", "Yes", "OK"};
    m_answer = [&](QWidget* w, const SModalSeen&) { return BqTest::CModalDriver::Press(w, answers.takeFirst()); };
    QStringList shown;
    Run([&](CDialogProfileSelection& d) {
        List(d)->setCurrentRow(Row(d, "Mine"));
        QMetaObject::invokeMethod(&d, "OnProfilesRemove");
        shown << QString::number(QFile::exists(path));
        QVERIFY(QFile::remove(path) && QDir().mkpath(path + "/inside") && WriteBytes(path + "/inside/x", "x"));
        QMetaObject::invokeMethod(&d, "OnProfilesRemove");
        shown << Texts(d).first();
        d.reject();
    });
    QCOMPARE(shown, QStringList({"1", "Mine"}));
    QCOMPARE(m_driver.Seen().size(), 3);
    QCOMPARE(m_driver.Seen()[0].text, QString("Are you sure you want to delete this profile?"));
    QStringList buttons = m_driver.Seen()[0].buttons;
    buttons.sort();
    QCOMPARE(buttons, QStringList({"No", "Yes"}));
    QCOMPARE(m_driver.Seen()[2].text, QString("Could not delete the profile."));
    QCOMPARE(m_driver.Seen()[2].title, QString());

    // Yes on a file: gone from disk, from the list and from the next browser.
    QVERIFY(QDir(path).removeRecursively());
    QVERIFY(WriteBytes(path, Profile("Mine", "User-Defined")));
    m_driver.Clear();
    answers = QStringList{"Yes"};
    QStringList after;
    Run([&](CDialogProfileSelection& d) {
        ShowPage(d, 1);
        List(d)->setCurrentRow(0);
        QMetaObject::invokeMethod(&d, "OnProfilesRemove");
        after = Texts(d);
        d.reject();
    });
    QCOMPARE(after, QStringList());
    QVERIFY(!QFile::exists(path));
    CDialogProfileSelection next;
    QVERIFY(!Texts(next).contains("Mine"));
}

void TestDialogProfiles::editRewritesTheFileFirst()
{
    const QString path = UserDir() + "/mine.bqf";
    const QByteArray before =
        Header(Prop("Name", "Mine") + Prop("Description", "old") + Prop("Category", "User-Defined"));
    QVERIFY(WriteBytes(path, before));
    // The save dialog has no parent; it is reached as the active modal widget.
    QString parentClass;
    m_answer = [&](QWidget* w, const SModalSeen& s) {
        if (s.className == "CDialogProfileSave") {
            parentClass = s.parentClass;
            FindChild<QLineEdit>(*w, "editName")->setText("Renamed");
            FindChild<QTextEdit>(*w, "editDesc")->setPlainText("Tom & Jerry");
            return BqTest::CModalDriver::Press(w, "OK");
        }
        return BqTest::CModalDriver::Press(w, "OK");
    };
    QStringList texts;
    QString tip;
    Run([&](CDialogProfileSelection& d) {
        List(d)->setCurrentRow(Row(d, "Mine"));
        QMetaObject::invokeMethod(&d, "OnProfilesEdit");
        texts = Texts(d);
        tip = List(d)->item(0)->toolTip();
        d.reject();
    });
    QCOMPARE(parentClass, QString());
    QCOMPARE(texts.first(), QString("Renamed"));
    QCOMPARE(tip, QString("<a><b>Renamed</b> - Tom & Jerry</a>"));
    QCOMPARE(ReadBytes(path), QByteArray(before).replace(">Mine<", ">Renamed<").replace(">old<", ">Tom &amp; Jerry<"));

    // A file the rewrite refuses (a NUL byte put in after the browser read
    // it) stays as it was, and so does the list.
    QVERIFY(WriteBytes(path, before));
    QByteArray withNul = before;
    withNul.insert(withNul.size() - 1, '\0');
    m_driver.Clear();
    Run([&](CDialogProfileSelection& d) {
        QVERIFY(WriteBytes(path, withNul));
        List(d)->setCurrentRow(Row(d, "Mine"));
        QMetaObject::invokeMethod(&d, "OnProfilesEdit");
        texts = Texts(d);
        d.reject();
    });
    QCOMPARE(ReadBytes(path), withNul);
    QCOMPARE(texts.first(), QString("Mine"));
    QCOMPARE(m_driver.Seen().size(), 2);
    QCOMPARE(m_driver.Seen()[1].text, QString("Could not change the profile."));
    QCOMPARE(m_driver.Seen()[1].title, QString());
}

void TestDialogProfiles::editUpdatesByPath()
{
    QVERIFY(WriteBytes(UserDir() + "/a.bqf", Profile("Same", "User-Defined")));
    QVERIFY(WriteBytes(UserDir() + "/b.bqf", Profile("Same", "User-Defined")));
    m_answer = [&](QWidget* w, const SModalSeen& s) {
        if (s.className == "CDialogProfileSave")
            FindChild<QLineEdit>(*w, "editName")->setText("New");
        return BqTest::CModalDriver::Press(w, "OK");
    };
    QStringList texts;
    Run([&](CDialogProfileSelection& d) {
        ShowPage(d, 1);
        List(d)->setCurrentRow(1);
        QMetaObject::invokeMethod(&d, "OnProfilesEdit");
        texts = Texts(d);
        d.reject();
    });
    QCOMPARE(texts, QStringList({"Same", "New"}));
    QVERIFY(ReadBytes(UserDir() + "/a.bqf").contains(">Same<"));
    QVERIFY(ReadBytes(UserDir() + "/b.bqf").contains(">New<"));
}

BQ_TEST_MAIN(TestDialogProfiles)
#include "tst_dialog_profiles.moc"
