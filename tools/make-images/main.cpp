// bq-make-images <folder>: draws every interface image into <folder> and
// writes interface-images.qrc, which compiles them into the program. Run
// under the offscreen platform; the output is the same on every run.
#include "ImageList.h"
#include "Pictures.h"

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>

#include <cstdio>

namespace
{

void Complain(const QString& text)
{
    std::fputs((text + "\n").toLocal8Bit().constData(), stderr);
}

// Transparent canvas of `canvas` pixels, drawn at `scale` (2 for "@2x").
QImage Render(const std::function<void(QPainter&, const QSizeF&)>& draw, const QSize& canvas, int scale)
{
    QImage image(canvas, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    draw(p, QSizeF(canvas) / scale);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool Write(const QImage& image, const QString& path, const char* format)
{
    QImageWriter writer(path, format);
    if (writer.write(image))
        return true;
    Complain("cannot write " + path + ": " + writer.errorString());
    return false;
}

bool WriteQrc(const QString& path, QStringList files)
{
    files.sort();
    QByteArray text = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/\">\n";
    for (const QString& file : files)
        text += "    <file>" + file.toUtf8() + "</file>\n";
    text += "  </qresource>\n</RCC>\n";
    QSaveFile qrc(path);
    if (qrc.open(QIODevice::WriteOnly) && qrc.write(text) == text.size() && qrc.commit())
        return true;
    Complain("cannot write " + path);
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        Complain("usage: bq-make-images <output folder>");
        return 2;
    }
    // Text is drawn as outlines of DejaVu Sans; another font would change
    // every label and the bytes of the images.
    const QFontInfo font(QFont(QStringLiteral("DejaVu Sans")));
    if (font.family() != QLatin1String("DejaVu Sans")) {
        Complain("the font DejaVu Sans is missing (package fonts-dejavu-core); found " + font.family());
        return 1;
    }
    QDir dir(args.at(1));
    if (!dir.mkpath(QStringLiteral("."))) {
        Complain("cannot create " + args.at(1));
        return 1;
    }

    QStringList files;
    for (const InterfaceImage& image : InterfaceImages()) {
        if (!Write(Render(image.draw, image.size, 1), dir.filePath(image.name), "png"))
            return 1;
        files << image.name;
        if (image.size2x.isEmpty())
            continue;
        const QString name2x = DoubleResolutionName(image.name);
        if (!Write(Render(image.draw, image.size2x, 2), dir.filePath(name2x), "png"))
            return 1;
        files << name2x;
    }
    // The window icon: the application icon through Qt's ico writer.
    if (!Write(Render(DrawAppIcon, QSize(128, 128), 1), dir.filePath("Brandquill.ico"), "ico"))
        return 1;
    files << QStringLiteral("Brandquill.ico");
    // The desktop's menu icons: installed beside the program, not compiled
    // in, so they stay out of the folder that the resource list mirrors (a
    // missing folder fails the write below).
    dir.mkpath(QStringLiteral("desktop-icons"));
    for (int size : {48, 128, 256}) {
        const QString name = QStringLiteral("desktop-icons/AppIcon-%1.png").arg(size);
        if (!Write(Render(DrawAppIcon, QSize(size, size), 1), dir.filePath(name), "png"))
            return 1;
    }
    // Drawn into the same folder by bq-resgen from the frame art.
    files << QStringLiteral("Icons-Frames.png") << QStringLiteral("Icons-Frames@2x.png");

    return WriteQrc(dir.filePath("interface-images.qrc"), files) ? 0 : 1;
}
