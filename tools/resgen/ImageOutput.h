#pragma once
// Writers for the generated resources. Nothing written carries a date or a
// time, so two runs give byte-identical files.

#include <QImage>
#include <QString>

// A greyscale JPEG at quality 92. False (with a message on stderr) on
// failure.
bool WriteMaskJpeg(const QImage& mask, const QString& path);

// A GIF with an index transparency; `art` must be fully opaque or fully
// transparent in every pixel and hold at most 255 colours.
bool WriteFrameGif(const QImage& art, const QString& path);

// A PNG through Qt's writer.
bool WritePng(const QImage& image, const QString& path);
