// Writing half of CImageManager: per-format options, the ICC profile
// decision and the write through a temporary sibling.
#include "ImageManager.h"

#include "AtomicReplace.h"
#include "ICCProfiles.h"
#include "ImageFilters.h"
#include "MagickReader.h"
#include "PictBands.h"
#include "PngCoder.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QDebug>
#include <QtEndian>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <memory>


// Set only by the batch benchmark, to measure what the read-back costs; the
// program itself never skips it.
static std::atomic<bool> g_SkipReadBack{false};

void CImageManager::SkipReadBackForBenchmark(bool skip)
{
    g_SkipReadBack = skip;
}

namespace {

// A quality setting as the library takes it; an edited job file may hold a
// negative value.
size_t Quality(int value)
{
    return static_cast<size_t>(std::max(0, value));
}

// An empty slot (a missing profile file) would strip the image's profile.
void AssignProfile(Magick::Image& image, const Magick::Blob& profile)
{
    if (profile.length() > 0)
        image.profile("icc", profile);
}

// The reason in a library message: "<tag> `<file>': <system error> @ <where>"
// gives the system's error, "<reason> `<file>' @ <where>" the reason.
QString LibraryReason(const QString& message)
{
    QString text = message;
    // Magick++ puts the client's name in front.
    const QString client = QString::fromUtf8(MagickCore::GetClientName()) + QLatin1String(": ");
    if (text.startsWith(client))
        text = text.mid(client.size());
    const int where = text.lastIndexOf(QLatin1String(" @ "));
    if (where >= 0)
        text.truncate(where);
    const int quoted = text.indexOf(QLatin1String("': "));
    if (quoted >= 0)
        text = text.mid(quoted + 3);
    else if (text.indexOf(QLatin1String(" `")) > 0)
        text.truncate(text.indexOf(QLatin1String(" `")));
    text = text.trimmed();
    if (!text.isEmpty())
        text[0] = text.at(0).toLower();
    return text;
}

QString ExceptionReason(const MagickCore::ExceptionInfo* exception)
{
    const QString description = QString::fromUtf8(exception->description ? exception->description : "");
    // A system error stands in the description after the file's name.
    if (description.contains(QLatin1String("': ")))
        return LibraryReason(description);
    return LibraryReason(QString::fromUtf8(exception->reason ? exception->reason : ""));
}

// Writes an image list in one call. Coders file their errors on the frames
// as well as in the call's report; either, a warning included, fails it
// with its reason in `reason`.
bool WriteList(QList<Magick::Image>& pages, const std::string& file, bool adjoin, QString& reason)
{
    for (Magick::Image& page : pages) {
        page.modifyImage();
        MagickCore::ClearMagickException(&page.image()->exception);
    }
    if (!Magick::linkImages(pages.begin(), pages.end()))
        return false;
    Magick::Image& first = pages.first();
    first.adjoin(adjoin);
    MagickCore::ExceptionInfo* exception = MagickCore::AcquireExceptionInfo();
    bool ok = MagickCore::WriteImages(first.constImageInfo(), first.image(), file.c_str(), exception) !=
                  MagickCore::MagickFalse &&
              exception->severity == MagickCore::UndefinedException;
    if (exception->severity != MagickCore::UndefinedException)
        reason = ExceptionReason(exception);
    for (const Magick::Image& page : pages) {
        const MagickCore::ExceptionInfo& filed = page.constImage()->exception;
        if (filed.severity != MagickCore::UndefinedException && reason.isEmpty())
            reason = ExceptionReason(&filed);
        ok = ok && filed.severity == MagickCore::UndefinedException;
    }
    Magick::unlinkImages(pages.begin(), pages.end());
    MagickCore::DestroyExceptionInfo(exception);
    return ok;
}

// Whether the library's coder for this output format stores several pages
// in one file.
bool FormatJoinsPages(const QString& format)
{
    MagickCore::ExceptionInfo* exception = MagickCore::AcquireExceptionInfo();
    const MagickCore::MagickInfo* info = MagickCore::GetMagickInfo(format.toLatin1().constData(), exception);
    MagickCore::DestroyExceptionInfo(exception);
    return info && MagickCore::GetMagickAdjoin(info) != MagickCore::MagickFalse;
}

// The library's TIFF writer gives libtiff an IPTC profile's length in 32-bit
// words where libtiff takes bytes: three quarters of it are lost, and a
// short one leaves a file that does not read. Photoshop's resource block,
// which it stores whole, carries the profile instead, as in JPEG files.
void IptcInResources(Magick::Image& image)
{
    if (!MagickCore::GetImageProfile(image.constImage(), "iptc"))
        return;
    image.modifyImage();
    MagickCore::Image* raw = image.image();
    QByteArray block = CImageManager::ProfileBytes(image, "8bim");
    if (!block.contains(QByteArray("8BIM\x04\x04", 6))) {
        const QByteArray data = CImageManager::ProfileBytes(image, "iptc");
        char length[4];
        qToBigEndian(static_cast<quint32>(data.size()), length);
        block += QByteArray("8BIM\x04\x04\0\0", 8) + QByteArray(length, 4) + data;
        if (data.size() % 2)
            block += '\0';
    }
    // Past the library's bookkeeping, which takes the IPTC out of the block
    // with the profile and puts the profile back with the block.
    MagickCore::DeleteImageProfile(raw, "iptc");
    CImageManager::StoreProfile(image, "8bim", block);
}

// The library takes the ICC profile out when the type changes the colour
// space (grey pixels written as RGB, colour ones as grey); the line says so.
void SetType(Magick::Image& image, Magick::ImageType type)
{
    const Magick::Blob icc = image.profile("icc");
    image.type(type);
    if (icc.length() > 0 && image.profile("icc").length() == 0)
        image.artifact(CImageManager::IccTakenOutArtifact,
                       CImageManager::IccSpace(icc) == QLatin1String("GRAY") ? "grey" : "colour");
}

// TIFF compressions that store one bit a pixel.
bool IsFaxCompression(int tiffAlgorithm)
{
    return tiffAlgorithm == 4 || tiffAlgorithm == 5;
}

} // namespace

