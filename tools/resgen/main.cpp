// bq-resgen <resources folder> <interface images folder>: draws the frame
// masks and frame pictures into <resources>/Frames/, the sample logo into
// <resources>/Sample.png and the frame editors' icon sheets, drawn from the
// same frame art, into <interface images>/Icons-Frames(@2x).png. The output
// depends only on this program: fixed seeds, no dates.
#include "FrameIcons.h"
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
    if (argc != 3) {
        std::fputs("usage: bq-resgen <resources folder> <interface images folder>\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Magick::InitializeMagick(argv[0]);

    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString frames = root + "/Frames/";
    const QString icons = QString::fromLocal8Bit(argv[2]) + "/";
    if (!QDir().mkpath(frames) || !QDir().mkpath(icons)) {
        std::fputs("cannot create the Frames or the interface images folder\n", stderr);
        return 1;
    }

    bool ok = true;
    SFrameArt art;
    // Blurred shapes: sigma 1.5 % of the shorter side.
    const double blur = 0.015 * MaskHeight;
    for (int i = 0; i < 6; ++i) {
        const QString number = QString::number(i + 1);
        art.shapeMasks.append(DrawShapeMask(i));
        art.grungeMasks.append(DrawGrungeMask(i));
        const QImage& shape = art.shapeMasks.last();
        ok = WriteMaskJpeg(shape, frames + "ShapeFrame" + number + ".jpg") && ok;
        ok = WriteMaskJpeg(BlurMask(shape, blur), frames + "ShapeFrame" + number + "b.jpg") && ok;
        ok = WriteMaskJpeg(art.grungeMasks.last(), frames + "GrungeFrame" + number + ".jpg") && ok;
    }
    for (int i = 0; i < PictureFrameCount; ++i) {
        art.pictureFrames.append(DrawPictureFrame(i));
        ok = WriteFrameGif(art.pictureFrames.last(), frames + "PictureFrame" + QString::number(i + 1) + ".gif") && ok;
    }
    for (int i = 0; i < VintageFrameCount; ++i) {
        art.vintageFrames.append(DrawVintageFrame(i));
        ok = WriteFrameGif(art.vintageFrames.last(), frames + "VintageFrame" + QString::number(i + 1) + ".gif") && ok;
    }
    ok = WritePng(DrawSampleLogo(), root + "/Sample.png") && ok;
    ok = WritePng(DrawFrameIconSheet(art, 1), icons + "Icons-Frames.png") && ok;
    ok = WritePng(DrawFrameIconSheet(art, 2), icons + "Icons-Frames@2x.png") && ok;
    return ok ? 0 : 1;
}
