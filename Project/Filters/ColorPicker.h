#pragma once
// The colour button of the filter editors: a swatch of its colour with a
// one-pixel black frame; a click opens the colour chooser.

#include <QColor>
#include <QIcon>
#include <QSize>
#include <QToolButton>

class CColorPicker : public QToolButton
{
    Q_OBJECT

public:
    explicit CColorPicker(QWidget* parent = nullptr);

    // Stores the colour as given (alpha included) and redraws; emits nothing.
    void SetColor(unsigned int rgb);
    // The swatch of `rgb` at the current swatch size, drawn opaque; empty
    // before the first show.
    QIcon ColorToIcon(unsigned int rgb) const;
    // Runs the chooser; a confirmed colour is stored opaque and reported.
    void ShowColorsDialog();

    QRgb color = 0xFF000000;
    QSize iconSize{-1, -1};

signals:
    // Only after the user confirmed a colour, also an unchanged one.
    void ColorChanged();

public slots:
    void OnClick();

protected:
    void showEvent(QShowEvent* event) override;
};