bool CImageManager::IsJpeg(const QString& format)
{
    return format == QLatin1String("JPG") || format == QLatin1String("JPEG");
}

bool CImageManager::IsTiff(const QString& format)
{
    return format == QLatin1String("TIF") || format == QLatin1String("TIFF");
}

QByteArray CImageManager::ProfileBytes(const Magick::Image& image, const char* name)
{
    const Magick::Blob blob = image.profile(name);
    return QByteArray(static_cast<const char*>(blob.data()), int(blob.length()));
}

void CImageManager::StoreProfile(Magick::Image& image, const char* name, const QByteArray& bytes)
{
    image.modifyImage();
    MagickCore::AddValueToSplayTree(static_cast<MagickCore::SplayTreeInfo*>(image.image()->profiles),
                                    MagickCore::ConstantString(name),
                                    MagickCore::BlobToStringInfo(bytes.constData(), size_t(bytes.size())));
}

void CImageManager::SelectCompAlgorithm(Magick::Image& image, const QString& format)
{
    static const Magick::CompressionType pdf[] = {Magick::JPEGCompression, Magick::LZWCompression,
                                                  Magick::RLECompression, Magick::ZipCompression};
    static const Magick::CompressionType tiff[] = {Magick::LZWCompression,  Magick::RLECompression,
                                                   Magick::ZipCompression,  Magick::JPEGCompression,
                                                   Magick::FaxCompression,  Magick::Group4Compression,
                                                   Magick::NoCompression};
    // A value outside the table (only from an edited job file) sets nothing.
    if (format == QLatin1String("PDF")) {
        if (m_pProfile->PdfAlg >= 0 && m_pProfile->PdfAlg < 4)
            image.compressType(pdf[m_pProfile->PdfAlg]);
    } else if (IsTiff(format)) {
        if (m_pProfile->TiffAlg >= 0 && m_pProfile->TiffAlg < 7)
            image.compressType(tiff[m_pProfile->TiffAlg]);
    }
}

void CImageManager::SelectImageType(Magick::Image& image, const QString& format)
{
    static const Magick::ImageType jpeg[] = {Magick::GrayscaleType, Magick::TrueColorType,
                                             Magick::ColorSeparationType};
    static const Magick::ImageType tiff[] = {Magick::BilevelType, Magick::PaletteType, Magick::TrueColorType,
                                             Magick::TrueColorMatteType, Magick::ColorSeparationType};
    if (IsJpeg(format)) {
        ApplyProfile(image, format);
        if (m_pProfile->JpegType >= 0 && m_pProfile->JpegType < 3)
            SetType(image, jpeg[m_pProfile->JpegType]);
    } else if (IsTiff(format)) {
        ApplyProfile(image, format);
        if (m_pProfile->TiffType >= 0 && m_pProfile->TiffType < 5)
            SetType(image, tiff[m_pProfile->TiffType]);
        IptcInResources(image);
        // Fax and Group 4 code bilevel images only; any other type would be
        // written uncompressed.
        if (IsFaxCompression(m_pProfile->TiffAlg))
            SetType(image, Magick::BilevelType);
    }
}

