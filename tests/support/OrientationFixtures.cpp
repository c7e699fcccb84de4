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
    // Big-endian TIFF header, IFD0 with one entry: Orientation, SHORT, 1.
    QByteArray tiff("MM", 2);
    AppendBig16(tiff, 42);
    AppendBig32(tiff, 8);
    AppendBig16(tiff, 1);      // entry count
    AppendBig16(tiff, 0x0112); // Orientation
    AppendBig16(tiff, 3);      // SHORT
    AppendBig32(tiff, 1);      // count
    AppendBig16(tiff, orientation);
    AppendBig16(tiff, 0);      // value padding
    AppendBig32(tiff, 0);      // no next IFD

    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xff\xe1", 2);
    AppendBig16(segment, payload.size() + 2);
    segment += payload;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

} // namespace BqTest
