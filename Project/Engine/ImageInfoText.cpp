#include "ImageInfoText.h"

#include "ImageManager.h"

#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QPainter>

namespace
{

// "1.50 KB" below one megabyte, else "3.00 MB"; "N/A" for an empty file.
// QString::number keeps the decimal point whatever the user's locale.
QString SizeText(qint64 bytes)
{
    if (bytes == 0)
        return QStringLiteral("N/A");
    if (bytes < 1048576)
        return QString::number(bytes / 1024.0, 'f', 2) + QStringLiteral(" KB");
    return QString::number(bytes / 1048576.0, 'f', 2) + QStringLiteral(" MB");
}

// "YYYY:MM:DD HH:MM:SS" as "YYYY-MM-DD HH:MM"; a part that is no number
// reads as 0.
QString DateText(const QString& dateTime)
{
    const auto part = [&dateTime](int from, int length) { return dateTime.mid(from, length).toInt(); };
    return QString::asprintf("%04d-%02d-%02d %02d:%02d", part(0, 4), part(5, 2), part(8, 2), part(11, 2), part(14, 2));
}

// The maker's first word, then the model without a leading repeat of that
// word: "NIKON CORPORATION" + "NIKON D700" gives "NIKON D700".
QString CameraText(QString make, QString model)
{
    const int makeBlank = make.indexOf(QLatin1Char(' '));
    if (makeBlank >= 0)
        make.truncate(makeBlank);
    const int modelBlank = model.indexOf(QLatin1Char(' '));
    if (model.left(modelBlank) == make)
        model = modelBlank < 0 ? QString() : model.mid(modelBlank + 1);
    return make + QLatin1Char(' ') + model;
}

} // namespace

QString ReadImageProperties(const QString& path)
{
    if (!QFile::exists(path))
        return QObject::tr("Photo not found");

    // Name and type come from the file-name part only, so a dot in a folder
    // name never splits it.
    const QString fileName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString name = dot < 0 ? fileName : fileName.left(dot);
    const QString type = dot < 0 ? QString() : fileName.mid(dot + 1).toUpper();

    QString text = QObject::tr("Name") + QStringLiteral(": ") + name;
    text += QLatin1Char('\n') + QObject::tr("Type") + QStringLiteral(": ") + type;
    text += QLatin1Char('\n') + QObject::tr("Size") + QStringLiteral(": ") + SizeText(QFileInfo(path).size());

    CImageManager engine;
    if (!engine.Ping(path))
        return text;
    const SImageProperties& properties = engine.m_Properties;
    text += QLatin1Char('\n') + QObject::tr("Dimensions") +
            QStringLiteral(": %1x%2").arg(properties.width).arg(properties.height);
    if (!properties.dateTime.isEmpty())
        text += QLatin1Char('\n') + QObject::tr("Date") + QStringLiteral(": ") + DateText(properties.dateTime);
    if (!properties.make.isEmpty() || !properties.model.isEmpty())
        text += QLatin1Char('\n') + QObject::tr("Camera") + QStringLiteral(": ") +
                CameraText(properties.make, properties.model);
    return text;
}

SImageRecord GetImageRecordByName(const QList<SImageRecord>& list, const QString& path)
{
    for (const SImageRecord& record : list) {
        if (record.path == path)
            return record;
    }
    return SImageRecord();
}

QPixmap CreateTransparentPixmap(const QPixmap& pixmap, int alpha)
{
    // The input's own ratio: a pixmap of another ratio than the screen's
    // would otherwise be drawn scaled and cropped.
    QPixmap faded(pixmap.size());
    faded.setDevicePixelRatio(pixmap.devicePixelRatio());
    faded.fill(Qt::transparent);
    QPainter painter(&faded);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawPixmap(0, 0, pixmap);
    // DestinationIn keeps the colours and scales every alpha by this one.
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.fillRect(faded.rect(), QColor(0, 0, 0, qBound(0, alpha, 255)));
    painter.end();
    return faded;
}