void CImageManager::FlattenForOutput(Magick::Image& image, const QString& format) const
{
    const int type = m_pProfile->TiffType;
    const bool tiffWithoutAlpha =
        IsTiff(format) && ((type >= 0 && type < 5 && type != 3) || IsFaxCompression(m_pProfile->TiffAlg));
    const bool noAlpha = IsJpeg(format) || format == QLatin1String("JPE") || format == QLatin1String("BMP") ||
                         format == QLatin1String("PCX") || format == QLatin1String("WBMP") || tiffWithoutAlpha;
    if (!noAlpha || !image.matte())
        return;
    const std::string chosen = image.artifact(CImageFilters::BackgroundArtifact);
    image.backgroundColor(chosen.empty() ? Magick::Color("white") : Magick::Color(chosen));
    image.modifyImage();
    MagickCore::SetImageAlphaChannel(image.image(), MagickCore::RemoveAlphaChannel);
}

void CImageManager::ApplyProfile(Magick::Image& image, const QString& format)
{
    SystemLogWrite(QStringLiteral("CImageManager::ApplyProfile"));
    const bool jpeg = IsJpeg(format);
    const bool tiff = IsTiff(format);
    const bool cmykOutput = (jpeg && m_pProfile->JpegType == 2) || (tiff && m_pProfile->TiffType == 4);
    const bool customOutput = (jpeg && m_pProfile->JpegType == 3) || (tiff && m_pProfile->TiffType == 5);
    const Magick::Blob srgb = m_pIcc->GetIccProfile(CICCProfiles::SlotSrgb);
    // A profile for other pixels, or one that does not parse, would turn the
    // colours it converts: the photo is then taken as one without a profile.
    const bool misfit = m_SourceProfile.length() > 0 && !IccMisfit(image, m_SourceProfile).isEmpty();
    const bool embedded = m_SourceProfile.length() > 0 && !misfit;
    if (misfit && (cmykOutput || customOutput || m_bSourceCmyk)) {
        image.modifyImage();
        MagickCore::DeleteImageProfile(image.image(), "icc");
    }

    if (cmykOutput) {
        const Magick::Blob rswop = m_pIcc->GetIccProfile(CICCProfiles::SlotRswop);
        if (m_bSourceCmyk) {
            // Back to the source's own CMYK space, or to RSWOP.
            AssignProfile(image, embedded ? m_SourceProfile : rswop);
        } else {
            // Label (an RGB photo without a profile is taken as sRGB), then convert.
            AssignProfile(image, embedded ? m_SourceProfile : srgb);
            AssignProfile(image, rswop);
        }
    } else if (customOutput) {
        const Magick::Blob custom = m_pIcc->GetIccProfile(CICCProfiles::SlotCustom);
        if (!m_bSourceCmyk)
            AssignProfile(image, embedded ? m_SourceProfile : srgb);
        AssignProfile(image, custom);
    } else if (m_bSourceCmyk) {
        AssignProfile(image, srgb);
    }
}

