#pragma once
// Keeps ImageMagick's large pixel buffers for reuse instead of handing them
// back to the kernel. Every photo of a batch needs buffers of the same few
// sizes; fresh ones cost a page fault and a cleared page per 4 KiB, and
// returning them takes the process's address-space lock that all workers
// share. Installed once and never removed: blocks it did not hand out are
// freed as usual.

#include <cstddef>

class CMagickMemoryPool
{
public:
    // Routes ImageMagick's aligned allocations (pixel caches) through the
    // pool; later calls do nothing.
    static void Install();
    // Frees every block the pool keeps (after a batch run), on a thread of
    // its own: the caller does not wait for the memory to go back.
    static void Trim();
    // Frees kept blocks, largest first, until at most `bytes` are kept; on
    // the caller's thread, so that the memory is back when it returns.
    static void TrimTo(size_t bytes);
    // Bytes kept for reuse right now.
    static size_t PooledBytes();
    // The most the pool may keep beside a block it must allocate afresh:
    // what the pixel budget leaves free. Kept blocks beyond it are freed
    // before such an allocation; a block reused or given back moves memory
    // between the images and the pool and is never refused for it.
    static void SetRoom(size_t bytes);
    // The block a request of `bytes` gets when none is kept: a little more,
    // never touched unless used, so that a photo's block serves its next
    // image a few pixels larger (the same photo with a border).
    static size_t BlockSize(size_t bytes) { return bytes + bytes / 16; }

    // Blocks from this size up are kept; smaller ones go straight to malloc.
    // glibc maps every block above 32 MiB on its own and unmaps it when
    // freed; below that its own threshold rises to the sizes freed, so that
    // it reuses such blocks itself.
    static constexpr size_t MinBlock = size_t(32) << 20;
    // At most this much is kept; what would pass it is freed.
    static constexpr size_t MaxPooled = size_t(3) << 30;
};
