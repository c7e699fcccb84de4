#include "MagickMemoryPool.h"

#include <Magick++.h>

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <map>
#include <mutex>
#include <system_error>
#include <thread>
#include <unordered_map>
#include <vector>

namespace
{

// At least what posix_memalign accepts.
constexpr size_t MinAlignment = sizeof(void*);

struct SPool {
    std::mutex mutex;
    std::unordered_map<void*, size_t> handedOut; // large blocks in use
    std::multimap<size_t, void*> kept;           // large blocks free for reuse
    size_t keptBytes = 0;
    std::atomic<size_t> room{SIZE_MAX};
};

// Takes kept blocks, largest first, until at most `bytes` are kept; the
// caller frees them outside the lock. Under the pool's mutex.
std::vector<void*> TakeBeyond(SPool& pool, size_t bytes)
{
    std::vector<void*> taken;
    while (pool.keptBytes > bytes && !pool.kept.empty()) {
        const auto largest = std::prev(pool.kept.end());
        pool.keptBytes -= largest->first;
        taken.push_back(largest->second);
        pool.kept.erase(largest);
    }
    return taken;
}

void FreeAll(const std::vector<void*>& blocks)
{
    for (void* block : blocks)
        free(block);
}

SPool& Pool()
{
    // Never destroyed: ImageMagick may release images after static
    // destructors have run.
    static SPool* pool = new SPool;
    return *pool;
}

// ImageMagick hands its handler the byte count and the alignment it wants
// (a cache line), not the count and quantum of AcquireAlignedMemory.
void* AcquireBlock(const size_t size, const size_t requested)
{
    const size_t alignment = std::max(requested, MinAlignment);
    if (size == 0)
        return nullptr;
    if (size < CMagickMemoryPool::MinBlock) {
        void* block = nullptr;
        return posix_memalign(&block, alignment, size) == 0 ? block : nullptr;
    }
    SPool& pool = Pool();
    std::vector<void*> beyond;
    {
        std::lock_guard<std::mutex> lock(pool.mutex);
        // A kept block at most an eighth larger: a small request must not
        // take the block a full-size photo will ask for next.
        const auto it = pool.kept.lower_bound(size);
        if (it != pool.kept.end() && it->first <= size + size / 8 &&
            reinterpret_cast<uintptr_t>(it->second) % alignment == 0) {
            void* block = it->second;
            pool.handedOut.emplace(block, it->first);
            pool.keptBytes -= it->first;
            pool.kept.erase(it);
            return block;
        }
        beyond = TakeBeyond(pool, pool.room.load());
    }
    FreeAll(beyond);
    const size_t bytes = CMagickMemoryPool::BlockSize(size);
    void* block = nullptr;
    if (posix_memalign(&block, alignment, bytes) != 0)
        return nullptr;
    std::lock_guard<std::mutex> lock(pool.mutex);
    pool.handedOut.emplace(block, bytes);
    return block;
}

void RelinquishBlock(void* block)
{
    // Small blocks never take the lock.
    if (block == nullptr || malloc_usable_size(block) < CMagickMemoryPool::MinBlock) {
        free(block);
        return;
    }
    SPool& pool = Pool();
    {
        std::lock_guard<std::mutex> lock(pool.mutex);
        const auto it = pool.handedOut.find(block);
        if (it != pool.handedOut.end()) {
            const size_t size = it->second;
            pool.handedOut.erase(it);
            if (pool.keptBytes + size <= CMagickMemoryPool::MaxPooled) {
                pool.kept.emplace(size, block);
                pool.keptBytes += size;
                return;
            }
        }
    }
    // Not ours (allocated before the pool was installed), or the pool is full.
    free(block);
}

} // namespace

void CMagickMemoryPool::Install()
{
    static std::once_flag once;
    std::call_once(once, [] { MagickCore::SetMagickAlignedMemoryMethods(AcquireBlock, RelinquishBlock); });
}

void CMagickMemoryPool::Trim()
{
    std::multimap<size_t, void*> kept;
    {
        SPool& pool = Pool();
        std::lock_guard<std::mutex> lock(pool.mutex);
        kept.swap(pool.kept);
        pool.keptBytes = 0;
    }
    const auto release = [](std::multimap<size_t, void*>& blocks) {
        for (const auto& entry : blocks)
            free(entry.second);
    };
    // Unmapping a gigabyte takes over 100 ms with every core idle: the run
    // that ends here need not wait for it.
    try {
        std::thread([release, blocks = std::move(kept)]() mutable { release(blocks); }).detach();
    } catch (const std::system_error&) {
        release(kept);
    }
}

void CMagickMemoryPool::TrimTo(size_t bytes)
{
    std::vector<void*> freed;
    {
        SPool& pool = Pool();
        std::lock_guard<std::mutex> lock(pool.mutex);
        freed = TakeBeyond(pool, bytes);
    }
    FreeAll(freed);
}

void CMagickMemoryPool::SetRoom(size_t bytes)
{
    Pool().room = bytes;
}

size_t CMagickMemoryPool::PooledBytes()
{
    SPool& pool = Pool();
    std::lock_guard<std::mutex> lock(pool.mutex);
    return pool.keptBytes;
}
