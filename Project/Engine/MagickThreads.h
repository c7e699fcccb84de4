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

    // A worker's step that runs library operations (a read, a filter, a
    // write): its loops take the share of the moment; the thread's own
    // settings come back at its end.
    class CStep
    {
    public:
        CStep();
        ~CStep();
        CStep(const CStep&) = delete;
        CStep& operator=(const CStep&) = delete;

    private:
        int m_dynamic = -1;
        int m_threads = 0;
    };

    // While one lives, the library's loops started from this thread run on
    // one thread.
    class COneWhileStreaming
    {
    public:
        COneWhileStreaming();
        ~COneWhileStreaming();
        COneWhileStreaming(const COneWhileStreaming&) = delete;
        COneWhileStreaming& operator=(const COneWhileStreaming&) = delete;

    private:
        int m_dynamic = 0;
        int m_threads = 0;
    };
};
