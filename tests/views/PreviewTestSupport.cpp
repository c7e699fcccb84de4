#include "PreviewTestSupport.h"

#include "PhotoMaker.h"
#include "UserProfile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QThread>

#include <list>

void PreviewPhotos::Make()
{
    QVERIFY(m_Dir.isValid());
    const auto P = [this](const QString& name) { return Path(name); };
    Magick::Image photo = BqTest::MakePhoto(4000, 3000, 3);
    photo.quality(85);
    photo.write(P("p1.jpg").toStdString());
    for (int i = 1; i <= 6; ++i)
        QVERIFY(QFile::copy(P("p1.jpg"), P(QStringLiteral("copy%1.jpg").arg(i))));
    QImage gradient(1600, 1000, QImage::Format_RGB32);
    for (int x = 0; x < 1600; ++x)
        for (int y = 0; y < 1000; ++y)
            gradient.setPixel(x, y, qRgb(x * 255 / 1599, 0, 0));
    QVERIFY(gradient.save(P("p3.png")));
    const auto solid = [](int w, int h, QRgb colour) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    };
    QVERIFY(solid(200, 100, qRgb(0, 160, 0)).save(P("p2.png")));
    QVERIFY(solid(2000, 1250, qRgb(90, 90, 90)).save(P("p4.png")));
    QVERIFY(solid(400, 300, qRgb(255, 0, 0)).save(P("red.png")));
    QVERIFY(solid(400, 300, qRgb(0, 0, 255)).save(P("blue.png")));
    QVERIFY(solid(400, 300, qRgb(128, 128, 128)).save(P("grey.png")));
    QVERIFY(solid(3000, 2000, qRgb(0, 0, 255)).save(P("blue.jpg"), "JPG", 90));
    QFile zero(P("zero.jpg"));
    QVERIFY(zero.open(QIODevice::WriteOnly));
    zero.close();
    QFile notPhoto(P("doc.Xgs"));
    QVERIFY(notPhoto.open(QIODevice::WriteOnly) && notPhoto.write("no magic bytes here") > 0);
    notPhoto.close();
    std::list<Magick::Image> pages{Magick::Image(Magick::Geometry(100, 100), Magick::Color("red")),
                                   Magick::Image(Magick::Geometry(100, 100), Magick::Color("blue"))};
    Magick::writeImages(pages.begin(), pages.end(), P("pages.tif").toStdString());
}

SFilterRecord Record(quint32 id, const QString& name, std::initializer_list<double> values, bool active)
{
    SFilterRecord record;
    record.id = id;
    record.name = name;
    record.active = active;
    for (double value : values)
        record.AddNumber(value);
    return record;
}

bool SpinUntil(const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < kWait)
        QThread::msleep(5);
    return done();
}

bool StatusFinished()
{
    int progress = 0;
    QString comment;
    CUserProfile::GetInstance()->GetPreviewStatus(progress, comment);
    return progress == -1 && comment.isEmpty();
}

CommentWatch::CommentWatch(const QString& wanted)
{
    connection = QObject::connect(CUserProfile::GetInstance(), &CUserProfile::UpdateStatusBar, [this, wanted] {
        int progress = 0;
        QString comment;
        CUserProfile::GetInstance()->GetPreviewStatus(progress, comment);
        QMutexLocker lock(&mutex);
        hits += comment == wanted && last != wanted;
        last = comment;
        seen.append(comment);
    });
}

CommentWatch::~CommentWatch()
{
    QObject::disconnect(connection);
}

bool CommentWatch::Seen(const QString& text)
{
    QMutexLocker lock(&mutex);
    return seen.contains(text);
}
