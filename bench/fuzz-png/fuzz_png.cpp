// libFuzzer driver for the PNG reader and writer. Each input is written to a
// file, pinged and read by CPngCoder; what reads is written as PNG and read
// again. Besides crashes, leaks and hangs it stops on a broken promise of the
// coder: a written file that does not read back, reads back with warnings,
// or comes back in another size.
#include "FuzzSupport.h"
#include "PhotoMaker.h"
#include "PngCoder.h"

#include <QFile>

#include <Magick++.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace
{

QString g_input;
QString g_output;

[[noreturn]] void Fail(const char* what, const QString& detail = QString())
{
    std::fprintf(stdout, "fuzz_png: %s %s\n", what, qPrintable(detail));
    std::fflush(stdout);
    std::abort();
}

// Every colour type and depth the reader knows, interlaced and not, with
// text, a profile and a density, for an empty corpus folder.
void WriteSeeds(const QString& folder)
{
    const char* types[] = {"PNG24:", "PNG48:", "PNG32:", "PNG64:", "PNG8:", "PNG:"};
    int n = 0;
    for (const char* type : types) {
        for (bool interlaced : {false, true}) {
            Magick::Image image = BqTest::MakePhoto(23, 17, quint32(n + 1));
            if (std::string(type) == "PNG32:" || std::string(type) == "PNG64:")
                image.matte(true);
            if (std::string(type) == "PNG:")
                image.type(Magick::GrayscaleType);
            if (std::string(type) == "PNG8:") {
                image.quantizeColors(16);
                image.quantize();
            }
            image.interlaceType(interlaced ? Magick::LineInterlace : Magick::NoInterlace);
            image.attribute("Title", "a title");
            image.density(Magick::Geometry(72, 72));
            const QString name = folder + QStringLiteral("/seed-%1.png").arg(n++);
            image.write(type + QFile::encodeName(name).toStdString());
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    const QString home = BqTest::StartEngineFuzzer(argc, argv, WriteSeeds);
    g_input = home + "/input.png";
    g_output = home + "/output.png";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    BqTest::WriteFuzzInput(g_input, data, size);
    CPngCoder::Read(g_input, true, nullptr);
    CMagickReader::SResult read = CPngCoder::Read(g_input, false, nullptr);
    if (read.frames.isEmpty())
        return 0;
    Magick::Image image = read.frames.first();
    image.depth(8); // as the engine writes
    QString reason;
    QString warning;
    if (!CPngCoder::Write(image, g_output, reason, &warning))
        Fail("a photo that read could not be written:", reason);
    const CMagickReader::SResult again = CPngCoder::Read(g_output, false, nullptr);
    if (again.frames.isEmpty())
        Fail("the written file does not read back:", again.error);
    if (!again.clean)
        Fail("the written file reads back with warnings");
    if (again.frames.first().columns() != image.columns() || again.frames.first().rows() != image.rows())
        Fail("the written file has another size");
    return 0;
}
