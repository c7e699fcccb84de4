// Step 1's form, view modes, menus, reordering, preview and tips.
#include "BqTestMain.h"
#include "CTextWidget.h"
#include "ControlImage.h"
#include "Step1Fixture.h"
#include "TipBalloon.h"
#include "Utils.h"

#include <QCheckBox>
#include <QCommandLinkButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestStep1Views : public QObject
{
    Q_OBJECT

    QTemporaryDir tmp;

    // Photos of the given names, added and shown; no snapshot counted.
    void Fill(SStep1Page& s, const QStringList& names)
    {
        QVERIFY(BqTest::WriteImageFiles(tmp.path(), names));
        for (const QString& name : names)
            s.page->AddPhoto(tmp.path() + "/" + name);
        s.page->SynchronizeListImages(false);
        CStatesList::GetInstance()->ClearStatesList();
    }
    static QStringList SelectedRows(QAbstractItemView* view)
    {
        QStringList rows;
        for (const QModelIndex& index : view->selectionModel()->selectedRows(0))
            rows.append(QString::number(index.row()));
        rows.sort();
        return rows;
    }

private slots:
    void initTestCase() { QVERIFY(tmp.isValid()); }

    // Names, classes, texts and sizes of the form, in its tab order.
    void form()
    {
        struct SEntry {
            const char* name;
            const char* className;
            const char* text;
            QSize size;
        };
        const SEntry entries[] = {
            {"listImages", "CListThumb", "", {}},
            {"listImagesDetails", "CListThumbDetails", "", {}},
            {"buttonAddPhotos", "QPushButton", "&Add Photos", {}},
            {"buttonAdd", "QPushButton", "A&dd...", {}},
            {"buttonRemove", "QPushButton", "Re&move", {}},
            {"buttonView", "QPushButton", "V&iew", {}},
            {"checkShowPreview", "QCheckBox", "&Show preview", {}},
            {"scrollImage", "CControlImage", "", {200, 190}},
            {"buttonMaxZoomImage", "QCommandLinkButton", "", {30, 35}},
            {"buttonMinZoomImage", "QCommandLinkButton", "", {30, 35}},
            {"buttonZoomInImage", "QCommandLinkButton", "", {30, 35}},
            {"buttonZoomOutImage", "QCommandLinkButton", "", {30, 35}},
        };
        SStep1Page s;
        QStringList names;
        for (const SEntry& entry : entries) {
            QWidget* widget = s.page->findChild<QWidget*>(entry.name);
            QVERIFY2(widget, entry.name);
            QCOMPARE(widget->metaObject()->className(), entry.className);
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                QCOMPARE(button->text(), QString(entry.text));
            if (entry.size.isValid())
                QCOMPARE(widget->size(), entry.size);
            names.append(entry.name);
        }
        QStringList tabOrder;
        QWidget* widget = s.ui->listImages;
        for (int i = 0; i < 500 && tabOrder.size() < names.size(); ++i, widget = widget->nextInFocusChain())
            if (names.contains(widget->objectName()) && !tabOrder.contains(widget->objectName()))
                tabOrder.append(widget->objectName());
        QCOMPARE(tabOrder, names);
        QCOMPARE(s.ui->buttonAdd->width(), 90);
        QCOMPARE(s.ui->groupPhotos->title(), QString("Photos"));
        QCOMPARE(s.page->minimumSize(), QSize(0, 550)); // the width its layout needs; narrower, it scrolls
    }

    void viewModesAndMenus()
    {
        SStep1Page s;
        QVERIFY(s.ui->listImages->isVisible());
        s.hooks->menuPick = "R&emove";
        emit s.ui->listImages->customContextMenuRequested(QPoint(5, 5));
        QVERIFY(!s.hooks->menus.last().Enabled("Remove S&elected"));
        QVERIFY(!s.hooks->menus.last().Enabled("Remove &All"));
        QVERIFY(s.hooks->menus.last().Enabled("Add &Photo(s)"));

        Fill(s, {"v0.jpg", "v1.jpg", "v2.jpg", "v3.jpg"});
        QCOMPARE(s.ui->listImages->item(0)->sizeHint(), QSize(100, 100));
        QTest::mouseClick(s.ui->buttonRemove, Qt::LeftButton);
        QVERIFY(!s.hooks->menus.last().Enabled("&Selected"));
        QVERIFY(s.hooks->menus.last().Enabled("&All"));

        s.ui->listImages->item(1)->setSelected(true);
        s.ui->listImages->item(3)->setSelected(true);
        s.hooks->menuPick = "&Details";
        QTest::mouseClick(s.ui->buttonView, Qt::LeftButton);
        QCOMPARE(GetRegistryInt("GUI/Step1.ViewType", -1), 0);
        QVERIFY(s.ui->listImagesDetails->isVisible() && !s.ui->listImages->isVisible());
        QCOMPARE(s.ui->listImagesDetails->horizontalHeaderItem(0)->text(), QString("Name"));
        QCOMPARE(s.ui->listImagesDetails->horizontalHeaderItem(13)->text(), QString("Altitude"));
        QCOMPARE(SelectedRows(s.ui->listImagesDetails), (QStringList{"1", "3"}));
        emit s.ui->listImagesDetails->customContextMenuRequested(QPoint(5, 5));
        QVERIFY(s.hooks->menus.last().Enabled("Remove S&elected"));

        s.page->ChangeViewMode(1);
        const QSize small = s.ui->listImages->iconSize();
        s.page->ChangeViewMode(3);
        QVERIFY(s.ui->listImages->iconSize() != small);
        QCOMPARE(s.ui->listImages->item(0)->sizeHint(), QSize(165, 165));
        QCOMPARE(s.Snapshots(), 0);
        QVERIFY(!s.page->changed);
    }

    void dragReorder()
    {
        SStep1Page s;
        Fill(s, {"K.jpg", "L.jpg", "M.jpg", "N.jpg", "O.jpg"});
        QSignalSpy combo(s.page.get(), &CMainPanel1::InsertItemComboImages);
        s.ui->listImages->item(0)->setSelected(true);
        s.ui->listImages->item(1)->setSelected(true);
        BqTest::DropOnRow(s.ui->listImages, 4);
        QTRY_COMPARE_WITH_TIMEOUT(s.Names(), (QStringList{"M.jpg", "N.jpg", "K.jpg", "L.jpg", "O.jpg"}), 5000);
        QCOMPARE(SelectedRows(s.ui->listImages), (QStringList{"2", "3"}));
        QCOMPARE(s.ui->listImages->currentRow(), 2);
        QCOMPARE(CUserProfile::GetInstance()->PreviewPath, tmp.path() + "/K.jpg");
        QCOMPARE(s.Snapshots(), 1);
        QCOMPARE(combo.count(), 5);
        QCOMPARE(combo.at(0).at(1).toString(), QDir::toNativeSeparators(tmp.path() + "/M.jpg"));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(CListImages::GetInstance()->images.at(i).position, qint64(i));
    }

    void columnSort_data()
    {
        QTest::addColumn<bool>("dragAfter");
        QTest::newRow("sorted") << false;
        QTest::newRow("dragged, undone, redone") << true;
    }
    void columnSort()
    {
        QFETCH(bool, dragAfter);
        SStep1Page s;
        Fill(s, {"c.jpg", "a.jpg", "b.jpg"});
        s.page->ChangeViewMode(0);
        s.ui->listImagesDetails->selectRow(0); // c
        s.page->previewTimer.stop();
        QTest::mouseClick(s.ui->listImagesDetails->horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(s.ui->listImagesDetails->horizontalHeader()->sectionViewportPosition(0) + 10, 5));
        QTRY_COMPARE_WITH_TIMEOUT(s.Names(), (QStringList{"a.jpg", "b.jpg", "c.jpg"}), 5000);
        QCOMPARE(CUserProfile::GetInstance()->DetailsSortColumn, 0);
        QCOMPARE(CUserProfile::GetInstance()->DetailsSortOrder, 0);
        QCOMPARE(SelectedRows(s.ui->listImagesDetails), QStringList{"2"});
        QVERIFY(s.ui->listImages->selectedItems().isEmpty());
        QCOMPARE(s.Snapshots(), 1);
        QVERIFY(!s.page->previewTimer.isActive());

        // An order that does not name every photo once is refused whole.
        QSignalSpy changes(s.page.get(), &CMainPanel1::SignalChanges);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("ignored a sort order"));
        s.page->ListThumbDetailsSort({0, 0, 1});
        QCOMPARE(s.Names(), (QStringList{"a.jpg", "b.jpg", "c.jpg"}));
        QCOMPARE(s.Snapshots(), 1);
        QCOMPARE(changes.count(), 0);
        if (!dragAfter)
            return;
        // The arrow shows the sort only in the states that are in its order.
        s.ui->listImages->item(0)->setSelected(true);
        BqTest::DropOnRow(s.ui->listImages, 2);
        QTRY_COMPARE_WITH_TIMEOUT(s.Names(), (QStringList{"b.jpg", "a.jpg", "c.jpg"}), 5000);
        for (int section : {0, -1}) {
            section == 0 ? CStatesList::GetInstance()->Undo() : CStatesList::GetInstance()->Redo();
            s.page->RefreshPanel();
            QCOMPARE(s.ui->listImagesDetails->horizontalHeader()->sortIndicatorSection(), section);
        }
    }

    void preview()
    {
        SStep1Page s;
        Fill(s, {"q0.jpg", "q1.jpg", "q2.jpg"});
        CControlImage* scroll = s.ui->scrollImage;
        for (int row = 0; row < 3; ++row)
            QTest::mouseClick(s.ui->listImages->viewport(), Qt::LeftButton, Qt::NoModifier,
                              s.ui->listImages->visualItemRect(s.ui->listImages->item(row)).center());
        QCOMPARE(s.page->previewTimer.interval(), 200);
        QVERIFY(s.page->previewTimer.isActive());
        QTRY_COMPARE_WITH_TIMEOUT(scroll->currentPath, tmp.path() + "/q2.jpg", 5000);
        QCOMPARE(CUserProfile::GetInstance()->PreviewPath, tmp.path() + "/q2.jpg");
        QTRY_VERIFY_WITH_TIMEOUT(scroll->shown && !scroll->pending, 5000);

        s.page->StartPreview(); // the photo already shown: nothing new
        QVERIFY(!scroll->pending);

        QTest::mouseClick(s.ui->buttonMinZoomImage, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(s.ui->textZoomPercent->text(), QString("100%"), 5000);

        QSignalSpy changes(s.page.get(), &CMainPanel1::SignalChanges);
        QTest::mouseClick(s.ui->checkShowPreview, Qt::LeftButton);
        QVERIFY(!scroll->showPreview);
        QCOMPARE(scroll->currentPath, QString());
        QCOMPARE(GetRegistryInt("GUI/Step1.ShowPreview", -1), 0);
        QVERIFY(s.page->changed);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(s.Snapshots(), 0);
    }

    void tips_data()
    {
        QTest::addColumn<int>("launches");
        QTest::newRow("first launch") << 1;
        QTest::newRow("third launch") << 3;
    }
    void tips()
    {
        QFETCH(int, launches);
        SStep1Page s(launches);
        CTipBalloon* add = s.page->addPhotoTip;
        CTipBalloon* step2 = s.page->step2Tip;
        add->StartShowTimer(0);
        QTRY_VERIFY_WITH_TIMEOUT(!add->showTimer.isActive(), 5000);
        QCOMPARE(add->Widget()->isVisible(), launches == 1);
        if (launches != 1) {
            QVERIFY(!add->Shown() && !add->hideTimer.isActive());
            return;
        }
        // The form's size, grown with its shape until the text fits.
        const QSize size = add->Widget()->size();
        QVERIFY(add->Widget()->TextFits());
        QVERIFY(size.width() >= 247 && size.height() >= 55);
        QVERIFY(qAbs(size.width() * 55 / 247 - size.height()) <= 1);
        QCOMPARE(add->Widget()->pos(), s.ui->buttonAddPhotos->pos() - QPoint(215, 36));
        QCOMPARE(add->hideTimer.interval(), 15000);
        QVERIFY(add->hideTimer.isActive());

        QVERIFY(BqTest::WriteImageFiles(tmp.path(), {"t.jpg"}));
        s.hooks->files = QStringList{tmp.path() + "/t.jpg"};
        s.page->AddPhotos();
        QTRY_VERIFY_WITH_TIMEOUT(!add->Widget()->isVisible(), 5000);
        QCOMPARE(step2->showTimer.interval(), 2000);
        QVERIFY(step2->showTimer.isActive());
        step2->StartShowTimer(0);
        QTRY_VERIFY_WITH_TIMEOUT(step2->Widget()->isVisible(), 5000);
        QVERIFY(step2->Widget()->TextFits() && step2->Widget()->width() >= 200 && step2->Widget()->height() >= 80);
        QCOMPARE(step2->Widget()->pos(), QPoint(s.page->width() / 2 - 10, 0));

        s.page->resize(s.page->size() + QSize(20, 20)); // a resize hides it at once
        QTRY_VERIFY_WITH_TIMEOUT(!step2->Widget()->isVisible(), 5000);
        add->StartShowTimer(0); // once per run
        step2->StartShowTimer(0);
        QTRY_VERIFY_WITH_TIMEOUT(!step2->showTimer.isActive() && !add->showTimer.isActive(), 5000);
        QVERIFY(!add->Widget()->isVisible() && !step2->Widget()->isVisible());
    }
};

BQ_TEST_MAIN(TestStep1Views)
#include "tst_step1_views.moc"
