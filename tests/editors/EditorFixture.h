#pragma once
// What every editor test shares: the start-up, generated photos, one page
// opened as the filter dialog opens it (two real preview views, ping, then
// Load or Initialize), its debounce driven without sleeping, the colour
// chooser answered, and records applied by the engine.

#include "ListFilters.h"

#include <QList>
#include <QRgb>
#include <QSignalSpy>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <Magick++.h>

#include <functional>
#include <memory>

class CControlImage;
class CColorPicker;
class QComboBox;
class CFilterPage;
class CFilterSettings;

namespace EditorTest
{

// ImageMagick, meta types and catalogues, a light plain image cache, and a
// message handler that fails the running test on any Qt warning.
void InitOnce();

// A generated photo file of the given kind, made once per process:
// "photo" a photo-like JPEG, "red" a flat red JPEG, "o5"/"o6"/"o7" a TIFF
// with that orientation. An empty path stands for "no photo".
QString Photo(int width, int height, const QString& kind = QStringLiteral("photo"));

// A record of `type` with the given values.
SFilterRecord Record(quint32 type, const QList<double>& values);

// A copy of the resource root whose frame files a test may delete; the
// override ends when the object goes.
class CTempResources
{
public:
    CTempResources();
    ~CTempResources();
    QString Frames() const { return m_Dir.path() + "/Frames/"; }

private:
    QTemporaryDir m_Dir;
};

class CEditor
{
public:
    // Builds the page of `type` in a shown 240-px host and starts it as the
    // dialog does: Load(record, true) when its count is not 0, else
    // Initialize(). `photo` "" is no photo.
    CEditor(int type, const SFilterRecord& record, const QString& photo);
    ~CEditor();

    // The interval of "previewTimer" while it runs, else -1.
    int Pending() const;
    // Runs OnTimer as the timeout would; the states emitted since the last
    // Fire or Take (its own included).
    QList<SFilterRecord> Fire();
    // The states emitted since the last Fire or Take.
    QList<SFilterRecord> Take();
    // What OK would store: the opened record after Save.
    SFilterRecord Saved();
    // The filtered view's chain.
    const QList<SFilterRecord>& Chain() const;

    template <class T> T* Child(const QString& name) const { return host->findChild<T*>(name); }

    std::unique_ptr<QWidget> host;
    CFilterPage* page = nullptr;
    CControlImage* filtered = nullptr;
    CControlImage* unfiltered = nullptr;
    SFilterRecord record;

private:
    std::unique_ptr<QSignalSpy> m_Spy;
    int m_Taken = 0;
};

// Selects an item as a user does: the index changes and `activated` follows.
void Activate(QComboBox* combo, int index);

// One user change of a control: the next item of a list, a step of a
// spin box or slider, a click of a button.
void Poke(QWidget* control, int step = 1);

// Clicks the colour button and answers Qt's own chooser with `rgb` (accept)
// or with Cancel.
void ChooseColour(CColorPicker* picker, QRgb rgb, bool accept);

// The photo read by the engine with `record` applied (type code set); an
// empty image when the filter failed.
Magick::Image Apply(const SFilterRecord& record, const QString& photo);

// Runs the real filter dialog on `record` (type code set, catalogue name)
// as step 2 opens it. `steps` run once the editor's first state is stored
// (waits bounded at 5 s); the dialog is then accepted or rejected. Returns
// exec()'s result (-1 when a modal window had to be closed by force) and
// the record the dialog holds afterwards.
struct SDialogRun {
    int result = 0;
    SFilterRecord record;
};
SDialogRun RunDialog(int type, const SFilterRecord& record, const QString& photo,
                     const std::function<void(CFilterSettings&)>& steps, bool accept);

} // namespace EditorTest
