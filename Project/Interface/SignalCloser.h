#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class MainWindow;
class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into an orderly close of the window: the
// signal handler only writes a byte to a socket pair; on the GUI thread every
// open modal dialog is rejected and, once none is left, the window is closed
// without the save question (nobody can answer it), so settings and geometry
// are written and the loop ends with status 0.
class CSignalCloser : public QObject
{
    Q_OBJECT
public:
    explicit CSignalCloser(MainWindow* window);
    ~CSignalCloser() override;

    // Whether a signal has arrived (also before the event loop ran).
    bool Requested() const { return m_requested; }

private:
    void OnSignal();
    // True when it rejected a dialog, whose exec() has yet to return.
    bool RejectModalDialogs();
    // Once no dialog is open: stops the timer and closes the window.
    void CloseWhenNoDialog();

    QPointer<MainWindow> m_window;
    QSocketNotifier* m_notifier = nullptr;
    // Runs until the close: code after a rejected exec() may open another.
    QTimer m_rejectTimer;
    bool m_requested = false;
};
