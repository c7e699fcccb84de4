#include "ExifOrientation.h"

#include "TiffView.h"

#include <QRegularExpression>

namespace
{

constexpr quint32 kTagOrientation = 0x0112;

// Where IFD0 lies with its entry count; -1 when the block does not read.
qint64 Ifd0(const CTiffView& tiff)
{
    const qint64 ifd0 = tiff.U32(4);
    return tiff.Valid() && tiff.Has(ifd0, 2 + qint64(tiff.U16(ifd0)) * 12 + 4) ? ifd0 : -1;
}

} // namespace

int ExifOrientation::Of(const QByteArray& exif)
{
    QByteArray data = exif;
    const CTiffView tiff(data);
    const qint64 ifd0 = Ifd0(tiff);
    for (qint64 e = 0; ifd0 >= 0 && e < tiff.U16(ifd0); ++e) {
        const qint64 entry = ifd0 + 2 + e * 12;
        const quint32 type = tiff.U16(entry + 2);
        if (tiff.U16(entry) == kTagOrientation && tiff.U32(entry + 4) == 1 && (type == 3 || type == 4))
            return int(type == 3 ? tiff.U16(entry + 8) : tiff.U32(entry + 8));
    }
    return 0;
}

QByteArray ExifOrientation::With(const QByteArray& exif, int orientation)
{
    QByteArray data = exif;
    CTiffView tiff(data);
    const qint64 ifd0 = Ifd0(tiff);
    if (ifd0 < 0)
        return exif;
    const bool valid = orientation >= 1 && orientation <= 8;
    qint64 entries = tiff.U16(ifd0);
    for (qint64 e = 0; e < entries; ++e) {
        const qint64 entry = ifd0 + 2 + e * 12;
        if (tiff.U16(entry) != kTagOrientation)
            continue;
        const quint32 type = tiff.U16(entry + 2);
        if (valid && tiff.U32(entry + 4) == 1 && (type == 3 || type == 4)) {
            type == 3 ? tiff.SetU16(entry + 8, quint32(orientation)) : tiff.SetU32(entry + 8, quint32(orientation));
        } else {
            const int from = tiff.Base() + int(entry);
            const int length = int(ifd0 + 2 + entries * 12 + 4 - entry);
            data.replace(from, length, data.mid(from + 12, length - 12) + QByteArray(12, '\0'));
            tiff.SetU16(ifd0, quint32(--entries));
            --e;
        }
    }
    return data;
}

QByteArray ExifOrientation::InXmp(const QByteArray& xmp, int orientation)
{
    if (!xmp.contains(":Orientation"))
        return xmp;
    // Latin-1 gives back every byte as it was, whatever the encoding.
    QString text = QString::fromLatin1(xmp);
    const bool valid = orientation >= 1 && orientation <= 8;
    const QString value = QString::number(orientation);
    static const QRegularExpression element(QStringLiteral("<((?:tiff|exif):Orientation)>[^<]*</\\1>"));
    static const QRegularExpression attribute(
        QStringLiteral("\\s((?:tiff|exif):Orientation)\\s*=\\s*([\"'])[^\"']*\\2"));
    text.replace(element, valid ? QStringLiteral("<\\1>%1</\\1>").arg(value) : QString());
    text.replace(attribute, valid ? QStringLiteral(" \\1=\\2%1\\2").arg(value) : QString());
    return text.toLatin1();
}
