#include "FilterValues.h"

#include <QString>

#include <cmath>
#include <cstdarg>

namespace {
constexpr double SlotLimit = 1000000.0;

double ClampSlot(double v)
{
    if (std::isnan(v))
        return 0.0;
    if (v > SlotLimit)
        return SlotLimit;
    if (v < -SlotLimit)
        return -SlotLimit;
    return v;
}
} // namespace

int SlotInt(double v)
{
    return static_cast<int>(std::trunc(ClampSlot(v)));
}

int Nearest(double v)
{
    v = ClampSlot(v);
    const double whole = std::trunc(v);
    return static_cast<int>(whole) + (v - whole >= 0.5 ? 1 : 0);
}

void ClampCrop(double& left, double& top, double& width, double& height)
{
    for (double* v : {&left, &top, &width, &height}) {
        if (*v < 0)
            *v = 0;
    }
}

std::string GeometryText(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    // QString::vasprintf formats numbers in the C locale.
    const QString text = QString::vasprintf(format, args);
    va_end(args);
    return text.toUtf8().toStdString();
}
