// The pixel buffer pool: a large buffer freed is kept for the next image of
// that size and carries the new image's pixels; small ones are not kept.
#include "BqTestMain.h"
#include "MagickMemoryPool.h"
#include "MagickRuntime.h"

#include <Magick++.h>

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
    QVERIFY(bytes >= CMagickMemoryPool::MinBlock);
    {
        Magick::Image red(Magick::Geometry(3000, 2000), Magick::Color("red"));
    }
    QCOMPARE(CMagickMemoryPool::PooledBytes(), bytes);
    {
        Magick::Image blue(Magick::Geometry(3000, 2000), Magick::Color("blue"));
        QCOMPARE(CMagickMemoryPool::PooledBytes(), size_t(0));
        QCOMPARE(blue.pixelColor(2999, 1999), Magick::Color("blue"));
        QCOMPARE(blue.pixelColor(0, 0), Magick::Color("blue"));
    }
    QCOMPARE(CMagickMemoryPool::PooledBytes(), bytes);
    {
        Magick::Image small(Magick::Geometry(100, 100), Magick::Color("red"));
        // Neither a small image nor a larger one takes the kept block.
        Magick::Image larger(Magick::Geometry(3000, 2500), Magick::Color("red"));
        QCOMPARE(CMagickMemoryPool::PooledBytes(), bytes);
    }
    QCOMPARE(CMagickMemoryPool::PooledBytes(), bytes + size_t(3000 * 2500 * 8));
    CMagickMemoryPool::Trim();
    QCOMPARE(CMagickMemoryPool::PooledBytes(), size_t(0));
}

BQ_TEST_MAIN(TestMagickMemoryPool)
#include "tst_magick_memory_pool.moc"
