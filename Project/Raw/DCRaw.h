#pragma once
// Camera raw files through LibRaw: identification (raster size, make, model,
// capture date) and decoding into an 8-bit sRGB buffer.

#include "ImageRecords.h"

#include <QtGlobal>

#include <libraw.h>

enum RawConvertResult { RawConvertDone = 0, RawConvertFailed = 1, RawConvertCancelled = 100 };

// Called at 30, 70 and 95 of 100 with the request's progress pointer; false
// cancels the conversion.
typedef bool (*RawProgressCallback)(qint64 done, qint64 total, void* context);

// One object serves one conversion. The embedded LibRaw instance makes it
// several hundred kilobytes, so create it with new and delete it afterwards.
// The three members stay in this order and share one access level so that
// the layout is fixed; callers set m_pfnProgress directly.
class CDCRaw
{
public:
    CDCRaw();
    ~CDCRaw();
    CDCRaw(const CDCRaw&) = delete;
    CDCRaw& operator=(const CDCRaw&) = delete;

    // Returns a RawConvertResult. On success with a full decode, request->pixels
    // is a calloc'ed buffer the caller releases with free().
    int Convert(SRAWImage* request);

    SRAWImage* m_pRequest = nullptr;
    RawProgressCallback m_pfnProgress = nullptr;
    LibRaw m_Raw;

private:
    int Identify();
    int Decode();
    void ApplyOptions();
    bool Report(qint64 done);
    int CopyImage(const libraw_processed_image_t* image);
};
