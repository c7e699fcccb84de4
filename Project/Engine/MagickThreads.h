#pragma once
// The image library's thread count is one setting for the whole process.
// A run shares the processor's cores between the photos whose steps run at
// the moment: a big photo that the pixel budget lets in alone gets them
// all, eight small ones get one each. The library reads the setting again
// inside an operation (it sizes per-thread buffers by it, then starts its
// loops and frees the buffers by it), so the setting changes only while no
// worker is inside a step: the share is taken up between steps.

class CMagickThreads
{
public:
    // Before a run's workers start: `cores` shared by `workers`, each
    // with its even part until photos are counted. 0 ends the sharing and
    // puts back the library's own setting, after the workers ended.
    static void ShareCores(int cores, int workers = 1);
    // The photos whose steps run now: the pixel budget's holders.
    static void SetRunning(int photos);

    // A worker's step that runs library operations (a read, a filter, a
    // write): the setting stays as it is while one lives.
    class CStep
    {
    public:
        CStep();
        ~CStep();
        CStep(const CStep&) = delete;
        CStep& operator=(const CStep&) = delete;
    };

    // While one lives, the library's loops run on one thread.
    class COneWhileStreaming
    {
    public:
        COneWhileStreaming();
        ~COneWhileStreaming();
        COneWhileStreaming(const COneWhileStreaming&) = delete;
        COneWhileStreaming& operator=(const COneWhileStreaming&) = delete;
    };
};
