#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class QSocketNotifier;

// Turns SIGTERM and SIGINT into an orderly close of one window: the signal
// handler only writes a byte to a socket pair; on the GUI thread every open
// modal dialog is rejected and the window is closed as if by the user, so
// settings and geometry are written and the loop ends with status 0.
class CSignalCloser : public QObject
{
    Q_OBJECT
public:
    explicit CSignalCloser(QWidget* window);
    ~CSignalCloser() override;

    // Whether a signal has arrived (also before the event loop ran).
    bool Requested() const { return m_requested; }

private:
    void OnSignal();
    void RejectModalDialogs();

    QPointer<QWidget> m_window;
    QSocketNotifier* m_notifier = nullptr;
    // Start-up may open further dialogs after the first rejection.
    QTimer m_rejectTimer;
    bool m_requested = false;
};
