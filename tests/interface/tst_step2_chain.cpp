// Step 2's filter chain built alone: the form, add (through the hooks and
// once through the real filter dialog), edit, remove, duplicate, move, drag,
// the check box and undo; what each edit leaves in the chain and how many
// undo snapshots and signals it gives.

#include "BqTestMain.h"
#include "CTextWidget.h"
#include "FilterSettings.h"
#include "FilterTestSupport.h"
#include "FiltersEnum.h"
#include "ListThumb.h"
#include "MainPanel2.h"
#include "ModalDriver.h"

#include "StatesList.h"
#include "StepPageSupport.h"
#include "TipBalloon.h"
#include "UserProfile.h"
#include <QLayout>
#include <QListWidget>

#include <QComboBox>
#include <QCommandLinkButton>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <memory>

class TestStep2Chain : public QObject
{
    Q_OBJECT

    std::unique_ptr<CMainPanel2> panel;
    CListFilters* chain = nullptr;
    CStatesList* states = nullptr;
    CListThumb* list = nullptr;
    QStringList messages;

    SFilterRecord Record(const QString& name, bool active = true)
    {
        const SFilterEnumRecord entry = CFiltersEnum::GetInstance()->GetRecordByName(QStringLiteral("Rotate"));
        SFilterRecord record;
        record.id = entry.id;
        record.name = name;
        record.description = entry.description;
        record.active = active;
        record.AddNumber(90);
        record.AddNumber(0);
        return record;
    }

    // A chain of named records, shown, with the undo list empty.
    void SetChain(const QStringList& names)
    {
        chain->filters.clear();
        for (const QString& name : names)
            chain->filters.append(Record(name));
        panel->SynchronizeListFilters();
        states->ClearStatesList();
        panel->changed = false;
    }

    QStringList Names() const
    {
        QStringList names;
        for (const SFilterRecord& record : chain->filters)
            names.append(record.name);
        return names;
    }

    void Select(const QList<int>& rows)
    {
        list->clearSelection();
        for (int row : rows)
            list->item(row)->setSelected(true);
    }

    QList<int> SelectedRows() const
    {
        QList<int> rows;
        for (int i = 0; i < list->count(); ++i) {
            if (list->item(i)->isSelected())
                rows.append(i);
        }
        return rows;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(FilterTest::StartEngineAndCatalogues());
        CUserProfile::GetInstance()->LaunchCounter = 3;
        chain = CListFilters::GetInstance();
        states = CStatesList::GetInstance();
    }

    void init()
    {
        chain->filters.clear();
        panel.reset();
        states->SuspendSaving = true;
        panel.reset(new CMainPanel2);
        states->SuspendSaving = false;
        messages.clear();
        panel->hooks.message = [this](QWidget*, QMessageBox::Icon, const QString& text, QMessageBox::StandardButtons) {
            messages.append(text);
            return QMessageBox::Yes;
        };
        list = panel->findChild<CListThumb*>("listFilters");
        QVERIFY(list);
        QVERIFY(StepPage::ShowPage(panel.get()));
        states->ClearStatesList();
    }

    void formTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        const char* const rows[][2] = {
            {"buttonAddFilter", "Add Filter"},    {"buttonRemoveFilters", "Remove"},
            {"buttonEditFilters", "Edit"},        {"textPreset", "Preset"},
            {"textPreview", "Preview"},           {"checkShowPreview", "Sh&ow preview"},
            {"buttonSwitchView", "S&witch View"}, {"groupPreview", "Preview"},
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString(row[0]) << QString::fromUtf8(row[1]);
    }