bool CImageManager::WriteThroughTemporary(const QString& path, Magick::Image* image,
                                          QList<Magick::Image>* pages, bool adjoin)
{
    auto output = std::make_unique<CAtomicReplace>(path);
    // The output is no more public than the photo read.
    output->SetModeSource(m_Path);
    std::string file;
    if (!output->Create()) {
        m_WriteError = output->ErrorString();
        return false;
    }
    if (!MagickPath(output->TemporaryPath(), true, file)) {
        m_WriteError = CAtomicReplace::SystemError(ENAMETOOLONG);
        return false;
    }
    bool ok = false;
    QString pngWarning;
    QStringList leftOut;
    QStringList written{output->TemporaryPath()};
    const QString format = FormatOf(path);
    // PNG not through the library's coder: it lets one write run at a time.
    const bool png = format == QLatin1String("PNG");
    // Nor a PICT wider than that coder writes, or past PICT's coordinates.
    const auto pictBands = [&format](const Magick::Image& one) {
        return format == QLatin1String("PICT") && CPictBands::Needed(one);
    };
    errno = 0;
    try {
        if (image) {
            FitToWriter(*image, format, leftOut);
            image->depth(8);
            if (png) {
                ok = CPngCoder::Write(*image, output->TemporaryPath(), m_WriteError, &pngWarning);
            } else if (pictBands(*image)) {
                ok = CPictBands::Write(*image, output->TemporaryPath(), m_WriteError);
            } else {
                image->write(file);
                ok = true;
            }
        } else {
            for (Magick::Image& page : *pages) {
                FitToWriter(page, format, leftOut);
                page.depth(8);
            }
            leftOut.removeDuplicates();
            // Pages that go to separate files are written one by one under
            // numbered temporaries: left to the library, a "%" in the folder
            // would turn its numbering off.
            if (pages->size() > 1 && (!adjoin || !FormatJoinsPages(format))) {
                ok = true;
                written.clear();
                for (int i = 0; ok && i < pages->size(); ++i) {
                    const QString partPath = output->TemporaryPartPath(i);
                    written << partPath;
                    Magick::Image& page = (*pages)[i];
                    if (png) {
                        ok = CPngCoder::Write(page, partPath, m_WriteError, &pngWarning);
                    } else if (pictBands(page)) {
                        ok = CPictBands::Write(page, partPath, m_WriteError);
                    } else {
                        std::string part;
                        QList<Magick::Image> one{page};
                        ok = MagickPath(partPath, true, part) && WriteList(one, part, false, m_WriteError);
                    }
                }
            } else if (png && pages->size() == 1) {
                ok = CPngCoder::Write(pages->first(), output->TemporaryPath(), m_WriteError, &pngWarning);
            } else if (pages->size() == 1 && pictBands(pages->first())) {
                ok = CPictBands::Write(pages->first(), output->TemporaryPath(), m_WriteError);
            } else {
                ok = WriteList(*pages, file, adjoin, m_WriteError);
            }
        }
    } catch (const Magick::Exception& e) {
        // Warnings included: the output may be incomplete.
        m_WriteError = LibraryReason(QString::fromUtf8(e.what()));
        ok = false;
    }
    // The library's writers may leave a file that their own readers refuse,
    // or whose pixels do not decode: every frame is decoded (a PSD's layers
    // may fail where its merged image reads), through a stream that keeps
    // no image, once the image written has gone. JPEG and TIFF readers meet
    // all metadata in the header, the rest is libjpeg's or libtiff's own:
    // a ping is enough there, and spares the common outputs a decode.
    const bool headerEnough = IsJpeg(format) || format == QLatin1String("JPE") || IsTiff(format);
    const bool skipCheck = g_SkipReadBack.load();
    if (m_ReleaseWritten) {
        if (image)
            *image = Magick::Image();
        if (pages)
            pages->clear();
        m_Image = Magick::Image();
        m_Pages.clear();
        if (ok && !png && !skipCheck && m_BeforeCheck)
            m_BeforeCheck();
    }
    for (int i = 0; ok && !png && !skipCheck && i < written.size(); ++i) {
        const CMagickReader::SResult back = headerEnough ? CMagickReader::Ping(written.at(i), CMagickReader::AllFrames)
                                                         : CMagickReader::Stream(written.at(i));
        const QString refused = back.error.isEmpty() ? back.damage : back.error;
        if (!refused.isEmpty()) {
            m_WriteError = QStringLiteral("the file written does not read back: %1").arg(refused);
            ok = false;
        }
    }
    if (!pngWarning.isEmpty())
        leftOut << pngWarning;
    if (ok && !leftOut.isEmpty()) {
        m_LeftOut = leftOut.join(QLatin1String(", "));
        qDebug().noquote() << "Warning:" << path << "written without" << m_LeftOut;
    }
    if (!ok) {
        // The library says only that it could not write; the system said why.
        const int error = errno;
        if (error == ENOSPC || error == EDQUOT || error == EFBIG || error == EIO || error == EROFS)
            m_WriteError = CAtomicReplace::SystemError(error);
        // The library names the file it was given, the hidden temporary (or
        // a numbered part of it); the user knows the output by its own name.
        const auto stem = [](const QString& file) { return file.left(file.lastIndexOf(QLatin1Char('.'))); };
        m_WriteError.replace(stem(output->TemporaryPath()), stem(path));
        return false;
    }
    if (m_CommitLater) {
        m_Uncommitted = std::move(output);
        return true;
    }
    if (!output->Commit()) {
        m_WriteError = output->ErrorString();
        return false;
    }
    m_WrittenFiles = output->CommittedFiles();
    return true;
}

