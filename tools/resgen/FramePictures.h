#pragma once
// The picture frames (wood, gold, black, silver) and the vintage frames
// (sepia paper with torn, scalloped or deckled inner edges and corner
// ornaments), 1200 x 800, each around a fully transparent window of the
// proportions the filter engine expects.

#include <QImage>

constexpr int PictureFrameCount = 4;
constexpr int VintageFrameCount = 9;

// ARGB32; alpha is 0 inside the window and 255 everywhere else.
QImage DrawPictureFrame(int style);
QImage DrawVintageFrame(int style);
