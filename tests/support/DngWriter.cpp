#include "DngWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
enum TiffType : quint16 { Byte = 1, Ascii = 2, Short = 3, Long = 4, Rational = 5, SRational = 10 };

struct Entry {
    quint16 tag;
    quint16 type;
    quint32 count;
    QByteArray data; // little-endian values
};

void Put16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void Put32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

Entry Shorts(quint16 tag, std::initializer_list<quint16> values)
{
    Entry e{tag, Short, quint32(values.size()), {}};
    for (quint16 v : values)
        Put16(e.data, v);
    return e;
}

Entry Longs(quint16 tag, std::initializer_list<quint32> values)
{
    Entry e{tag, Long, quint32(values.size()), {}};
    for (quint32 v : values)
        Put32(e.data, v);
    return e;
}

Entry Bytes(quint16 tag, std::initializer_list<quint8> values)
{
    Entry e{tag, Byte, quint32(values.size()), {}};
    for (quint8 v : values)
        e.data.append(char(v));
    return e;
}

Entry Text(quint16 tag, const QByteArray& text)
{
    QByteArray data = text;
    data.append('\0');
    return Entry{tag, Ascii, quint32(data.size()), data};
}

// Fractions over a common denominator, signed or unsigned.
Entry Fractions(quint16 tag, quint16 type, std::initializer_list<double> values, qint32 denominator)
{
    Entry e{tag, type, quint32(values.size()), {}};
    for (double v : values) {
        Put32(e.data, quint32(qint32(std::lround(v * denominator))));
        Put32(e.data, quint32(denominator));
    }
    return e;
}

// Size of an IFD with its out-of-line values.
int IfdSize(const std::vector<Entry>& entries)
{
    int size = 2 + 12 * int(entries.size()) + 4;
    for (const Entry& e : entries)
        if (e.data.size() > 4)
            size += (e.data.size() + 1) & ~1;
    return size;
}

// Appends an IFD that starts at out.size(), its values right behind it.
void AppendIfd(QByteArray& out, std::vector<Entry> entries)
{
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.tag < b.tag; });
    quint32 valueOffset = quint32(out.size() + 2 + 12 * int(entries.size()) + 4);
    QByteArray values;
    Put16(out, quint16(entries.size()));
    for (const Entry& e : entries) {
        Put16(out, e.tag);
        Put16(out, e.type);
        Put32(out, e.count);
        if (e.data.size() <= 4) {
            out.append(e.data.leftJustified(4, '\0'));
        } else {
            Put32(out, valueOffset + quint32(values.size()));
            values.append(e.data);
            if (values.size() & 1)
                values.append('\0');
        }
    }
    Put32(out, 0); // no further IFD
    out.append(values);
}

// Raw sample of one colour: the linear value seen through the as-shot neutral.
quint16 Sample(double value, double neutral)
{
    return quint16(std::clamp(std::lround(value * neutral * 65535.0), 0L, 65535L));
}
} // namespace

namespace BqTest {

DngScene BandScene(double band)
{
    return [band](int, int y) {
        const double v = y < 8 ? band : 0.25;
        return LinearRgb{v, v, v};
    };
}

DngScene StripeScene()
{
    return [](int x, int y) {
        const double v = ((x + y) / 8) % 2 == 0 ? 0.7 : 0.1;
        return LinearRgb{v, v, v};
    };
}

QByteArray MakeDng(const DngLayout& layout)
{
    static const double neutral[3] = {1.0 / 2.0, 1.0, 2.0 / 3.0};
    QByteArray pixels;
    for (int y = 0; y < layout.height; ++y) {
        for (int x = 0; x < layout.width; ++x) {
            const LinearRgb c = layout.scene(x, y);
            if (layout.monochrome) {
                Put16(pixels, Sample(c.g, 1.0));
                continue;
            }
            // RGGB: red at even row and column, blue at odd row and column.
            const int colour = (y & 1) + (x & 1);
            const double value = colour == 0 ? c.r : colour == 1 ? c.g : c.b;
            Put16(pixels, Sample(value, neutral[colour]));
        }
    }

    const quint32 width = layout.claimedWidth ? layout.claimedWidth : quint32(layout.width);
    const quint32 height = layout.claimedHeight ? layout.claimedHeight : quint32(layout.height);
    std::vector<Entry> ifd0 = {
        Longs(254, {0}),
        Longs(256, {width}),
        Longs(257, {height}),
        Shorts(258, {16}),
        Shorts(259, {1}),
        Shorts(262, {quint16(layout.monochrome ? 34892 : 32803)}),
        Text(271, layout.make),
        Text(272, layout.model),
        Longs(273, {0}), // strip offset, set below
        Shorts(274, {layout.orientation}),
        Shorts(277, {1}),
        Longs(278, {height}),
        Longs(279, {quint32(pixels.size())}),
        Shorts(284, {1}),
        Bytes(50706, {1, 4, 0, 0}),
        Text(50708, layout.make + ' ' + layout.model),
        Longs(50714, {0}),
        Longs(50717, {65535}),
    };
    if (!layout.dateTime.isEmpty())
        ifd0.push_back(Text(306, layout.dateTime));
    if (!layout.monochrome) {
        ifd0.push_back(Shorts(33421, {2, 2}));
        ifd0.push_back(Bytes(33422, {0, 1, 1, 2}));
        // XYZ to linear sRGB, so that the camera space is sRGB itself.
        ifd0.push_back(Fractions(50721, SRational,
                                 {3.2406, -1.5372, -0.4986, -0.9689, 1.8758, 0.0415, 0.0557, -0.2040, 1.0570},
                                 10000));
        ifd0.push_back(Fractions(50728, Rational, {neutral[0], neutral[1], neutral[2]}, 1000000));
        ifd0.push_back(Shorts(50778, {21})); // D65
    }
    std::vector<Entry> exif;
    if (!layout.exifDateTime.isEmpty()) {
        exif.push_back(Text(36867, layout.exifDateTime));
        ifd0.push_back(Longs(34665, {0})); // Exif IFD offset, set below
    }

    const quint32 exifOffset = quint32(8 + IfdSize(ifd0));
    const quint32 stripOffset = exifOffset + quint32(exif.empty() ? 0 : IfdSize(exif));
    for (Entry& e : ifd0) {
        if (e.tag == 273)
            e = Longs(273, {stripOffset});
        else if (e.tag == 34665)
            e = Longs(34665, {exifOffset});
    }

    QByteArray out("II*\0", 4);
    Put32(out, 8);
    AppendIfd(out, ifd0);
    if (!exif.empty())
        AppendIfd(out, exif);
    Q_ASSERT(quint32(out.size()) == stripOffset);
    out.append(pixels);
    return out;
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}
} // namespace BqTest
