#pragma once
// The image engine object: one current image, the page list of a
// multi-page document, reading and pinging (ImageManager.cpp), writing with
// the format options and ICC profiles (ImageManagerWrite.cpp), what each
// format's writer is given (ImageManagerFit.cpp), the photo's
// properties (ImageProperties.cpp) and the preview services. Every thread
// that touches pixels owns its own engine; an engine has no lock.

#include "ImageFilters.h"
#include "ImageRecords.h"

#include <QList>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <Magick++.h>

#include <functional>
#include <memory>
#include <string>

class CAtomicReplace;
class CFormatsEnum;
class CICCProfiles;
class CIMImageCache;
class CUserProfile;
class IPreviewProgressSink;
class QThread;

// ImageKind of IdentifyImage.
enum { ImageKindMagick = 1, ImageKindRaw = 2 };
// PropertiesSource of SetProperties.
enum { PropertiesFromImage = 1, PropertiesFromRaw = 2 };

class CImageManager
{
public:
    CImageManager();
    // Copies carry the image, pages, path, flags, properties and progress
    // record, but never the progress monitor of the original's image.
    CImageManager(const CImageManager& other);
    CImageManager& operator=(const CImageManager& other);
    // Read, Write and the destructor are virtual so that a worker's engine can
    // be replaced (tests put an engine there that fails in chosen ways).
    virtual ~CImageManager();

    // Reading and identification. A failed read, ping or count leaves the
    // engine's image, path and properties as they were. Each refuses a path
    // that does not lead to a regular file before opening it.
    virtual bool Read(const QString& path);
    // A size the next JPEG reads may decode at instead of the photo's own
    // (CImageFilters::DecodeHint); an empty size reads whole. The properties
    // keep the photo's own pixel size.
    void SetDecodeHint(QSize hint) { m_DecodeHint = hint; }
    // After a Ping: the hint `chain` allows for the pinged photo when it is
    // a JPEG (its own size and Exif orientation); an empty size otherwise.
    QSize DecodeHint(const QList<SFilterRecord>& chain) const;
    int IdentifyImage(const QString& path);
    bool Ping(const QString& path);
    // The frames of the file; 0 when they cannot be counted (an error, the
    // policy's frame limit included), never 1 in their place.
    int GetPageCount(const QString& path);
    bool ReadAndInsertPage(const QString& path);
    bool ReadMultipage(const QString& path);
    void FlattenLayers();

    // Filters: on the current image, on the pages, on the last page.
    bool ApplyFilter(const SFilterRecord& record);
    bool ApplyFilterToMultipage(const SFilterRecord& record);
    bool ApplyFilterToCurrentPage(const SFilterRecord& record);
    // Why the last of them failed when the filter could tell (a logo or a
    // texture that cannot be read), in short English; "" otherwise.
    const QString& FilterFailure() const { return m_FilterFailure; }

    // Preview services.
    bool Zoom(double percent);
    bool AlphaToCheckboard();
    void SetImage(const Magick::Image& image);
    QPixmap ImageToPixmap(const QRect& rect);
    // Progress of every preview engine goes to this thread when it
    // implements IPreviewProgressSink; any other thread stores none.
    void SetThread(QThread* thread);
    // A sink calls this from its destructor; clears the process-wide sink
    // only when it is still this one.
    static void ClearThread(IPreviewProgressSink* sink);

    // Writing (ImageManagerWrite.cpp). Outputs go through a temporary
    // sibling, so a failure never leaves a partial file.
    virtual bool Write(const QString& path);
    bool WriteMultipage(const QString& path, bool oneDocument);
    void SelectCompAlgorithm(Magick::Image& image, const QString& format);
    void SelectImageType(Magick::Image& image, const QString& format);
    void ApplyProfile(Magick::Image& image, const QString& format);
    // Lays a transparent image on white, or on the background colour a filter
    // of the chain chose, when the output format or its colour type stores no
    // alpha (JPEG, BMP, PCX, WBMP, TIFF of a type without alpha): such a
    // writer would keep the colour under the transparent parts, often black.
    void FlattenForOutput(Magick::Image& image, const QString& format) const;
    // With commit later set, Write and WriteMultipage leave their complete
    // output under its temporary name, for the caller to take with
    // TakeUncommitted() and commit on a thread of its own (the sync before
    // the rename is slow), and put no file in place.
    void SetCommitLater(bool later) { m_CommitLater = later; }
    // With release written set, Write and WriteMultipage let go of the image
    // and pages they wrote before the output is read back, so that the check
    // never holds a second copy of the photo; for a caller done with them.
    void SetReleaseWritten(bool release) { m_ReleaseWritten = release; }
    // For bench/large-photos.sh alone: writes skip the read-back check.
    static void SkipReadBackForBenchmark(bool skip);
    // Called, with release written set, once the image has gone and before
    // the output is read back (a worker takes the read-back's memory there).
    void SetBeforeCheck(std::function<void()> call) { m_BeforeCheck = std::move(call); }
    // The output of the last such write; null when there is none.
    std::unique_ptr<CAtomicReplace> TakeUncommitted();
    // The files the last Write or WriteMultipage put in place.
    const QStringList& WrittenFiles() const { return m_WrittenFiles; }
    // Why the last Write or WriteMultipage failed, in the system's or the
    // library's words; empty after a success.
    const QString& WriteError() const { return m_WriteError; }
    // What the last successful Write or WriteMultipage left out of its
    // output, as its "written without" line on stderr names it ("the Exif
    // thumbnail"); empty when nothing.
    const QString& LeftOut() const { return m_LeftOut; }

