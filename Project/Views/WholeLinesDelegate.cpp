#include "WholeLinesDelegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QTextLayout>

void CWholeLinesDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    if (item.features & QStyleOptionViewItem::WrapText) {
        // The style pads the text by the focus frame margin on each side.
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        // The text has the cell below its picture.
        const QRect picture = style->subElementRect(QStyle::SE_ItemViewItemDecoration, &item, widget);
        item.text =
            WholeLines(item.text, item.font, item.rect.width() - 2 * margin, item.rect.bottom() - picture.bottom());
    }
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
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
