#pragma once
// Helpers of the photo list tests: thumbnails put into a list as the loader
// would, the colour an item shows, and the retina switch of the 2x runs.

#include <QColor>
#include <QString>

class CListThumb;
class QAbstractItemView;
class QListWidgetItem;
class QMimeData;
class QPoint;

namespace BqTest
{
// Record `record` gets a made thumbnail of one colour, stored as the loader
// stores it (next icon index, image waiting for the GUI).
void GiveThumbnail(CListThumb* list, int record, QColor colour);
// A drag of files enters the view (Qt delivers a drop only to the widget
// that took the drag), then `data` is dropped at `at`. True when the view
// took the drag.
bool Drop(QAbstractItemView* view, QPoint at, QMimeData* data);
// The colour at the centre of the item's icon.
QColor IconColour(const QListWidgetItem* item);
// True when two colours differ by at most `tolerance` in every channel.
bool Near(QColor a, QColor b, int tolerance);
// ImageMagick started with its temporary files in `folder`, and the image
// cache's retina flag set when the run expects a 2x screen. Returns the
// expected pixel ratio, 0 when ImageMagick did not start.
int StartPhotoListTest(const QString& folder);
// The cell of the format icon sheet for a photo's extension.
int FormatIcon(const QString& path);
} // namespace BqTest
