#include "CTextWidget.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <QRegularExpression>
#include <QTextLayout>

#include <algorithm>
#include <memory>
#include <vector>

namespace
{
const QColor kFill(0x26, 0xA3, 0xE2);
constexpr qreal kSideMargin = 6;
// Space kept between the outline and the first and last line.
constexpr qreal kTopMargin = 3;

// Horizontal extents of the inside of a polygon, row by row.
class CShapeBands
{
public:
    explicit CShapeBands(const QPainterPath& shape) : m_polygons(shape.toFillPolygons()), m_bounds(shape.boundingRect())
    {
    }

    // The widest run that is inside the shape on every pixel row of the
    // strip [top, top + height]; empty when none.
    QPair<qreal, qreal> Band(qreal top, qreal height) const
    {
        qreal left = -1e9, right = 1e9;
        for (qreal y = top;; y += 1) {
            const qreal row = std::min(y, top + height);
            const QPair<qreal, qreal> span = WidestSpan(row);
            left = std::max(left, span.first);
            right = std::min(right, span.second);
            if (right <= left || row >= top + height)
                break;
        }
        return right > left ? qMakePair(left, right) : qMakePair(0.0, 0.0);
    }

    // Whether a line of `height` starting at row `top` has room, and where.
    // Text goes only where the shape is at least half its full width, so
    // never into the balloon's pointer.
    bool LineFits(qreal top, qreal height, QPair<qreal, qreal>* where = nullptr) const
    {
        const QPair<qreal, qreal> band = Band(top, height);
        if (where)
            *where = band;
        return top + height <= m_bounds.bottom() &&
               band.second - band.first >= std::max<qreal>(m_bounds.width() / 2, 4 * kSideMargin);
    }
    const QRectF& Bounds() const { return m_bounds; }

private:
    QPair<qreal, qreal> WidestSpan(qreal y) const
    {
        QVector<qreal> xs;
        for (const QPolygonF& polygon : m_polygons) {
            for (int i = 0; i + 1 < polygon.size(); ++i) {
                const QPointF a = polygon[i], b = polygon[i + 1];
                if ((a.y() <= y) != (b.y() <= y))
                    xs.append(a.x() + (y - a.y()) * (b.x() - a.x()) / (b.y() - a.y()));
            }
        }
        std::sort(xs.begin(), xs.end());
        QPair<qreal, qreal> best(0, 0);
        for (int i = 0; i + 1 < xs.size(); i += 2)
            if (xs[i + 1] - xs[i] > best.second - best.first)
                best = qMakePair(xs[i], xs[i + 1]);
        return best;
    }

    QList<QPolygonF> m_polygons;
    QRectF m_bounds;
};

// One paragraph without its markup, with the bold runs as formats.
std::unique_ptr<QTextLayout> MakeLayout(const QString& paragraph, const QFont& font)
{
    static const QRegularExpression tag(QStringLiteral("<(/?)b>"), QRegularExpression::CaseInsensitiveOption);
    QFont bold(font);
    bold.setBold(true);
    QString text;
    QVector<QTextLayout::FormatRange> formats;
    bool inBold = false;
    int from = 0;
    QRegularExpressionMatchIterator it = tag.globalMatch(paragraph);
    const auto addRun = [&](int end) {
        const QString run = paragraph.mid(from, end - from);
        if (inBold && !run.isEmpty()) {
            QTextLayout::FormatRange range;
            range.start = text.size();
            range.length = run.size();
            range.format.setFont(bold);
            formats.append(range);
        }
        text += run;
    };
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        addRun(m.capturedStart());
        inBold = m.captured(1).isEmpty();
        from = m.capturedEnd();
    }
    addRun(paragraph.size());

    auto layout = std::make_unique<QTextLayout>(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    layout->setFormats(formats);
    return layout;
}

// Lays the paragraphs out from `top` downwards; returns how many lines of
// each fit, and in `bottom` the lower edge of the last line that fits.
// `complete` tells whether every line fitted. All lines begin at one left
// edge, the rightmost the shape allows any of them: a line moved right on
// its own, by a rounded corner, reads as if it began with a space.
std::vector<int> LayOut(const std::vector<std::unique_ptr<QTextLayout>>& layouts, const CShapeBands& bands,
                        qreal lineHeight, qreal top, qreal& bottom, bool& complete)
{
    std::vector<int> fitted;
    qreal left = -1e9;
    for (bool again = true; again;) { // the edge moves right only, so this ends
        fitted.clear();
        qreal y = top;
        bottom = top;
        complete = true;
        qreal rightmost = left;
        for (const auto& layout : layouts) {
            int count = 0;
            layout->beginLayout();
            for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
                QPair<qreal, qreal> band;
                if (!complete || !bands.LineFits(y, lineHeight, &band)) {
                    complete = false;
                    line.setLineWidth(1e6); // the rest of the paragraph in one unused line
                    continue;
                }
                rightmost = std::max(rightmost, band.first);
                const qreal x = std::max(band.first, left);
                line.setLineWidth(band.second - x - 2 * kSideMargin);
                line.setPosition(QPointF(x + kSideMargin, y));
                y += lineHeight;
                bottom = y;
                ++count;
            }
            layout->endLayout();
            fitted.push_back(count);
            y += lineHeight / 3; // paragraph spacing
        }
        again = rightmost > left + 0.5;
        left = rightmost;
    }
    return fitted;
}
} // namespace

