#include "FitTexts.h"

#include "FitToScreen.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QProgressBar>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QWidget>

#include <algorithm>

namespace
{
// The size the text of `w` needs, or an empty size for widgets that show
// no text (pictures, icon-only buttons, containers).
QSize TextNeed(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w)) {
        // A label filled in later (a zoom percent) names its widest text in
        // the form: it is fitted to that before it shows any.
        const QString widest = label->property("widestText").toString();
        if (!widest.isEmpty()) {
            QLabel probe(widest);
            probe.setFont(label->font());
            probe.setMargin(label->margin());
            probe.setIndent(label->indent());
            return probe.sizeHint();
        }
        if (label->text().isEmpty())
            return QSize();
        if (label->wordWrap()) // the width is the layout's, down to its longest word; the lines' height
            return QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()));
        return label->sizeHint();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text().isEmpty() ? QSize() : button->sizeHint();
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        // A fixed list (a combo sized to its contents, Qt's default) needs its
        // widest item, since the user may choose any. A list of the user's own
        // names or paths (sized to a minimum length in the form) takes the
        // width its layout gives: a long path must not widen the window.
        const bool anyItem = combo->sizeAdjustPolicy() == QComboBox::AdjustToContents ||
                             combo->sizeAdjustPolicy() == QComboBox::AdjustToContentsOnFirstShow;
        const QFontMetrics metrics = combo->fontMetrics();
        QSize text(0, metrics.height());
        if (anyItem) {
            text.setWidth(metrics.horizontalAdvance(combo->currentText()));
            for (int i = 0; i < combo->count(); ++i) {
                const bool icon = !combo->itemIcon(i).isNull();
                text = text.expandedTo(
                    QSize(metrics.horizontalAdvance(combo->itemText(i)) + (icon ? combo->iconSize().width() + 4 : 0),
                          icon ? combo->iconSize().height() : 0));
            }
        }
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        return combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, combo);
    }
    if (qobject_cast<QProgressBar*>(w))
        return w->minimumSizeHint(); // its text's line
    if (qobject_cast<QAbstractSpinBox*>(w))
        return w->sizeHint(); // its widest value
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

// A page wider than its scroll area would be cut at the area's right edge,
// behind a sideways scroll bar: the area takes the page's width instead,
// with room for the vertical bar when the page is also too tall. A window's
// step page on a screen narrower than it scrolls sideways instead.
void WidenToPage(QScrollArea* area)
{
    QWidget* page = area->widget();
    if (!page || !area->widgetResizable() || area->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff ||
        area->property(ScrollsSidewaysProperty).toBool())
        return;
    const QSize pageNeed = page->minimumSizeHint().expandedTo(page->minimumSize());
    const int frame = 2 * area->frameWidth();
    const bool tall =
        area->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff && pageNeed.height() > area->height() - frame;
    const int need =
        pageNeed.width() + frame + (tall ? area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area) : 0);
    if (need > area->width())
        area->setMinimumWidth(need);
}

// Forgets the minimums `layout` and the layouts nested in it computed before
// the texts grew: a child's new minimum clears only its parent widget's
// layout, not the nested one that holds the child.
void Invalidate(QLayout* layout)
{
    const bool mainWindow = qobject_cast<QMainWindow*>(layout->parentWidget()); // its layout lists no items
    for (int i = 0; !mainWindow && i < layout->count(); ++i)
        if (QLayout* inner = layout->itemAt(i)->layout())
            Invalidate(inner);
    layout->invalidate();
}

// Innermost containers first, so that each outer one sees its children's
// new minimums.
void FitContainers(QWidget* root, const QList<QWidget*>& innermostFirst)
{
    for (QWidget* w : innermostFirst) {
        if (auto* area = qobject_cast<QScrollArea*>(w)) {
            WidenToPage(area);
            continue;
        }
        QLayout* layout = w->layout();
        if (!layout || (layout->isEmpty() && !qobject_cast<QMainWindow*>(w))) // an empty layout's margins are no text
            continue;
        Invalidate(layout);
        const QSize need = layout->totalMinimumSize();
        Relax(w, need);
        if (!Managed(w) && (w == root || !w->isWindow()))
            w->resize(w->size().expandedTo(need));
    }
}

void Fit(QWidget* root)
{
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        w->updateGeometry(); // layouts may hold the sizes from before the style's polish
        const QSize need = TextNeed(w);
        if (!need.isValid())
            continue;
        if (qobject_cast<QComboBox*>(w)) {
            // A combo asks for room only when it lacks it.
            const bool short_ = need.width() > w->width();
            Relax(w, QSize(short_ ? need.width() : 0, need.height()));
            if (short_)
                w->setMinimumWidth(need.width());
        } else {
            Relax(w, need);
        }
        if (!Managed(w) && !w->isWindow())
            w->resize(w->size().expandedTo(need));
    }
    widgets.prepend(root);
    std::reverse(widgets.begin(), widgets.end());
    FitContainers(root, widgets);

    // A wrapped text's height depends on the width the layout gives it: lay
    // the window out once, then let each label still short of its lines ask
    // for them. The pages a stack hides are laid out in its room as well.
    for (auto it = widgets.crbegin(); it != widgets.crend(); ++it) { // outermost first
        if ((*it)->layout())
            (*it)->layout()->activate();
        if (auto* stack = qobject_cast<QStackedWidget*>(*it))
            for (int i = 0; i < stack->count(); ++i)
                stack->widget(i)->setGeometry(stack->contentsRect());
    }
    bool grown = false;
    for (QLabel* label : root->findChildren<QLabel*>()) {
        const int lines = label->wordWrap() && !label->text().isEmpty() ? label->heightForWidth(label->width()) : 0;
        // The layout counts a wrapped label as one line: pin its lines.
        if (lines > std::max(label->minimumHeight(), label->minimumSizeHint().height())) {
            label->setMinimumHeight(lines);
            grown = true;
        }
    }
    if (grown)
        FitContainers(root, widgets);

    // A page fitted after its window was shown: the containers above it, up
    // to the window, follow its new minimum.
    QList<QWidget*> above;
    for (QWidget* w = root; !w->isWindow() && w->parentWidget(); w = w->parentWidget())
        above.append(w->parentWidget());
    if (!above.isEmpty())
        FitContainers(above.last(), above);
}

// Fits its parent's texts when the parent is first shown: only then are the
// style's margins, the pages a stack hides and the texts filled in after
// setupUi all known. The window is not yet on the screen at that point.
class CFitOnShow : public QObject
{
public:
    explicit CFitOnShow(QWidget* root) : QObject(root) { root->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parent() && event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            Fit(static_cast<QWidget*>(watched));
            deleteLater();
        }
        return false;
    }
};
} // namespace

void FitTextsToFonts(QWidget* root)
{
    if (root->isVisible())
        Fit(root);
    else
        new CFitOnShow(root);
}
