#pragma once
// What the filter editor tests share: the start-up of the catalogues and the
// engine, photos written as files, default mark records and a pair of
// preview views like the filter dialog's.

#include "ListFilters.h"

#include <QLabel>
#include <QList>
#include <QString>
#include <QUrl>
#include <QWidget>

class CControlImage;

namespace FilterTest
{

// A hang guard, not a timing check: a loaded machine may take seconds to
// decode a 12 MP photo.
constexpr int kWait = 20000;

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

// A synthetic drag on a view's viewport: a press at `from`, `steps` moves of
// `step` each with the left button held (as QTest::mouseMove cannot send),
// and a release.
void DragSteps(QWidget* viewport, QPoint from, QPoint step, int steps);

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

// Catches the help pages that OpenHelpFile hands to the browser, once
// installed with QDesktopServices::setUrlHandler(scheme, catcher, "Open").
class CUrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Open(const QUrl& url) { urls << url; }
};

} // namespace FilterTest
