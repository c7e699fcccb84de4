#pragma once
// Shared by the job-file tests.

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
} // namespace JobTest
