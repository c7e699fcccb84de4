// What each writer of CImageManager is given: metadata cut to what the
// format holds, repaired or taken out, and densities its readers take. The
// write itself is in ImageManagerWrite.cpp.
#include "ImageManager.h"

#include "ExifOrientation.h"
#include "ExifThumbnail.h"
#include "ICCProfiles.h"

#include <QPair>
#include <QStringList>
#include <QVector>
#include <QtEndian>

namespace
{

// Stored as it is, never applied: Magick++ would convert the pixels to a
// new ICC profile. Empty bytes take the profile out.
void SetProfileBytes(Magick::Image& image, const char* name, const QByteArray& bytes)
{
    image.modifyImage();
    if (bytes.isEmpty()) {
        MagickCore::DeleteImageProfile(image.image(), name);
        return;
    }
    MagickCore::StringInfo* profile = MagickCore::BlobToStringInfo(bytes.constData(), size_t(bytes.size()));
    MagickCore::SetImageProfile(image.image(), name, profile);
    MagickCore::DestroyStringInfo(profile);
}

// Photoshop's resource block as its readers walk it: a signature, an id, a
// Pascal name and a length per resource, name and data padded to even. A
// length past the block, or bytes where no resource begins, end the block
// there. `visit` gets each resource's id, where it begins, the size of its
// name, where its data begins and its size, and where the next begins; the
// result is where the walk ended.
template <typename Visit> int WalkResources(const QByteArray& block, Visit visit)
{
    int at = 0;
    while (at + 12 <= block.size() && block.mid(at, 4) == "8BIM") {
        const int nameSize = quint8(block.at(at + 6));
        const int sizeAt = at + 6 + ((nameSize + 2) & ~1);
        if (sizeAt + 4 > block.size())
            break;
        const quint32 size = qFromBigEndian<quint32>(block.constData() + sizeAt);
        if (size > quint32(block.size() - sizeAt - 4))
            break;
        const int end = sizeAt + 4 + int(size);
        const int next = end + (size % 2 && block.mid(end, 4) != "8BIM" ? 1 : 0);
        visit(qFromBigEndian<quint16>(block.constData() + at + 4), at, nameSize, sizeAt + 4, int(size), next);
        at = next;
    }
    return at;
}

// Each resource is written back as the library's writer walks it, which
// takes every name for empty: name empty, pads zero (a missing one added).
// Its reader refuses a resource without data: that goes, and so does the
// ICC profile, as the writer writes the image's own and the one here, set
// with the block, would replace it. `damaged` says whether anything but
// zeros and that profile was left out.
QByteArray RepairedResources(const QByteArray& block, bool& damaged)
{
    QByteArray repaired;
    damaged = false;
    const int end = WalkResources(block, [&](quint16 id, int at, int nameSize, int data, int size, int) {
        if (id == 0x040f)
            return;
        damaged = damaged || nameSize > 0 || size == 0;
        if (size > 0)
            repaired +=
                block.mid(at, 6) + QByteArray(2, '\0') + block.mid(data - 4, size + 4) + QByteArray(size % 2, '\0');
    });
    const QByteArray rest = block.mid(end);
    damaged = damaged || rest.count('\0') != rest.size();
    return repaired;
}

// Every copy of the orientation says the image's own, or, where that is
// none, none is written (the library would write 0): the Exif, also in
// Photoshop's resource block, and the XMP, which the library leaves as read.
// The writers take the TIFF tag and PNG's text from the image.
void SyncOrientation(Magick::Image& image)
{
    const int orientation = image.constImage()->orientation;
    CImageManager::EditExif(image,
                            [orientation](const QByteArray& exif) { return ExifOrientation::With(exif, orientation); });
    const QByteArray xmp = CImageManager::ProfileBytes(image, "xmp");
    const QByteArray xmpSynced = ExifOrientation::InXmp(xmp, orientation);
    if (xmpSynced != xmp)
        SetProfileBytes(image, "xmp", xmpSynced);
}

// The most pixels per unit any writer's field holds (JPEG's is 16 bits).
constexpr double kMaxDensity = 65535;
// What a PICT comment, a JPEG segment and a JPEG 2000 comment marker hold.
constexpr int kPictCommentBytes = 65535 - 4;
constexpr int kJpegSegmentBytes = 65535 - 2;
constexpr int kJp2CommentBytes = 65535 - 4;
// An ICC profile's share of a JPEG segment, after its 14-byte header.
constexpr int kJpegIccSegmentBytes = kJpegSegmentBytes - 14;
// What a TGA image ID and a Pascal string (a PSD layer's name) hold.
constexpr int kTgaIdBytes = 255;
constexpr int kPascalBytes = 255;

// The text `name` of the image cut to `bytes`, not inside a UTF-8
// character; what was cut goes to `leftOut`.
void CutText(Magick::Image& image, const char* name, int bytes, QStringList& leftOut)
{
    const std::string text = image.attribute(name);
    if (text.size() <= size_t(bytes))
        return;
    size_t cut = size_t(bytes);
    while (cut > 0 && (quint8(text[cut]) & 0xC0) == 0x80)
        --cut;
    image.attribute(name, text.substr(0, cut));
    leftOut << QStringLiteral("the %1 past %2 bytes").arg(QLatin1String(name)).arg(cut);
}

// Whether the pixels are grey, as the JPEG writer finds before it writes
// them in one channel.
bool IsGrey(const Magick::Image& image)
{
    MagickCore::ExceptionInfo* exception = MagickCore::AcquireExceptionInfo();
    const bool grey = MagickCore::IsGrayImage(image.constImage(), exception) != MagickCore::MagickFalse;
    MagickCore::DestroyExceptionInfo(exception);
    return grey;
}

// Whether the library's writer for `format` stores an ICC profile.
bool WriterTakesIcc(const QString& format)
{
    static const QStringList takers = {"JPG", "JPEG", "JPE", "TIF", "TIFF", "PNG", "PSD", "PICT", "PCT", "GIF", "BMP"};
    return takers.contains(format);
}

// The ICC profile goes with the photo only where its writer stores it and
// where it fits the pixels.
void FitIccProfile(Magick::Image& image, const QString& format, QStringList& leftOut)
{
    const Magick::Blob icc = image.profile("icc");
    const std::string takenOut = image.artifact(CImageManager::IccTakenOutArtifact);
    if (!takenOut.empty())
        leftOut << QStringLiteral("the ICC profile for %1 pixels").arg(QString::fromStdString(takenOut));
    if (icc.length() == 0)
        return;
    const QString why = WriterTakesIcc(format) ? CImageManager::IccMisfit(image, icc)
                                               : QStringLiteral("the ICC profile (the %1 writer stores none)").arg(format);
    if (why.isEmpty())
        return;
    SetProfileBytes(image, "icc", QByteArray());
    leftOut << why;
}

} // namespace

