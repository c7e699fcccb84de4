#pragma once
// Drives the modal dialogs, message boxes, file choosers and popup menus that
// the code under test opens, so that a test can answer them and never hangs.

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

class QDialog;

namespace BqTest
{

// What the driver saw of one modal or popup window.
struct SModalSeen {
    QString className;              // e.g. "QMessageBox", "CDialogTip", "QMenu"
    QString title;                  // window title
    QString text;                   // QMessageBox text; empty otherwise
    QStringList labels;             // texts of every visible QLabel
    QStringList buttons;            // texts of the visible buttons
    QString parentClass;            // class of the parent widget, empty when none
    bool mainWindowVisible = false; // a visible QMainWindow existed at that time
};

// While armed, polls QApplication::activeModalWidget() and
// activePopupWidget() every 10 ms. Each new window is recorded and handed to
// the answer function; when that returns false (or none is set) the window
// is closed with reject() (a popup is hidden).
class CModalDriver : public QObject
{
public:
    using Answer = std::function<bool(QWidget* window, const SModalSeen& seen)>;

    explicit CModalDriver(Answer answer = Answer());
    ~CModalDriver() override;

    void Arm();
    void Disarm();
    const QList<SModalSeen>& Seen() const { return seen; }
    void Clear() { seen.clear(); }

    // Helpers for answer functions.
    // Clicks the button whose text (without '&') equals `text`; false if none.
    static bool Press(QWidget* window, const QString& text);
    // Fills a QFileDialog with `path` and accepts it; false if not a file dialog.
    static bool ChooseFile(QWidget* window, const QString& path);
    static SModalSeen Describe(QWidget* window);
    // The entries of a popup menu and its submenus, depth first ("Title>"
    // marks a submenu); empty for anything else.
    static QStringList MenuEntries(QWidget* window);
    // Triggers the menu entry (searched in submenus too) whose text equals
    // `text`, then closes the menu; false if none.
    static bool TriggerMenu(QWidget* window, const QString& text);

private:
    void Poll();

    Answer answer;
    QTimer timer;
    QList<SModalSeen> seen;
    QPointer<QWidget> last;
    bool lastChooser = false; // `last` is a file chooser the answer kept
    int pollsSinceAnswer = 0;
    bool answering = false;
};

// Runs `dialog` modally; after 60 s any modal widget is closed and *timedOut
// set, so a stray dialog fails the test instead of hanging it.
int ExecWithWatchdog(QDialog& dialog, bool* timedOut);

// The named child of a dialog under test; a missing one ends the test at
// once, as a form that lost a widget should.
template <typename T = QWidget> T* FindChild(QWidget& parent, const char* name)
{
    T* child = parent.findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

// Runs `dialog` modally under the watchdog; `whileOpen` acts on it from
// inside exec() and should close it. With a driver, the driver is armed for
// the run. A dialog still open after 60 s is closed and gives -1.
int RunWhileOpen(QDialog& dialog, const std::function<void()>& whileOpen, CModalDriver* driver = nullptr);

// Arms a 60 s hang guard for a modal loop the test starts itself: when it
// fires, every modal widget is rejected and *timedOut set. The guard stops
// when the returned object is destroyed.
class CModalWatchdog
{
public:
    explicit CModalWatchdog(bool* timedOut, int ms = 60000);
    ~CModalWatchdog();

private:
    QTimer timer;
};

} // namespace BqTest
