#include "StderrCapture.h"

#include <QDir>

#include <cstdio>
#include <unistd.h>

namespace BqTest {

StderrCapture::StderrCapture()
    : m_file(QDir::tempPath() + "/bq-stderr-XXXXXX")
{
    if (!m_file.open())
        return;
    std::fflush(stderr);
    m_saved = ::dup(2);
    if (m_saved >= 0 && ::dup2(m_file.handle(), 2) < 0) {
        ::close(m_saved);
        m_saved = -1;
    }
}

StderrCapture::~StderrCapture()
{
    Take();
}

QByteArray StderrCapture::Take()
{
    if (m_saved < 0)
        return QByteArray();
    std::fflush(stderr);
    ::dup2(m_saved, 2);
    ::close(m_saved);
    m_saved = -1;
    // The descriptor was shared, so the file position moved behind Qt's back.
    m_file.seek(0);
    return m_file.readAll();
}

} // namespace BqTest
