// Photo list, filter chain, and the records that travel between threads.
#include "BqTestMain.h"
#include "CoreMetaTypes.h"
#include "FormatsEnum.h"
#include "ListFilters.h"
#include "ListImages.h"

#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <unistd.h>

typedef QList<int> ListInt;

// Emits from whatever thread calls it; receives on the thread it lives in.
class Relay : public QObject
{
    Q_OBJECT
signals:
    void Record(SFilterRecord record);
    void Moves(ListDragDrop moves);
    void Order(ListInt order);
public slots:
    void OnRecord(SFilterRecord r) { record = r; Arrived(); }
    void OnMoves(ListDragDrop m) { moves = m; Arrived(); }
    void OnOrder(ListInt o) { order = o; Arrived(); }

public:
    void Arrived() { ++arrivals; onThread = QThread::currentThread(); }
    SFilterRecord record;
    ListDragDrop moves;
    ListInt order;
    int arrivals = 0;
    QThread* onThread = nullptr;
};

class TestLists : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void addImage_data();
    void addImage();
    void addImageFormatTable();
    void duplicatesAfterOutsideChange_data();
    void duplicatesAfterOutsideChange();
    void imageDragAndDrop_data();
    void imageDragAndDrop();
    void sort_data();
    void sort();

    void removeFilter_data();
    void removeFilter();
    void activeCount_data();
    void activeCount();
    void chainDragAndDrop_data();
    void chainDragAndDrop();
    void recordSlots();
    void slotOverflow_data();
    void slotOverflow();

    void metaTypeNames_data();
    void metaTypeNames();
    void recordCrossesThreads_data();
    void recordCrossesThreads();
    void listsCrossThreads();

private:
    CListImages* images = nullptr;
    CListFilters* chain = nullptr;
    QTemporaryDir files; // p/a.jpg, its hard link p/hard.jpg, p/b.jpg, link -> p, deep -> p/sub
};

