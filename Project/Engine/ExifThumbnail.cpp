#include "ExifThumbnail.h"

#include <QPair>
#include <QVector>

#include <algorithm>

namespace
{

// Bounds-checked reads in the block's byte order; every offset is relative
// to the TIFF header at `base`.
class CTiffView
{
public:
    CTiffView(QByteArray& data, int base) : m_Data(data), m_Base(base) { m_Big = data.mid(base, 2) == "MM"; }

    bool Valid() const
    {
        const QByteArray mark = m_Data.mid(m_Base, 2);
        return (mark == "II" || mark == "MM") && U16(2) == 42;
    }
    bool Has(qint64 offset, qint64 size) const
    {
        return offset >= 0 && size >= 0 && m_Base + offset + size <= m_Data.size();
    }
    quint32 U16(qint64 offset) const { return Read(offset, 2); }
    quint32 U32(qint64 offset) const { return Read(offset, 4); }
    void Zero(qint64 offset, qint64 size)
    {
        // Clipped to the block: a length that lies reaches no further.
        const qint64 begin = std::max<qint64>(0, std::min<qint64>(offset, m_Data.size() - m_Base));
        const qint64 end = std::max(begin, std::min<qint64>(offset + size, m_Data.size() - m_Base));
        std::fill(m_Data.begin() + int(m_Base + begin), m_Data.begin() + int(m_Base + end), '\0');
        m_Zeroed.append({begin, end});
    }
    // Where the zeroed ranges that reach the end of the block begin.
    qint64 ZeroedTail() const
    {
        qint64 tail = m_Data.size() - m_Base;
        for (bool moved = true; moved;) {
            moved = false;
            for (const QPair<qint64, qint64>& range : m_Zeroed) {
                if (range.first < tail && range.second >= tail) {
                    tail = range.first;
                    moved = true;
                }
            }
        }
        return tail;
    }

private:
    quint32 Read(qint64 offset, int size) const
    {
        if (!Has(offset, size))
            return 0;
        quint32 value = 0;
        for (int i = 0; i < size; ++i) {
            const quint32 byte = quint8(m_Data.at(int(m_Base + offset) + (m_Big ? i : size - 1 - i)));
            value = (value << 8) | byte;
        }
        return value;
    }

    QByteArray& m_Data;
    int m_Base;
    bool m_Big = false;
    QVector<QPair<qint64, qint64>> m_Zeroed;
};

enum : quint32 {
    TagStripOffsets = 0x0111,
    TagStripByteCounts = 0x0117,
    TagJpegOffset = 0x0201,
    TagJpegLength = 0x0202,
    TypeShort = 3,
};

// Value i of an entry of Short or Long values (inline or out of line).
quint32 EntryValue(const CTiffView& tiff, qint64 entry, quint32 i)
{
    const quint32 type = tiff.U16(entry + 2);
    const quint32 count = tiff.U32(entry + 4);
    const int size = type == TypeShort ? 2 : 4;
    const qint64 values = qint64(count) * size <= 4 ? entry + 8 : qint64(tiff.U32(entry + 8));
    return size == 2 ? tiff.U16(values + qint64(i) * 2) : tiff.U32(values + qint64(i) * 4);
}

} // namespace

QByteArray ExifThumbnail::Without(const QByteArray& exif, bool shrink)
{
    QByteArray data = exif;
    const int base = data.startsWith(QByteArray("Exif\0\0", 6)) ? 6 : 0;
    CTiffView tiff(data, base);
    if (!tiff.Valid())
        return QByteArray();
    const qint64 ifd0 = tiff.U32(4);
    if (!tiff.Has(ifd0, 2))
        return QByteArray();
    const qint64 link = ifd0 + 2 + qint64(tiff.U16(ifd0)) * 12;
    if (!tiff.Has(link, 4))
        return QByteArray();
    const qint64 ifd1 = tiff.U32(link);
    if (ifd1 == 0)
        return exif;
    const qint64 entries = tiff.U16(ifd1);
    if (ifd1 == ifd0 || !tiff.Has(ifd1, 2 + entries * 12))
        return QByteArray();

    qint64 jpegOffset = -1, jpegLength = 0;
    qint64 strips = -1, counts = -1;
    for (qint64 e = 0; e < entries; ++e) {
        const qint64 entry = ifd1 + 2 + e * 12;
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
        tiff.Zero(jpegOffset, jpegLength);
    if (strips >= 0 && counts >= 0) {
        // An uncompressed thumbnail: a handful of strips at most.
        const quint32 n = std::min<quint32>(tiff.U32(strips + 4), 4096);
        for (quint32 i = 0; i < n; ++i)
            tiff.Zero(EntryValue(tiff, strips, i), EntryValue(tiff, counts, i));
    }
    tiff.Zero(ifd1, 2 + entries * 12 + 4);
    // IFD0 itself stays whole.
    const qint64 tail = std::max(tiff.ZeroedTail(), link + 4);
    tiff.Zero(link, 4);
    if (shrink)
        data.truncate(int(base + tail));
    return data;
}

void ExifThumbnail::RemoveFrom(Magick::Image& image)
{
    const Magick::Blob blob = image.profile("exif");
    if (blob.length() == 0)
        return;
    const QByteArray exif(static_cast<const char*>(blob.data()), int(blob.length()));
    const QByteArray cleaned = Without(exif);
    if (cleaned == exif)
        return;
    if (cleaned.isEmpty())
        image.profile("exif", Magick::Blob());
    else
        image.profile("exif", Magick::Blob(cleaned.constData(), size_t(cleaned.size())));
}
