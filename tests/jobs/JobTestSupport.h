#pragma once
// Shared by the job-file tests.

namespace JobTest
{
// Drops the photo and filter lists, the profile and both tables, then
// builds the tables again, as the main window does at start.
void ResetSingletons();
} // namespace JobTest