namespace {

QString Letters(const QList<SImageRecord>& list)
{
    QString s;
    for (const SImageRecord& r : list)
        s += r.name;
    return s;
}

QString Letters(const QList<SFilterRecord>& list)
{
    QString s;
    for (const SFilterRecord& r : list)
        s += r.name;
    return s;
}

void FillImages(CListImages* images, const QString& letters)
{
    images->images.clear();
    QStringList rejected;
    for (QChar c : letters)
        QVERIFY(images->AddImage("/p/" + QString(c) + ".jpg", rejected));
}

void FillChain(CListFilters* chain, const QString& letters)
{
    chain->filters.clear();
    for (QChar c : letters) {
        SFilterRecord r;
        r.name = c;
        r.active = true;
        chain->AddFilter(r);
    }
}

// Empty when equal in every field and every slot, bit for bit.
QString Difference(const SFilterRecord& a, const SFilterRecord& b)
{
    if (a.id != b.id || a.name != b.name || a.description != b.description || a.active != b.active)
        return "head fields";
    if (a.numberCount != b.numberCount || a.stringCount != b.stringCount)
        return "counts";
    if (std::memcmp(a.numbers, b.numbers, sizeof a.numbers) != 0)
        return "numbers";
    for (int i = 0; i < SFilterRecord::MaxStrings; ++i)
        if (a.strings[i] != b.strings[i])
            return QString("string %1").arg(i);
    return QString();
}

// Runs `emitter` on a worker thread, waits for it, then delivers what it
// queued for the current thread.
template <typename F> void EmitFromWorker(F emitter, QThread** emittedOn)
{
    std::unique_ptr<QThread> worker(QThread::create([&] {
        *emittedOn = QThread::currentThread();
        emitter();
    }));
    worker->start();
    worker->wait();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

} // namespace

void TestLists::initTestCase()
{
    RegisterCoreMetaTypes();
    RegisterCoreMetaTypes(); // a second call must be harmless
    CFormatsEnum::GetInstance()->GenerateList();
    images = CListImages::GetInstance();
    chain = CListFilters::GetInstance();
    QVERIFY(QDir(files.path()).mkdir("p"));
    for (const char* name : {"p/a.jpg", "p/b.jpg"})
        QVERIFY(QFile(files.filePath(name)).open(QIODevice::WriteOnly));
    QCOMPARE(::link(QFile::encodeName(files.filePath("p/a.jpg")), QFile::encodeName(files.filePath("p/hard.jpg"))), 0);
    QVERIFY(QFile::link(files.filePath("p"), files.filePath("link")));
    QVERIFY(QDir(files.path()).mkpath("p/sub"));
    QVERIFY(QFile::link(files.filePath("p/sub"), files.filePath("deep")));
    QVERIFY(QFile::link("loop", files.filePath("loop")));
}

void TestLists::init()
{
    images->images.clear();
    chain->filters.clear();
}

void TestLists::cleanupTestCase()
{
    CListImages::DeleteInstance();
    CListFilters::DeleteInstance();
    CFormatsEnum::DeleteInstance();
    QVERIFY(CListImages::GetInstance()->images.isEmpty());
    CListImages::DeleteInstance();
    CFormatsEnum::DeleteInstance();
}

void TestLists::addImage_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("added");
    QTest::addColumn<bool>("rejected");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("extension");
    QTest::newRow("duplicate") << "/p/a.jpg" << false << false << "" << "" << "";
    QTest::newRow("case differs") << "/p/A.jpg" << true << false << "/p" << "A" << "jpg";
    QTest::newRow("mixed case") << "/p/a.JpEg" << true << false << "/p" << "a" << "JpEg";
    QTest::newRow("dotted name") << "/p/x.y.jpg" << true << false << "/p" << "x.y" << "jpg";
    QTest::newRow("raw") << "/p/b.CR2" << true << false << "/p" << "b" << "CR2";
    QTest::newRow("no slash, relative") << "c.tiff" << false << true << "" << "" << "";
    QTest::newRow("dotted duplicate") << "/p/./a.jpg" << false << false << "" << "" << "";
    QTest::newRow("dots, doubled separators, missing folder's ..") << "/p//q/./../b.jpg" << true << false << "/p/q/.."
                                                                   << "b"
                                                                   << "jpg";
    // "@" stands for a folder of real files, and the first photo is @/p/a.jpg.
    QTest::newRow("through a linked folder") << "@/link/a.jpg" << false << false << "" << "" << "";
    QTest::newRow("hard link") << "@/p/hard.jpg" << false << false << "" << "" << "";
    QTest::newRow("linked folder's .. by the system") << "@/deep/../b.jpg" << true << false << "@/p"
                                                      << "b"
                                                      << "jpg";
    QTest::newRow("link loop's .. kept, as the system refuses it") << "@/loop/../b.jpg" << true << false << "@/loop/.."
                                                                   << "b"
                                                                   << "jpg";
    QTest::newRow("other file, linked folder kept") << "@/link/./b.jpg" << true << false << "@/link" << "b" << "jpg";
    QTest::newRow("no extension") << "/p/noext" << false << true << "" << "" << "";
    QTest::newRow("dot in folder only") << "/p.jpg/noext" << false << true << "" << "" << "";
    QTest::newRow("trailing dot") << "/p/a." << false << true << "" << "" << "";
    QTest::newRow("no such format") << "/p/a.pdf" << false << true << "" << "" << "";
    QTest::newRow("empty") << "" << false << true << "" << "" << "";
}

void TestLists::addImage()
{
    QFETCH(QString, path);
    QFETCH(bool, added);
    QFETCH(bool, rejected);
    QFETCH(QString, folder);
    const QString real = path.startsWith('@') ? files.path() : QString();
    path.replace('@', real);
    folder.replace('@', real);
    QStringList refused{"/earlier"};
    QVERIFY(images->AddImage(real + "/p/a.jpg", refused));
    QCOMPARE(images->AddImage(path, refused), added);
    const QStringList expected = rejected ? QStringList{"/earlier", path} : QStringList{"/earlier"};
    QCOMPARE(refused, expected);
    QCOMPARE(images->images.size(), added ? 2 : 1);
    if (!added)
        return;
    const SImageRecord& r = images->images.last();
    QCOMPARE(r.folder, folder);
    QCOMPARE(r.path, r.folder + "/" + r.name + "." + r.extension);
    QTEST(r.name, "name");
    QTEST(r.extension, "extension");
    QCOMPARE(r.position, qint64(1));
}

