#pragma once

#include <QHash>
#include <QList>
#include <QMetaType>
#include <QPair>
#include <QSet>
#include <QString>
#include <QStringList>

#include "FileIdentity.h"

class CFormatsEnum;

// One source photo of the job.
struct SImageRecord {
    QString path;      // absolute, no "." parts or doubled "/"; ".." only past a missing folder
    QString folder;    // path left of its last "/"
    QString name;      // file name without its extension
    QString extension; // text after the last ".", case as given
    qint64 position = 0; // row in the list; output names count photos by it
};

// One move of a drag-and-drop reorder: the row moved and the gap it goes to,
// counted before the move.
struct SDragDrop {
    int from = 0;
    int to = 0;
};
typedef QList<SDragDrop> ListDragDrop;
Q_DECLARE_METATYPE(ListDragDrop)

// The job's source photos in the order shown to the user. Changed on the GUI
// thread only; a batch run reads it without a lock while it cannot change.
class CListImages
{
public:
    static CListImages* GetInstance();
    static void DeleteInstance();

    // Appends the photo unless the file is already listed, under this path or
    // another one (silently refused; a listed link to it takes this name when
    // this one is not a link), or the path is relative or its extension names
    // no readable format (the path goes to `rejected`).
    bool AddImage(QString path, QStringList& rejected);
    // Moves the record at `from` to the gap `to`, counted before the move.
    void DragAndDrop(int from, int to);
    // New record i becomes old record order[i]. Anything but a permutation of
    // every row is ignored: applying it would lose or duplicate photos.
    void Sort(QList<int> order);

    QList<SImageRecord> images;

    typedef SFileId FileId;

protected:
    CListImages();
    virtual ~CListImages();

private:
    static bool IsSymLink(const QString& path); // the name itself, not its folders
    static void Describe(SImageRecord& record, const QString& path, const QString& extension);

    bool IsReadableExtension(const QString& upperExtension) const;
    void UpdateIndex();
    // The listed name of that file, or a null string.
    QString ListedName(const SFileIdentity& identity) const;
    void Index(const QString& path, const SFileIdentity& identity);

    CFormatsEnum* m_pFormats; // not owned
    // The paths of `images` for the duplicate test, valid while `images`
    // still shares its data with `m_indexed`: anyone who changes the public
    // list detaches it, and the set is then rebuilt on the next AddImage.
    QSet<QString> m_paths;
    QHash<FileId, QString> m_files; // to the listed path of that file
    QList<SImageRecord> m_indexed;
    static CListImages* s_pInstance;
};
