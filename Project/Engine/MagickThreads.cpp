#include "MagickThreads.h"

#include <Magick++.h>

#include <algorithm>
#include <mutex>

namespace
{

struct SState
{
    std::mutex mutex;
    int cores = 0;
    int running = 0;
    int steps = 0;
    int streaming = 0;
    // What the library was set to before a run or a stream changed it.
    MagickCore::MagickSizeType own = 0;
    MagickCore::MagickSizeType beforeStream = 0;
};

SState& State()
{
    static SState state;
    return state;
}

void Set(MagickCore::MagickSizeType threads)
{
    MagickCore::SetMagickResourceLimit(MagickCore::ThreadResource, std::max<MagickCore::MagickSizeType>(threads, 1));
}

// Under the mutex: the running photos' share, where nothing reads the
// setting now. With no photo counted (workers naming or pinging theirs)
// the share stays as it is.
void TakeShare(const SState& state)
{
    if (state.cores > 0 && state.running > 0 && state.steps == 0 && state.streaming == 0)
        Set(MagickCore::MagickSizeType(state.cores / state.running));
}

} // namespace

void CMagickThreads::ShareCores(int cores, int workers)
{
    SState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    if (cores > 0 && state.cores == 0)
        state.own = MagickCore::GetMagickResourceLimit(MagickCore::ThreadResource);
    if (cores <= 0 && state.cores > 0)
        Set(state.own);
    else if (cores > 0)
        Set(MagickCore::MagickSizeType(cores / std::max(1, workers)));
    state.cores = std::max(0, cores);
}

void CMagickThreads::SetRunning(int photos)
{
    SState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    state.running = photos;
    TakeShare(state);
}

CMagickThreads::CStep::CStep()
{
    SState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    TakeShare(state);
    ++state.steps;
}

CMagickThreads::CStep::~CStep()
{
    SState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    --state.steps;
}

// Streamed rows pass through one buffer per image, which the library's loops
// over all rows (a colour table pass, a background fill) would share between
// threads: while any stream is read, those loops run on one thread.
CMagickThreads::COneWhileStreaming::COneWhileStreaming()
{
    SState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    if (state.streaming++ == 0) {
        state.beforeStream = MagickCore::GetMagickResourceLimit(MagickCore::ThreadResource);
        Set(1);
    }
}

CMagickThreads::COneWhileStreaming::~COneWhileStreaming()
{
    SState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    if (--state.streaming == 0)
        Set(state.beforeStream);
}