    // Fills m_Properties from the current image or from a raw result.
    void SetProperties(int kind, const SRAWImage* raw);

    CUserProfile* m_pProfile;
    CFormatsEnum* m_pFormats;
    CIMImageCache* m_pCache;
    CICCProfiles* m_pIcc;
    Magick::Image m_Image;
    QList<Magick::Image> m_Pages;
    QString m_Path;
    bool m_bPreview = false;
    CImageFilters m_Filters;
    SImageProperties m_Properties;
    SProgressData m_Progress;
    bool m_bSourceCmyk = false;
    Magick::Blob m_SourceProfile;
    // Why the pixels of the last Read or ReadMultipage are damaged (a file
    // cut short, a corrupt JPEG segment, a raw data error, a header that
    // promises more pixels than the file holds), in short English; "" when
    // they are not. Cleared at the start of each. A damaged Read still
    // succeeds with what was decoded, unless nothing could be; harmless
    // warnings (an unknown tag, an odd profile) leave it empty.
    QString m_Damage;
    // Why the last Read, ReadMultipage, Ping or GetPageCount failed ("... is
    // a named pipe, not a regular file", the library's reason), for the logs.
    QString m_ReadError;

private:
    bool ReadMagick(const QString& path);
    // Camera raw files, through the raw decoder (ImageManagerRaw.cpp).
    bool ReadRAW(const QString& path);
    bool PingRAW(const QString& path);
    int GetRawPageCount(const QString& path);

    void ClearSourceColour();
    // Installs the progress callbacks on an image when this is a preview
    // engine; clears them on any other engine's image.
    void AttachMonitor(Magick::Image& image);
    // True when a monitored step must count as failed: cancelled, or the
    // library gave up and left an empty image.
    bool StepFailed(const Magick::Image& image) const;
    // Writes `image` (or, with pages, the page list) through a temporary.
    bool WriteThroughTemporary(const QString& path, Magick::Image* image, QList<Magick::Image>* pages,
                               bool adjoin);
    // What the library's writer for `format` cannot hold, or would write so
    // that the file does not read, fitted (ImageManagerFit.cpp); what was
    // left out goes to `leftOut`.
    static void FitToWriter(Magick::Image& image, const QString& format, QStringList& leftOut);

    QStringList m_WrittenFiles;
    QString m_WriteError;
    QString m_LeftOut;
    QString m_FilterFailure;
    QSize m_DecodeHint;
    bool m_CommitLater = false;
    bool m_ReleaseWritten = false;
    std::function<void()> m_BeforeCheck;
    std::unique_ptr<CAtomicReplace> m_Uncommitted; // never copied

public:
    // Shared helpers of the read and write halves.
    // Upper-cased text after the last "." (the whole path when none).
    static QString FormatOf(const QString& path);
    // The path as ImageMagick takes it: UTF-8, made absolute so that no
    // "format:" prefix is read into it, "%" doubled when `forWrite`. False
    // for an empty path or one of 4096 bytes or more.
    static bool MagickPath(const QString& path, bool forWrite, std::string& out);
    // Removes the progress callbacks from an image that leaves its engine.
    static void DetachMonitor(Magick::Image& image);
    // Whether a FormatOf names JPEG (not JPE) or TIFF.
    static bool IsJpeg(const QString& format);
    static bool IsTiff(const QString& format);
    // The bytes of the image's profile `name`; empty when it has none.
    static QByteArray ProfileBytes(const Magick::Image& image, const char* name);
    // The colour space an ICC profile's header names ("RGB", "CMYK", "GRAY").
    static QString IccSpace(const Magick::Blob& profile);
    // Why `profile` cannot go with the image's pixels ("the ICC profile for
    // grey pixels" on colour ones, or one readers cannot parse); empty when
    // it can.
    static QString IccMisfit(const Magick::Image& image, const Magick::Blob& profile);
    // Left on an image whose ICC profile the library took out as it set the
    // type written: "grey" or "colour", the pixels the profile was for.
    static constexpr const char* IccTakenOutArtifact = "brandquill:icc-taken-out";
    // Stores `bytes` as the profile `name` as they are, past the library's
    // bookkeeping, which would set the profiles a Photoshop block holds over
    // the image's own. The image must hold a profile already.
    static void StoreProfile(Magick::Image& image, const char* name, const QByteArray& bytes);
    // `edit` applied to every copy of the image's Exif: its profile and the
    // Exif in Photoshop's resource block (ImageManagerFit.cpp).
    static void EditExif(Magick::Image& image, const std::function<QByteArray(const QByteArray&)>& edit);
};

// The image library's progress callback; client is an SProgressData.
MagickCore::MagickBooleanType MagickProgressMonitor(const char* text, MagickCore::MagickOffsetType offset,
                                                    MagickCore::MagickSizeType span, void* client);
// The raw decoder's progress callback, same contract.
bool ProgressMonitor(qint64 done, qint64 total, void* context);
