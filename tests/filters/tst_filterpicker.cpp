// The "Select Filter" picker: categories, icons, the selection handed back
// by OK and by a double click, the warning without a selection, Cancel and
// the help page.
#include "BqTestMain.h"
#include "DialogFilterSelection.h"
#include "FilterSettings.h"
#include "FilterTestSupport.h"
#include "FiltersEnum.h"
#include "ListThumb.h"
#include "ModalDriver.h"

#include <QDesktopServices>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace FilterTest;

namespace
{

CListThumb* List(CDialogFilterSelection& d)
{
    return d.findChild<CListThumb*>("listFilters");
}

QList<int> ListedTypes(CDialogFilterSelection& d)
{
    QList<int> types;
    for (int i = 0; i < List(d)->count(); ++i)
        types << CFiltersEnum::GetInstance()->GetRecordByName(List(d)->item(i)->text()).id;
    return types;
}

int Run(CDialogFilterSelection& d, const std::function<void()>& steps)
{
    bool timedOut = false;
    BqTest::CModalWatchdog guard(&timedOut);
    QTimer::singleShot(0, &d, [&] {
        steps();
        if (d.isVisible())
            d.reject();
    });
    const int result = d.exec();
    return timedOut ? -1 : result;
}

} // namespace

class TestFilterPicker : public QObject
{
    Q_OBJECT

    CUrlCatcher m_Urls;

private slots:
    void initTestCase()
    {
        QVERIFY(StartEngineAndCatalogues());
        QDesktopServices::setUrlHandler("https", &m_Urls, "Open");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler("https"); }

    void opening()
    {
        CDialogFilterSelection d;
        QCOMPARE(d.windowTitle(), QStringLiteral("Select Filter"));
        QCOMPARE(d.minimumSize(), QSize(585, 475));
        QCOMPARE(d.maximumSize(), QSize(585, 475));
        QVERIFY(!(d.windowFlags() & Qt::WindowContextHelpButtonHint));
        QCOMPARE(List(d)->count(), 13);
        QCOMPARE(List(d)->listType, 1);
        QCOMPARE(List(d)->iconSize(), QSize(64, 64));
        QVERIFY(d.findChild<QToolButton*>("buttonAllFilters")->isChecked());
        QCOMPARE(d.IconColumns(), 18);
        for (const char* name : {"buttonAllFilters", "buttonMarks", "buttonDecorations", "buttonTransform"}) {
            auto* button = d.findChild<QToolButton*>(name);
            QVERIFY2(!button->icon().isNull(), name);
            QCOMPARE(button->iconSize(), QSize(48, 48));
        }
        const int crop = ListedTypes(d).indexOf(5020);
        QVERIFY(crop >= 0);
        const int record = List(d)->Rows()->at(crop);
        QCOMPARE(List(d)->Records()->at(record).iconIndex, 93);
        QCOMPARE(List(d)->item(crop)->sizeHint(), QSize(105, 100));
        QCOMPARE(List(d)->item(crop)->textAlignment(), int(Qt::AlignHCenter | Qt::AlignTop));
        QVERIFY(d.selectedName.isEmpty());

        // At a large font the cells grow alike, as tall as the longest name's
        // lines; a name wider than the least cell leads its tip.
        const QFont font = QApplication::font();
        QApplication::setFont(QFont(font.family(), 20));
        auto large = std::make_unique<CDialogFilterSelection>();
        const QFontMetrics metrics = List(*large)->fontMetrics();
        int elided = 0;
        for (int i = 0; i < List(*large)->count(); ++i) {
            const QListWidgetItem* item = List(*large)->item(i);
            const QSize cell = item->sizeHint();
            QCOMPARE(cell, List(*large)->item(0)->sizeHint());
            const QRect lines =
                metrics.boundingRect(QRect(0, 0, cell.width() - 8, 1 << 20), Qt::TextWordWrap, item->text());
            QVERIFY2(lines.height() + 64 < cell.height(), qPrintable(item->text()));
            if (List(*large)->fontMetrics().horizontalAdvance(item->text()) > 97 && ++elided)
                QVERIFY2(item->toolTip().startsWith(item->text() + "\n"), qPrintable(item->toolTip()));
        }
        large.reset();
        QApplication::setFont(font);
        QVERIFY(elided > 0);
    }

    void categories()
    {
        CDialogFilterSelection d;
        const QStringList buttons{"buttonAllFilters", "buttonMarks", "buttonDecorations", "buttonTransform"};
        QList<QList<int>> listed;
        QStringList checked;
        for (const char* name : {"buttonMarks", "buttonDecorations", "buttonTransform", "buttonAllFilters"}) {
            d.findChild<QToolButton*>(name)->click();
            listed << ListedTypes(d);
            QString state;
            for (const QString& b : buttons)
                state += d.findChild<QToolButton*>(b)->isChecked() ? "1" : "0";
            checked << state;
        }
        QCOMPARE(listed.at(0), (QList<int>{1000, 1010}));
        QCOMPARE(listed.at(1).size(), 7);
        for (int type : listed.at(1))
            QCOMPARE(type / 1000, 2);
        QCOMPARE(listed.at(2), (QList<int>{5000, 5020, 5040, 5070}));
        QCOMPARE(listed.at(3).size(), 13);
        QCOMPARE(checked, (QStringList{"0100", "0010", "0001", "1000"}));
    }

