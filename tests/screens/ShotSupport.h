#pragma once
// What every screenshot program shares: the output folder, one picture per
// window (QScreen::grabWindow on a real display, QWidget::grab() offscreen),
// waits, and the --check pass that verifies what was written.

#include <QList>
#include <QSize>
#include <QString>
#include <functional>

class QWidget;

namespace Shots
{

class CShotWriter
{
public:
    // argv: OUTDIR, or --check (a temporary folder, verified at the end).
    bool Start(int argc, char** argv);
    // Saves `window` as name + ".png"; false when nothing could be grabbed.
    bool Save(QWidget* window, const QString& name);
    // With --check: every file exists, has its window's size in device
    // pixels and more than one colour. 0 when all is well.
    int Finish();

private:
    struct SShot {
        QString path;
        QSize size;
    };
    QString m_Folder;
    bool m_Check = false;
    QList<SShot> m_Shots;
    QStringList m_Failures;
};

// Processes events until `done` or 10 s passed.
bool WaitFor(const std::function<bool()>& done);
// Processes events for `ms` milliseconds.
void Settle(int ms);

} // namespace Shots
