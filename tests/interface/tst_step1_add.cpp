// Adding and removing photos in step 1: the file, folder and search
// commands, paste and drop, the report of refused files and removal.
#include "BqTestMain.h"
#include "CDialogSearch.h"
#include "ControlImage.h"
#include "ModalDriver.h"
#include "Step1Fixture.h"
#include "Utils.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QListView>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using BqTest::WriteImageFiles;

class TestStep1Add : public QObject
{
    Q_OBJECT

    QTemporaryDir tmp;
    QString Dir(const QString& sub) const { return tmp.path() + QLatin1Char('/') + sub; }

private slots:
    void initTestCase() { QVERIFY(tmp.isValid()); }

    void fileDialog()
    {
        SStep1Page s;
        QVERIFY(WriteImageFiles(Dir("files"), {"b.jpg", "C.jpg", "a.jpg", "x.txt", "y.doc"}));
        QSignalSpy changes(s.page.get(), &CMainPanel1::SignalChanges);
        QSignalSpy combo(s.page.get(), &CMainPanel1::InsertItemComboImages);

        s.page->AddPhotos(); // cancelled: nothing at all
        QCOMPARE(s.Snapshots(), 0);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(GetRegistryString("GUI/Step1.AddPhotosPath", "unset"), QString("unset"));

        // The refused files are reported once, after the accepted ones are listed.
        QStringList listedWhileOpen;
        s.hooks->dialogAnswer = [&](QDialog*) {
            listedWhileOpen = s.Names();
            return 1;
        };
        s.hooks->files = QStringList{Dir("files/y.doc"), Dir("files/b.jpg"), Dir("files/C.jpg"), Dir("files/x.txt"),
                                     Dir("files/a.jpg")};
        s.page->AddPhotos();
        QCOMPARE(s.hooks->unsupportedLists, (QList<QStringList>{{Dir("files/x.txt"), Dir("files/y.doc")}}));
        QCOMPARE(listedWhileOpen, (QStringList{"C.jpg", "a.jpg", "b.jpg"}));
        QCOMPARE(s.hooks->captions.last(), QString("Select Photo(s)"));
        QCOMPARE(s.hooks->dirs.last(), QDir::homePath()); // no pictures folder in the test's home
        QCOMPARE(s.hooks->filters.last(), CFormatsEnum::GetInstance()->openDialogFilter);
        QCOMPARE(s.Names(), (QStringList{"C.jpg", "a.jpg", "b.jpg"}));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(CListImages::GetInstance()->images.at(i).position, qint64(i));
        QCOMPARE(GetRegistryString("GUI/Step1.AddPhotosPath", ""), Dir("files"));
        QCOMPARE(s.Snapshots(), 1);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(s.ui->listImagesDetails->horizontalHeader()->sortIndicatorSection(), -1);
        QCOMPARE(combo.count(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(combo.at(i).at(1).toString(), QDir::toNativeSeparators(s.Paths().at(i)));
    }

    void folders_data()
    {
        QTest::addColumn<bool>("subfolders");
        QTest::addColumn<bool>("photosFirst"); // Add Photos used first, from another folder
        QTest::addColumn<bool>("oddNames");    // a photo and a folder named in Latin-1
        QTest::newRow("own photos") << false << false << false;
        QTest::newRow("with subfolders and links") << true << false << false;
        QTest::newRow("after Add Photos elsewhere") << false << true << false;
        QTest::newRow("names not UTF-8") << true << false << true;
    }
    void folders()
    {
        QFETCH(bool, subfolders);
        QFETCH(bool, photosFirst);
        QFETCH(bool, oddNames);
        const QString root = Dir(QString(subfolders ? "tree" : "flat") + (photosFirst ? "2" : oddNames ? "3" : ""));
        QVERIFY(WriteImageFiles(root, {"r1.jpg", "notes.txt", "sub1/s1.jpg", "sub1/deep/d.jpg", "sub2/s2.jpg"}));
        QStringList unsupported{root + "/notes.txt"};
        if (oddNames) {
            const QByteArray odd = QFile::encodeName(root);
            const int fd = ::open((odd + "/caf\xE9.jpg").constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
            QVERIFY(fd >= 0 && ::close(fd) == 0 && ::mkdir((odd + "/f\xE9te").constData(), 0700) == 0);
            unsupported << root + "/caf\\xE9.jpg (the name is not valid UTF-8)"
                        << root + "/f\\xE9te/ (the name is not valid UTF-8)";
        }
        // A link up the tree and a second way into sub1 must not add twice or recurse forever.
        QVERIFY(QFile::link("..", root + "/sub1/loop"));
        QVERIFY(QFile::link(root + "/sub1", root + "/again"));
        SStep1Page s;
        if (photosFirst) {
            QVERIFY(WriteImageFiles(Dir("elsewhere"), {"e.jpg"}));
            s.hooks->files = QStringList{Dir("elsewhere/e.jpg")};
            s.page->AddPhotos();
            CListImages::GetInstance()->images.clear();
            CStatesList::GetInstance()->ClearStatesList();
        }
        s.hooks->folder = root;
        s.page->AddFolder(subfolders);
        // The folder last used, else home: the test's home has no pictures folder.
        QCOMPARE(s.hooks->dirs.last(), photosFirst ? Dir("elsewhere") : QDir::homePath());

        const QStringList names = s.Names();
        QCOMPARE(names.first(), QString("r1.jpg"));
        if (subfolders) {
            QCOMPARE(QSet<QString>(names.begin(), names.end()), (QSet<QString>{"r1.jpg", "s1.jpg", "d.jpg", "s2.jpg"}));
            QCOMPARE(names.size(), 4);
            QVERIFY(names.indexOf("s1.jpg") < names.indexOf("d.jpg"));
        } else {
            QCOMPARE(names, QStringList{"r1.jpg"});
        }
        QCOMPARE(s.hooks->unsupportedLists, QList<QStringList>{unsupported});
        QCOMPARE(GetRegistryString("GUI/Step1.AddFolderPath", ""), root);
        QCOMPARE(s.Snapshots(), 1);

        // The same photos again: nothing added, nothing reported, still one snapshot.
        s.hooks->folder = root + "/sub2";
        s.page->AddFolder(false);
        s.page->AddFolder(false);
        QCOMPARE(s.Names().count("s2.jpg"), 1);
        QCOMPARE(s.hooks->unsupportedLists.size(), 1);
        QCOMPARE(s.Snapshots(), 3);
    }

    void search()
    {
        const QString root = Dir("search");
        QVERIFY(WriteImageFiles(root, {"b.jpg", "B2.JPG", "a.png", "x/c.jpg", "x/y/d.JPG"}));
        SStep1Page s;
        QString mask = "*.JPG";
        s.hooks->dialogAnswer = [&](QDialog* dialog) {
            auto* search = qobject_cast<CDialogSearch*>(dialog);
            if (!search)
                return 0;
            search->searchPath = root;
            search->searchMask = mask;
            search->searchSubfolders = true;
            return 1;
        };
        s.page->SearchAndAdd();
        QStringList names = s.Names();
        names.sort();
        QCOMPARE(names, (QStringList{"B2.JPG", "b.jpg", "c.jpg", "d.JPG"}));
        QCOMPARE(s.Snapshots(), 1);

        mask = "*.tif";
        s.page->SearchAndAdd();
        QCOMPARE(s.Names().size(), 4);
        QCOMPARE(s.Snapshots(), 2);
    }

    void pasteAndDrop()
    {
        const QString base = Dir("paste");
        QVERIFY(WriteImageFiles(base, {"a.jpg", "c.jpg", "d/d1.jpg", "d/sub/s.jpg"}));
        SStep1Page s;
        auto* data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(base + "/c.jpg"), QUrl::fromLocalFile(base + "/d"),
                       QUrl("https://example.org/z.jpg")});
        QApplication::clipboard()->setMimeData(data);
        s.page->PasteClipboardFiles();
        QCOMPARE(s.Names(), (QStringList{"c.jpg", "d1.jpg"}));
        QVERIFY(s.hooks->unsupportedLists.isEmpty());
        QVERIFY(!s.page->previewTimer.isActive());

        QApplication::clipboard()->setText("plain text");
        s.hooks->menuPick = "Pas&te";
        emit s.ui->listImages->customContextMenuRequested(QPoint(5, 5));
        QVERIFY(!s.hooks->menus.last().Enabled("Pas&te"));
        QCOMPARE(s.Names().size(), 2);

        CListImages::GetInstance()->images.clear();
        s.page->SynchronizeListImages(false);
        CStatesList::GetInstance()->ClearStatesList();
        BqTest::DropUrls(s.ui->listImages, {base + "/c.jpg", base + "/a.jpg", base + "/d"});
        QTRY_COMPARE_WITH_TIMEOUT(s.Names(), (QStringList{"a.jpg", "c.jpg", "d1.jpg"}), 5000);
        QCOMPARE(s.Snapshots(), 1);
        QVERIFY(!s.page->previewTimer.isActive());
    }

    void remove_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("yes") << int(QMessageBox::Yes) << QStringList{"p0.jpg", "p1.jpg", "p4.jpg"};
        QTest::newRow("no") << int(QMessageBox::No) << QStringList{"p0.jpg", "p1.jpg", "p2.jpg", "p3.jpg", "p4.jpg"};
    }
    void remove()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, left);
        const QString base = Dir("remove");
        QVERIFY(WriteImageFiles(base, {"p0.jpg", "p1.jpg", "p2.jpg", "p3.jpg", "p4.jpg"}));
        SStep1Page s;
        s.page->RemoveSelectedPhotos(); // empty list: no box at all
        s.page->RemoveAllPhotos();
        QVERIFY(s.hooks->messages.isEmpty());

        for (const QString& name : QStringList{"p0.jpg", "p1.jpg", "p2.jpg", "p3.jpg", "p4.jpg"})
            s.page->AddPhoto(base + "/" + name);
        s.page->SynchronizeListImages(false);
        CStatesList::GetInstance()->ClearStatesList();
        s.page->RemoveSelectedPhotos();
        QCOMPARE(s.hooks->messages.last(), QString("No photos selected"));
        QCOMPARE(s.hooks->buttons.last(), QMessageBox::StandardButtons(QMessageBox::Ok));

        s.ui->listImages->item(2)->setSelected(true);
        s.ui->listImages->item(3)->setSelected(true);
        s.hooks->answer = QMessageBox::StandardButton(answer);
        QTest::keyClick(s.page.get(), Qt::Key_Delete);
        QCOMPARE(s.hooks->messages.last(), QString("Remove selected photo(s) from the list?"));
        QCOMPARE(s.hooks->buttons.last(), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(s.Names(), left);
        QCOMPARE(s.Snapshots(), answer == QMessageBox::Yes ? 1 : 0);
        if (answer == QMessageBox::Yes) {
            QCOMPARE(s.ui->listImages->currentRow(), 2);
            QCOMPARE(CUserProfile::GetInstance()->PreviewPath, base + "/p4.jpg");
            for (int i = 0; i < 3; ++i)
                QCOMPARE(CListImages::GetInstance()->images.at(i).position, qint64(i));
        }

        s.page->RemoveAllPhotos();
        QCOMPARE(s.hooks->messages.last(), QString("Remove all photos from the list?"));
        QCOMPARE(s.Names().isEmpty(), answer == QMessageBox::Yes);
        if (answer == QMessageBox::Yes) {
            QCOMPARE(CUserProfile::GetInstance()->PreviewPath, QString());
            QCOMPARE(s.ui->scrollImage->currentPath, QString());
        }
    }

    // The real chooser, opened by Insert: it lists lower-case names under the
    // upper-case patterns of the common formats, and not the text file.
    void realFileDialogMatchesAnyCase()
    {
        const QString base = Dir("real");
        QVERIFY(WriteImageFiles(base, {"a.jpg", "B.JPG", "c.txt"}));
        SStep1Page s(5, false);
        SetRegistryString("GUI/Step1.AddPhotosPath", base);
        QStringList listed;
        int stableTicks = 0;
        int ticks = 0;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* view = dialog ? dialog->findChild<QListView*>("listView") : nullptr;
            if (!view)
                return;
            QStringList now;
            const QModelIndex root = view->rootIndex();
            for (int row = 0; row < view->model()->rowCount(root); ++row)
                now.append(view->model()->index(row, 0, root).data().toString());
            stableTicks = (now == listed && !now.isEmpty()) ? stableTicks + 1 : 0;
            listed = now;
            if (stableTicks >= 10 || ++ticks > 400)
                dialog->reject();
        });
        poll.start(50);
        bool timedOut = false;
        BqTest::CModalWatchdog watchdog(&timedOut);
        QTest::keyClick(s.page.get(), Qt::Key_Insert);
        QVERIFY(!timedOut);
        listed.sort();
        QCOMPARE(listed, (QStringList{"B.JPG", "a.jpg"}));
        QVERIFY(s.Names().isEmpty());
    }

    // The other default hooks: the menu, the message box and the dialog
    // run, answered as a user would.
    void realDefaults()
    {
        const QString base = Dir("defaults");
        QVERIFY(WriteImageFiles(base, {"a.jpg", "b.jpg", "n.txt"}));
        SStep1Page s(5, false);
        QStringList menuEntries;
        BqTest::CModalDriver driver([&](QWidget* window, const BqTest::SModalSeen& seen) {
            if (seen.className == "QMenu")
                menuEntries = BqTest::CModalDriver::MenuEntries(window);
            return seen.className == "QMessageBox" && BqTest::CModalDriver::Press(window, "Yes");
        });
        bool timedOut = false;
        BqTest::CModalWatchdog watchdog(&timedOut);
        driver.Arm();
        s.page->AddPhotos(QStringList{base});
        s.page->SynchronizeListImages(false);
        QCOMPARE(s.Names().size(), 2);
        QTest::mouseClick(s.ui->buttonRemove, Qt::LeftButton);
        s.page->RemoveAllPhotos();
        driver.Disarm();
        QVERIFY(!timedOut);

        QStringList classes;
        for (const BqTest::SModalSeen& seen : driver.Seen())
            classes.append(seen.className);
        QCOMPARE(classes, (QStringList{"CDialogUnsupportedFormat", "QMenu", "QMessageBox"}));
        QCOMPARE(menuEntries, (QStringList{"&Selected", "&All"}));
        QCOMPARE(driver.Seen().at(2).text, QString("Remove all photos from the list?"));
        QCOMPARE(driver.Seen().at(2).title, QString());
        QVERIFY(s.Names().isEmpty());
    }
};

BQ_TEST_MAIN(TestStep1Add)
#include "tst_step1_add.moc"
