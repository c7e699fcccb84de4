// Step 3 ("Setup") built alone: form, destination, folder structure, output
// path, format list and options, FTP account; what each edit writes into the
// job and the settings store, and how many undo snapshots it stores.

#include "BqTestMain.h"
#include "CDialogTip.h"
#include "CFlickrClient.h"
#include "CFormatSettings.h"
#include "CTextWidget.h"
#include "CoreMetaTypes.h"
#include "FormatsEnum.h"
#include "MainPanel3.h"
#include "ModalDriver.h"
#include "StatesList.h"
#include "StepPageSupport.h"
#include "TipBalloon.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <memory>

class TestStep3Output : public QObject
{
    Q_OBJECT

    struct STipSeen {
        QString key;
        QString text;
    };

    std::unique_ptr<CMainPanel3> panel;
    QList<STipSeen> tips;
    CStatesList* states = nullptr;
    CUserProfile* profile = nullptr;

    template <typename T> T* Child(const char* name) { return panel->findChild<T*>(QLatin1String(name)); }

    void Build()
    {
        panel.reset();
        states->SuspendSaving = true; // as the window constructs its pages
        panel.reset(new CMainPanel3);
        states->SuspendSaving = false;
        panel->hooks.runDialog = [this](QDialog* dialog) {
            if (auto* tip = qobject_cast<CDialogTip*>(dialog))
                tips.append({tip->tipKey, tip->tipText});
            return 0;
        };
        panel->resize(700, 550);
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        tips.clear();
        states->ClearStatesList();
    }

    // Chooses an item as the user would, so the activated handlers run.
    void Choose(QComboBox* combo, int index)
    {
        combo->setCurrentIndex(index);
        QMetaObject::invokeMethod(combo, "activated", Q_ARG(int, index));
        QMetaObject::invokeMethod(combo, "activated", Q_ARG(QString, combo->itemText(index)));
    }

    QStringList Items(QComboBox* combo)
    {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items.append(combo->itemText(i));
        return items;
    }

private slots:
    void initTestCase()
    {
        RegisterCoreMetaTypes();
        CFormatsEnum::GetInstance()->GenerateList();
        profile = CUserProfile::GetInstance();
        profile->LaunchCounter = 3;
        states = CStatesList::GetInstance();
    }

    void init() { Build(); }

    void form_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        const char* const rows[][2] = {
            {"groupOutput", "Output"},
            {"groupFormat", "Format"},
            {"groupSettings", "Settings"},
            {"buttonSelectFolder", "Selec&t"},
            {"buttonFormatSettings", "&Settings"},
            {"checkMultipage", "&Create a single multi-page document from all photos (only valid for PDF, "
                               "TIF, GIF)"},
            {"checkOpenFolder", "&Open output folder after processing"},
            {"checkOriginalDate", "Set output photo's &date and attributes same as original"},
            {"checkDeleteSource", "De&lete source photo after processing (move photo)"},
            {"checkSaveOnDiskMail", "Also save on My Computer"},
            {"checkSaveOnDiskFacebook", "Also save on My Computer"},
            {"textFTPPort", "Port"},
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString(row[0]) << QString::fromUtf8(row[1]);
    }

