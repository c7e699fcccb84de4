#include "ExifThumbnail.h"

#include "ImageManager.h"
#include "TiffView.h"

#include <QPair>
#include <QVector>

#include <algorithm>

namespace
{

using Span = QPair<qint64, qint64>; // [begin, end) from the TIFF header

enum : quint32 {
    TagStripOffsets = 0x0111,
    TagStripByteCounts = 0x0117,
    TagSubIfds = 0x014a,
    TagJpegOffset = 0x0201,
    TagJpegLength = 0x0202,
    TagExifIfd = 0x8769,
    TagGpsIfd = 0x8825,
    TagMakerNote = 0x927c,
    TagInteropIfd = 0xa005,
    TypeShort = 3,
    TypeIfd = 13,
};

// Bytes of one value of each TIFF type; 0 for a type readers skip.
qint64 TypeSize(quint32 type)
{
    static const int sizes[] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8, 4};
    return type < sizeof sizes / sizeof *sizes ? sizes[type] : 0;
}

// Where the values of an entry lie: inline (the entry's own field) or out
// of line, then the offset field says where.
Span ValueSpan(const CTiffView& tiff, qint64 entry)
{
    const qint64 size = TypeSize(tiff.U16(entry + 2)) * tiff.U32(entry + 4);
    const qint64 at = size <= 4 ? entry + 8 : qint64(tiff.U32(entry + 8));
    return {at, at + size};
}

// Value i of an entry of Short or Long values (inline or out of line).
quint32 EntryValue(const CTiffView& tiff, qint64 entry, quint32 i)
{
    const qint64 values = ValueSpan(tiff, entry).first;
    return tiff.U16(entry + 2) == TypeShort ? tiff.U16(values + qint64(i) * 2) : tiff.U32(values + qint64(i) * 4);
}

// The directories that stay (IFD0 and those it points to) as their readers
// walk them: the bytes they use, the offset fields that place them (entry
// positions), and where the last of them begins that holds offsets of its
// own that cannot be followed (a maker note, sub-IFDs): past the first cut,
// closing up would move it. A directory that does not read leaves the walk
// inexact.
struct SKept {
    QVector<Span> spans;
    QVector<qint64> offsetFields{4};
    QVector<qint64> directories;
    qint64 unmovable = -1;
    bool exact = true;
};

void WalkKept(const CTiffView& tiff, qint64 ifd, SKept& kept)
{
    // However many pointers reach a directory, its offsets move once.
    if (kept.directories.contains(ifd))
        return;
    kept.directories.append(ifd);
    const qint64 entries = tiff.U16(ifd);
    // IFD0, Exif, GPS and Interop.
    if (kept.directories.size() > 4 || !tiff.Has(ifd, 2 + entries * 12 + 4)) {
        kept.exact = false;
        return;
    }
    kept.spans.append({ifd, ifd + 2 + entries * 12 + 4});
    for (qint64 e = 0; e < entries; ++e) {
        const qint64 entry = ifd + 2 + e * 12;
        const quint32 tag = tiff.U16(entry);
        const Span value = ValueSpan(tiff, entry);
        if (value.first != entry + 8) {
            kept.spans.append(value);
            kept.offsetFields.append(entry + 8);
        }
        if (tag == TagExifIfd || tag == TagGpsIfd || tag == TagInteropIfd) {
            // One offset, in the entry.
            if (value.first != entry + 8) {
                kept.exact = false;
                continue;
            }
            kept.offsetFields.append(entry + 8);
            WalkKept(tiff, tiff.U32(entry + 8), kept);
        } else if (tag == TagMakerNote) {
            kept.unmovable = std::max(kept.unmovable, std::min(value.first, qint64(tiff.U32(entry + 8))));
        } else if (tag == TagSubIfds || tiff.U16(entry + 2) == TypeIfd) {
            // Directories that are not walked, with values that may lie
            // anywhere: as if at the end.
            kept.unmovable = tiff.Size();
        }
    }
}

// Spans clipped to the block, in order, touching ones joined.
QVector<Span> Joined(const QVector<Span>& spans, qint64 size)
{
    QVector<Span> sorted;
    for (Span span : spans) {
        span.first = std::clamp<qint64>(span.first, 0, size);
        span.second = std::clamp<qint64>(span.second, span.first, size);
        if (span.second > span.first)
            sorted.append(span);
    }
    std::sort(sorted.begin(), sorted.end());
    QVector<Span> joined;
    for (const Span& span : sorted) {
        if (!joined.isEmpty() && span.first <= joined.last().second)
            joined.last().second = std::max(joined.last().second, span.second);
        else
            joined.append(span);
    }
    return joined;
}

// Whether `span` shares a byte with the joined spans.
bool Hits(const QVector<Span>& joined, const Span& span)
{
    const auto after = std::upper_bound(joined.begin(), joined.end(), span.first,
                                        [](qint64 at, const Span& s) { return at < s.second; });
    return after != joined.end() && after->first < span.second;
}

} // namespace