void CImageManager::EditExif(Magick::Image& image, const std::function<QByteArray(const QByteArray&)>& edit)
{
    const QByteArray exif = ProfileBytes(image, "exif");
    const QByteArray edited = edit(exif);
    if (edited != exif)
        SetProfileBytes(image, "exif", edited);
    // Each Exif resource with its new length and pad.
    const QByteArray block = ProfileBytes(image, "8bim");
    QByteArray rebuilt;
    int from = 0;
    WalkResources(block, [&](quint16 id, int, int, int data, int size, int next) {
        const QByteArray before = block.mid(data, size);
        const QByteArray after = id == 0x0422 ? edit(before) : before;
        if (after == before)
            return;
        QByteArray length(4, '\0');
        qToBigEndian<quint32>(quint32(after.size()), length.data());
        rebuilt += block.mid(from, data - 4 - from) + length + after + QByteArray(after.size() % 2, '\0');
        from = next;
    });
    if (from > 0)
        StoreProfile(image, "8bim", rebuilt + block.mid(from));
}

QString CImageManager::IccMisfit(const Magick::Image& image, const Magick::Blob& profile)
{
    if (!CICCProfiles::IsWhole(profile.data(), profile.length()))
        return QStringLiteral("the ICC profile (cut short or without tags)");
    if (IccSpace(profile) == QLatin1String("GRAY") && !IsGrey(image))
        return QStringLiteral("the ICC profile for grey pixels");
    return QString();
}

