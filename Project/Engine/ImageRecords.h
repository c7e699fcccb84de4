#pragma once
// Records shared by the image engine, the raw decoder and the preview.

#include <QString>
#include <QtGlobal>

#include <atomic>

class IPreviewProgressSink;

// Progress of one engine. The library's progress callbacks run on its own
// worker threads, so the two fields they touch are atomics; the record stays
// copyable because engines are copied whole.
struct SProgressData
{
    QString status;
    bool finished = false;
    bool readOk = false;
    std::atomic<bool> abort{false};
    std::atomic<int> percent{0};
    // When set, the callbacks report here instead of the process-wide sink.
    IPreviewProgressSink* sink = nullptr;

    SProgressData() = default;
    SProgressData(const SProgressData& other) { *this = other; }
    SProgressData& operator=(const SProgressData& other)
    {
        if (this != &other) {
            status = other.status;
            finished = other.finished;
            readOk = other.readOk;
            abort.store(other.abort.load());
            percent.store(other.percent.load());
            sink = other.sink;
        }
        return *this;
    }
};

// Request and result of one raw conversion.
struct SRAWImage
{
    QString fileName;
    unsigned char* pixels = nullptr; // calloc'ed by the decoder, freed by the caller
    QString spare;
    quint64 rawWidth = 0;
    quint64 rawHeight = 0;
    QString dateTime;
    QString make;
    QString model;
    void* progress = nullptr;
    quint64 width = 0;
    quint64 height = 0;
    int channels = 0;
    bool identifyOnly = false;
    int whiteBalance = 0;
    int highlight = 0;
    int demosaic = 0;
    QString dataError; // out: why the decoded data is damaged, "" when it is not
};

// What the rest of the program knows about a photo after a read or ping.
struct SImageProperties
{
    qint64 width = 0;
    qint64 height = 0;
    bool hasAlpha = false;
    QString dateTime;
    QString make;
    QString model;
    int densityX = 0;
    int densityY = 0;
    int units = 1;
    int orientation = 0;
    QString gps;
    QString altitude;
    QString aperture;
    QString exposure;
    QString iso;
    int colorSpace = 0;
};
