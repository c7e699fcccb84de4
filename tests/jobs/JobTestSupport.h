#pragma once
// Shared by the job-file tests.

#include <QByteArray>
#include <QString>

#include <functional>

namespace JobTest
{
// Drops the photo and filter lists, the profile and both tables, then
// builds the tables again, as the main window does at start.
void ResetSingletons();
// Runs `run` with the soft file size limit lowered to `bytes` and SIGXFSZ
// ignored, so that writes beyond it fail instead of ending the test; false
// when the limit could not be set (nothing ran then).
bool UnderFileSizeLimit(unsigned long bytes, const std::function<void()>& run);

// Hand-written profile files in the writer's layout: a file around the given
// blocks, a "Profile" header block, one property line.
QByteArray ProfileFile(const QByteArray& blocks);
QByteArray ProfileBlock(const QByteArray& properties);
QByteArray ProfileProperty(const QByteArray& name, const QByteArray& value);
// A file's whole bytes; false or empty when that fails.
bool WriteBytes(const QString& path, const QByteArray& bytes);
QByteArray ReadBytes(const QString& path);
} // namespace JobTest
