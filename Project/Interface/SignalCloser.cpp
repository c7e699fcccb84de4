#include "SignalCloser.h"

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

CSignalCloser::CSignalCloser(QWidget* window) : m_window(window)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_sockets) != 0)
        return;
    m_notifier = new QSocketNotifier(g_sockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CSignalCloser::OnSignal);
    m_rejectTimer.setInterval(50);
    connect(&m_rejectTimer, &QTimer::timeout, this, &CSignalCloser::RejectModalDialogs);
    struct sigaction action = {};
    action.sa_handler = WriteSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

CSignalCloser::~CSignalCloser()
{
    if (!m_notifier)
        return;
    ::signal(SIGTERM, SIG_DFL);
    ::signal(SIGINT, SIG_DFL);
    ::close(g_sockets[0]);
    ::close(g_sockets[1]);
    g_sockets[0] = g_sockets[1] = -1;
}

void CSignalCloser::OnSignal()
{
    char byte = 0;
    [[maybe_unused]] const ssize_t got = ::read(g_sockets[1], &byte, 1);
    m_requested = true;
    RejectModalDialogs();
    m_rejectTimer.start();
    if (m_window)
        m_window->close();
}

void CSignalCloser::RejectModalDialogs()
{
    // Innermost first; each rejection returns from its own exec() later.
    for (int guard = 0; guard < 32; ++guard) {
        QDialog* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            break;
        dialog->reject();
    }
}
