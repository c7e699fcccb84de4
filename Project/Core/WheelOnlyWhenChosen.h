#pragma once
// A setting must never change as the wheel passes over it on its way to
// scrolling a page, nor because the program put the keyboard focus on it.

// From now on, in every window of the application, a combo box, spin box,
// slider or dial takes the wheel only while it has the focus that the user
// gave it: by a click, Tab, Shift+Tab or its access key. Focus that Qt or
// the program moves (a page or dialog that opens, a control disabled or
// hidden, an undo) does not count, whatever its reason; focus given back as it
// was (a window activated again, a popup closed) keeps what it was. Any other
// turn goes on to the box's parents, so that a page that scrolls scrolls.
// The keyboard is left alone. Installing it again does nothing.
void TakeWheelOnlyWhenChosen();
