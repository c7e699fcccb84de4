#pragma once
// Deterministic photo-like test images: smooth gradients, a few hard-edged
// shapes and seeded noise, so that any shift, turn or mirror of the pixels
// shows in a comparison. The same size and seed always give the same pixels.

#include <QtGlobal>

#include <Magick++.h>

namespace BqTest {
// An opaque RGB image of width x height (both at least 1).
Magick::Image MakePhoto(size_t width, size_t height, quint32 seed = 1);
} // namespace BqTest
