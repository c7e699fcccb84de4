#pragma once

#include <QString>

// Shows each auxiliary dialog, the tip dialog and the two tip balloons (shape
// 1 at 247 x 55, shape 2 at 200 x 80) and writes a picture of each into
// `outDir` as aux-<name>-<light|dark>.png. The caller applies the theme
// first; `dark` only names the files. Under xcb the windows are grabbed from
// the screen, elsewhere (offscreen) they render themselves. A picture that
// cannot be written is reported on stderr.
void ShootAuxDialogs(const QString& outDir, bool dark);
