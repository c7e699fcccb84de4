#pragma once

#include <QString>

// The name or description of a built-in profile (ids 14270-14328) or of a
// filter (ids 12041-12091), translated in the "QObject" context at the time of
// the call, so that a translation installed after start applies. Any other id,
// and ids inside the ranges without a text, give "".
QString GetProfileDescription(int id);