void TestLists::addImageFormatTable()
{
    CFormatsEnum* formats = CFormatsEnum::GetInstance();
    auto restore = qScopeGuard([formats] { formats->GenerateList(); });
    QStringList refused;

    formats->records.clear();
    QVERIFY(!images->AddImage("/p/a.jpg", refused));

    formats->AddFormat("XY", "XY/ZW", true, false, 1, "two tokens", false, false);
    formats->AddFormat("NO", "NO", false, false, 1, "unreadable", false, false);
    formats->AddFormat("Q", "Q", true, false, 1, "one character", false, false);
    QVERIFY(images->AddImage("/p/a.xy", refused));
    QVERIFY(images->AddImage("/p/a.Zw", refused));
    QVERIFY(!images->AddImage("/p/a.no", refused));
    QVERIFY(!images->AddImage("/p/a.q", refused));
    QCOMPARE(refused, (QStringList{"/p/a.jpg", "/p/a.no", "/p/a.q"}));
    QCOMPARE(images->images.at(1).position, qint64(1));
}

// The panels, the undo list and the job reader change the public list
// directly; the duplicate test must follow whatever the list holds now.
enum OutsideChange { RestoreSnapshot, EditPath, ClearList, SortList, AppendDirectly };

void TestLists::duplicatesAfterOutsideChange_data()
{
    QTest::addColumn<int>("change");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<bool>("added");
    QTest::newRow("undo to a list of the same size, dropped photo") << int(RestoreSnapshot) << "N" << true;
    QTest::newRow("undo to a list of the same size, restored photo") << int(RestoreSnapshot) << "K" << false;
    QTest::newRow("path edited in place, old path") << int(EditPath) << "L" << true;
    QTest::newRow("path edited in place, new path") << int(EditPath) << "Z" << false;
    QTest::newRow("cleared") << int(ClearList) << "K" << true;
    QTest::newRow("sorted") << int(SortList) << "M" << false;
    QTest::newRow("appended from outside") << int(AppendDirectly) << "Z" << false;
}

void TestLists::duplicatesAfterOutsideChange()
{
    QFETCH(int, change);
    QFETCH(QString, probe);
    QFETCH(bool, added);
    FillImages(images, "KLM");
    QStringList refused;
    const QList<SImageRecord> snapshot = images->images;
    switch (change) {
    case RestoreSnapshot:
        images->images.removeFirst();
        QVERIFY(images->AddImage("/p/N.jpg", refused));
        images->images = snapshot;
        break;
    case EditPath:
        images->images[1].path = "/p/Z.jpg";
        break;
    case ClearList:
        images->images.clear();
        break;
    case SortList:
        images->Sort({2, 0, 1});
        break;
    case AppendDirectly:
        images->images.append(snapshot.first());
        images->images.last().path = "/p/Z.jpg";
        break;
    }
    const int before = images->images.size();
    QCOMPARE(images->AddImage("/p/" + probe + ".jpg", refused), added);
    QCOMPARE(images->images.size(), before + (added ? 1 : 0));
    QVERIFY(refused.isEmpty());
}

void TestLists::imageDragAndDrop_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("result");
    QTest::newRow("down") << 0 << 2 << "LKMN";
    QTest::newRow("up") << 3 << 1 << "KNLM";
    QTest::newRow("to end") << 1 << 4 << "KMNL";
    QTest::newRow("same") << 2 << 2 << "KLMN";
    QTest::newRow("to front") << 3 << 0 << "NKLM";
    QTest::newRow("beyond end") << 0 << 9 << "LMNK";
    QTest::newRow("negative to") << 2 << -3 << "MKLN";
    QTest::newRow("from past end") << 4 << 0 << "KLMN";
    QTest::newRow("negative from") << -1 << 2 << "KLMN";
}

void TestLists::imageDragAndDrop()
{
    QFETCH(int, from);
    QFETCH(int, to);
    FillImages(images, "KLMN");
    images->DragAndDrop(from, to);
    QTEST(Letters(images->images), "result");
}

void TestLists::sort_data()
{
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<QString>("result");
    QTest::newRow("rotate") << QList<int>{2, 0, 1} << "MKL";
    QTest::newRow("reverse") << QList<int>{2, 1, 0} << "MLK";
    QTest::newRow("identity") << QList<int>{0, 1, 2} << "KLM";
    QTest::newRow("repeated index") << QList<int>{0, 0, 1} << "KLM";
    QTest::newRow("too short") << QList<int>{1, 0} << "KLM";
    QTest::newRow("too long") << QList<int>{0, 1, 2, 3} << "KLM";
    QTest::newRow("outside") << QList<int>{0, 1, 3} << "KLM";
    QTest::newRow("negative") << QList<int>{-1, 0, 1} << "KLM";
    QTest::newRow("empty") << QList<int>{} << "KLM";
}

