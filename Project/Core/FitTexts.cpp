#include "FitTexts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QWidget>

#include <algorithm>

namespace
{
// The size the text of `w` needs, or an empty size for widgets that show
// no text (pictures, icon-only buttons, containers).
QSize TextNeed(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text().isEmpty())
            return QSize();
        if (label->wordWrap()) // the width is the layout's; only the lines' height counts
            return QSize(0, label->heightForWidth(label->width()));
        return label->sizeHint();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text().isEmpty() ? QSize() : button->sizeHint();
    if (qobject_cast<QComboBox*>(w) || qobject_cast<QProgressBar*>(w))
        return w->sizeHint();
    return QSize();
}

// Raises the largest size to `need`, and a minimum the form set (non-zero)
// as well, so that the layout can no longer squeeze the widget below it.
void Relax(QWidget* w, const QSize& need)
{
    if (need.width() > w->maximumWidth())
        w->setMaximumWidth(need.width());
    if (w->minimumWidth() > 0 && need.width() > w->minimumWidth())
        w->setMinimumWidth(need.width());
    if (need.height() > w->maximumHeight())
        w->setMaximumHeight(need.height());
    if (w->minimumHeight() > 0 && need.height() > w->minimumHeight())
        w->setMinimumHeight(need.height());
}

// Whether `w` is placed by its parent's layout rather than by coordinates.
bool Managed(QWidget* w)
{
    const QWidget* parent = w->parentWidget();
    return parent && parent->layout() && parent->layout()->indexOf(w) >= 0;
}
} // namespace

void FitTextsToFonts(QWidget* root)
{
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        const QSize need = TextNeed(w);
        if (!need.isValid())
            continue;
        Relax(w, need);
        if (!Managed(w) && !w->isWindow())
            w->resize(w->size().expandedTo(need));
    }
    // Innermost containers first, so that each outer one sees its children's
    // new minimums.
    widgets.prepend(root);
    std::reverse(widgets.begin(), widgets.end());
    for (QWidget* w : widgets) {
        QLayout* layout = w->layout();
        if (!layout)
            continue;
        layout->invalidate();
        QSize need = layout->totalMinimumSize();
        if (layout->hasHeightForWidth()) // wrapped lines at the present width
            need.setHeight(std::max(need.height(), layout->totalHeightForWidth(w->width())));
        Relax(w, need);
        if (!Managed(w) && (w == root || !w->isWindow()))
            w->resize(w->size().expandedTo(need));
    }
}
