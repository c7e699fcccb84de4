#pragma once
// The grey masks of the shape and grunge frames, 1200 x 800: black where the
// photo is kept, white where it is removed.

#include <QImage>

constexpr int MaskWidth = 1200;
constexpr int MaskHeight = 800;

// Shape 0 "Rectangle", 1 "Elipse", 2 "Star", 3 "Heart", 4 "Cracked Glass",
// 5 "Shield": the shape in black on white, with a white margin of at least
// 5 % on every side. Format_Grayscale8.
QImage DrawShapeMask(int shape);

// Grunge style 0-5: a black centre and a rough white border whose outer 3 %
// is always white. Format_Grayscale8.
QImage DrawGrungeMask(int style);

// `mask` blurred with a Gaussian of `sigma` pixels (two separable passes;
// the edges repeat the outermost pixels). Format_Grayscale8.
QImage BlurMask(const QImage& mask, double sigma);
