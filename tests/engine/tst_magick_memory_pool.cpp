// The pixel buffer pool: a large buffer freed is kept for the next image of
// that size and carries the new image's pixels; small ones are not kept. The
// pixel budget leaves the pool only the room its holders do not take.
#include "BqTestMain.h"
#include "MagickMemoryPool.h"
#include "MagickRuntime.h"
#include "PixelBudget.h"

#include <Magick++.h>

#include <cstdint>

class TestMagickMemoryPool : public QObject
{
    Q_OBJECT
private slots:
    void keepsLargeBuffersForReuse();
    void budgetLeavesTheRoom_data();
    void budgetLeavesTheRoom();
};

void TestMagickMemoryPool::keepsLargeBuffersForReuse()
{
    QVERIFY(StartMagickRuntime());
    CMagickMemoryPool::Install();
    CMagickMemoryPool::Trim();
    // 3000 x 2000 pixels of 8 bytes (Q16): one 48 MB pixel cache.
    const size_t bytes = 3000 * 2000 * 8;
    const size_t block = CMagickMemoryPool::BlockSize(bytes);
    QVERIFY(bytes >= CMagickMemoryPool::MinBlock);
    {
        Magick::Image red(Magick::Geometry(3000, 2000), Magick::Color("red"));
    }
    QCOMPARE(CMagickMemoryPool::PooledBytes(), block);
    {
        Magick::Image blue(Magick::Geometry(3000, 2000), Magick::Color("blue"));
        QCOMPARE(CMagickMemoryPool::PooledBytes(), size_t(0));
        QCOMPARE(blue.pixelColor(2999, 1999), Magick::Color("blue"));
        QCOMPARE(blue.pixelColor(0, 0), Magick::Color("blue"));
    }
    QCOMPARE(CMagickMemoryPool::PooledBytes(), block);
    {
        // The same photo with a 12 px border takes the photo's block.
        Magick::Image bordered(Magick::Geometry(3024, 2024), Magick::Color("lime"));
        QCOMPARE(CMagickMemoryPool::PooledBytes(), size_t(0));
        QCOMPARE(bordered.pixelColor(3023, 2023), Magick::Color("lime"));
    }
    QCOMPARE(CMagickMemoryPool::PooledBytes(), block);
    {
        Magick::Image small(Magick::Geometry(100, 100), Magick::Color("red"));
        // Neither a small image nor a larger one takes the kept block.
        Magick::Image larger(Magick::Geometry(3000, 2500), Magick::Color("red"));
        QCOMPARE(CMagickMemoryPool::PooledBytes(), block);
    }
    const size_t largerBlock = CMagickMemoryPool::BlockSize(3000 * 2500 * 8);
    QCOMPARE(CMagickMemoryPool::PooledBytes(), block + largerBlock);
    {
        // With no room left beside the workers' images, a block that must be
        // allocated afresh first frees what is kept (the larger block is
        // taken for it, the other one freed).
        CMagickMemoryPool::SetRoom(0);
        Magick::Image first(Magick::Geometry(3000, 2500), Magick::Color("red"));
        Magick::Image second(Magick::Geometry(3000, 2500), Magick::Color("red"));
        QCOMPARE(CMagickMemoryPool::PooledBytes(), size_t(0));
        CMagickMemoryPool::SetRoom(SIZE_MAX);
    }
    QCOMPARE(CMagickMemoryPool::PooledBytes(), 2 * largerBlock);
    CMagickMemoryPool::Trim();
    QCOMPARE(CMagickMemoryPool::PooledBytes(), size_t(0));
}

void TestMagickMemoryPool::budgetLeavesTheRoom_data()
{
    QTest::addColumn<int>("othersMiB");   // what another worker holds
    QTest::addColumn<int>("takesMiB");    // what this photo is let in with
    QTest::addColumn<int>("reusableMiB"); // of that, pixel caches
    QTest::addColumn<bool>("lowers");     // a step of the photo passes
    QTest::addColumn<bool>("kept");       // the freed photo's block stays

    // A budget of 120 MiB; the block kept is about 51 MiB.
    QTest::newRow("room beside both") << 10 << 20 << 20 << false << true;
    QTest::newRow("a photo let in keeps the block its images will take") << 60 << 55 << 55 << false << true;
    QTest::newRow("not for its coder's buffers") << 60 << 55 << 0 << false << false;
    QTest::newRow("the room is less once its step has passed") << 60 << 55 << 55 << true << false;
    QTest::newRow("room left after the step") << 10 << 55 << 55 << true << true;
}

void TestMagickMemoryPool::budgetLeavesTheRoom()
{
    QFETCH(int, othersMiB);
    QFETCH(int, takesMiB);
    QFETCH(int, reusableMiB);
    QFETCH(bool, lowers);
    QFETCH(bool, kept);
    QVERIFY(StartMagickRuntime());
    CMagickMemoryPool::Install();
    CMagickMemoryPool::Trim();
    {
        Magick::Image freed(Magick::Geometry(3000, 2000), Magick::Color("red"));
    }
    const size_t block = CMagickMemoryPool::PooledBytes();
    QVERIFY(block >= size_t(3000 * 2000 * 8));

    const quint64 mib = quint64(1) << 20;
    CPixelBudget budget(120 * mib);
    CPixelBudget::CLease others(budget);
    CPixelBudget::CLease photo(budget);
    QVERIFY(others.Acquire(quint64(othersMiB) * mib, nullptr));
    QVERIFY(photo.Acquire(quint64(takesMiB) * mib, nullptr, 10, quint64(reusableMiB) * mib));
    if (lowers)
        photo.Lower(quint64(takesMiB) * mib);
    QCOMPARE(CMagickMemoryPool::PooledBytes(), kept ? block : size_t(0));
    CMagickMemoryPool::SetRoom(SIZE_MAX);
    CMagickMemoryPool::Trim();
}

BQ_TEST_MAIN(TestMagickMemoryPool)
#include "tst_magick_memory_pool.moc"
