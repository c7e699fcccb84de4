#pragma once
// The forms give many widgets the pixel sizes of the desktop they were drawn
// for; a larger or wider desktop font needs more room.

class QWidget;

// Lets each label, button, combo box, spin box, group box and progress bar
// under `root` whose fixed or largest size is below what its text needs grow
// to its text (its minimum follows the text where the form gave one), and lets
// every container and `root` itself follow its layout's new minimum. Texts
// that fit keep their sizes. Call once, after setupUi and after any size the
// constructor fixes in code; the sizes are mended when `root` is first shown.
// Call again on a shown form whose values have grown wider.
void FitTextsToFonts(QWidget* root);
