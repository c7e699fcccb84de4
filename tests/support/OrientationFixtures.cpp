#include "OrientationFixtures.h"

#include "PhotoMaker.h"

#include <Magick++.h>

namespace {
void AppendBig16(QByteArray& out, int v)
{
    out.append(static_cast<char>((v >> 8) & 0xff));
    out.append(static_cast<char>(v & 0xff));
}

void AppendBig32(QByteArray& out, quint32 v)
{
    AppendBig16(out, static_cast<int>(v >> 16));
    AppendBig16(out, static_cast<int>(v & 0xffff));
}

// A big-endian TIFF structure whose IFD0 holds one entry: Orientation.
QByteArray OrientationTiff(int orientation)
{
    QByteArray tiff("MM", 2);
    AppendBig16(tiff, 42);
    AppendBig32(tiff, 8);
    AppendBig16(tiff, 1);      // entry count
    AppendBig16(tiff, 0x0112); // Orientation
    AppendBig16(tiff, 3);      // SHORT
    AppendBig32(tiff, 1);      // count
    AppendBig16(tiff, orientation);
    AppendBig16(tiff, 0); // value padding
    AppendBig32(tiff, 0); // no next IFD
    return tiff;
}
} // namespace

namespace BqTest {

QByteArray OrientedTiff(int orientation, size_t width, size_t height, quint32 seed)
{
    Magick::Image photo = MakePhoto(width, height, seed);
    photo.orientation(static_cast<Magick::OrientationType>(orientation));
    Magick::Blob blob;
    photo.write(&blob, "TIFF");
    return QByteArray(static_cast<const char*>(blob.data()), static_cast<int>(blob.length()));
}

QByteArray InsertExifOrientation(const QByteArray& jpeg, int orientation)
{
    if (jpeg.size() < 4 || static_cast<quint8>(jpeg[0]) != 0xff || static_cast<quint8>(jpeg[1]) != 0xd8)
        return QByteArray();
    const QByteArray payload = QByteArray("Exif\0\0", 6) + OrientationTiff(orientation);
    QByteArray segment("\xff\xe1", 2);
    AppendBig16(segment, payload.size() + 2);
    segment += payload;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

QByteArray PsdWithExifOrientation(int orientation, size_t width, size_t height)
{
    const QByteArray tiff = OrientationTiff(orientation);
    QByteArray resource("8BIM\x04\x22\0\0", 8);
    AppendBig32(resource, static_cast<quint32>(tiff.size()));
    resource += tiff;
    Magick::Image photo = MakePhoto(width, height);
    photo.profile("8bim", Magick::Blob(resource.constData(), static_cast<size_t>(resource.size())));
    Magick::Blob blob;
    photo.write(&blob, "PSD");
    return QByteArray(static_cast<const char*>(blob.data()), static_cast<int>(blob.length()));
}

QList<int> OrientationEntries(const QByteArray& file)
{
    QList<int> values;
    for (const bool big : {false, true}) {
        const QByteArray entry =
            big ? QByteArray("\x01\x12\0\x03\0\0\0\x01", 8) : QByteArray("\x12\x01\x03\0\x01\0\0\0", 8);
        for (int at = file.indexOf(entry); at >= 0 && at + 10 <= file.size(); at = file.indexOf(entry, at + 1)) {
            const int first = static_cast<quint8>(file[at + 8]), second = static_cast<quint8>(file[at + 9]);
            values << (big ? first << 8 | second : second << 8 | first);
        }
    }
    return values;
}

} // namespace BqTest
