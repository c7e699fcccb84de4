#pragma once
// The frame editors' icon sheet, drawn from the frame art itself: each cell
// is a small landscape card with its frame applied as the filter engine
// applies it, so an icon shows the frame it stands for.

#include <QImage>
#include <QVector>

// The frame art of the four frame filters, one row of the sheet each.
struct SFrameArt {
    QVector<QImage> shapeMasks;    // sharp, Format_Grayscale8
    QVector<QImage> grungeMasks;   // Format_Grayscale8
    QVector<QImage> pictureFrames; // ARGB32, transparent window
    QVector<QImage> vintageFrames;
};

// 9 x 4 cells of 32 x 32 times `scale` (1, or 2 for "@2x"): row 0 shapes,
// row 1 grunge, row 2 picture and row 3 vintage frames; unused cells stay
// transparent. ARGB32.
QImage DrawFrameIconSheet(const SFrameArt& art, int scale);