    void formTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QCOMPARE(StepPage::TitleOrText(panel.get(), name), text);
    }

    void form()
    {
        auto* tabs = panel->findChild<QTabWidget*>("tabWidget");
        QCOMPARE(tabs->tabText(0) + "|" + tabs->tabText(1), QStringLiteral("Preview|Original"));
        QVERIFY(!panel->findChild<QLineEdit*>("editPreview")->isEnabled());
        auto* filters = panel->findChild<QGroupBox*>("groupFilter");
        QCOMPARE(filters->title(), QStringLiteral("Graphic Filters"));
        QCOMPARE(filters->minimumWidth(), 280);
        QCOMPARE(filters->maximumWidth(), 280);
        auto* names = panel->findChild<QGroupBox*>("groupNames");
        QCOMPARE(names->title(), QStringLiteral("Edit Names"));
        // The form's size, unless its texts need more at this font.
        QCOMPARE(names->minimumSize(), QSize(280, 120).expandedTo(names->layout()->totalMinimumSize()));
        QCOMPARE(names->maximumSize(), names->minimumSize());
        for (const char* name : {"buttonPrevImage", "buttonNextImage", "buttonMaxZoomFilters", "buttonMinZoomFilters",
                                 "buttonZoomInFilters", "buttonZoomOutFilters", "buttonCustom"}) {
            auto* button = panel->findChild<QCommandLinkButton*>(name);
            QVERIFY2(button, name);
            QCOMPARE(button->size(), QSize(30, 35));
            QVERIFY2(!button->icon().isNull(), name);
        }
        auto* presets = panel->findChild<QComboBox*>("comboPreset");
        QStringList items;
        for (int i = 0; i < presets->count(); ++i)
            items.append(presets->itemText(i));
        QCOMPARE(items, QStringList(
                            {"Keep Unchanged", "Rename to Folder's Name", "Rename to Photo's Date", "Custom Defined"}));
        QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(list->dragDropMode(), QAbstractItemView::DragDrop);
        QCOMPARE(list->listType, 2);
    }

    void addFilter_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("accepted") << 1;
        QTest::newRow("cancelled") << 0;
    }

    void addFilter()
    {
        QFETCH(int, answer);
        panel->pickFilter = [](QWidget*) { return QStringLiteral("Resize"); };
        quint32 typeInDialog = 0;
        panel->hooks.runDialog = [&](QDialog* dialog) {
            auto* settings = qobject_cast<CFilterSettings*>(dialog);
            typeInDialog = settings ? settings->record.id : 0;
            return answer;
        };
        CUserProfile::GetInstance()->SetPreviewProgress(40);
        QSignalSpy changes(panel.get(), &CMainPanel2::SignalChanges);
        QSignalSpy chainChanges(panel.get(), &CMainPanel2::SignalListFiltersChanged);
        panel->on_buttonAddFilter_clicked();
        QCOMPARE(typeInDialog, quint32(5040));
        if (answer == 0) {
            QVERIFY(chain->filters.isEmpty());
            QCOMPARE(CUserProfile::GetInstance()->PreviewProgress, -1);
            QCOMPARE(CUserProfile::GetInstance()->PreviewComment, QString());
            QCOMPARE(states->GetCount(), 0);
            QCOMPARE(changes.count(), 0);
            return;
        }
        QCOMPARE(chain->filters.size(), 1);
        QCOMPARE(chain->filters[0].id, quint32(5040));
        QVERIFY(chain->filters[0].active);
        QListWidgetItem* item = list->item(0);
        QCOMPARE(item->text(), QStringLiteral("Resize"));
        QCOMPARE(item->toolTip(), CFiltersEnum::GetInstance()->GetRecordById(5040).description);
        QCOMPARE(item->checkState(), Qt::Checked);
        QCOMPARE(item->sizeHint(), QSize(0, 34));
        QCOMPARE(list->Records()->at(0).iconIndex, 95);
        QCOMPARE(states->GetCount(), 1);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(chainChanges.count(), 1);
        QVERIFY(panel->allPreviewsTimer.isActive());
    }

    void addThroughRealDialog()
    {
        // The default picker: "Text" chosen in "Select Filter", then the filter dialog.
        BqTest::CModalDriver driver([](QWidget* window, const BqTest::SModalSeen&) {
            if (auto* list = window->findChild<QListWidget*>("listFilters");
                list && !qobject_cast<CFilterSettings*>(window)) {
                const QList<QListWidgetItem*> items = list->findItems("Text", Qt::MatchExactly);
                if (items.isEmpty())
                    return false;
                list->setCurrentItem(items.first());
                return QMetaObject::invokeMethod(window, "on_Ok_clicked");
            }
            if (auto* dialog = qobject_cast<CFilterSettings*>(window)) {
                dialog->accept();
                return true;
            }
            return false;
        });
        driver.Arm();
        panel->on_buttonAddFilter_clicked();
        driver.Disarm();
        QCOMPARE(driver.Seen().value(0).className, QString("CDialogFilterSelection"));
        QCOMPARE(Names(), QStringList({"Text"}));
        QVERIFY(chain->filters[0].numberCount > 0);
        QCOMPARE(states->GetCount(), 1);
    }

    void tips()
    {
        CUserProfile::GetInstance()->LaunchCounter = 1;
        panel->hide();
        panel->show();
        QVERIFY(panel->addFilterTip->showTimer.isActive());
        panel->ShowAddFilterTip();
        const QPoint button = panel->findChild<QWidget*>("buttonAddFilter")->pos();
        CTextWidget* balloon = panel->addFilterTip->Widget();
        QCOMPARE(balloon->pos(), button + QPoint(55, 25));
        QVERIFY(balloon->TextFits() && balloon->width() >= 290 && balloon->height() >= 68);
        panel->pickFilter = [](QWidget*) { return QStringLiteral("Resize"); };
        panel->hooks.runDialog = [](QDialog*) { return 1; };
        panel->on_buttonAddFilter_clicked();
        QTRY_VERIFY(!panel->addFilterTip->Widget()->isVisible());
        QVERIFY(panel->step3Tip->showTimer.isActive());
        panel->ShowStep3Tip();
        balloon = panel->step3Tip->Widget();
        QCOMPARE(balloon->pos(), QPoint(panel->width() / 2 + 40, 0));
        QVERIFY(balloon->TextFits() && balloon->width() >= 250 && balloon->height() >= 80);
        panel->hide();
        QTRY_VERIFY(!panel->step3Tip->Widget()->isVisible());
        CUserProfile::GetInstance()->LaunchCounter = 3;
    }

    // The real box and menu behind the default hooks.
    void realDefaults()
    {
        SetChain({"A", "B"});
        panel->hooks = SPanelHooks();
        BqTest::CModalDriver driver([](QWidget* window, const BqTest::SModalSeen& seen) {
            return seen.className == QLatin1String("QMenu") && BqTest::CModalDriver::TriggerMenu(window, "&Duplicate");
        });
        driver.Arm();
        list->clearSelection();
        panel->DuplicateFilters();
        Select({1});
        panel->on_listFilters_customContextMenuRequested();
        driver.Disarm();
        QCOMPARE(driver.Seen().size(), 2);
        QCOMPARE(driver.Seen().at(0).text, QStringLiteral("No filter selected"));
        QCOMPARE(driver.Seen().at(0).title, QString());
        QCOMPARE(Names(), QStringList({"A", "B", "B"}));
    }

    void removeSelected()
    {
        SetChain({"A", "B", "C", "D"});
        Select({1, 3});
        QSignalSpy chainChanges(panel.get(), &CMainPanel2::SignalListFiltersChanged);
        panel->RemoveSelectedFilters();
        QCOMPARE(messages, QStringList({"Remove selected filter(s)?"}));
        QCOMPARE(Names(), QStringList({"A", "C"}));
        QCOMPARE(list->count(), 2);
        QCOMPARE(states->GetCount(), 1);
        QCOMPARE(chainChanges.count(), 1);
    }

    void duplicate()
    {
        SetChain({"A", "B", "C"});
        chain->filters[2].active = false;
        panel->SynchronizeListFilters();
        Select({0, 2});
        panel->DuplicateFilters();
        QCOMPARE(Names(), QStringList({"A", "B", "C", "A", "C"}));
        QVERIFY(!chain->filters[4].active);
        QCOMPARE(list->item(4)->checkState(), Qt::Unchecked);
        QCOMPARE(SelectedRows(), QList<int>({3, 4}));
        QCOMPARE(list->currentRow(), 4);
        QCOMPARE(states->GetCount(), 1);
    }

    void moves()
    {
        SetChain({"A", "B", "C"});
        Select({0});
        panel->MoveFilterUp();
        QCOMPARE(Names(), QStringList({"A", "B", "C"}));
        QCOMPARE(states->GetCount(), 1);
        QVERIFY(panel->changed);

        SetChain({"A", "B", "C"});
        Select({2});
        QSignalSpy changes(panel.get(), &CMainPanel2::SignalChanges);
        panel->MoveFilterDown();
        QCOMPARE(Names(), QStringList({"A", "B", "C"}));
        QCOMPARE(states->GetCount(), 0);
        QCOMPARE(changes.count(), 0);

        Select({0});
        panel->MoveFilterDown();
        QCOMPARE(Names(), QStringList({"B", "A", "C"}));
        QCOMPARE(list->currentRow(), 1);
    }

    void editKeepsEntry()
    {
        SetChain({"A", "B"});
        list->setCurrentRow(1);
        QListWidgetItem* before = list->item(1);
        panel->hooks.runDialog = [](QDialog* dialog) {
            static_cast<CFilterSettings*>(dialog)->record.numbers[0] = 45;
            return 1;
        };
        QSignalSpy chainChanges(panel.get(), &CMainPanel2::SignalListFiltersChanged);
        panel->EditFilter();
        QCOMPARE(chain->filters[1].numbers[0], 45.0);
        QCOMPARE(list->item(1), before);
        QCOMPARE(states->GetCount(), 1);
        QCOMPARE(chainChanges.count(), 0);
    }

    void noSelection()
    {
        SetChain({"A"});
        list->clearSelection();
        list->setCurrentRow(-1);
        panel->EditFilter();
        panel->RemoveSelectedFilters();
        panel->DuplicateFilters();
        panel->MoveFilterUp();
        panel->MoveFilterDown();
        QCOMPARE(messages, QStringList(QVector<QString>(5, QStringLiteral("No filter selected")).toList()));
        QCOMPARE(Names(), QStringList({"A"}));

        QStringList disabled;
        panel->hooks.runMenu = [&](QMenu* menu, const QPoint&) {
            for (QAction* action : menu->actions()) {
                if (!action->isSeparator() && !action->isEnabled())
                    disabled.append(action->text());
            }
        };
        panel->on_listFilters_customContextMenuRequested();
        QCOMPARE(disabled, QStringList({"&Edit", "Remove &Selected", "&Duplicate", "Move &Up", "Move D&own"}));
    }

    void checkBoxAndUndo()
    {
        SetChain({"A", "B"});
        states->SaveState(false);
        QSignalSpy chainChanges(panel.get(), &CMainPanel2::SignalListFiltersChanged);
        list->item(1)->setCheckState(Qt::Unchecked);
        QVERIFY(!chain->filters[1].active);
        QCOMPARE(states->GetCount(), 2);
        QCOMPARE(chainChanges.count(), 1);
        QVERIFY(panel->allPreviewsTimer.isActive());
        QCOMPARE(panel->allPreviewsTimer.interval(), 2000);

        states->Undo();
        states->SuspendSaving = true;
        panel->RefreshPanel();
        states->SuspendSaving = false;
        QVERIFY(chain->filters[1].active);
        QCOMPARE(list->item(1)->checkState(), Qt::Checked);
        QCOMPARE(states->GetCount(), 2);
        QCOMPARE(states->GetCurrent(), 1);
    }

    void dragReorders()
    {
        SetChain({"A", "B", "C", "D"});
        QSignalSpy chainChanges(panel.get(), &CMainPanel2::SignalListFiltersChanged);
        panel->ListThumbDragDropPanel2({{0, 3}, {0, 3}});
        QCOMPARE(Names(), QStringList({"C", "A", "B", "D"}));
        QCOMPARE(SelectedRows(), QList<int>({1, 2}));
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(states->GetCount(), 1);
        QCOMPARE(chainChanges.count(), 0);

        panel->ListThumbDragDropPanel2({});
        QCOMPARE(states->GetCount(), 1);
    }

    void fileDropChangesNothing()
    {
        SetChain({"A"});
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QDir::tempPath() + QStringLiteral("/x.jpg"))});
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &drop);
        QCoreApplication::processEvents();
        QCOMPARE(Names(), QStringList({"A"}));
        QCOMPARE(list->count(), 1);
        QCOMPARE(states->GetCount(), 0);
    }
};

BQ_TEST_MAIN(TestStep2Chain)
#include "tst_step2_chain.moc"
