#pragma once
// Small services of the image engine for the views and panels: the tool-tip
// text of a photo, a photo's record looked up by path, and a faded pixmap.

#include "ListImages.h"

#include <QList>
#include <QPixmap>
#include <QString>

// The photo's tool tip: "Name", "Type" and "Size" lines, and after a
// successful ping "Dimensions", "Date" and "Camera" lines; "Photo not found"
// for a missing file. Pings with an engine of its own, so any thread that
// may use an image engine may call it.
QString ReadImageProperties(const QString& path);

// The first record whose full path equals `path` exactly (case-sensitive),
// else an empty record at position 0.
SImageRecord GetImageRecordByName(const QList<SImageRecord>& list, const QString& path);

// A copy of `pixmap` whose every pixel keeps its colour and has its alpha
// multiplied by alpha / 255 (alpha 0..255). GUI thread only.
QPixmap CreateTransparentPixmap(const QPixmap& pixmap, int alpha);
