#include "ImageFilters.h"

#include "FilterValues.h"
#include "MagickQt.h"
#include "MagickReader.h"
#include "PathSafety.h"
#include "Quantum.h"

#include <QBuffer>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMutex>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

namespace {
// The device pixel ratio that screen rendering adapts to, 1.0 otherwise.
double ScreenRatio(bool screen)
{
    return screen ? ScreenPixelRatio() : 1.0;
}

// Blur slots run 0-10; the effect takes radius trunc(v x 18 / 11).
int BlurRadius(double slot)
{
    return SlotInt(slot * 18 / 11);
}

// The text with its keywords replaced in one pass, so that a keyword inside
// a value (a photo named "x[Ext]y") stays as it is.
QString ReplaceKeywords(const QString& text, const QString& path)
{
    const int lastSlash = path.lastIndexOf(QLatin1Char('/'));
    const int lastDot = path.lastIndexOf(QLatin1Char('.'));
    const QString fileName = path.mid(lastSlash + 1);
    const int nameDot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString baseName = nameDot < 0 ? fileName : fileName.left(nameDot);
    const QString extension = path.mid(lastDot + 1);
    const QString folderPath = lastSlash < 0 ? QString() : path.left(lastSlash);
    const QString folderName = folderPath.mid(folderPath.lastIndexOf(QLatin1Char('/')) + 1);

    const std::pair<QString, QString> keywords[] = {
        {QStringLiteral("[Copyright]"), QString(QChar(0x00A9))},
        {QStringLiteral("[Registered]"), QString(QChar(0x00AE))},
        {QStringLiteral("[Trademark]"), QString(QChar(0x2122))},
        {QStringLiteral("[Servicemark]"), QString(QChar(0x2120))},
        {QStringLiteral("[Filename]"), baseName},
        {QStringLiteral("[Ext]"), extension},
        {QStringLiteral("[Folder]"), folderName},
        {QStringLiteral("[Path]"), QDir::toNativeSeparators(folderPath)},
    };
    QString out;
    out.reserve(text.size());
    int i = 0;
    while (i < text.size()) {
        bool replaced = false;
        if (text.at(i) == QLatin1Char('[')) {
            for (const auto& keyword : keywords) {
                if (text.midRef(i, keyword.first.size()) == keyword.first) {
                    out += keyword.second;
                    i += keyword.first.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            out += text.at(i++);
    }
    return out;
}

// Job files name fonts the way other systems do ("Arial-Regular"): a family
// the font database does not know loses a style suffix, since the style comes
// from the bold and italic slots. fontconfig then finds a substitute.
QString ResolveFamily(const QString& family)
{
    static const char* const suffixes[] = {"-Regular", "-Bold", "-Italic", "-BoldItalic"};
    if (QFontDatabase().hasFamily(family))
        return family;
    for (const char* suffix : suffixes) {
        if (family.endsWith(QLatin1String(suffix)))
            return family.left(family.size() - static_cast<int>(qstrlen(suffix)));
    }
    return family;
}

// The mark's font. The size is a pixel size, so marks keep the size that job
// files expect whatever the screen's DPI.
QFont MarkFont(const QString& family, int pixelSize, const double* slot)
{
    QFont font(ResolveFamily(family), -1, -1, false);
    font.setPixelSize(std::max(1, pixelSize));
    font.setWeight(slot[10] != 0 ? QFont::Bold : QFont::Normal);
    font.setItalic(slot[11] != 0);
    font.setUnderline(slot[12] != 0);
    font.setStrikeOut(slot[13] != 0);
    return font;
}

// The mark on the photo: once at the rectangle's corner, or tiled from the
// photo's top-left corner with the step the tile offsets give.
void CompositeMark(Magick::Image& target, const Magick::Image& mark, const QRect& rect, bool tile,
                   double tileSlotX, double tileSlotY)
{
    if (!tile) {
        target.composite(mark, rect.x(), rect.y(), Magick::OverCompositeOp);
        return;
    }
    const qint64 W = static_cast<qint64>(target.columns());
    const qint64 H = static_cast<qint64>(target.rows());
    const qint64 w = static_cast<qint64>(mark.columns());
    const qint64 h = static_cast<qint64>(mark.rows());
    if (w < 1 || h < 1)
        return;
    // Offsets within 0-100 % keep each step at least min(w, W) >= 1.
    const qint64 ox = std::clamp(SlotInt(tileSlotX), 0, 100);
    const qint64 oy = std::clamp(SlotInt(tileSlotY), 0, 100);
    const qint64 stepX = std::max<qint64>(1, (W - w) * ox / 100 + w);
    const qint64 stepY = std::max<qint64>(1, (H - h) * oy / 100 + h);
    for (qint64 i = 0; i <= W / stepX; ++i) {
        for (qint64 j = 0; j <= H / stepY; ++j)
            target.composite(mark, static_cast<ssize_t>(i * stepX), static_cast<ssize_t>(j * stepY),
                             Magick::OverCompositeOp);
    }
}

// Lowers every pixel's alpha by `drop`, not below 0. The caller has turned
// the alpha channel on and detached the image from any cache.
void LowerAlpha(Magick::Image& image, Magick::Quantum drop)
{
    const size_t w = image.columns();
    const size_t h = image.rows();
    Magick::Pixels view(image);
    for (size_t y = 0; y < h; ++y) {
        Magick::PixelPacket* p = view.get(0, static_cast<ssize_t>(y), w, 1);
        for (size_t x = 0; x < w; ++x) {
            // Opacity counts up from opaque; a lower alpha is a higher opacity.
            const double opacity = std::min(QuantumMax(), p[x].opacity + static_cast<double>(drop));
            p[x].opacity = static_cast<Magick::Quantum>(opacity);
        }
        view.sync();
    }
}

// Logos are read one at a time in the whole process, and the last one kept
// is shared: workers and previews that start on the same logo then decode it
// once, and never hold several full-size decodes at the same time.
struct SSharedLogo {
    QMutex mutex;
    QString key; // path, size, time and scale
    Magick::Image image;
    int percent = 0;
};

SSharedLogo& SharedLogo()
{
    static SSharedLogo shared;
    return shared;
}

// Why a logo drawn `width` x `height` cannot go on a photo of `photoPixels`,
// or "".
// Beyond 16 megapixels a mark may be no larger than the photo: no more of it
// can land there, and each copy on its way would take gigabytes.
QString LogoSizeReason(int percent, qint64 width, qint64 height, double photoPixels)
{
    constexpr double freePixels = 16.0 * 1000 * 1000;
    if (CImageFilters::MarkSizeAllowed(width, height) &&
        static_cast<double>(width) * static_cast<double>(height) <= std::max(freePixels, photoPixels))
        return QString();
    return QStringLiteral("the logo at %1 % would be %2 x %3 pixels, too large for a mark on this photo")
        .arg(percent)
        .arg(width)
        .arg(height);
}

// Reads the logo of `path` drawn at `percent` of its size, for a photo of
// `photoPixels`, into `logo` through the engine's reader; a logo drawn
// smaller than its file is scaled down to that size first (`keptPercent` is
// then `percent`, else 0). Returns why it cannot be read within the limits,
// or "".
QString ReadLogo(const QString& path, int percent, double photoPixels, Magick::Image& logo, int& keptPercent)
{
    const QFileInfo info(path);
    const QString key = QStringLiteral("%1|%2|%3|%4")
                            .arg(path)
                            .arg(info.size())
                            .arg(info.lastModified().toMSecsSinceEpoch())
                            .arg(percent);
    SSharedLogo& shared = SharedLogo();
    const QMutexLocker lock(&shared.mutex);
    if (shared.key == key) {
        logo = shared.image;
        keptPercent = shared.percent;
        return QString();
    }
    // The header says how large the logo is drawn before any pixel is
    // decoded: a mark beyond the limits is refused without reading it.
    const CMagickReader::SResult header = CMagickReader::Ping(path, CMagickReader::FirstFrame);
    if (header.frames.isEmpty())
        return header.error;
    const QSize own(static_cast<int>(header.frames.first().columns()), static_cast<int>(header.frames.first().rows()));
    const qint64 width = static_cast<qint64>(own.width()) * percent / 100;
    const qint64 height = static_cast<qint64>(own.height()) * percent / 100;
    const QString tooLarge = LogoSizeReason(percent, width, height, photoPixels);
    if (!tooLarge.isEmpty())
        return tooLarge;
    // Through the engine's reader: a regular file, its first frame only.
    const CMagickReader::SResult read = CMagickReader::Read(path, CMagickReader::FirstFrame);
    if (read.frames.isEmpty())
        return read.error;
    logo = read.frames.first();
    keptPercent = 0;
    if (percent < 100) {
        // Scaled down here, to the size ScaleImage would give, so that the
        // full-size pixels never reach Qt.
        const QSize drawn = own.scaled(static_cast<int>(width), static_cast<int>(height), Qt::KeepAspectRatio);
        Magick::Geometry size(static_cast<size_t>(drawn.width()), static_cast<size_t>(drawn.height()));
        size.aspect(true);
        logo.scale(size);
        keptPercent = percent;
    }
    shared.key = key;
    shared.image = logo;
    shared.percent = keptPercent;
    return QString();
}
} // namespace

bool CImageFilters::FilterText()
{
    QPixmap mark;
    QRect rect;
    UpdateText(mark, rect, record, sourcePath, static_cast<long>(target->columns()),
               static_cast<long>(target->rows()), 1.0, 0, 0, false);
    // A text without its texture is not the mark asked for.
    if (!failure.isEmpty())
        return false;
    const std::unique_ptr<Magick::Image> image(PixmapToImage(&mark));
    CompositeMark(*target, *image, rect, record.numbers[6] != 0, record.numbers[7],
                  record.numbers[8]);
    return true;
}

bool CImageFilters::FilterLogo()
{
    QPixmap mark;
    QRect rect;
    UpdateLogo(mark, rect, record, sourcePath, static_cast<long>(target->columns()),
               static_cast<long>(target->rows()), 1.0, 0, 0, false);
    const std::unique_ptr<Magick::Image> image(PixmapToImage(&mark));
    CompositeMark(*target, *image, rect, record.numbers[3] != 0, record.numbers[4],
                  record.numbers[5]);
    return true;
}

void CImageFilters::UpdateText(QPixmap& mark, QRect& rect, SFilterRecord rec, QString path,
                               long width, long height, double scale, int originX, int originY,
                               bool screen)
{
    const double* slot = rec.numbers;
    const QString text = ReplaceKeywords(rec.strings[0], path);
    const int startSize = static_cast<int>(std::abs(SlotInt(slot[9])) * 2.5);
    QFont font = MarkFont(rec.strings[1], startSize, slot);

    // On a high-density screen the font grows until it is as tall in device
    // pixels as it is in logical ones; bounded, in case the metrics stall.
    const double ratio = ScreenRatio(screen);
    if (ratio > 1) {
        font.setPixelSize(ScreenFontPixels(font.pixelSize(), ratio, [&font](int pixels) {
            QFont sized(font);
            sized.setPixelSize(pixels);
            return QFontMetrics(sized).height();
        }));
    }

    const double offsetX = slot[2] * scale;
    const double offsetY = slot[3] * scale;
    const int lineSpacing = SlotInt(slot[5]);
    const QFontMetrics metrics(font);
    QStringList lines;
    long blockWidth = 0;
    long blockHeight = 0;
    ComputeTextMultiline(text, metrics, lines, blockWidth, blockHeight, lineSpacing,
                         slot[11] != 0);
    const qint64 n = lines.size();
    const qint64 fontHeight = metrics.height();
    const int boxPercent = slot[22] == 1 ? SlotInt(slot[25]) : 0;
    const qint64 canvasWidth = blockWidth + static_cast<qint64>(boxPercent) * blockWidth / 100;
    const qint64 canvasHeight = blockHeight + fontHeight * boxPercent * n / 100;

    QImage result;
    // An empty text has width 0: the mark stays empty and the filter fails,
    // saying why.
    if (!MarkSizeAllowed(canvasWidth, canvasHeight)) {
        failure = canvasWidth < 1 || canvasHeight < 1 ? QStringLiteral("the text is empty")
                                                      : QStringLiteral("the text is too large for a mark");
    } else {
        QImage canvas(static_cast<int>(canvasWidth), static_cast<int>(canvasHeight),
                      QImage::Format_ARGB32);
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        painter.setFont(font);
        DrawBox(slot[22] != 0, &painter, &canvas, QColor(SlotRgb(slot[23])), SlotInt(slot[24]));
        SetupTextColor(&painter, QColor(SlotRgb(slot[14])), slot[15] != 0, rec.strings[2],
                       SlotInt(slot[16]), slot[18] != 0, QColor(SlotRgb(slot[19])),
                       SlotInt(slot[20]), SlotInt(slot[21]), 0.0);
        DrawMultiLine(&painter, font, lines, 0, 0, static_cast<int>(blockWidth), SlotInt(slot[0]),
                      lineSpacing, boxPercent);
        const int reference = static_cast<int>(n * painter.fontMetrics().height());
        painter.end();

        QSize shift(-1, -1);
        QImage turned = RotateImage(&canvas, SlotInt(slot[4]), shift);
        QImage blurred = BlurImage(turned, BlurRadius(slot[17]), shift, false);
        result = ShadowImage(slot[26] != 0, &blurred, QColor(SlotRgb(slot[27])), SlotInt(slot[28]),
                             SlotInt(slot[29]) / 2, reference, SlotInt(slot[30]),
                             SlotInt(slot[31]), shift);
    }

    mark = QPixmap::fromImage(result);
    if (scale != 1.0 && !mark.isNull())
        mark = mark.scaled(static_cast<int>(mark.width() * scale),
                           static_cast<int>(mark.height() * scale), Qt::KeepAspectRatio,
                           Qt::SmoothTransformation);
    const int markWidth = static_cast<int>(mark.width() / ratio);
    const int markHeight = static_cast<int>(mark.height() / ratio);
    rect = PositionTextinImage(SlotInt(slot[1]), width, height, offsetX, offsetY, markWidth,
                               markHeight)
               .translated(originX, originY);
}

void CImageFilters::UpdateLogo(QPixmap& mark, QRect& rect, SFilterRecord rec, QString,
                               long width, long height, double scale, int originX, int originY,
                               bool screen)
{
    const double* slot = rec.numbers;
    const QString path = rec.strings[0];
    const int percent = SlotInt(slot[6]);
    const double photoPixels = width / scale * (height / scale);
    Magick::Image logo;
    if (logoImage.isValid() && logoPath == path && (logoPercent == 0 || logoPercent == percent)) {
        logo = logoImage;
    } else {
        if (!QFile::exists(path)) {
            failure = CPathSafety::NotRegularFileReason(path);
            return;
        }
        const QString error = ReadLogo(path, percent, photoPixels, logo, logoPercent);
        if (!error.isEmpty()) {
            qDebug().noquote() << "Error:" << path << error;
            failure = error;
        }
        // A failed read is cached empty; an empty image is not valid, so the
        // next use reads the file again.
        logoImage = logo;
        logoPath = path;
    }
    if (logo.isValid()) {
        // The cache may have been filled for a larger photo.
        const qint64 kept = logoPercent == 0 ? percent : 100;
        const QString tooLarge = LogoSizeReason(percent, static_cast<qint64>(logo.columns()) * kept / 100,
                                                static_cast<qint64>(logo.rows()) * kept / 100, photoPixels);
        if (!tooLarge.isEmpty()) {
            failure = tooLarge;
            logo = Magick::Image();
        }
    }

    QImage picture;
    if (logo.isValid()) {
        logo.matte(true);
        logo.type(Magick::TrueColorMatteType);
        // Detach from the cache before writing pixels.
        logo.modifyImage();
        LowerAlpha(logo, QuantumFrom8(SlotInt(slot[8] * 2.55)));
        logo.backgroundColor(ColorFromRgb(qRgb(0, 0, 0), 100));
        picture = ImageMagickToQt(logo);
    }

    QSize shift(-1, -1);
    // A logo kept at its drawn size is not scaled again.
    QImage scaled = ScaleImage(&picture, logo.isValid() && logoPercent != 0 ? 100 : percent, shift);
    QImage stroked = StrokeImage(slot[10] != 0, &scaled, SlotInt(slot[13]),
                                 QColor(SlotRgb(slot[11])), SlotInt(slot[12]), shift);
    QImage turned = RotateImage(&stroked, SlotInt(slot[7]), shift);
    QImage blurred = BlurImage(turned, BlurRadius(slot[9]), shift, false);
    const int reference = static_cast<int>((turned.width() + turned.height()) / 10.0);
    const QImage result = ShadowImage(slot[14] != 0, &blurred, QColor(SlotRgb(slot[15])),
                                      SlotInt(slot[16]), SlotInt(slot[17]), reference,
                                      SlotInt(slot[18]), SlotInt(slot[19]), shift);

    mark = QPixmap::fromImage(result);
    // On a high-density screen the logo is made in device pixels; its place
    // is reckoned in logical ones below.
    const double ratio = ScreenRatio(screen);
    const double factor = scale * ratio;
    if (factor != 1.0 && !mark.isNull())
        mark = mark.scaled(static_cast<int>(mark.width() * factor),
                           static_cast<int>(mark.height() * factor), Qt::KeepAspectRatio,
                           Qt::SmoothTransformation);
    const int markWidth = static_cast<int>(mark.width() / ratio);
    const int markHeight = static_cast<int>(mark.height() / ratio);
    rect = PositionTextinImage(SlotInt(slot[0]), width, height, slot[1] * scale, slot[2] * scale,
                               markWidth, markHeight)
               .translated(originX, originY);
}

int CImageFilters::ScreenFontPixels(int startPixels, double ratio,
                                    const std::function<int(int)>& heightAt)
{
    if (!(ratio > 1))
        return startPixels;
    const double wanted = heightAt(startPixels) * ratio;
    const int limit = 4 * startPixels;
    int pixels = startPixels;
    while (wanted > heightAt(pixels) && pixels < limit)
        ++pixels;
    return pixels;
}

void CImageFilters::ComputeTextMultiline(QString text, QFontMetrics metrics, QStringList& lines,
                                         long& width, long& height, int lineSpacing, bool italic)
{
    // A trailing line feed gives a last empty line; an empty text one line.
    lines = text.split(QLatin1Char('\n'));
    width = 0;
    for (const QString& line : lines)
        width = std::max(width, static_cast<long>(metrics.horizontalAdvance(line)));
    if (italic)
        width = static_cast<long>(width + 0.05 * width);
    const long n = lines.size();
    height = n * metrics.height() + (n - 1) * lineSpacing;
}

void CImageFilters::DrawMultiLine(QPainter* painter, QFont font, QStringList lines, int x, int y,
                                  int width, int alignment, int lineSpacing, int boxPercent)
{
    const QFontMetrics metrics = painter->fontMetrics();
    const qint64 fh = metrics.height();
    const qint64 n = lines.size();
    // Half the box margins, so that the text sits in the middle of the box.
    const double halfX = static_cast<int>(static_cast<qint64>(boxPercent) * width / 100) * 0.5;
    const double halfY = static_cast<int>(n * fh * boxPercent / 100) * 0.5;
    QPainterPath path;
    for (qint64 k = 1; k <= n; ++k) {
        const QString& line = lines.at(static_cast<int>(k - 1));
        const int lineWidth = metrics.horizontalAdvance(line);
        int offset = 0;
        if (alignment == 2)
            offset = width - lineWidth;
        else if (alignment == 1)
            offset = (width - lineWidth) / 2;
        const QPointF baseline(offset + x + halfX,
                               static_cast<double>(fh * k - metrics.descent() + y
                                                   + (k - 1) * lineSpacing)
                                   + halfY);
        path.addText(baseline, font, line);
    }
    path.setFillRule(Qt::WindingFill);
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                            | QPainter::SmoothPixmapTransform);
    painter->drawPath(path.simplified());
}

QRect CImageFilters::PositionTextinImage(int placement, double width, double height,
                                         double offsetX, double offsetY, double markWidth,
                                         double markHeight)
{
    // Codes outside 0-8 have no place of their own; they take the nearest.
    placement = std::clamp(placement, 0, 8);
    double x = offsetX;
    double y = offsetY;
    switch (placement % 3) {
    case 1:
        x = (width - markWidth) * 0.5 + offsetX;
        break;
    case 2:
        x = (width - markWidth) - offsetX;
        break;
    default:
        break;
    }
    switch (placement / 3) {
    case 1:
        y = (height - markHeight) * 0.5 + offsetY;
        break;
    case 2:
        y = (height - markHeight) - offsetY;
        break;
    default:
        break;
    }
    return QRect(SlotInt(x), SlotInt(y), SlotInt(markWidth), SlotInt(markHeight));
}

Magick::Image* CImageFilters::PixmapToImage(QPixmap* pixmap)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    pixmap->save(&buffer, "PNG");
    buffer.close();
    // An empty mark gives an empty blob, which the library refuses.
    const Magick::Blob blob(bytes.constData(), static_cast<size_t>(bytes.size()));
    return new Magick::Image(blob,
                             Magick::Geometry(static_cast<size_t>(pixmap->width()),
                                              static_cast<size_t>(pixmap->height())),
                             "png");
}
