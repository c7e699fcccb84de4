// bq-resgen <resources folder>: draws the frame masks and frame pictures
// into <folder>/Frames/ and the sample logo into <folder>/Sample.png. The
// output depends only on this program: fixed seeds, no dates.
#include "FramePictures.h"
#include "ImageOutput.h"
#include "Masks.h"
#include "SampleLogo.h"

#include <QDir>
#include <QGuiApplication>

#include <Magick++.h>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: bq-resgen <resources folder>\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Magick::InitializeMagick(argv[0]);

    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString frames = root + "/Frames/";
    if (!QDir().mkpath(frames)) {
        std::fputs("cannot create the Frames folder\n", stderr);
        return 1;
    }

    bool ok = true;
    // Blurred shapes: sigma 1.5 % of the shorter side.
    const double blur = 0.015 * MaskHeight;
    for (int i = 0; i < 6; ++i) {
        const QString number = QString::number(i + 1);
        const QImage shape = DrawShapeMask(i);
        ok = WriteMaskJpeg(shape, frames + "ShapeFrame" + number + ".jpg") && ok;
        ok = WriteMaskJpeg(BlurMask(shape, blur), frames + "ShapeFrame" + number + "b.jpg") && ok;
        ok = WriteMaskJpeg(DrawGrungeMask(i), frames + "GrungeFrame" + number + ".jpg") && ok;
    }
    for (int i = 0; i < PictureFrameCount; ++i)
        ok = WriteFrameGif(DrawPictureFrame(i), frames + "PictureFrame" + QString::number(i + 1) + ".gif") && ok;
    for (int i = 0; i < VintageFrameCount; ++i)
        ok = WriteFrameGif(DrawVintageFrame(i), frames + "VintageFrame" + QString::number(i + 1) + ".gif") && ok;
    ok = WritePng(DrawSampleLogo(), root + "/Sample.png") && ok;
    return ok ? 0 : 1;
}