std::unique_ptr<CAtomicReplace> CImageManager::TakeUncommitted()
{
    return std::move(m_Uncommitted);
}

bool CImageManager::Write(const QString& path)
{
    m_WrittenFiles.clear();
    m_Uncommitted.reset();
    m_WriteError.clear();
    m_LeftOut.clear();
    std::string file;
    if (!MagickPath(path, true, file) || !m_Image.isValid()) {
        m_WriteError = m_Image.isValid() ? CAtomicReplace::SystemError(ENAMETOOLONG) : QStringLiteral("no image");
        return false;
    }
    const QString format = FormatOf(path);
    try {
        FlattenForOutput(m_Image, format);
        m_Image.quality(format == QLatin1String("PNG") ? Quality(m_pProfile->PNGComp * 100)
                                                       : Quality(m_pProfile->Quality));
        SelectCompAlgorithm(m_Image, format);
        SelectImageType(m_Image, format);
        m_Image.attribute("exif:Software", "Brandquill");
        m_Image.interlaceType(static_cast<Magick::InterlaceType>(m_pProfile->Interlaced + 1));
        // Only ".JPG" gets the size limit; ".jpeg" keeps its quality.
        if (m_pProfile->FixedSize && format == QLatin1String("JPG"))
            m_Image.defineValue("jpeg", "extent", QString::number(m_pProfile->FileSize).toStdString() + "kb");
    } catch (const Magick::Exception& e) {
        m_WriteError = LibraryReason(QString::fromUtf8(e.what()));
        return false;
    }
    return WriteThroughTemporary(path, &m_Image, nullptr, false);
}

bool CImageManager::WriteMultipage(const QString& path, bool oneDocument)
{
    m_WrittenFiles.clear();
    m_Uncommitted.reset();
    m_WriteError.clear();
    m_LeftOut.clear();
    std::string file;
    if (!MagickPath(path, true, file)) {
        m_WriteError = CAtomicReplace::SystemError(ENAMETOOLONG);
        return false;
    }
    const QString format = FormatOf(path);
    const int mode = m_pProfile->MultipageWrite;
    // A one-document run added its photos as pages and left no image.
    if (mode == 1 && !m_Image.isValid() && !m_Pages.isEmpty())
        FlattenLayers();
    bool ok = true;
    try {
        switch (mode) {
        case 0: {
            if (m_Pages.isEmpty())
                return false;
            // A GIF's screen is its first frame's canvas: in one document it
            // holds every page whole, and each page shows alone on it. A PDF
            // page takes its canvas as its size, so there each keeps its own.
            const bool screen = oneDocument && format == QLatin1String("GIF");
            size_t width = 0;
            size_t height = 0;
            for (const Magick::Image& page : m_Pages) {
                width = std::max(width, page.columns());
                height = std::max(height, page.rows());
            }
            for (Magick::Image& page : m_Pages) {
                if (screen) {
                    page.page(Magick::Geometry(width, height, 0, 0));
                    page.gifDisposeMethod(MagickCore::BackgroundDispose);
                }
                FlattenForOutput(page, format);
                SelectCompAlgorithm(page, format);
                SelectImageType(page, format);
                page.quality(Quality(m_pProfile->Quality));
            }
            ok = WriteThroughTemporary(path, nullptr, &m_Pages, oneDocument);
            break;
        }
        case 1:
            if (m_Image.isValid())
                FlattenForOutput(m_Image, format);
            ok = m_Image.isValid() && WriteThroughTemporary(path, &m_Image, nullptr, false);
            break;
        case 2: {
            if (m_Pages.isEmpty())
                return false;
            Magick::Image& first = m_Pages.first();
            FlattenForOutput(first, format);
            SelectCompAlgorithm(first, format);
            SelectImageType(first, format);
            first.quality(Quality(m_pProfile->Quality));
            QList<Magick::Image> single{first};
            ok = WriteThroughTemporary(path, nullptr, &single, false);
            break;
        }
        default:
            break;
        }
    } catch (const Magick::Exception& e) {
        m_WriteError = LibraryReason(QString::fromUtf8(e.what()));
        ok = false;
    }
    if (!ok)
        return false;
    m_Pages.clear();
    return true;
}
