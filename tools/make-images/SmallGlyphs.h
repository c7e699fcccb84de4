#pragma once
// Sheets of small interface icons: toolbar glyphs, destinations, wizard
// steps, settings tabs, share prompt and the format strips.

class QPainter;

// 6 x 2 cells of 16. Row 0: fit, 100 %, zoom in, zoom out, add, remove.
// Row 1: undo, redo, previous, next, edit names. Dark glyphs for the light
// theme, light glyphs for the dark one.
void DrawMinimalSheet(QPainter& p, bool darkTheme);

// Cells of 32 from the left: folder, e-mail, FTP, Flickr.
void DrawOutputSheet(QPainter& p);

// Cells of 32: Add Photos, Edit Photos, Setup, Process, Help.
void DrawWizardStepsSheet(QPainter& p);

// Two cells of 32: the "General" and "Image Formats" tabs.
void DrawSettingsSheet(QPainter& p);

// Three cells of 48: e-mail a friend, copy link, visit web site.
void DrawSocialSheet(QPainter& p);

// 10 cells of `cell`: keep-original, generic, JPG, TIF, PNG, GIF, BMP, PSD,
// raw; the last cell is unused.
void DrawFormatStrip(QPainter& p, double cell);
