#include "WholeLinesDelegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QListWidget>
#include <QScreen>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolTip>
#include <QtMath>

#include <limits>

namespace
{
// `text` wrapped at word boundaries only into lines of `width`: its widest
// line, wider than `width` where a word is, and the height of its lines.
QSize WordWrapped(const QString& text, const QFont& font, int width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    qreal widest = 0, height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        widest = qMax(widest, line.naturalTextWidth());
        height += line.height();
    }
    layout.endLayout();
    return QSize(qCeil(widest), qCeil(height));
}

// All of the row beside the picture and check box, whatever the text's own
// width.
QRect TextRoom(QStyleOptionViewItem item, const QWidget* widget)
{
    item.showDecorationSelected = true;
    return (widget ? widget->style() : QApplication::style())
        ->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
}

// Where the style starts the text of a cell below its picture: past the
// margin under the picture, which the picture's own rectangle leaves out.
int TextTop(const QStyleOptionViewItem& item, const QWidget* widget)
{
    return (widget ? widget->style() : QApplication::style())
        ->subElementRect(QStyle::SE_ItemViewItemText, &item, widget)
        .top();
}
} // namespace

void CWholeLinesDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    if (item.features & QStyleOptionViewItem::WrapText) {
        // The style pads the text by the focus frame margin on each side.
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        if (item.decorationPosition == QStyleOptionViewItem::Top) { // the text has the cell below its picture
            item.text = WholeLines(item.text, item.font, item.rect.width() - 2 * margin,
                                   item.rect.bottom() + 1 - TextTop(item, widget));
        } else { // the row beside its picture
            item.text =
                WholeLines(item.text, item.font, TextRoom(item, widget).width() - 2 * margin, item.rect.height());
        }
    }
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
}

QSize CWholeLinesDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QSize own = QStyledItemDelegate::sizeHint(option, index);
    const auto* view = qobject_cast<const QListView*>(option.widget);
    if (!view || view->viewMode() != QListView::ListMode || !view->wordWrap())
        return own;
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    item.rect = QRect(QPoint(), QSize(view->viewport()->width(), own.height()));
    const QStyle* style = view->style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const int lines = WordWrapped(item.text, item.font, TextRoom(item, view).width() - 2 * margin).height();
    return QSize(own.width(), qMax(own.height(), lines + 2 * margin));
}

QString CWholeLinesDelegate::WholeLines(const QString& text, const QFont& font, int width, int height)
{
    if (text.isEmpty() || width <= 0)
        return text;
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    qreal bottom = 0;
    int lastStart = 0, end = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        // Glyphs from a fallback font make a line taller than the font's own.
        if (!lines.isEmpty() && bottom + line.height() > height)
            break;
        bottom += line.height();
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
        lastStart = line.textStart();
        end = line.textStart() + line.textLength();
    }
    layout.endLayout();
    if (end < text.size()) // the last kept line runs on into what was left out
        lines.last() = QFontMetrics(font).elidedText(text.mid(lastStart).trimmed(), Qt::ElideRight, width);
    return lines.join(QChar::LineSeparator);
}

void CWholeLinesDelegate::SizeCells(QListWidget* view, const QSize& least)
{
    QStyleOptionViewItem item;
    item.initFrom(view);
    item.rect = QRect(QPoint(), least);
    item.decorationSize = view->iconSize();
    item.decorationPosition = QStyleOptionViewItem::Top;
    item.decorationAlignment = Qt::AlignCenter; // as a list in icon mode draws it
    item.features =
        QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::WrapText;
    QStringList names;
    for (int row = 0; row < view->count(); ++row)
        names << view->item(row)->text();
    const QStyle* style = view->style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1; // as paint() pads
    if (view->viewMode() == QListView::ListMode) {
        // Rows as wide as the list, their names wrapped beside picture and check
        // box (sizeHint): the widest word sets the list's least width, with
        // room for its scroll bar.
        item.decorationPosition = QStyleOptionViewItem::Left;
        item.rect.setWidth(1000);
        if (view->count() > 0 && view->item(0)->data(Qt::CheckStateRole).isValid())
            item.features |= QStyleOptionViewItem::HasCheckIndicator;
        int word = 0;
        for (const QString& name : qAsConst(names))
            word = qMax(word, WordWrapped(name, view->font(), 1).width());
        view->setMinimumWidth(word + 2 * margin + item.rect.width() - TextRoom(item, view).width() +
                              2 * view->frameWidth() + style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view));
        for (int row = 0; row < view->count(); ++row)
            view->item(row)->setSizeHint(QSize(0, least.height()));
        return;
    }
    const int picture = TextTop(item, view);
    // The widest word sets the width; the lines at that width the height.
    int width = least.width() - 2 * margin;
    for (const QString& name : qAsConst(names))
        width = qMax(width, WordWrapped(name, view->font(), width).width());
    width = qMin(width, 2 * least.width() - 2 * margin);
    int height = least.height() - picture;
    for (const QString& name : qAsConst(names))
        height = qMax(height, WordWrapped(name, view->font(), width).height());
    height = qMin(height, 2 * least.height() - picture); // a user's very long name is still elided
    const QSize cell(width + 2 * margin, picture + height);
    for (int row = 0; row < view->count(); ++row)
        view->item(row)->setSizeHint(cell);
}

QString CWholeLinesDelegate::ToolTipLines(const QString& text, const QWidget* widget)
{
    if (Qt::mightBeRichText(text)) // the tip wraps rich text itself
        return text;
    const QScreen* screen = widget ? widget->screen() : QGuiApplication::primaryScreen();
    const int width = screen->availableGeometry().width() / 2;
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = WholeLines(line, QToolTip::font(), width, std::numeric_limits<int>::max());
    return lines.join(QLatin1Char('\n'));
}
