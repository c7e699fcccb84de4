#pragma once
// Item text in a grid of fixed cells or in a list's rows: the lines that fit
// whole are drawn and the last of them is elided when more follow. The view
// itself would draw a line that is more than half visible cut through at the
// cell's edge.

#include <QStyledItemDelegate>

class QListWidget;

class CWholeLinesDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // In a list that wraps its texts a row is as wide as the view: it grows
    // from its own size to the lines of its name at that width.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // `text` laid out in lines of `width`, keeping only the lines whose whole
    // height fits into `height` (at least one); the last kept line ends in an
    // ellipsis when text was left out. Lines are joined by line separators.
    static QString WholeLines(const QString& text, const QFont& font, int width, int height);

    // Gives every item of the grid `view` one cell size, in which the names
    // show whole below their pictures, each word on one line: `least`, grown
    // as far as the view's font and its longest name need, though never past
    // twice `least`. A list in list mode is given the least width in which
    // each name's widest word shows, and its rows `least`'s height.
    static void SizeCells(QListWidget* view, const QSize& least);

    // `text` as a tool tip over `widget` shows it: each of its lines wrapped
    // within half the screen, so that the tip stays on the screen.
    static QString ToolTipLines(const QString& text, const QWidget* widget);
};
