#pragma once
// Tiny uncompressed DNG files for the raw decoder tests: a little-endian TIFF
// with the raw image in IFD0, built from a scene of linear RGB values.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <functional>

namespace BqTest {
struct LinearRgb {
    double r, g, b;
};

// Linear RGB at a pixel; 1.0 is the sensor's white, higher values clip.
using DngScene = std::function<LinearRgb(int x, int y)>;

// Rows 0-7 at `band` (the anchor of automatic brightening), the rest grey 0.25.
DngScene BandScene(double band = 0.9);
// Diagonal 8-pixel stripes of 0.7 and 0.1, for telling demosaicing apart.
DngScene StripeScene();

struct DngLayout {
    int width = 64;
    int height = 48;
    QByteArray make = "Canon";
    QByteArray model = "Canon EOS 5D";
    QByteArray dateTime = "2013:05:04 14:22:10"; // IFD0 DateTime; empty leaves it out
    QByteArray exifDateTime;                     // Exif DateTimeOriginal; empty: no Exif IFD
    quint16 orientation = 1;
    bool monochrome = false; // LinearRaw with one sample instead of an RGGB mosaic
    DngScene scene = BandScene();
    // Sizes written into the header when non-zero; the data stays width x height.
    quint32 claimedWidth = 0;
    quint32 claimedHeight = 0;
};

QByteArray MakeDng(const DngLayout& layout);
// Writes bytes to path, creating missing folders. False on any failure.
bool WriteBytes(const QString& path, const QByteArray& bytes);
} // namespace BqTest
