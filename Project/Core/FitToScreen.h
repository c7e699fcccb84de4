#pragma once
// Windows laid out for a large desktop must still fit a small or strongly
// scaled screen: a 1280 x 720 screen at 200 % leaves 640 x 360 to lay out.

#include <QRect>

class QDialog;
class QObject;
class QString;
class QLayout;
class QScreen;
class QScrollArea;
class QWidget;

// The available area of `screen`, of the primary screen when it is null.
QRect ScreenRoom(const QScreen* screen);
// Makes ScreenRoom answer `room` for every screen, as one that small would;
// an empty rectangle gives the screens' own areas back. The test platform
// has a single screen of a single size.
void SetScreenRoom(const QRect& room);

// Fits `dialog` to the available area of its screen each time it is shown,
// the window manager's frame included. Where the area holds the dialog's
// least size nothing changes. Where it does not, everything but the
// `buttons` row moves into a scroll area (once), and the dialog shrinks to
// the area with its buttons on the screen; without `buttons` (a dialog whose
// own views scroll) it only shrinks. Call after setupUi and before
// FitTextsToFonts: the filter installed first sees the Show event last,
// after the texts have grown.
void KeepDialogOnScreen(QDialog* dialog, QLayout* buttons);
// The same, without a buttons row, for every file chooser the application
// opens, Qt's own static ones included. Installing it again does nothing.
void KeepFileDialogsOnScreen();

// Installs the filter `make` builds, named `name`, on the application once:
// a filter of that name already there is left as it is.
void InstallApplicationFilterOnce(const QString& name, QObject* (*make)(QObject* parent));

// A window's page that can scroll, both ways: its layout and widgets move
// into a scroll area that fills it. The page keeps its least height and the
// area takes its layout's least width (FitTextsToFonts); on a screen too small for them
// the window gives them up (page height 0, ScrollSideways) and it scrolls.
void ScrollPage(QWidget* page);
// From now on `area` scrolls its page sideways rather than taking the page's
// least width, which FitTextsToFonts would give it again.
void ScrollSideways(QScrollArea* area);
constexpr char ScrollsSidewaysProperty[] = "scrollsSideways";
