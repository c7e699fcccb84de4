#pragma once
// The image library's thread count is one setting for the whole process,
// and the library reads it again inside an operation (it sizes per-thread
// buffers by it, then frees them by it): a run sets it once, to every core,
// before its workers start, and puts it back after they end. Each worker
// then caps its own loops, step by step, through the OpenMP runtime's
// settings of the calling thread, which no other worker's operation reads:
// one thread while the photos that hold pixel memory keep more than half
// the cores busy, every core while the budget lets in fewer (a big photo
// alone, or two or three that leave the rest idle).

class CMagickThreads
{
public:
    // Before a run's workers start: the library may use `cores` threads.
    // 0 puts back the library's own setting, after the workers ended.
    static void ShareCores(int cores);
    // The photos whose steps run now: the pixel budget's holders.
    static void SetRunning(int photos);

    // The calling thread's loop settings, put back at the end of the scope.
    class CThreadScope
    {
    public:
        CThreadScope(const CThreadScope&) = delete;
        CThreadScope& operator=(const CThreadScope&) = delete;

    protected:
        CThreadScope();
        ~CThreadScope();

    private:
        int m_dynamic;
        int m_threads;
    };

    // A worker's step that runs library operations (a read, a filter, a
    // write): its loops take the share of the moment.
    class CStep : private CThreadScope
    {
    public:
        CStep();
    };

    // While one lives, the library's loops started from this thread run on
    // one thread.
    class COneWhileStreaming : private CThreadScope
    {
    public:
        COneWhileStreaming();
    };
};