QByteArray ExifThumbnail::Without(const QByteArray& exif)
{
    QByteArray data = exif;
    CTiffView tiff(data);
    const int base = tiff.Base();
    // Where no reader finds IFD1, no reader finds a thumbnail.
    const qint64 ifd0 = tiff.U32(4);
    const qint64 link = ifd0 + 2 + qint64(tiff.U16(ifd0)) * 12;
    if (!tiff.Valid() || !tiff.Has(ifd0, 2) || !tiff.Has(link, 4))
        return exif;
    const qint64 ifd1 = tiff.U32(link);
    if (ifd1 == 0)
        return exif;
    tiff.SetU32(link, 0);
    const qint64 entries = tiff.U16(ifd1);
    if (ifd1 == ifd0 || !tiff.Has(ifd1, 2 + entries * 12 + 4))
        return data;

    SKept kept;
    WalkKept(tiff, ifd0, kept);
    const QVector<Span> stays = Joined(kept.spans, tiff.Size());

    // What goes: IFD1, its values (unless IFD0 shares them) and the
    // thumbnail's bytes.
    QVector<Span> gone{{ifd1, ifd1 + 2 + entries * 12 + 4}};
    qint64 jpegOffset = -1, jpegLength = 0;
    qint64 strips = -1, counts = -1;
    for (qint64 e = 0; e < entries; ++e) {
        const qint64 entry = ifd1 + 2 + e * 12;
        const Span value = ValueSpan(tiff, entry);
        if (value.first != entry + 8 && !Hits(stays, value))
            gone.append(value);
        switch (tiff.U16(entry)) {
        case TagJpegOffset:
            jpegOffset = EntryValue(tiff, entry, 0);
            break;
        case TagJpegLength:
            jpegLength = EntryValue(tiff, entry, 0);
            break;
        case TagStripOffsets:
            strips = entry;
            break;
        case TagStripByteCounts:
            counts = entry;
            break;
        default:
            break;
        }
    }
    if (jpegOffset >= 0)
        gone.append({jpegOffset, jpegOffset + jpegLength});
    if (strips >= 0 && counts >= 0) {
        // An uncompressed thumbnail: a handful of strips at most.
        const quint32 n = std::min<quint32>(tiff.U32(strips + 4), 4096);
        for (quint32 i = 0; i < n; ++i) {
            const qint64 at = EntryValue(tiff, strips, i);
            gone.append({at, at + EntryValue(tiff, counts, i)});
        }
    }
    // A length that lies reaches no further than the block.
    const QVector<Span> cuts = Joined(gone, tiff.Size());
    // A thumbnail that shares bytes with what stays (its length lies), or
    // a walk that missed a directory, leaves nothing safe to move.
    const bool exact =
        kept.exact && std::none_of(cuts.begin(), cuts.end(), [&](const Span& cut) { return Hits(stays, cut); });
    // Offsets that no reader of the block knows would neither move down nor
    // survive a cut-off: the bytes are zeroed where they lie, up to what
    // stays, and only a zeroed tail (with its pad byte) leaves the block.
    const qint64 first = cuts.first().first;
    if (!exact || kept.unmovable >= first) {
        for (const Span& cut : cuts) {
            const auto next = std::upper_bound(stays.begin(), stays.end(), cut.first,
                                               [](qint64 at, const Span& s) { return at < s.second; });
            const qint64 end = next == stays.end() ? cut.second : std::clamp(next->first, cut.first, cut.second);
            std::fill(data.begin() + int(base + cut.first), data.begin() + int(base + end), '\0');
        }
        const Span last = cuts.last();
        if (exact && last.second + 1 >= tiff.Size() && stays.last().second <= last.first)
            data.truncate(int(base + last.first));
        return data;
    }
    // Nothing that stays lies past the first cut: the block ends there, pad
    // bytes and all.
    if (stays.last().second <= first) {
        data.truncate(int(base + first));
        return data;
    }
    // Otherwise the cuts close up and the offsets past them move down, by an
    // even count so that values stay on even offsets: an odd cut keeps one
    // zero byte.
    QVector<qint64> below{0}; // bytes cut before the end of each cut
    for (const Span& cut : cuts)
        below.append(below.last() + ((cut.second - cut.first) & ~1));
    for (const qint64 field : kept.offsetFields) {
        const qint64 offset = tiff.U32(field);
        if (offset >= tiff.Size())
            continue; // a bad offset stays as bad, pointing at nothing
        const auto after =
            std::upper_bound(cuts.begin(), cuts.end(), offset, [](qint64 at, const Span& s) { return at < s.second; });
        tiff.SetU32(field, quint32(offset - below.at(int(after - cuts.begin()))));
    }
    for (int i = cuts.size() - 1; i >= 0; --i) {
        const Span& cut = cuts.at(i);
        data[int(base + cut.second - 1)] = '\0';
        data.remove(int(base + cut.first), int((cut.second - cut.first) & ~1));
    }
    return data;
}

void ExifThumbnail::RemoveFrom(Magick::Image& image)
{
    CImageManager::EditExif(image, Without);
}
