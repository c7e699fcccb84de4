#pragma once

#include <QPainterPath>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

class QTextLayout;

// The tip balloon: a blue shape with a white outline and white text laid out
// line by line inside it. Only the outline is scaled to the widget (x and y
// apart); the text keeps its size, each line as wide as the shape allows at
// its height, and whatever does not fit above the shape's bottom is cut.
// "<b>" ... "</b>" marks bold runs. Clicks pass through to what lies below.
class CTextWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CTextWidget(QWidget* parent = nullptr);

    // The outline in its own coordinates; the box from (0, 0) to its bounds'
    // right + left and bottom + top is stretched over the widget, so the
    // outline keeps the margins it has to its origin.
    void SetShape(const QPainterPath& shape);
    void SetParagraphs(const QStringList& paragraphs);
    // Whether every line of the text fits inside the shape at the present size.
    bool TextFits() const;
    // A larger font needs a larger balloon: it grows, keeping its shape,
    // until its text fits (bounded, in case it never does).
    void GrowToText();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The outline as drawn at the widget's present size.
    QPainterPath ScaledShape() const;
    // Lays the paragraphs out in `shape` into `layouts`; returns how many
    // lines of each fit and tells in `complete` whether all did.
    std::vector<int> Arrange(const QPainterPath& shape, std::vector<std::unique_ptr<QTextLayout>>& layouts,
                             bool& complete) const;

    QPainterPath m_shape;
    QStringList m_paragraphs;
};
