#pragma once
// One budget of pixel memory for every worker of the process: the image
// library's in-memory limit (3 GiB in the program's policy). Eight workers
// on large photos would together ask for more; the library then moves whole
// pixel caches to the disk, or fails once the disk limit is spent. Instead a
// worker holds, before a photo's first step, the most that the photo's steps
// still to come will need, waits while that is not free, and lowers what it
// holds as its steps pass and its images go. A claim larger than the whole
// budget is held as the whole budget: that photo runs alone. Photos are let
// in in the order they asked, so a large one is not passed over for ever.
// What the memory pool keeps for reuse counts as spent: it is freed when a
// worker needs the room, except the blocks that worker's own images will
// take, which it freed for them. The budget of the process also tells the
// image library how many photos run, so that their steps share the cores.

#include <QtGlobal>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <set>

class CPixelBudget
{
public:
    explicit CPixelBudget(quint64 total, bool sharesThreads = false);

    // The process's budget: the library's memory limit as the policy set it.
    static CPixelBudget& Shared();

    quint64 Total() const { return m_Total; }
    // Bytes held by all holders right now.
    quint64 Held() const;

    // What one worker holds; gives everything back when destroyed.
    class CLease
    {
    public:
        explicit CLease(CPixelBudget& budget) : m_Budget(budget) {}
        ~CLease() { Release(); }
        CLease(const CLease&) = delete;
        CLease& operator=(const CLease&) = delete;

        // Waits until `bytes` (at most the whole budget) are free beside what
        // the others hold, and holds them; false, holding nothing more, when
        // `stop` says so while waiting (polled every `pollMs`). Up to
        // `reusable` of what it holds more than before are pixel caches that
        // blocks kept from earlier photos may serve: those stay kept.
        bool Acquire(quint64 bytes, const std::function<bool()>& stop, int pollMs = 100, quint64 reusable = 0);
        // Holds `bytes` from now on without waiting: less gives the rest
        // back; more (a photo larger than its plan) is taken as it is.
        void Lower(quint64 bytes);
        void Release() { Lower(0); }
        quint64 Held() const { return m_Held; }

    private:
        CPixelBudget& m_Budget;
        quint64 m_Held = 0;
    };

    // Giving back this much or more returns malloc's free memory to the system.
    static constexpr quint64 TrimAfter = quint64(256) << 20;

private:
    // Frees pooled blocks beyond what the holders leave of the budget and
    // what a holder just let in may take from them (`reusable`).
    void TrimPool(quint64 held, quint64 reusable) const;
    quint64 Room(quint64 held) const;
    // Under the mutex: a lease went from holding nothing to something, or back.
    void CountHolder(quint64 before, quint64 after);

    const quint64 m_Total;
    const bool m_SharesThreads;
    int m_Holders = 0;
    mutable std::mutex m_Mutex;
    std::condition_variable m_Changed;
    quint64 m_Held = 0;
    // Tickets of the photos waiting to be let in, served oldest first.
    quint64 m_NextTicket = 0;
    std::set<quint64> m_Waiting;
};