void TestLists::sort()
{
    QFETCH(QList<int>, order);
    FillImages(images, "KLM");
    images->Sort(order);
    QTEST(Letters(images->images), "result");
}

void TestLists::removeFilter_data()
{
    QTest::addColumn<QString>("chain");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("removed");
    QTest::addColumn<QString>("result");
    QTest::newRow("empty chain") << "" << 0 << false << "";
    QTest::newRow("past end") << "KL" << 2 << false << "KL";
    QTest::newRow("far past end") << "KL" << 65535 << false << "KL";
    QTest::newRow("last") << "KL" << 1 << true << "K";
    QTest::newRow("first") << "KL" << 0 << true << "L";
}

void TestLists::removeFilter()
{
    QFETCH(QString, chain);
    QFETCH(int, index);
    FillChain(this->chain, chain);
    QTEST(this->chain->RemoveFilter(quint16(index)), "removed");
    QTEST(Letters(this->chain->filters), "result");
}

void TestLists::activeCount_data()
{
    QTest::addColumn<QString>("flags");
    QTest::addColumn<int>("active");
    QTest::newRow("none") << "" << 0;
    QTest::newRow("all off") << "000" << 0;
    QTest::newRow("mixed") << "101" << 2;
    QTest::newRow("all on") << "11" << 2;
}

void TestLists::activeCount()
{
    QFETCH(QString, flags);
    for (QChar f : flags) {
        SFilterRecord r;
        r.active = f == '1';
        chain->AddFilter(r);
    }
    QTEST(chain->GetActiveCount(), "active");
    QCOMPARE(chain->IsEmpty(), flags.isEmpty());
}

void TestLists::chainDragAndDrop_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("result");
    QTest::newRow("up one") << 2 << 1 << "KML";
    QTest::newRow("to end") << 0 << 3 << "LMK";
    QTest::newRow("down one") << 0 << 2 << "LKM";
    QTest::newRow("same") << 1 << 1 << "KLM";
    QTest::newRow("beyond end") << 0 << 50 << "LMK";
    QTest::newRow("negative to") << 2 << -4 << "MKL";
    QTest::newRow("from past end") << 3 << 0 << "KLM";
}

void TestLists::chainDragAndDrop()
{
    QFETCH(int, from);
    QFETCH(int, to);
    FillChain(chain, "KLM");
    chain->DragAndDrop(from, to);
    QTEST(Letters(chain->filters), "result");
}

void TestLists::recordSlots()
{
    const SFilterRecord blank = chain->GetRecord(0);
    QCOMPARE(Difference(blank, SFilterRecord()), QString());
    QCOMPARE(blank.id, quint32(0));
    QVERIFY(!blank.active && blank.numberCount == 0 && blank.stringCount == 0);
    for (double n : blank.numbers)
        QCOMPARE(n, 0.0);

    SFilterRecord r;
    r.id = 5020;
    r.numberCount = 1;
    r.numbers[31] = 42.5;
    r.stringCount = 1;
    r.strings[15] = "tail";
    chain->AddFilter(r);
    r.numbers[31] = 0; // the chain holds its own copy
    const SFilterRecord copy = chain->GetRecord(0);
    QCOMPARE(copy.numbers[31], 42.5);
    QCOMPARE(copy.strings[15], QString("tail"));
    QCOMPARE(Difference(chain->GetRecord(1), SFilterRecord()), QString());
}

void TestLists::slotOverflow_data()
{
    QTest::addColumn<bool>("numbers");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("adds");
    QTest::addColumn<int>("accepted");
    QTest::addColumn<int>("count");
    QTest::newRow("33 numbers") << true << 0 << 33 << 32 << 32;
    QTest::newRow("number into last slot") << true << 31 << 2 << 1 << 32;
    QTest::newRow("number count out of range") << true << 200 << 1 << 0 << 32;
    QTest::newRow("17 strings") << false << 0 << 17 << 16 << 16;
    QTest::newRow("string count out of range") << false << 99 << 1 << 0 << 16;
}

