// bq-make-samples FOLDER: draws the four photos of the sample job into
// FOLDER/photos (sample-1.jpg .. sample-4.jpg, 1200 x 900, JPEG quality 90).
// The drawing is fixed, so every build makes the same scenes.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cstdio>

namespace
{
struct SScene {
    QColor skyTop, skyBottom, sun, hillFar, hillNear, water;
    qreal sunX, sunY, hillPhase;
    const char* caption;
};

QPainterPath Hill(qreal baseline, qreal height, qreal phase, qreal waves)
{
    QPainterPath path;
    path.moveTo(0, 900);
    for (int x = 0; x <= 1200; x += 10) {
        const qreal t = x / 1200.0;
        path.lineTo(x, baseline - height * (0.5 + 0.5 * qSin(phase + t * waves * 3.14159)));
    }
    path.lineTo(1200, 900);
    path.closeSubpath();
    return path;
}

QImage Draw(const SScene& scene)
{
    QImage image(1200, 900, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 560);
    sky.setColorAt(0, scene.skyTop);
    sky.setColorAt(1, scene.skyBottom);
    painter.fillRect(image.rect(), sky);
    QRadialGradient glow(scene.sunX, scene.sunY, 160);
    glow.setColorAt(0, scene.sun);
    glow.setColorAt(0.35, scene.sun);
    glow.setColorAt(1, Qt::transparent);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(scene.sunX, scene.sunY), 160, 160);
    painter.setBrush(scene.hillFar);
    painter.drawPath(Hill(520, 160, scene.hillPhase, 2.2));
    painter.setBrush(scene.hillNear);
    painter.drawPath(Hill(640, 120, scene.hillPhase + 1.3, 1.4));
    QLinearGradient water(0, 680, 0, 900);
    water.setColorAt(0, scene.water);
    water.setColorAt(1, scene.water.darker(160));
    painter.fillRect(QRect(0, 680, 1200, 220), water);
    painter.setPen(QPen(QColor(255, 255, 255, 90), 3));
    for (int i = 0; i < 9; ++i)
        painter.drawLine(QPointF(scene.sunX - 140 + i * 9, 700 + i * 22),
                         QPointF(scene.sunX + 140 - i * 9, 700 + i * 22));
    painter.setPen(QColor(255, 255, 255, 220));
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 28, QFont::Bold));
    painter.drawText(QRect(40, 40, 1120, 60), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(scene.caption));
    return image;
}
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bq-make-samples FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/photos");
    QDir().mkpath(folder);
    const SScene scenes[] = {
        {QColor(40, 90, 170), QColor(250, 190, 120), QColor(255, 240, 200), QColor(70, 90, 120), QColor(40, 70, 60),
         QColor(50, 90, 140), 860, 380, 0.3, "Lake at dawn"},
        {QColor(20, 120, 210), QColor(170, 220, 250), QColor(255, 255, 230), QColor(90, 140, 90), QColor(60, 110, 50),
         QColor(40, 120, 170), 260, 180, 1.7, "Valley at noon"},
        {QColor(60, 30, 90), QColor(240, 120, 80), QColor(255, 200, 120), QColor(90, 50, 80), QColor(50, 30, 50),
         QColor(90, 60, 110), 600, 470, 2.9, "Sunset bay"},
        {QColor(10, 20, 60), QColor(70, 90, 150), QColor(235, 235, 255), QColor(30, 40, 70), QColor(20, 25, 40),
         QColor(30, 40, 80), 980, 160, 4.1, "Moonrise"},
    };
    int number = 1;
    for (const SScene& scene : scenes) {
        const QString path = folder + QStringLiteral("/sample-%1.jpg").arg(number++);
        if (!Draw(scene).save(path, "JPG", 90)) {
            std::fprintf(stderr, "bq-make-samples: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
