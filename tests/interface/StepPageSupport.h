#pragma once
// Shared set-up of the step-page tests, beside the engine start and photo
// writer of tests/filters/FilterTestSupport.h.

#include <QString>
#include <QStringList>

class QWidget;

namespace StepPage
{
// Replaces the job's photo list with `paths` (ordinals = rows).
void SetPhotos(const QStringList& paths);
// The group box title or the text of the page's named child; "<missing>"
// when there is no such child.
QString TitleOrText(QWidget* page, const QString& name);
// Shows a page at 700 x 550 and waits until it is on screen.
bool ShowPage(QWidget* page);
} // namespace StepPage
