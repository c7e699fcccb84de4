// The per-filter undo list: capacity, the dropped redo tail, whole-record
// copies and the calls outside the dialog's preconditions.
#include "BqTestMain.h"
#include "FilterStatesList.h"

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

bool Same(const SFilterRecord& a, const SFilterRecord& b)
{
    if (a.id != b.id || a.name != b.name || a.description != b.description || a.active != b.active ||
        a.numberCount != b.numberCount || a.stringCount != b.stringCount)
        return false;
    for (int i = 0; i < SFilterRecord::MaxNumbers; ++i)
        if (a.numbers[i] != b.numbers[i])
            return false;
    for (int i = 0; i < SFilterRecord::MaxStrings; ++i)
        if (a.strings[i] != b.strings[i])
            return false;
    return true;
}

} // namespace

class TestFilterStates : public QObject
{
    Q_OBJECT

private slots:
    void sequences_data()
    {
        // Steps: "sN" saves state N, "u" undoes, "r" redoes. Then the
        // expected position/count, and the state each further undo shows.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("undoes");
        QString fifty;
        for (int i = 1; i <= 50; ++i)
            fifty += QStringLiteral("s%1 ").arg(i);
        QTest::newRow("first save") << "s1" << 1 << 1 << QList<int>{};
        QTest::newRow("51 saves drop the oldest") << fifty + "s51" << 50 << 50 << QList<int>{50, 49, 48};
        QTest::newRow("two undos from 5/5 then a save") << "s1 s2 s3 s4 s5 u u s9" << 4 << 4 << QList<int>{3, 2, 1};
        QTest::newRow("undo in a full list replaces the last slot")
            << fifty + "u s99" << 50 << 50 << QList<int>{49, 48};
        QTest::newRow("undo then redo") << "s1 s2 s3 u r" << 3 << 3 << QList<int>{2, 1};
    }
    void sequences()
    {
        QFETCH(QString, steps);
        QFETCH(int, position);
        QFETCH(int, count);
        QFETCH(QList<int>, undoes);
        CFilterStatesList list;
        for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
            if (step == "u")
                list.Undo();
            else if (step == "r")
                list.Redo();
            else
                list.SaveState(State(step.mid(1).toInt()));
        }
        QCOMPARE(list.Position(), position);
        QCOMPARE(list.Count(), count);
        QVERIFY(!list.CanRedo());
        for (int expected : undoes) {
            QVERIFY(list.CanUndo());
            QVERIFY(Same(list.Undo(), State(expected)));
        }
        if (steps.startsWith("s1 s2 s3 s4 s5 u u s9")) {
            list.Redo();
            QVERIFY(Same(list.Redo(), State(3)));
            QVERIFY(Same(list.Redo(), State(9))); // slot 3 holds the new state
        }
    }

    void fullListKeepsFortyNineUndos()
    {
        CFilterStatesList list;
        for (int i = 1; i <= 51; ++i)
            list.SaveState(State(i));
        int undos = 0;
        while (list.CanUndo()) {
            list.Undo();
            ++undos;
        }
        QCOMPARE(undos, 49);
        QVERIFY(Same(list.Redo(), State(3)));
    }

    void undoRedoReturnWholeRecords()
    {
        CFilterStatesList list;
        list.SaveState(State(1));
        list.SaveState(State(2));
        QVERIFY(Same(list.Undo(), State(1)));
        QVERIFY(Same(list.Redo(), State(2)));
        QCOMPARE(list.Position(), 2);
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
        const SFilterRecord got = redo ? list.Redo() : list.Undo();
        QVERIFY(Same(got, shown ? State(shown) : SFilterRecord()));
        QCOMPARE(list.Position(), position);
        QCOMPARE(list.Count(), count);
    }
};

BQ_TEST_MAIN(TestFilterStates)
#include "tst_filterstates.moc"
