#include "PixelBudget.h"

#include "MagickMemoryPool.h"
#include "MagickThreads.h"

#include <Magick++.h>

#include <algorithm>
#include <chrono>

#include <malloc.h>

CPixelBudget::CPixelBudget(quint64 total, bool sharesThreads)
    : m_Total(std::max<quint64>(total, 1)), m_SharesThreads(sharesThreads)
{
}

CPixelBudget& CPixelBudget::Shared()
{
    // Never destroyed: workers may still hand memory back at exit.
    static CPixelBudget* shared = new CPixelBudget(quint64(Magick::ResourceLimits::memory()), true);
    return *shared;
}

quint64 CPixelBudget::Held() const
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_Held;
}

void CPixelBudget::TrimPool(quint64 held, quint64 reusable) const
{
    CMagickMemoryPool::TrimTo(size_t(Room(held) + reusable));
}

void CPixelBudget::CountHolder(quint64 before, quint64 after)
{
    if ((before == 0) == (after == 0))
        return;
    m_Holders += after > 0 ? 1 : -1;
    if (m_SharesThreads)
        CMagickThreads::SetRunning(m_Holders);
}

quint64 CPixelBudget::Room(quint64 held) const
{
    return held < m_Total ? m_Total - held : 0;
}

bool CPixelBudget::CLease::Acquire(quint64 bytes, const std::function<bool()>& stop, int pollMs, quint64 reusable)
{
    CPixelBudget& budget = m_Budget;
    const quint64 wanted = std::min(bytes, budget.m_Total);
    if (wanted <= m_Held) {
        Lower(wanted);
        return true;
    }
    std::set<quint64>& waiting = budget.m_Waiting;
    quint64 held = 0;
    {
        std::unique_lock<std::mutex> lock(budget.m_Mutex);
        const quint64 ticket = budget.m_NextTicket++;
        waiting.insert(ticket);
        const auto admitted = [&] {
            return *waiting.begin() == ticket && budget.m_Held - m_Held + wanted <= budget.m_Total;
        };
        while (!admitted()) {
            if (stop && stop()) {
                waiting.erase(ticket);
                budget.m_Changed.notify_all();
                return false;
            }
            budget.m_Changed.wait_for(lock, std::chrono::milliseconds(pollMs));
        }
        waiting.erase(ticket);
        reusable = std::min(reusable, wanted - m_Held);
        budget.m_Held += wanted - m_Held;
        budget.CountHolder(m_Held, wanted);
        m_Held = wanted;
        held = budget.m_Held;
        // Allocations beyond the kept blocks leave the pool only this room.
        CMagickMemoryPool::SetRoom(size_t(budget.Room(held)));
        // The next in line may fit beside this one.
        budget.m_Changed.notify_all();
    }
    budget.TrimPool(held, reusable);
    return true;
}

void CPixelBudget::CLease::Lower(quint64 bytes)
{
    CPixelBudget& budget = m_Budget;
    const quint64 kept = std::min(bytes, budget.m_Total);
    quint64 held = 0;
    quint64 freed = 0;
    {
        std::lock_guard<std::mutex> lock(budget.m_Mutex);
        freed = m_Held > kept ? m_Held - kept : 0;
        budget.m_Held = budget.m_Held - m_Held + kept;
        budget.CountHolder(m_Held, kept);
        m_Held = kept;
        held = budget.m_Held;
        CMagickMemoryPool::SetRoom(size_t(budget.Room(held)));
        if (freed > 0)
            budget.m_Changed.notify_all();
    }
    // Blocks the photo's images gave back while it held them may pass what
    // the others now leave: their buffers outside the library (a coder's)
    // were planned into the room those blocks take.
    budget.TrimPool(held, 0);
    if (freed >= TrimAfter) {
        // The frames of an animation are small blocks, which malloc keeps
        // in the worker's own arena once freed: each worker would go on
        // holding the largest animation it read.
        malloc_trim(0);
    }
}
