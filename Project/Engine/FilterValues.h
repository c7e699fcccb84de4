#pragma once
// Turning record slots (doubles, possibly from a hand-edited job file) into
// the integers and geometry texts that ImageMagick takes.

#include <string>

// A slot as an integer: NaN becomes 0, values are clamped to +-1,000,000 and
// truncated toward zero. Every slot-to-integer conversion goes through it.
int SlotInt(double v);

// The nearest integer with halves going up: the integer part, plus 1 when the
// fraction is 0.5 or more (so 50.5 gives 51, -2.5 gives -2). Clamped as
// SlotInt.
int Nearest(double v);

// A crop's slots as the batch and the preview both read them: an offset
// before the photo is its edge, and a negative size reaches the edge as 0
// does. NaN is left to the caller.
void ClampCrop(double& left, double& top, double& width, double& height);

// A geometry text such as "%dx%d!" or "%fx%f", formatted in the C locale
// whatever the process locale is (under de_DE "%f" would write a decimal
// comma, which ImageMagick silently ignores). Returned as UTF-8.
std::string GeometryText(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
