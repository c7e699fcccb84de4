#pragma once

struct SProgressData;

// Receives the progress of an engine's read, filter or zoom. The preview
// thread implements it; the engine only knows this interface, so it never
// depends on the widgets. Calls arrive on the image library's worker threads.
class IPreviewProgressSink
{
public:
    virtual ~IPreviewProgressSink();
    virtual void UpdateStatusBar(SProgressData* progress) = 0;
};
