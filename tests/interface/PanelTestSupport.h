#pragma once
// Shared set-up of the step-page tests, beside the engine start and photo
// writer of tests/filters/FilterTestSupport.h.

#include <QStringList>

class QWidget;

namespace PanelTest
{
// Replaces the job's photo list with `paths` (ordinals = rows).
void SetPhotos(const QStringList& paths);
// Shows a page at 700 x 550 and waits until it is on screen.
bool ShowPage(QWidget* page);
} // namespace PanelTest
