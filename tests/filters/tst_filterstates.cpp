// The per-filter undo list: capacity, the dropped redo tail, whole-record
// copies and the calls outside the dialog's preconditions.
#include "BqTestMain.h"
#include "FilterStatesList.h"
#include "FilterTestSupport.h"

using FilterTest::SameRecord;

namespace
{

// A record whose every field tells which state it is.
SFilterRecord State(int n)
{
    SFilterRecord rec;
    rec.id = 1000 + quint32(n);
    rec.name = QStringLiteral("name%1").arg(n);
    rec.description = QStringLiteral("desc%1").arg(n);
    rec.numberCount = 32;
    for (int i = 0; i < SFilterRecord::MaxNumbers; ++i)
        rec.numbers[i] = n * 100 + i + 0.25;
    rec.stringCount = 16;
    for (int i = 0; i < SFilterRecord::MaxStrings; ++i)
        rec.strings[i] = QStringLiteral("s%1-%2").arg(n).arg(i);
    rec.active = (n % 2) == 0;
    return rec;
}

} // namespace

class TestFilterStates : public QObject
{
    Q_OBJECT

private slots:
    void sequences_data()
    {
        // Steps: "sN" saves state N, "u" undoes, "r" redoes. Then position,
        // count, how many undos remain and the states they show, newest first.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("undos");
        QTest::addColumn<QList<int>>("shown");
        QString fifty;
        for (int i = 1; i <= 50; ++i)
            fifty += QStringLiteral("s%1 ").arg(i);
        QTest::newRow("first save") << "s1" << 1 << 1 << 0 << QList<int>{};
        QTest::newRow("51 saves drop the oldest") << fifty + "s51" << 50 << 50 << 49 << QList<int>{50, 49, 48};
        QTest::newRow("two undos from 5/5 then a save")
            << "s1 s2 s3 s4 s5 u u s9" << 4 << 4 << 3 << QList<int>{3, 2, 1};
        QTest::newRow("undo in a full list replaces the last slot")
            << fifty + "u s99" << 50 << 50 << 49 << QList<int>{49, 48};
        QTest::newRow("undo then redo") << "s1 s2 s3 u r" << 3 << 3 << 2 << QList<int>{2, 1};
    }
    void sequences()
    {
        QFETCH(QString, steps);
        QFETCH(int, position);
        QFETCH(int, count);
        QFETCH(int, undos);
        QFETCH(QList<int>, shown);
        CFilterStatesList list;
        int last = 0;
        for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
            if (step == "u")
                list.Undo();
            else if (step == "r")
                QVERIFY(SameRecord(list.Redo(), State(last)));
            else
                list.SaveState(State(last = step.mid(1).toInt()));
        }
        QCOMPARE(list.Position(), position);
        QCOMPARE(list.Count(), count);
        QVERIFY(!list.CanRedo());
        for (int expected : shown)
            QVERIFY(SameRecord(list.Undo(), State(expected)));
        int remaining = shown.size();
        while (list.CanUndo()) {
            list.Undo();
            ++remaining;
        }
        QCOMPARE(remaining, undos);
        // Redo walks the kept states back in order, ending at the newest.
        SFilterRecord newest;
        while (list.CanRedo())
            newest = list.Redo();
        QCOMPARE(list.Position(), count);
        if (count > 1)
            QVERIFY(SameRecord(newest, State(last)));
    }

    void outsidePreconditions_data()
    {
        QTest::addColumn<int>("saves");
        QTest::addColumn<int>("undosFirst");
        QTest::addColumn<bool>("redo");
        QTest::addColumn<int>("shown"); // 0: the empty record
        QTest::newRow("undo on an empty list") << 0 << 0 << false << 0;
        QTest::newRow("redo on an empty list") << 0 << 0 << true << 0;
        QTest::newRow("undo at the first state") << 1 << 0 << false << 1;
        QTest::newRow("redo without a tail") << 3 << 0 << true << 3;
        QTest::newRow("undo below 2 after undos") << 3 << 2 << false << 1;
    }
    void outsidePreconditions()
    {
        QFETCH(int, saves);
        QFETCH(int, undosFirst);
        QFETCH(bool, redo);
        QFETCH(int, shown);
        CFilterStatesList list;
        for (int i = 1; i <= saves; ++i)
            list.SaveState(State(i));
        for (int i = 0; i < undosFirst; ++i)
            list.Undo();
        const int position = list.Position();
        const int count = list.Count();
        QVERIFY(SameRecord(redo ? list.Redo() : list.Undo(), shown ? State(shown) : SFilterRecord()));
        QCOMPARE(list.Position(), position);
        QCOMPARE(list.Count(), count);
    }
};

BQ_TEST_MAIN(TestFilterStates)
#include "tst_filterstates.moc"
