#pragma once
// Collects what the process writes to its error output (file descriptor 2,
// so C stdio, iostreams and Qt messages alike) into a temporary file while
// the object is capturing.

#include <QByteArray>
#include <QTemporaryFile>

namespace BqTest {

class StderrCapture
{
public:
    // Starts capturing at once.
    StderrCapture();
    // Restores the error output when still capturing.
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    // Restores the error output and returns what was written meanwhile.
    QByteArray Take();

private:
    QTemporaryFile m_file;
    int m_saved = -1;
};

} // namespace BqTest
