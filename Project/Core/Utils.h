#pragma once
// Free helpers shared by every subsystem: typed access to the settings store,
// user folders, XML escaping for job files, Base64 and the stored-password
// form, log-line shortening, help pages, the tip balloon outline, window
// centring, flat tool buttons, a sort predicate and the trace hook.

#include <QByteArray>
#include <QPainterPath>
#include <QString>

#include <string>

class QAbstractItemView;
class QKeyEvent;
class QRect;
class QToolButton;
class QUrl;
class QWidget;

// The names that key the settings store; the application object carries the
// same pair.
extern const QString organization;
extern const QString application;
// The maker's support mail address, beside the help site of OpenHelpFile.
extern const char kSupportAddress[];

// Settings store. Each call opens and closes its own QSettings, so any thread
// may call them; a missing key gives the default. The first write that the
// store refuses is passed to the failure handler, once per process.
// Keys are "group/name", e.g. "Settings/Settings.LanguageId".
QString GetRegistryString(const QString& key, const QString& defaultValue);
void SetRegistryString(const QString& key, const QString& value);
int GetRegistryInt(const QString& key, int defaultValue);
void SetRegistryInt(const QString& key, int value);
QByteArray GetRegistryByteArray(const QString& key, const QByteArray& defaultValue);
void SetRegistryByteArray(const QString& key, const QByteArray& value);
// Receives the store's file name when a write failed; it may be called on any
// thread. Without one, a line goes to stderr.
using RegistryFailureHandler = void (*)(const QString& file);
void SetRegistryFailureHandler(RegistryFailureHandler handler);

// The same on a native-format store kept in the given file.
QString GetRegistryValue(const QString& file, const QString& key, const QString& defaultValue);
void SetRegistryValue(const QString& file, const QString& key, const QString& value);
void DeleteRegistryValue(const QString& file, const QString& key);
bool RegistryValueExists(const QString& file, const QString& key);

// The user's folders with "/" separators and no trailing "/"; "" when the
// system reports none.
QString GetMyDocuments();
QString GetMyPictures();
// Where a file chooser opens: `lastUsed` when that folder exists, else the
// user's pictures folder when it exists, else home. A folder that is not
// there would open its parent with the missing name typed in.
QString ChooserStart(const QString& lastUsed);

// "s=" + the stored download source + "&", or "" when none is stored.
QString GetDownloadSourceName();

// The maker's web site, over HTTP, without a trailing "/".
extern const char kWebSite[];

// Opens the online help page of a topic (a page file name) in the browser,
// through OpenOnDesktop.
void OpenHelpFile(const QString& topic);

// Hands an address or a file to the desktop (xdg-open) and waits briefly for
// its verdict; false when nothing could open it. QDesktopServices alone only
// says whether the opener started. What the opener printed by then goes to
// *said, never to stderr.
bool HandToDesktop(const QUrl& url, QString* said = nullptr);
// HandToDesktop, and when it fails a warning that names the address or the
// file, so that the user can open it by hand.
bool OpenOnDesktop(const QUrl& url);
// A warning with OK over the active window; without a display (a run from
// the command line) a line on stderr instead.
void WarnUser(const QString& title, const QString& text);
// One line on stderr, "brandquill: " first, line breaks made spaces.
void ReportOnStderr(const QString& text);
// True on the platforms that show nothing to anybody (offscreen, minimal).
bool NoDisplay();

// Keeps the last `length` UTF-16 units of a text behind "...", optionally
// inside double quotation marks.
QString TruncateString(const QString& text, int length, bool quoted);

// A text shown in one log line: line breaks, tabs and NUL as "\r", "\n",
// "\t" and "\0", any other control character or line separator as "?".
// A file name may hold any of them.
QString PrintableInLog(const QString& text);

// Escaping of the five XML characters for hand-written job files.
QString PlainTextToXML(const QString& text);
QString XMLToPlainText(const QString& text);

// Standard Base64 (RFC 4648), no line breaks. Decoding never fails: it reads
// the valid prefix and stops at "=", white space or any foreign character.
std::string Base64Encode(const unsigned char* bytes, quint32 length);
std::string Base64Decode(const std::string& text);

// Stored form of a password: Base64 of its UTF-8 bytes, no key.
QString EncryptString(const QString& text);
QString DecryptString(const QString& text);

// Outline of a tip balloon in its own pixel coordinates: shape 0 has its tail
// lower left, 1 lower right, 2 upper left; any other shape gives an empty path.
QPainterPath GenerateInfoBaloon(int shape);

// Centres a child window over its parent (or over an area of the numbered
// screen), keeping its frame on that screen.
void CenterChild(QWidget* parent, QWidget* child);
void CenterChild(const QRect& area, int screen, QWidget* child);

// Flat tool button: transparent, grey when hovered or checked.
void MacToolbuttonAutoraise(QToolButton* button);

// Return or Enter in a picker of a list and page buttons: on the list's
// current item its activated signal has answered it, on a page button it
// shows that page. True when handled, so that the default button does not
// answer the same key again.
bool PickerReturn(const QKeyEvent* event, QWidget* focus, const QAbstractItemView* list);

// Sort predicate: a before b in QString order (UTF-16 units, case-sensitive).
bool StringCompareAscending(const QString& a, const QString& b);

// Trace hook: methods announce themselves here; it writes nothing.
void SystemLogWrite(const QString& text, bool flag = false);
void SystemLogWriteDate();

// Removes a folder with everything in it; links are removed, never followed.
// True when the folder is gone (or never existed).
bool RemoveDir(const QString& path);
// Bytes in the files of a folder and its subfolders, links excluded.
qint64 DirSize(const QString& path);
