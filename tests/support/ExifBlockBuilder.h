#pragma once
// Builds Exif blocks (the payload of a JPEG APP1 section: "Exif\0\0" and a
// TIFF structure) entry by entry, in either byte order, with IFD0, the Exif
// and GPS directories and IFD1 holding a JPEG thumbnail, and with the
// deliberate corruptions that reader tests need: entries whose counts and
// pointers lie, links that loop or point past the data, bad headers.
//
// Entries are written in the order they are added (the reader must cope with
// any order); values that do not fit the entry follow each directory. IFD0
// gets its pointers to the Exif and GPS directories after its own entries
// unless AddPointer placed them already.

#include <QByteArray>
#include <QPair>
#include <QVector>
#include <QtGlobal>

namespace BqTest {

class ExifBlockBuilder
{
public:
    enum Ifd { Ifd0, ExifIfd, GpsIfd, Ifd1, IfdCount };
    enum Format {
        Byte = 1,
        Ascii = 2,
        Short = 3,
        Long = 4,
        Rational = 5,
        SByte = 6,
        Undefined = 7,
        SShort = 8,
        SLong = 9,
        SRational = 10,
        Float = 11,
        Double = 12
    };
    using Fraction = QPair<qint64, qint64>;

    explicit ExifBlockBuilder(bool bigEndian = false);

    bool BigEndian() const { return m_bigEndian; }

    // Well-formed entries. Text gets its terminating NUL.
    ExifBlockBuilder& AddAscii(Ifd ifd, quint16 tag, const QByteArray& text);
    ExifBlockBuilder& AddShort(Ifd ifd, quint16 tag, quint16 value);
    ExifBlockBuilder& AddLong(Ifd ifd, quint16 tag, quint32 value);
    ExifBlockBuilder& AddRationals(Ifd ifd, quint16 tag, const QVector<Fraction>& values,
                                   bool isSigned = false);
    // An entry whose value bytes are given as they go into the file.
    ExifBlockBuilder& AddBytes(Ifd ifd, quint16 tag, Format format, const QByteArray& bytes);
    // An entry written exactly as given: count and value field are not checked
    // against anything.
    ExifBlockBuilder& AddRawEntry(Ifd ifd, quint16 tag, quint16 format, quint32 count,
                                  quint32 valueField);
    // An entry of type Long whose value is the offset of another directory
    // (which then exists even when empty).
    ExifBlockBuilder& AddPointer(Ifd ifd, quint16 tag, Ifd target);

    // IFD1 with compression 6, the JPEG offset and length, the bytes placed
    // at the end of the block.
    ExifBlockBuilder& SetThumbnail(const QByteArray& jpeg);

    // The thumbnail right after IFD0 and its values (padded to even), the
    // other directories after it, as some cameras lay it out.
    ExifBlockBuilder& SetThumbnailFirst() { return m_thumbnailFirst = true, *this; }

    // Corruptions.
    ExifBlockBuilder& SetThumbnailLength(quint32 statedLength);
    ExifBlockBuilder& SetByteOrderMark(const QByteArray& twoBytes);
    ExifBlockBuilder& SetMagic(quint16 value);
    // IFD0 is placed at this offset (the gap is zero-filled when it lies past
    // the header); the header's pointer says the same.
    ExifBlockBuilder& SetFirstIfdOffset(quint32 offset);
    // The pointer IFD0 holds to the Exif or GPS directory.
    ExifBlockBuilder& SetSubIfdPointer(Ifd sub, quint32 offset);
    // The link after a directory's entries.
    ExifBlockBuilder& SetNextLink(Ifd from, Ifd to);
    ExifBlockBuilder& SetNextLinkRaw(Ifd from, quint32 offset);
    // A link this many bytes past the end of the TIFF data.
    ExifBlockBuilder& SetNextLinkPastEnd(Ifd from, quint32 beyondEnd);
    // The entry count written for a directory.
    ExifBlockBuilder& SetEntryCount(Ifd ifd, quint16 count);

    // "Exif\0\0" followed by the TIFF structure.
    QByteArray Build() const;

    // After Build(): offsets from the TIFF header.
    quint32 IfdOffset(Ifd ifd) const { return m_ifdOffset[ifd]; }
    quint32 ThumbnailOffset() const { return m_thumbnailOffset; }
    // Every length, count, offset and link field of the last build, as
    // (offset from the TIFF header, size in bytes).
    QVector<QPair<int, int>> LengthFields() const { return m_lengthFields; }

    // Value bytes in the builder's byte order.
    QByteArray U16(quint16 v) const;
    QByteArray U32(quint32 v) const;

private:
    enum class Points { Nothing, ToIfd, ToThumbnail };
    struct Entry {
        quint16 tag = 0;
        quint16 format = 0;
        quint32 count = 0;
        QByteArray bytes;        // value bytes, inline or out of line
        bool raw = false;        // valueField written as is
        quint32 valueField = 0;
        Points points = Points::Nothing;
        Ifd target = Ifd0;
    };
    enum class LinkKind { Auto, ToIfd, Raw, PastEnd };
    struct Link {
        LinkKind kind = LinkKind::Auto;
        Ifd target = Ifd0;
        quint32 value = 0;
    };

    QVector<Entry> EntriesOf(Ifd ifd) const;
    bool IsPresent(Ifd ifd) const;
    static int ValueSize(const Entry& entry);

    bool m_bigEndian;
    QVector<Entry> m_entries[IfdCount];
    bool m_referenced[IfdCount] = {};
    Link m_link[IfdCount];
    int m_entryCount[IfdCount] = {-1, -1, -1, -1};
    qint64 m_subPointer[IfdCount] = {-1, -1, -1, -1};
    QByteArray m_thumbnail;
    bool m_thumbnailFirst = false;
    qint64 m_thumbnailLength = -1;
    QByteArray m_byteOrderMark;
    int m_magic = 42;
    quint32 m_firstIfd = 8;

    mutable quint32 m_ifdOffset[IfdCount] = {};
    mutable quint32 m_thumbnailOffset = 0;
    mutable QVector<QPair<int, int>> m_lengthFields;
};

// A JPEG section: marker, big-endian length (the body's length + 2 unless
// given) and body.
QByteArray JpegSegment(quint8 marker, const QByteArray& body, int statedLength = -1);
// `jpeg` with an APP1 section holding `payload` right after start-of-image;
// empty when `jpeg` is no JPEG.
QByteArray SpliceApp1(const QByteArray& jpeg, const QByteArray& payload);

} // namespace BqTest