void TestLists::slotOverflow()
{
    QFETCH(bool, numbers);
    QFETCH(int, start);
    QFETCH(int, adds);
    SFilterRecord r;
    (numbers ? r.numberCount : r.stringCount) = quint8(start);
    int accepted = 0;
    for (int i = 0; i < adds; ++i)
        accepted += numbers ? r.AddNumber(i + 1) : r.AddString(QString::number(i + 1));
    QTEST(accepted, "accepted");
    QTEST(int(numbers ? r.numberCount : r.stringCount), "count");
    // A refused value never lands in the last slot.
    if (numbers && start == 0)
        QCOMPARE(r.numbers[31], 32.0);
    if (!numbers && start == 0)
        QCOMPARE(r.strings[15], QString("16"));
}

void TestLists::metaTypeNames_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("type");
    QTest::newRow("SFilterRecord") << QByteArray("SFilterRecord") << qMetaTypeId<SFilterRecord>();
    QTest::newRow("ListDragDrop") << QByteArray("ListDragDrop") << qMetaTypeId<ListDragDrop>();
    QTest::newRow("ListInt") << QByteArray("ListInt") << qMetaTypeId<QList<int>>();
    QTest::newRow("unknown") << QByteArray("ListInts") << int(QMetaType::UnknownType);
}

void TestLists::metaTypeNames()
{
    QFETCH(QByteArray, name);
    QTEST(QMetaType::type(name.constData()), "type");
}

void TestLists::recordCrossesThreads_data()
{
    QTest::addColumn<SFilterRecord>("record");
    SFilterRecord full;
    full.id = 5070;
    full.name = "Rotate";
    full.description = QString::fromUtf8("Dreht um Grad – ° ü");
    full.numberCount = 32;
    for (int i = 0; i < 32; ++i)
        full.numbers[i] = i * 1.5 - 7;
    full.numbers[31] = -std::numeric_limits<double>::max();
    full.stringCount = 16;
    for (int i = 0; i < 16; ++i)
        full.strings[i] = QString("s%1").arg(i);
    full.strings[15] = QString::fromUtf8("letzter\nText ✓");
    full.active = true;
    QTest::newRow("every slot") << full;
    QTest::newRow("blank") << SFilterRecord();
    SFilterRecord above;
    above.numbers[31] = std::numeric_limits<double>::denorm_min();
    above.strings[15] = "kept above the count";
    QTest::newRow("slots above counts") << above;
}

void TestLists::recordCrossesThreads()
{
    QFETCH(SFilterRecord, record);
    Relay relay;
    QVERIFY(connect(&relay, SIGNAL(Record(SFilterRecord)), &relay, SLOT(OnRecord(SFilterRecord)),
                    Qt::QueuedConnection));
    QThread* emittedOn = nullptr;
    EmitFromWorker(
        [&] {
            SFilterRecord local = record;
            emit relay.Record(local);
            local.numbers[31] = 1; // the queued copy must not see this
            local.strings[15] = "changed";
        },
        &emittedOn);
    QCOMPARE(relay.arrivals, 1);
    QVERIFY(emittedOn && emittedOn != QThread::currentThread());
    QCOMPARE(relay.onThread, QThread::currentThread());
    QCOMPARE(Difference(relay.record, record), QString());
}

void TestLists::listsCrossThreads()
{
    Relay relay;
    QVERIFY(connect(&relay, SIGNAL(Moves(ListDragDrop)), &relay, SLOT(OnMoves(ListDragDrop)), Qt::QueuedConnection));
    QVERIFY(connect(&relay, SIGNAL(Order(ListInt)), &relay, SLOT(OnOrder(ListInt)), Qt::QueuedConnection));
    const ListDragDrop moves{{0, 2}, {3, 1}, {-1, std::numeric_limits<int>::max()}};
    const ListInt order{2, 0, 1, std::numeric_limits<int>::min()};
    QThread* emittedOn = nullptr;
    EmitFromWorker(
        [&] {
            emit relay.Moves(moves);
            emit relay.Order(order);
        },
        &emittedOn);
    QCOMPARE(relay.arrivals, 2);
    QVERIFY(emittedOn && emittedOn != QThread::currentThread());
    QCOMPARE(relay.order, order);
    QCOMPARE(relay.moves.size(), moves.size());
    for (int i = 0; i < moves.size(); ++i) {
        QCOMPARE(relay.moves.at(i).from, moves.at(i).from);
        QCOMPARE(relay.moves.at(i).to, moves.at(i).to);
    }
}

BQ_TEST_MAIN(TestLists)
#include "tst_lists.moc"
