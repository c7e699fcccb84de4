#pragma once
// Single pictures: buttons, banners, placeholders and the application icon.
// Each fills the logical size it is given (the double-resolution variants of
// some pictures have their own proportions).

class QPainter;
class QSizeF;

void DrawAdd(QPainter& p, const QSizeF& size);
void DrawAppIcon(QPainter& p, const QSizeF& size);
void DrawRotateCursor(QPainter& p, const QSizeF& size);
void DrawTipBanner(QPainter& p, const QSizeF& size);
void DrawMail(QPainter& p, const QSizeF& size);
void DrawOverlaySymbol(QPainter& p, const QSizeF& size);
void DrawPreviewPlaceholder(QPainter& p, const QSizeF& size);
void DrawWizardBanner(QPainter& p, const QSizeF& size);
