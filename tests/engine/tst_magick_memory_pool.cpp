// The pixel buffer pool: a large buffer freed is kept for the next image of
// that size and carries the new image's pixels; small ones are not kept.
#include "BqTestMain.h"
#include "MagickMemoryPool.h"
#include "MagickRuntime.h"

#include <Magick++.h>

#include <cstdint>

class TestMagickMemoryPool : public QObject
{
    Q_OBJECT
private slots:
    void keepsLargeBuffersForReuse();
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

BQ_TEST_MAIN(TestMagickMemoryPool)
#include "tst_magick_memory_pool.moc"