// What the library's writer for `format` cannot hold, or would write so that
// the file does not read: metadata cut to fit, repaired or taken out (what
// was left out goes to `leftOut`), a palette spelled out. A density no
// writer can hold is none; TIFF and PSD state 72 dpi for none, as their
// readers assume.
void CImageManager::FitToWriter(Magick::Image& image, const QString& format, QStringList& leftOut)
{
    SyncOrientation(image);
    const MagickCore::Image* raw = image.constImage();
    // Not a number stays: no reader makes one, and the write refuses it.
    const auto outOfRange = [](double density) { return density <= 0 || density > kMaxDensity; };
    const bool noDensity = outOfRange(raw->x_resolution) || outOfRange(raw->y_resolution);
    if (IsTiff(format) || format == QLatin1String("PSD")) {
        // A density without a unit is only an aspect ratio (JFIF's 1:1),
        // which these readers would take for 1 dpi.
        if (noDensity || raw->units == MagickCore::UndefinedResolution) {
            image.resolutionUnits(Magick::PixelsPerInchResolution);
            image.density(Magick::Geometry(72, 72));
        }
    } else if (noDensity && (raw->x_resolution != 0 || raw->y_resolution != 0)) {
        image.modifyImage();
        image.image()->x_resolution = image.image()->y_resolution = 0;
    }
    FitIccProfile(image, format, leftOut);
    if (format == QLatin1String("JP2") || format == QLatin1String("JPC") || format == QLatin1String("J2K")) {
        CutText(image, "comment", kJp2CommentBytes, leftOut);
    } else if (format == QLatin1String("TGA")) {
        CutText(image, "comment", kTgaIdBytes, leftOut);
    } else if (format == QLatin1String("PICT")) {
        // Its writer states a profile's length in 16 bits and keeps the
        // opcodes after it at even offsets only when the length is even.
        for (const char* name : {"icc", "iptc"}) {
            QByteArray profile = ProfileBytes(image, name);
            if (profile.size() > kPictCommentBytes - 1) {
                SetProfileBytes(image, name, QByteArray());
                leftOut << QStringLiteral("the %1 profile larger than a PICT comment").arg(QString(name).toUpper());
            } else if (profile.size() % 2) {
                SetProfileBytes(image, name, profile + '\0');
            }
        }
    } else if (format == QLatin1String("PSD")) {
        // The library's reader refuses the header of the indexed PSDs its
        // writer makes (a GIF's palette, for one).
        if (image.classType() == Magick::PseudoClass)
            image.classType(Magick::DirectClass);
        // The layer's name, a Pascal string.
        CutText(image, "label", kPascalBytes, leftOut);
        const QByteArray block = ProfileBytes(image, "8bim");
        bool damaged = false;
        const QByteArray repaired = RepairedResources(block, damaged);
        if (repaired != block)
            SetProfileBytes(image, "8bim", repaired);
        if (damaged)
            leftOut << QStringLiteral("part of its Photoshop resources");
    } else if (IsJpeg(format) || format == QLatin1String("JPE")) {
        QByteArray exif = ProfileBytes(image, "exif");
        // As a PSD holds it, it lacks the header JPEG readers look for.
        const QByteArray header("Exif\0\0", 6);
        if (!exif.isEmpty() && !exif.startsWith(header))
            SetProfileBytes(image, "exif", exif.prepend(header));
        if (exif.size() > kJpegSegmentBytes) {
            // The embedded thumbnail first, as it is safe to cut.
            const QByteArray cut = ExifThumbnail::Without(exif);
            const bool fits = !cut.isEmpty() && cut.size() <= kJpegSegmentBytes;
            SetProfileBytes(image, "exif", fits ? cut : QByteArray());
            leftOut << (fits ? QStringLiteral("the Exif thumbnail")
                             : QStringLiteral("the Exif block larger than a JPEG segment"));
        }
        // A profile goes into 255 segments at most.
        if (image.profile("icc").length() > size_t(255 * kJpegIccSegmentBytes)) {
            SetProfileBytes(image, "icc", QByteArray());
            leftOut << QStringLiteral("the ICC profile larger than a JPEG holds");
        }
    }
}
