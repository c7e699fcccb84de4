#pragma once
// What the preview worker and widget tests share: their photos, filter
// records, the preview status read back from the settings object, and a
// wait that leaves queued results queued.

#include "ListFilters.h"

#include <QMetaObject>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <atomic>
#include <functional>
#include <initializer_list>

// A hang guard, not a timing check: a loaded machine may take seconds to
// decode a 12 MP photo.
constexpr int kWait = 20000;

// The photos of the preview tests, made in a temporary folder: p1.jpg
// (4000x3000) and its six copies copy1..6.jpg, the gradient p3.png, the
// solid p2, p4, red, blue, grey PNGs and blue.jpg, the zero-byte zero.jpg,
// the non-image doc.Xgs and the two-page pages.tif.
class PreviewPhotos
{
public:
    // Fails the running test function when a photo cannot be made.
    void Make();
    QString Path(const QString& name) const { return m_Dir.filePath(name); }

private:
    QTemporaryDir m_Dir;
};

SFilterRecord Record(quint32 id, const QString& name, std::initializer_list<double> values, bool active = true);

// Waits without processing events, so that queued results stay queued.
bool SpinUntil(const std::function<bool()>& done);

// The preview status is finished: progress -1 and an empty comment.
bool StatusFinished();

// Counts how often the published comment turns into a given text.
struct CommentWatch
{
    explicit CommentWatch(const QString& wanted);
    ~CommentWatch();
    bool Seen(const QString& text);

    QMetaObject::Connection connection;
    QMutex mutex;
    QString last;
    QStringList seen;
    std::atomic<int> hits{0};
};
