#pragma once
// The one table of filter editor pages and their help pages, by type code.

#include <QString>

class CFilterPage;
class QWidget;

// The editor page of a type code, child of `parent`; nullptr for a code
// without a page (the dialog then returns at once).
CFilterPage* CreateFilterPage(int typeCode, QWidget* parent);

// The help page file name for F1 ("filters_marks_text.htm"); "" for a code
// outside the table.
QString FilterHelpPage(int typeCode);
