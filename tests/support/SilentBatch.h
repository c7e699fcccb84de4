#pragma once
// One photo through a filter chain as the batch does it: a silent script
// run of the processing dialog writing PNG. Compiled in by path, together
// with tests/processing/ProcessTestSupport.cpp, by tests that link
// bq_processing.

#include "ListFilters.h"

#include <QString>

namespace BqTest
{

// Fills the photo list with `photo` and the chain with `records`, runs the
// batch into `folder` (created when missing) and returns the PNG it wrote;
// "" when the run wrote none or did not end within the watchdog.
QString RunSilentBatch(const QString& photo, const QList<SFilterRecord>& records, const QString& folder);

} // namespace BqTest
