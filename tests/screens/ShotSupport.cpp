#include "ShotSupport.h"

#include "BqTestMain.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace Shots
{

namespace
{

bool Offscreen()
{
    return QGuiApplication::platformName() == QLatin1String("offscreen");
}

int Colours(const QImage& image)
{
    QSet<QRgb> seen;
    for (int y = 0; y < image.height() && seen.size() < 2; y += 3)
        for (int x = 0; x < image.width() && seen.size() < 2; x += 3)
            seen.insert(image.pixel(x, y));
    return seen.size();
}

} // namespace

bool CShotWriter::Start(int argc, char** argv)
{
    if (argc < 2)
        return false;
    if (QString::fromLocal8Bit(argv[1]) == QLatin1String("--check")) {
        m_Check = true;
        m_Folder = BqTest::TempHome() + QStringLiteral("/shots");
    } else {
        m_Folder = QString::fromLocal8Bit(argv[1]);
    }
    return QDir().mkpath(m_Folder);
}

bool CShotWriter::Save(QWidget* window, const QString& name)
{
    Settle(100);
    QPixmap picture;
    if (Offscreen()) {
        picture = window->grab();
    } else {
        QScreen* screen = window->screen();
        picture = screen ? screen->grabWindow(window->winId()) : QPixmap();
    }
    const QString path = m_Folder + QLatin1Char('/') + name + QStringLiteral(".png");
    const bool ok = !picture.isNull() && picture.save(path);
    m_Shots.append({path, window->size() * window->devicePixelRatioF()});
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

int CShotWriter::Finish()
{
    if (!m_Check)
        return 0;
    int failures = 0;
    for (const SShot& shot : m_Shots) {
        const QImage image(shot.path);
        QString problem;
        if (image.isNull())
            problem = QStringLiteral("missing");
        else if (image.size() != shot.size)
            problem = QStringLiteral("size %1x%2, window %3x%4")
                          .arg(image.width())
                          .arg(image.height())
                          .arg(shot.size.width())
                          .arg(shot.size.height());
        else if (Colours(image) < 2)
            problem = QStringLiteral("a single colour");
        if (!problem.isEmpty()) {
            std::printf("FAIL %s: %s\n", qPrintable(shot.path), qPrintable(problem));
            ++failures;
        }
    }
    std::printf("%d passed, %d failed\n", int(m_Shots.size()) - failures, failures);
    return failures == 0 && !m_Shots.isEmpty() ? 0 : 1;
}

bool WaitFor(const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 10000) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return done();
}

void Settle(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

} // namespace Shots
