#pragma once
// What the filter editor tests share: the start-up of the catalogues and the
// engine, photos written as files, default mark records and a pair of
// preview views like the filter dialog's.

#include "ListFilters.h"

#include <QLabel>
#include <QString>
#include <QWidget>

class CControlImage;

namespace FilterTest
{

constexpr int kWait = 5000;

// ImageMagick, the format table and the filter catalogue; false on failure.
bool StartEngineAndCatalogues();
// Writes a photo-like PNG of the given size; false on failure.
bool WritePhoto(const QString& path, int width, int height, quint32 seed = 1);
// The text and logo records that a fresh editor's Initialize() saves.
SFilterRecord DefaultText();
SFilterRecord DefaultLogo();
// Counts, numeric and string slots equal (type, name, description and the
// active flag are not compared).
bool SameParameters(const SFilterRecord& a, const SFilterRecord& b);
// Every field equal, identity included.
bool SameRecord(const SFilterRecord& a, const SFilterRecord& b);

// A filtered view with its label, in a window of its own.
struct SViewRig {
    explicit SViewRig(QSize size = QSize(400, 300));
    // Previews `path` through the view's chain and waits for the result.
    bool Show(const QString& path);
    QImage Shown() const;

    QWidget window;
    CControlImage* view = nullptr;
    QLabel* label = nullptr;
    QLabel* area = nullptr;
    bool exposed = false;
};

} // namespace FilterTest