    void choosing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("name");
        QTest::newRow("Crop and OK") << "ok Crop" << 1 << "Crop";
        QTest::newRow("double click on Logo") << "double Logo" << 1 << "Logo";
        QTest::newRow("Cancel") << "cancel Crop" << 0 << "";
    }
    void choosing()
    {
        QFETCH(QString, how);
        QFETCH(int, result);
        QFETCH(QString, name);
        CDialogFilterSelection d;
        const QString action = how.section(' ', 0, 0);
        const QString target = how.section(' ', 1);
        const int got = Run(d, [&] {
            const int row = ListedTypes(d).indexOf(CFiltersEnum::GetInstance()->GetRecordByName(target).id);
            QListWidgetItem* item = List(d)->item(row);
            if (action == "double") {
                const QRect rect = List(d)->visualItemRect(item);
                // A double click: press and release, then the second press.
                QTest::mouseClick(List(d)->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
                QTest::mouseDClick(List(d)->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
                return;
            }
            List(d)->setCurrentItem(item);
            d.findChild<QPushButton*>(action == "ok" ? "Ok" : "Cancel")->click();
        });
        QCOMPARE(got, result);
        QCOMPARE(d.selectedName, name);
    }

    // The filter panel's Add Filter: picker, a new record from the chosen
    // catalogue row, the filter dialog on it, and the chain only on OK.
    void addFilterAsThePanelDoes()
    {
        QList<SFilterRecord> chain;
        CDialogFilterSelection picker;
        const int picked = Run(picker, [&] {
            List(picker)->setCurrentItem(List(picker)->item(ListedTypes(picker).indexOf(1010)));
            picker.findChild<QPushButton*>("Ok")->click();
        });
        QCOMPARE(picked, 1);
        const SFilterEnumRecord row = CFiltersEnum::GetInstance()->GetRecordByName(picker.selectedName);
        SFilterRecord rec;
        rec.id = row.id;
        rec.name = row.name;
        rec.description = row.description;
        rec.active = true;
        CFilterSettings d;
        bool transition = false;
        d.record = rec;
        d.setPanelTranzition(&transition);
        bool timedOut = false;
        BqTest::CModalWatchdog guard(&timedOut);
        QTimer::singleShot(0, &d, [&] {
            if (QTest::qWaitFor([&] { return d.States().Count() >= 1; }, kWait))
                d.accept();
        });
        if (d.exec() == 1)
            chain << d.record;
        QVERIFY(!timedOut);
        QCOMPARE(chain.size(), 1);
        QVERIFY(SameParameters(chain.first(), DefaultLogo()));
        QCOMPARE(chain.first().id, quint32(1010));
        QCOMPARE(chain.first().name, QStringLiteral("Logo"));
        QCOMPARE(chain.first().description, row.description);
        QVERIFY(chain.first().active);
    }

    void okWithoutSelectionWarns_data()
    {
        QTest::addColumn<bool>("returnKey");
        QTest::newRow("OK button") << false;
        QTest::newRow("Return on the current item") << true;
    }
    void okWithoutSelectionWarns()
    {
        QFETCH(bool, returnKey);
        CDialogFilterSelection d;
        BqTest::CModalDriver driver;
        bool stillOpen = false;
        const int got = Run(d, [&] {
            List(d)->setCurrentRow(0);
            List(d)->clearSelection();
            driver.Arm();
            returnKey ? QTest::keyClick(List(d), Qt::Key_Return) : d.findChild<QPushButton*>("Ok")->click();
            stillOpen = d.isVisible();
        });
        QTest::qWait(300); // a default button clicks after a delay
        QCOMPARE(got, 0);
        QVERIFY(stillOpen);
        QCOMPARE(driver.Seen().size(), 1);
        QCOMPARE(driver.Seen().first().className, QStringLiteral("QMessageBox"));
        QCOMPARE(driver.Seen().first().title, QString());
        QCOMPARE(driver.Seen().first().text, QStringLiteral("No filter selected"));
        QVERIFY(d.selectedName.isEmpty());
    }

    void helpPage()
    {
        m_Urls.urls.clear();
        CDialogFilterSelection d;
        Run(d, [&] { QTest::keyClick(&d, Qt::Key_F1); });
        QCOMPARE(m_Urls.urls.size(), 1);
        QCOMPARE(m_Urls.urls.first().toString(),
                 QStringLiteral("https://help.brandquill.example/help/index.html?user-interface_select-filter.htm"));
    }
};

BQ_TEST_MAIN(TestFilterPicker)
#include "tst_filterpicker.moc"