    void form()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QCOMPARE(StepPage::TitleOrText(panel.get(), name), text);
    }

    void formShape()
    {
        QCOMPARE(Child<QLineEdit>("editFTPPassword")->echoMode(), QLineEdit::Password);
        QVERIFY(Child<QLineEdit>("editFTPPort")->maximumWidth() <= 50);
        QVERIFY(Child<QComboBox>("comboDestination")->minimumWidth() >= 200);
        QCOMPARE(Child<QComboBox>("comboDestination")->minimumHeight(), 40);
        QCOMPARE(Child<QComboBox>("comboOutputFormat")->maxVisibleItems(), 10);
        QCOMPARE(Child<QStackedWidget>("swDestinations")->count(), 5);
        QCOMPARE(
            Items(Child<QComboBox>("comboDestination")),
            QStringList({"Folder on My Computer (default)", "Send via E-mail", "Upload to FTP", "Upload to Flickr"}));
        QCOMPARE(Items(Child<QComboBox>("comboFolderStructure")),
                 QStringList({"Use selected folder as output destination",
                              "Recreate original folder structure in selected folder",
                              "Use original photos' folder as output destination",
                              "Create a subfolder in the original photos' folder"}));
        // Tab order from the destination through the run options.
        QWidget* w = Child<QWidget>("comboDestination");
        const QStringList order = {"comboFolderStructure", "editDestinationPath",  "buttonSelectFolder",
                                   "comboOutputFormat",    "buttonFormatSettings", "checkMultipage",
                                   "checkOpenFolder",      "checkOriginalDate",    "checkDeleteSource"};
        for (const QString& next : order) {
            w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus)
                w = w->nextInFocusChain();
            QCOMPARE(w->objectName(), next);
        }
    }

    void destination_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("note"); // in a build without a Flickr key
        QTest::addColumn<int>("from");     // the destination chosen before, with PNG as its format
        QTest::newRow("folder") << 0 << 14 << 0 << "Keep original image format (if possible)"
                                << "pageMyComputer"
                                << "" << 1;
        QTest::newRow("mail") << 1 << 13 << 5 << "JPG"
                              << "pageEmail"
                              << "" << 0;
        QTest::newRow("ftp") << 2 << 13 << 5 << "JPG"
                             << "pageFTP"
                             << "" << 0;
        QTest::newRow("flickr") << 3 << 4 << 1 << "JPG"
                                << "pagePicasa"
                                << "Flickr upload is not available: this copy of Brandquill was built without a "
                                   "Flickr API key."
                                << 0;
        // The destination chosen again changes nothing.
        QTest::newRow("folder again") << 0 << 14 << 8 << "PNG"
                                      << "pageMyComputer"
                                      << "" << 0;
    }

    void destination()
    {
        QFETCH(int, index);
        QFETCH(int, count);
        QFETCH(int, current);
        QFETCH(QString, format);
        QFETCH(QString, page);
        QFETCH(QString, note);
        QFETCH(int, from);
        QComboBox* formats = Child<QComboBox>("comboOutputFormat");
        Choose(Child<QComboBox>("comboDestination"), from);
        Choose(formats, Items(formats).indexOf(QRegularExpression("^PNG .*")));
        states->ClearStatesList();
        panel->UnsignalPanelChanged();
        QSignalSpy changes(panel.get(), &CMainPanel3::SignalChanges);
        Choose(Child<QComboBox>("comboDestination"), index);
        QCOMPARE(formats->count(), count);
        QCOMPARE(formats->currentIndex(), current);
        QCOMPARE(profile->Destination, index + 1);
        QCOMPARE(profile->OutputFormat, format);
        QCOMPARE(profile->FilterFilename.extension, format.toLower());
        QCOMPARE(Child<QStackedWidget>("swDestinations")->currentWidget()->objectName(), page);
        const QLabel* shown = Child<QLabel>("textFlickrUnavailable");
        QCOMPARE(shown && shown->isVisible() ? shown->text() : QString(), CFlickrClient::BuiltWithKey() ? "" : note);
        QCOMPARE(states->GetCount(), from == index ? 0 : 1);
        QVERIFY(!states->SuspendSaving);
        QCOMPARE(panel->changed, from != index);
        QCOMPARE(changes.count() >= 1, from != index);
        if (index == 3) {
            QStringList ids;
            for (const QString& item : Items(formats))
                ids.append(item.section(QLatin1Char(' '), 0, 0));
            QCOMPARE(ids, QStringList({"GIF", "JPG", "PNG", "TIF"}));
        }
    }

    void unknownDestinationKeepsCode()
    {
        profile->Destination = 5;
        profile->OutputFormat = QStringLiteral("XYZ");
        panel->RefreshPanel();
        QCOMPARE(profile->Destination, 5);
        QCOMPARE(Child<QComboBox>("comboDestination")->currentIndex(), -1);
        QCOMPARE(Child<QComboBox>("comboOutputFormat")->count(), 13);
        QCOMPARE(Child<QComboBox>("comboOutputFormat")->currentIndex(), 0);
        QCOMPARE(profile->OutputFormat, QStringLiteral("XYZ"));
    }

    void folderStructure()
    {
        QComboBox* modes = Child<QComboBox>("comboFolderStructure");
        QLineEdit* path = Child<QLineEdit>("editDestinationPath");
        QPushButton* select = Child<QPushButton>("buttonSelectFolder");
        Choose(modes, 2);
        QVERIFY(!path->isEnabled());
        QVERIFY(!select->isEnabled());
        QCOMPARE(tips.size(), 1);
        QCOMPARE(tips[0].key, QStringLiteral("Step3.ShowTipSourcePath"));
        QVERIFY(tips[0].text.startsWith("You have selected to write the resulting photos in the same folder"));
        QVERIFY(tips[0].text.endsWith("Step2 > Names"));
        QCOMPARE(states->GetCount(), 1);

        Choose(modes, 3);
        QVERIFY(path->isEnabled());
        QVERIFY(!select->isEnabled());
        QCOMPARE(path->text(), QStringLiteral("Processed"));
        QCOMPARE(profile->OutputFolderStruct, 3);

        // Restored modes show no tip.
        tips.clear();
        profile->OutputFolderStruct = 2;
        panel->RefreshPanel();
        panel->ResetInterface();
        QVERIFY(tips.isEmpty());

        QCheckBox* remove = Child<QCheckBox>("checkDeleteSource");
        remove->click();
        QCOMPARE(tips.size(), 1);
        QCOMPARE(tips[0].key, QStringLiteral("Step3.ShowTipDeleteSource"));
        QCOMPARE(tips[0].text.split("\n\n").size(), 3);
        QVERIFY(tips[0].text.endsWith("no quality loss."));
        QVERIFY(profile->DeleteSource);
        remove->click();
        QCOMPARE(tips.size(), 1);
        QVERIFY(!profile->DeleteSource);
    }

    void myPicturesPlaceholder()
    {
        profile->DestPath = QStringLiteral("#MyPictures");
        profile->OutputFolderStruct = 0;
        panel->RefreshPanel();
        const QString pictures = QDir::homePath() + QStringLiteral("/Pictures");
        QCOMPARE(Child<QLineEdit>("editDestinationPath")->text(), QDir::toNativeSeparators(pictures));
        QCOMPARE(profile->DestPath, pictures);
        QCOMPARE(GetRegistryString("GUI/Step3.OutputPath", QString()), pictures);
    }

    void selectFolder()
    {
        QString caption;
        QString start;
        QFileDialog::Options options;
        QString answer;
        panel->hooks.chooseFolder = [&](QWidget*, const QString& c, const QString& s, QFileDialog::Options o) {
            caption = c;
            start = s;
            options = o;
            return answer;
        };
        const QString before = profile->DestPath;
        QVERIFY(!panel->SelectFolder());
        QCOMPARE(caption, QStringLiteral("Select a folder for saving the resulting photos"));
        QCOMPARE(start, QDir::homePath()); // neither the stored nor the pictures folder is there
        QCOMPARE(options, QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
        QCOMPARE(profile->DestPath, before);
        QCOMPARE(states->GetCount(), 0);
        QVERIFY(!states->SuspendSaving);
        Child<QCheckBox>("checkOriginalDate")->click();
        QCOMPARE(states->GetCount(), 1);

        answer = QDir::tempPath() + QStringLiteral("/out");
        QVERIFY(panel->SelectFolder());
        QCOMPARE(Child<QLineEdit>("editDestinationPath")->text(), QDir::toNativeSeparators(answer));
        QCOMPARE(profile->DestPath, answer);
        QCOMPARE(GetRegistryString("GUI/Step3.OutputPath", QString()), answer);
        QCOMPARE(states->GetCount(), 2);
    }

    void formatOptions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("title");
        const QString keep = QStringLiteral("Keep original image format (if possible)");
        QTest::newRow("keep") << keep << 1 << keep;
        QTest::newRow("gif") << "GIF - CompuServe graphics interchange format" << 2 << "GIF";
        QTest::newRow("jp2") << "JP2 - JPEG-2000 JP2 File Format Syntax" << 3 << "JP2 - JPEG";
        QTest::newRow("jpc") << "JPC - JPEG-2000 Code Stream Syntax" << 0 << "JPC - JPEG";
        QTest::newRow("jpg") << "JPG - Joint Photographic Experts Group JFIF format" << 4 << "JPG";
        QTest::newRow("png") << "PNG - Portable Network Graphics" << 6 << "PNG";
        QTest::newRow("tif") << "TIF - Tagged Image File Format" << 7 << "TIF";
        QTest::newRow("bmp") << "BMP - Microsoft Windows bitmap image" << 0 << "BMP";
        QTest::newRow("no hyphen") << "WBMP" << 0 << "WBMP";
        QTest::newRow("only hyphen") << "-" << 0 << keep;
    }

    void formatOptions()
    {
        QFETCH(QString, text);
        QFETCH(int, page);
        QFETCH(QString, title);
        QCOMPARE(CMainPanel3::FormatOptionsPage(text), page);
        QCOMPARE(CMainPanel3::FormatOptionsTitle(text), title);
    }

    void formatOptionsDialog()
    {
        int page = -1;
        QString title;
        int result = 0;
        panel->hooks.runDialog = [&](QDialog* dialog) {
            auto* options = qobject_cast<CFormatSettings*>(dialog);
            page = options ? options->FormatPage : -2;
            title = dialog->windowTitle();
            return result;
        };
        QComboBox* formats = Child<QComboBox>("comboOutputFormat");
        Choose(formats, formats->findText("JP2", Qt::MatchStartsWith));
        states->ClearStatesList();
        QSignalSpy changes(panel.get(), &CMainPanel3::SignalChanges);
        Child<QPushButton>("buttonFormatSettings")->click();
        QCOMPARE(page, 3);
        QCOMPARE(title, QStringLiteral("JP2 - JPEG"));
        QCOMPARE(states->GetCount(), 0);
        QCOMPARE(changes.count(), 0);
        result = 1;
        Child<QPushButton>("buttonFormatSettings")->click();
        QCOMPARE(states->GetCount(), 1);
        QCOMPARE(changes.count(), 1);
    }

    void multipage()
    {
        QComboBox* formats = Child<QComboBox>("comboOutputFormat");
        QCheckBox* box = Child<QCheckBox>("checkMultipage");
        QVERIFY(!box->isEnabled());
        Choose(formats, formats->findText("TIF", Qt::MatchStartsWith));
        QCOMPARE(profile->OutputFormat, QStringLiteral("TIF"));
        QVERIFY(box->isEnabled());
        QVERIFY(!box->isChecked());
        box->click();
        QVERIFY(profile->Multipage);
        Choose(formats, formats->findText("JPG", Qt::MatchStartsWith));
        QVERIFY(!profile->Multipage);
        QVERIFY(!box->isEnabled());
        // A stored PDF (no such row) still allows one document.
        profile->OutputFormat = QStringLiteral("PDF");
        profile->Multipage = true;
        panel->RefreshPanel();
        QVERIFY(box->isEnabled());
        QVERIFY(profile->Multipage);
        QCOMPARE(profile->OutputFormat, QStringLiteral("PDF"));
        // A job file may spell the id in lower case.
        profile->OutputFormat = QStringLiteral("tif");
        panel->RefreshPanel();
        QVERIFY(box->isEnabled() && box->isChecked());
    }

    void ftpAccount()
    {
        QCOMPARE(Child<QLineEdit>("editFTPUsername")->text(), QString());
        QCOMPARE(Child<QLineEdit>("editFTPPassword")->text(), QString());
        QCOMPARE(Child<QLineEdit>("editFTPHost")->text(), QString());
        QCOMPARE(Child<QLineEdit>("editFTPFolder")->text(), QStringLiteral("/"));
        QCOMPARE(Child<QLineEdit>("editFTPPort")->text(), QStringLiteral("21"));

        Choose(Child<QComboBox>("comboDestination"), 2);
        states->ClearStatesList();
        QLineEdit* password = Child<QLineEdit>("editFTPPassword");
        for (const QChar c : QStringLiteral("pässwörd"))
            password->insert(QString(c)); // one keystroke each
        QCOMPARE(states->GetCount(), 8);  // one per keystroke
        QCOMPARE(profile->FTPPassword, QStringLiteral("cMOkc3N3w7ZyZA=="));
        QCOMPARE(GetRegistryString("GUI/Upload.FTP.Password", QString()), QStringLiteral("cMOkc3N3w7ZyZA=="));

        const QString file = QSettings(organization, application).fileName();
        QFile settings(file);
        QVERIFY(settings.open(QIODevice::ReadOnly));
        const QByteArray content = settings.readAll();
        QVERIFY(!content.contains(QStringLiteral("pässwörd").toUtf8()));
        settings.close();
        const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
        QCOMPARE(QFile::permissions(file), ownerOnly);
        QTest::keyClicks(Child<QLineEdit>("editFTPHost"), QStringLiteral("h"));
        QCOMPARE(QFile::permissions(file), ownerOnly);
        QCOMPARE(GetRegistryString("GUI/Upload.FTP.Password", QString()), QStringLiteral("cMOkc3N3w7ZyZA=="));
    }

    void processTip_data()
    {
        QTest::addColumn<int>("launches");
        QTest::newRow("first launches") << 1;
        QTest::newRow("later launches") << 3;
    }

    void processTip()
    {
        QFETCH(int, launches);
        profile->LaunchCounter = launches;
        panel->hide();
        panel->show();
        QCOMPARE(panel->processTip->showTimer.interval(), 2000);
        QVERIFY(panel->processTip->showTimer.isActive());
        panel->ShowProcessTip();
        CTextWidget* balloon = panel->processTip->Widget();
        QCOMPARE(balloon->isVisible(), launches <= 2);
        if (balloon->isVisible()) {
            QCOMPARE(balloon->pos(), QPoint(panel->width() / 2 + 95, 0));
            QVERIFY(balloon->TextFits() && balloon->width() >= 200 && balloon->height() >= 80);
            QCOMPARE(panel->processTip->hideTimer.interval(), 15000);
            panel->resize(panel->size() + QSize(20, 20));
            QTRY_VERIFY(!balloon->isVisible());
            panel->ShowProcessTip(); // once per run
            QVERIFY(!balloon->isVisible());
        }
        profile->LaunchCounter = 3;
    }

    // The real dialogs behind the default hooks: the tip, the folder chooser
    // (cancelled) and the options dialog (cancelled).
    void realDefaults()
    {
        panel->hooks = SPanelHooks();
        BqTest::CModalDriver driver;
        driver.Arm();
        Choose(Child<QComboBox>("comboFolderStructure"), 2);
        Choose(Child<QComboBox>("comboFolderStructure"), 0);
        QVERIFY(!panel->SelectFolder());
        Child<QPushButton>("buttonFormatSettings")->click();
        driver.Disarm();
        QStringList classes;
        for (const BqTest::SModalSeen& seen : driver.Seen())
            classes.append(seen.className);
        QCOMPARE(classes, QStringList({"CDialogTip", "QFileDialog", "CFormatSettings"}));
        QCOMPARE(driver.Seen().at(1).title, QStringLiteral("Select a folder for saving the resulting photos"));
        QCOMPARE(states->GetCount(), 2); // the two mode changes
    }

    void ftpFromLoadedJob()
    {
        profile->FTPUser = QStringLiteral("bq");
        profile->FTPPassword = EncryptString(QStringLiteral("s3cret"));
        profile->FTPHost = QStringLiteral("127.0.0.1");
        profile->FTPPort = QStringLiteral("2121");
        profile->FTPFolder = QStringLiteral("/up");
        profile->SaveOnDiskFTP = true;
        profile->SaveOnDiskFacebook = true;
        states->SuspendSaving = true; // the window holds it while it refreshes
        profile->Destination = 3;
        panel->RefreshPanel();
        states->SuspendSaving = false;
        QCOMPARE(states->GetCount(), 0);
        QCOMPARE(Child<QLineEdit>("editFTPPassword")->text(), QStringLiteral("s3cret"));
        QVERIFY(Child<QCheckBox>("checkSaveOnDiskFTP")->isChecked());
        QCOMPARE(GetRegistryString("GUI/Upload.FTP.UserName", QString()), QStringLiteral("bq"));
        QCOMPARE(GetRegistryString("GUI/Upload.FTP.Host", QString()), QStringLiteral("127.0.0.1"));
        QCOMPARE(GetRegistryString("GUI/Upload.FTP.Port", QString()), QStringLiteral("2121"));
        QCOMPARE(GetRegistryString("GUI/Upload.FTP.Folder", QString()), QStringLiteral("/up"));
        QCOMPARE(profile->FTPPassword, EncryptString(QStringLiteral("s3cret")));
        QVERIFY(profile->SaveOnDiskFacebook);
    }
};

BQ_TEST_MAIN(TestStep3Output)
#include "tst_step3_output.moc"