CTextWidget::CTextWidget(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CTextWidget::SetShape(const QPainterPath& shape)
{
    m_shape = shape;
    update();
}

void CTextWidget::SetParagraphs(const QStringList& paragraphs)
{
    m_paragraphs = paragraphs;
    update();
}

QPainterPath CTextWidget::ScaledShape() const
{
    const QRectF bounds = m_shape.boundingRect();
    const qreal boxWidth = bounds.right() + bounds.left();
    const qreal boxHeight = bounds.bottom() + bounds.top();
    if (m_shape.isEmpty() || boxWidth <= 0 || boxHeight <= 0)
        return QPainterPath();
    return QTransform::fromScale(width() / boxWidth, height() / boxHeight).map(m_shape);
}

void CTextWidget::paintEvent(QPaintEvent*)
{
    const QPainterPath shape = ScaledShape();
    if (shape.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(kFill);
    painter.drawPath(shape);
    if (m_paragraphs.isEmpty())
        return;

    std::vector<std::unique_ptr<QTextLayout>> layouts;
    bool complete = false;
    const std::vector<int> fitted = Arrange(shape, layouts, complete);
    painter.setPen(Qt::white);
    for (size_t i = 0; i < layouts.size(); ++i)
        for (int l = 0; l < fitted[i]; ++l)
            layouts[i]->lineAt(l).draw(&painter, QPointF());
}

std::vector<int> CTextWidget::Arrange(const QPainterPath& shape, std::vector<std::unique_ptr<QTextLayout>>& layouts,
                                      bool& complete) const
{
    QFont bold(font());
    bold.setBold(true);
    for (const QString& paragraph : m_paragraphs)
        layouts.push_back(MakeLayout(paragraph, font()));
    // Glyphs that come from a fallback font (Japanese, for one) can be taller
    // than the font's own lines: each paragraph's first line measures them.
    qreal lineHeight = std::max(QFontMetricsF(font()).height(), QFontMetricsF(bold).height());
    for (const auto& layout : layouts) {
        layout->beginLayout();
        QTextLine line = layout->createLine();
        if (line.isValid()) {
            line.setLineWidth(1e6);
            lineHeight = std::max(lineHeight, line.height());
        }
        layout->endLayout();
    }
    const CShapeBands bands(shape);
    const auto fits = [&](qreal y) { return bands.LineFits(y, lineHeight); };
    qreal top = bands.Bounds().top();
    while (top + lineHeight <= bands.Bounds().bottom() && !fits(top))
        top += 1;
    top += kTopMargin;

    qreal bottom = 0;
    std::vector<int> fitted = LayOut(layouts, bands, lineHeight, top, bottom, complete);
    if (complete) {
        // Centre the text between the first and the last row with room: move
        // the last line down as far as it still fits, and go half that way.
        qreal lowestTop = bottom - lineHeight;
        while (fits(lowestTop + 1))
            lowestTop += 1;
        const qreal shift = (lowestTop - (bottom - lineHeight) - kTopMargin) / 2;
        bool centredComplete = false;
        qreal centredBottom = 0;
        std::vector<int> centred = shift >= 1
                                       ? LayOut(layouts, bands, lineHeight, top + shift, centredBottom, centredComplete)
                                       : std::vector<int>();
        // Rare: a narrower band lower down needs more lines than fit.
        if (centredComplete)
            fitted = centred;
        else if (shift >= 1)
            fitted = LayOut(layouts, bands, lineHeight, top, bottom, complete);
    }
    return fitted;
}

bool CTextWidget::TextFits() const
{
    const QPainterPath shape = ScaledShape();
    if (shape.isEmpty() || m_paragraphs.isEmpty())
        return m_paragraphs.isEmpty();
    std::vector<std::unique_ptr<QTextLayout>> layouts;
    bool complete = false;
    Arrange(shape, layouts, complete);
    return complete;
}

void CTextWidget::GrowToText()
{
    for (int step = 0; step < 20 && !TextFits(); ++step)
        resize(size() * 1.1);
}
