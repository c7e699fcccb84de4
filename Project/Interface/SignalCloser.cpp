#include "SignalCloser.h"

#include "MainWindow.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
int g_sockets[2] = {-1, -1};

extern "C" void WriteSignalByte(int)
{
    const char byte = 1;
    // Only async-signal-safe calls here; a full pipe means a close is pending anyway.
    [[maybe_unused]] const ssize_t written = ::write(g_sockets[0], &byte, 1);
}
} // namespace

CSignalCloser::CSignalCloser(MainWindow* window) : m_window(window)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_sockets) != 0)
        return;
    m_notifier = new QSocketNotifier(g_sockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CSignalCloser::OnSignal);
    m_rejectTimer.setInterval(50);
    connect(&m_rejectTimer, &QTimer::timeout, this, &CSignalCloser::CloseWhenNoDialog);
    struct sigaction action = {};
    action.sa_handler = WriteSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
}

CSignalCloser::~CSignalCloser()
{
    if (!m_notifier)
        return;
    ::signal(SIGTERM, SIG_DFL);
    ::signal(SIGINT, SIG_DFL);
    ::signal(SIGHUP, SIG_DFL);
    ::close(g_sockets[0]);
    ::close(g_sockets[1]);
    g_sockets[0] = g_sockets[1] = -1;
}

void CSignalCloser::OnSignal()
{
    char byte = 0;
    [[maybe_unused]] const ssize_t got = ::read(g_sockets[1], &byte, 1);
    m_requested = true;
    if (m_window)
        m_window->SignalReceived();
    m_rejectTimer.start();
    CloseWhenNoDialog();
}

void CSignalCloser::CloseWhenNoDialog()
{
    // A close requested inside a dialog's exec() could be abandoned by the
    // code that opened it (the save question answered Cancel): the next tick
    // closes, once the rejected dialogs have returned.
    if (RejectModalDialogs())
        return;
    // Whatever comes of this close, later dialogs are left open.
    m_rejectTimer.stop();
    if (m_window)
        m_window->close();
}

bool CSignalCloser::RejectModalDialogs()
{
    bool rejected = false;
    // Innermost first; each rejection returns from its own exec() later.
    for (int guard = 0; guard < 32; ++guard) {
        QDialog* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            break;
        dialog->reject();
        rejected = true;
    }
    return rejected;
}
