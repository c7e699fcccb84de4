// libFuzzer driver for the JPEG section and Exif reader. Each input is
// written to a file and read by CMetadata::Read, as the thumbnail loader
// does. Besides crashes, leaks and hangs it stops on a broken promise of the
// reader: a thumbnail that does not lie inside its Exif section, or a size
// without a decoded picture (or the reverse).
#include "ExifBlockBuilder.h"
#include "FuzzSupport.h"
#include "Metadata.h"
#include "PhotoMaker.h"

#include <QFile>

#include <Magick++.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{

QString g_path;

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stdout, "fuzz_metadata: %s\n", what);
    std::fflush(stdout);
    std::abort();
}

QByteArray Jpeg(size_t width, size_t height, quint32 seed)
{
    Magick::Image image = BqTest::MakePhoto(width, height, seed);
    image.quality(80);
    Magick::Blob blob;
    image.write(&blob, "JPEG");
    return QByteArray(static_cast<const char*>(blob.data()), int(blob.length()));
}

void WriteSeed(const QString& folder, const QString& name, const QByteArray& bytes)
{
    QFile file(folder + '/' + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        Fail("cannot write a seed");
}

// Photos with Exif data in both byte orders, with GPS, a Canon maker note, a
// comment and directory links that loop, for an empty corpus folder.
void WriteSeeds(const QString& folder)
{
    using B = BqTest::ExifBlockBuilder;
    const QByteArray photo = Jpeg(48, 32, 1);
    const QByteArray thumbnail = Jpeg(16, 12, 2);
    for (bool big : {false, true}) {
        B block(big);
        block.AddAscii(B::Ifd0, 0x010f, "Canon")
            .AddAscii(B::Ifd0, 0x0110, "Canon EOS 5D")
            .AddShort(B::Ifd0, 0x0112, 6)
            .AddAscii(B::Ifd0, 0x0132, "2013:05:04 14:22:10")
            .AddRationals(B::ExifIfd, 0x829a, {{1, 250}})
            .AddBytes(B::ExifIfd, 0x927c, B::Undefined,
                      QByteArray("\x01\x00\x01\x00\x03\x00\x01\x00\x00\x00\x07\x00\x00\x00\x00\x00", 16))
            .AddBytes(B::ExifIfd, 0x9286, B::Undefined, QByteArray("ASCII\0\0\0a comment", 17))
            .AddAscii(B::GpsIfd, 1, "N")
            .AddRationals(B::GpsIfd, 2, {{48, 1}, {51, 1}, {72837, 2500}})
            .AddRationals(B::GpsIfd, 6, {{1234, 10}})
            .SetThumbnail(thumbnail);
        const QString order = big ? "mm" : "ii";
        WriteSeed(folder, order + "-standard.jpg", BqTest::SpliceApp1(photo, block.Build()));
        block.SetNextLink(B::Ifd1, B::Ifd0);
        WriteSeed(folder, order + "-loop.jpg", BqTest::SpliceApp1(photo, block.Build()));
    }
    WriteSeed(folder, "comment.jpg",
              photo.left(2) + BqTest::JpegSegment(0xfe, "a comment\r\nwith \x01 control") + photo.mid(2));
    WriteSeed(folder, "plain.jpg", photo);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    g_path = BqTest::StartEngineFuzzer(argc, argv, WriteSeeds) + "/input.jpg";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    BqTest::WriteFuzzInput(g_path, data, size);
    CMetadata metadata;
    metadata.Read(g_path);
    const unsigned bytes = metadata.GetThumbnailSize();
    const bool decoded = metadata.GetThumbnailWidth() > 0 && metadata.GetThumbnailHeight() > 0;
    if ((bytes > 0) != decoded)
        Fail("a thumbnail size without a decoded thumbnail, or the reverse");
    if (bytes == 0)
        return 0;
    const Section_t* section = metadata.Sections().ThumbnailSection();
    if (!section)
        Fail("a thumbnail without its section");
    const unsigned char* begin = section->Data.data();
    const unsigned char* thumbnail = metadata.GetThumbnail();
    if (thumbnail < begin + 8 || thumbnail + bytes > begin + section->Data.size())
        Fail("a thumbnail outside its section");
    return 0;
}
