#pragma once
// The records behind the thumbnail views: one SThumb per entry of a list and
// one SWatermark per overlay painted over a view's viewport.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QtGlobal>

// One entry of a thumbnail list. The photo list's records are shared by the
// list, its details table and the loader thread, always under the list's
// mutex.
struct SThumb {
    QString path;       // full path; empty for entries that are no file
    QString baseName;   // file name without its last extension
    QString type;       // extension, upper case
    QString folder;     // path left of its last "/"
    QString toolTip;    // replaced by the properties text once loaded
    QString dateTaken;  // "yyyy-MM-dd hh:mm"
    QString dimensions; // "W x H"
    QString camera;     // make and model
    QString size;       // "N/A", "x.xx KB" or "x.xx MB"
    QString gps;
    QString orientation; // translated name or empty
    QString altitude;
    QString aperture;        // "f/2.8"
    QString exposure;        // "1/250 sec"
    QString iso;             // "ISO-200"
    QString dpi;             // "72 x 72"
    QString colorSpace;      // "sRGB", "Uncalibrated" or empty
    quint8 enabled = 1;      // 0 shows the entry greyed
    bool loaded = false;     // needs no thumbnail: given, made or tried
    bool hasIcon = false;    // iconIndex names a made thumbnail of this entry alone
    int iconIndex = 0;       // into the list's icons
    bool imageReady = false; // image holds a finished thumbnail
    QImage* image = nullptr; // owned while imageReady; the GUI makes the icon
};

// One overlay of a view: a hint text or an interface image.
struct SWatermark {
    int kind = 0; // 0 text, 1 image
    QString text; // the text, or the image's asset name
    int dx = 0;   // horizontal offset (images only)
    int dy = 0;   // vertical offset
    QImage image; // null for a text
    QFont font;
    QColor color;        // invalid for an image
    int placement = 0;   // images: 0 centred, 1 bottom-right corner
    bool always = false; // painted even while the view has entries
};
