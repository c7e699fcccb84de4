#pragma once

#include "ListImages.h"

#include <QHash>
#include <QList>

#include <atomic>

// Hands the photos of a run, in list order, to whichever worker asks next.
// Dealt up front, the shares would end unevenly (cores differ in speed, photos
// in size) and the workers done first would idle; taken one at a time, a
// faster worker simply takes more. One worker takes the whole list in order.
// Shared by the run's workers; safe to call from any thread.
class CPhotoDealer
{
public:
    explicit CPhotoDealer(const QList<SImageRecord>& photos);

    CPhotoDealer(const CPhotoDealer&) = delete;
    CPhotoDealer& operator=(const CPhotoDealer&) = delete;

    // The next photo nobody has taken; false once every photo has been.
    bool Take(SImageRecord& photo);
    // Photos in the run, taken or not.
    int Count() const { return m_Photos.size(); }

    // Whether `path` leads to the file of a photo of the run other than the
    // one listed as `own`, as that file was when the run began, or is spelt
    // as another's path folded: an output there would destroy a photo, read
    // or not.
    bool IsOtherPhoto(const QString& path, const QString& own) const;
    // Whether the photo listed as `path` is still the file it was when the
    // run began, and not something written over it since.
    bool StillListed(const QString& path) const;

private:
    typedef CListImages::FileId FileId;

    // Never changed after construction: read by every worker at once.
    const QList<SImageRecord> m_Photos;
    QHash<FileId, QString> m_Files; // to the listed path of that file
    QHash<QString, FileId> m_Ids;
    QMultiHash<QString, QString> m_Spellings; // from the folded path to the listed ones
    std::atomic<int> m_Next{0};
};
