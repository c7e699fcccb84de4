#include "ExifBlockBuilder.h"

namespace {
constexpr quint16 kTagExifIfd = 0x8769;
constexpr quint16 kTagGpsIfd = 0x8825;
constexpr quint16 kTagCompression = 0x0103;
constexpr quint16 kTagThumbnailOffset = 0x0201;
constexpr quint16 kTagThumbnailLength = 0x0202;

const int kFormatSize[13] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};

void Put(QByteArray& out, int at, const QByteArray& bytes)
{
    if (out.size() < at + bytes.size())
        out.resize(at + bytes.size());
    for (int i = 0; i < bytes.size(); ++i)
        out[at + i] = bytes[i];
}
} // namespace

namespace BqTest {

ExifBlockBuilder::ExifBlockBuilder(bool bigEndian)
    : m_bigEndian(bigEndian)
    , m_byteOrderMark(bigEndian ? "MM" : "II")
{
}

QByteArray ExifBlockBuilder::U16(quint16 v) const
{
    QByteArray out(2, '\0');
    out[m_bigEndian ? 0 : 1] = static_cast<char>(v >> 8);
    out[m_bigEndian ? 1 : 0] = static_cast<char>(v & 0xff);
    return out;
}

QByteArray ExifBlockBuilder::U32(quint32 v) const
{
    const QByteArray high = U16(static_cast<quint16>(v >> 16));
    const QByteArray low = U16(static_cast<quint16>(v & 0xffff));
    return m_bigEndian ? high + low : low + high;
}

ExifBlockBuilder& ExifBlockBuilder::AddAscii(Ifd ifd, quint16 tag, const QByteArray& text)
{
    return AddBytes(ifd, tag, Ascii, text + QByteArray(1, '\0'));
}

ExifBlockBuilder& ExifBlockBuilder::AddShort(Ifd ifd, quint16 tag, quint16 value)
{
    return AddBytes(ifd, tag, Short, U16(value));
}

ExifBlockBuilder& ExifBlockBuilder::AddLong(Ifd ifd, quint16 tag, quint32 value)
{
    return AddBytes(ifd, tag, Long, U32(value));
}

ExifBlockBuilder& ExifBlockBuilder::AddRationals(Ifd ifd, quint16 tag, const QVector<Fraction>& values,
                                                 bool isSigned)
{
    QByteArray bytes;
    for (const Fraction& f : values)
        bytes += U32(static_cast<quint32>(f.first)) + U32(static_cast<quint32>(f.second));
    return AddBytes(ifd, tag, isSigned ? SRational : Rational, bytes);
}

ExifBlockBuilder& ExifBlockBuilder::AddBytes(Ifd ifd, quint16 tag, Format format, const QByteArray& bytes)
{
    Entry e;
    e.tag = tag;
    e.format = static_cast<quint16>(format);
    e.count = static_cast<quint32>(bytes.size() / kFormatSize[format]);
    e.bytes = bytes;
    m_entries[ifd].append(e);
    return *this;
}

ExifBlockBuilder& ExifBlockBuilder::AddRawEntry(Ifd ifd, quint16 tag, quint16 format, quint32 count,
                                                quint32 valueField)
{
    Entry e;
    e.tag = tag;
    e.format = format;
    e.count = count;
    e.raw = true;
    e.valueField = valueField;
    m_entries[ifd].append(e);
    return *this;
}

ExifBlockBuilder& ExifBlockBuilder::AddPointer(Ifd ifd, quint16 tag, Ifd target)
{
    Entry e;
    e.tag = tag;
    e.format = Long;
    e.count = 1;
    e.points = Points::ToIfd;
    e.target = target;
    m_entries[ifd].append(e);
    m_referenced[target] = true;
    return *this;
}

ExifBlockBuilder& ExifBlockBuilder::SetThumbnail(const QByteArray& jpeg)
{
    m_thumbnail = jpeg;
    return *this;
}

ExifBlockBuilder& ExifBlockBuilder::SetThumbnailLength(quint32 statedLength)
{
    m_thumbnailLength = statedLength;
    return *this;
}

ExifBlockBuilder& ExifBlockBuilder::SetByteOrderMark(const QByteArray& twoBytes)
{
    m_byteOrderMark = twoBytes;
    return *this;
}

ExifBlockBuilder& ExifBlockBuilder::SetMagic(quint16 value)
{
    m_magic = value;
    return *this;
}

ExifBlockBuilder& ExifBlockBuilder::SetFirstIfdOffset(quint32 offset)
{
    m_firstIfd = offset;
    return *this;
}

ExifBlockBuilder& ExifBlockBuilder::SetSubIfdPointer(Ifd sub, quint32 offset)
{
    m_subPointer[sub] = offset;
    return *this;
}

ExifBlockBuilder& ExifBlockBuilder::SetNextLink(Ifd from, Ifd to)
{
    m_link[from] = {LinkKind::ToIfd, to, 0};
    m_referenced[to] = true;
    return *this;
}

ExifBlockBuilder& ExifBlockBuilder::SetNextLinkRaw(Ifd from, quint32 offset)
{
    m_link[from] = {LinkKind::Raw, Ifd0, offset};
    return *this;
}

ExifBlockBuilder& ExifBlockBuilder::SetNextLinkPastEnd(Ifd from, quint32 beyondEnd)
{
    m_link[from] = {LinkKind::PastEnd, Ifd0, beyondEnd};
    return *this;
}

ExifBlockBuilder& ExifBlockBuilder::SetEntryCount(Ifd ifd, quint16 count)
{
    m_entryCount[ifd] = count;
    return *this;
}

bool ExifBlockBuilder::IsPresent(Ifd ifd) const
{
    if (ifd == Ifd0 || m_referenced[ifd] || !m_entries[ifd].isEmpty())
        return true;
    return ifd == Ifd1 && !m_thumbnail.isEmpty();
}

QVector<ExifBlockBuilder::Entry> ExifBlockBuilder::EntriesOf(Ifd ifd) const
{
    QVector<Entry> entries = m_entries[ifd];
    // IFD0 points at the Exif and GPS directories after its own entries, so
    // that the camera make is known when a maker note is met.
    const auto pointer = [&](Ifd sub, quint16 tag) {
        if (!IsPresent(sub) && m_subPointer[sub] < 0)
            return;
        for (const Entry& e : m_entries[Ifd0]) {
            if (e.points == Points::ToIfd && e.target == sub && m_subPointer[sub] < 0)
                return; // the caller placed the pointer itself
        }
        Entry e;
        e.tag = tag;
        e.format = Long;
        e.count = 1;
        if (m_subPointer[sub] >= 0) {
            e.raw = true;
            e.valueField = static_cast<quint32>(m_subPointer[sub]);
        } else {
            e.points = Points::ToIfd;
            e.target = sub;
        }
        entries.append(e);
    };
    if (ifd == Ifd0) {
        pointer(ExifIfd, kTagExifIfd);
        pointer(GpsIfd, kTagGpsIfd);
    }
    if (ifd == Ifd1 && !m_thumbnail.isEmpty()) {
        Entry compression;
        compression.tag = kTagCompression;
        compression.format = Short;
        compression.count = 1;
        compression.bytes = U16(6);
        Entry offset;
        offset.tag = kTagThumbnailOffset;
        offset.format = Long;
        offset.count = 1;
        offset.points = Points::ToThumbnail;
        Entry length;
        length.tag = kTagThumbnailLength;
        length.format = Long;
        length.count = 1;
        length.bytes = U32(m_thumbnailLength >= 0 ? static_cast<quint32>(m_thumbnailLength)
                                                  : static_cast<quint32>(m_thumbnail.size()));
        entries << compression << offset << length;
    }
    return entries;
}

int ExifBlockBuilder::ValueSize(const Entry& entry)
{
    if (entry.raw || entry.points != Points::Nothing || entry.bytes.size() <= 4)
        return 0;
    return (entry.bytes.size() + 1) & ~1;
}

QByteArray ExifBlockBuilder::Build() const
{
    QVector<Entry> entries[IfdCount];
    for (int i = 0; i < IfdCount; ++i)
        entries[i] = EntriesOf(static_cast<Ifd>(i));

    // Pass 1: where each directory and the thumbnail go.
    quint32 at = qMax<quint32>(8, m_firstIfd);
    for (int i = 0; i < IfdCount; ++i) {
        m_ifdOffset[i] = 0;
        if (!IsPresent(static_cast<Ifd>(i)))
            continue;
        m_ifdOffset[i] = at;
        at += 2 + 12 * static_cast<quint32>(entries[i].size()) + 4;
        for (const Entry& e : entries[i])
            at += static_cast<quint32>(ValueSize(e));
        if (i == Ifd0 && m_thumbnailFirst) {
            m_thumbnailOffset = at;
            at += static_cast<quint32>(m_thumbnail.size() + 1) & ~1u;
        }
    }
    if (!m_thumbnailFirst)
        m_thumbnailOffset = at;
    const quint32 total = m_thumbnailFirst ? at : at + static_cast<quint32>(m_thumbnail.size());

    // Pass 2: the bytes.
    m_lengthFields.clear();
    QByteArray tiff(static_cast<int>(total), '\0');
    Put(tiff, 0, m_byteOrderMark);
    Put(tiff, 2, U16(static_cast<quint16>(m_magic)));
    Put(tiff, 4, U32(m_firstIfd));
    m_lengthFields.append({4, 4});
    for (int i = 0; i < IfdCount; ++i) {
        if (!IsPresent(static_cast<Ifd>(i)))
            continue;
        int pos = static_cast<int>(m_ifdOffset[i]);
        const int n = entries[i].size();
        Put(tiff, pos, U16(static_cast<quint16>(m_entryCount[i] >= 0 ? m_entryCount[i] : n)));
        m_lengthFields.append({pos, 2});
        int data = pos + 2 + 12 * n + 4;
        for (int k = 0; k < n; ++k) {
            const Entry& e = entries[i][k];
            const int entryAt = pos + 2 + 12 * k;
            Put(tiff, entryAt, U16(e.tag) + U16(e.format) + U32(e.count));
            m_lengthFields.append({entryAt + 4, 4});
            QByteArray field;
            if (e.raw) {
                field = U32(e.valueField);
            } else if (e.points == Points::ToIfd) {
                field = U32(m_ifdOffset[e.target]);
            } else if (e.points == Points::ToThumbnail) {
                field = U32(m_thumbnailOffset);
            } else if (e.bytes.size() <= 4) {
                field = e.bytes + QByteArray(4 - e.bytes.size(), '\0');
            } else {
                field = U32(static_cast<quint32>(data));
                Put(tiff, data, e.bytes);
                data += ValueSize(e);
            }
            if (e.raw || e.points != Points::Nothing || e.bytes.size() > 4 || e.tag == kTagThumbnailLength)
                m_lengthFields.append({entryAt + 8, 4});
            Put(tiff, entryAt + 8, field);
        }
        const Link& link = m_link[i];
        quint32 next = 0;
        switch (link.kind) {
        case LinkKind::Auto:
            next = i == Ifd0 && IsPresent(Ifd1) ? m_ifdOffset[Ifd1] : 0;
            break;
        case LinkKind::ToIfd:
            next = m_ifdOffset[link.target];
            break;
        case LinkKind::Raw:
            next = link.value;
            break;
        case LinkKind::PastEnd:
            next = total + link.value;
            break;
        }
        Put(tiff, pos + 2 + 12 * n, U32(next));
        m_lengthFields.append({pos + 2 + 12 * n, 4});
    }
    Put(tiff, static_cast<int>(m_thumbnailOffset), m_thumbnail);
    return QByteArray("Exif\0\0", 6) + tiff;
}

QByteArray JpegSegment(quint8 marker, const QByteArray& body, int statedLength)
{
    const int length = statedLength >= 0 ? statedLength : body.size() + 2;
    QByteArray out;
    out.append(static_cast<char>(0xff));
    out.append(static_cast<char>(marker));
    out.append(static_cast<char>((length >> 8) & 0xff));
    out.append(static_cast<char>(length & 0xff));
    return out + body;
}

QByteArray SpliceApp1(const QByteArray& jpeg, const QByteArray& payload)
{
    if (jpeg.size() < 4 || static_cast<quint8>(jpeg[0]) != 0xff || static_cast<quint8>(jpeg[1]) != 0xd8)
        return QByteArray();
    return jpeg.left(2) + JpegSegment(0xe1, payload) + jpeg.mid(2);
}

} // namespace BqTest
