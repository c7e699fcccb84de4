#include "ImageList.h"

#include "FilterGlyphs.h"
#include "Pictures.h"
#include "SmallGlyphs.h"

namespace
{
QSize Twice(const QSize& s)
{
    return s * 2;
}
} // namespace

QList<InterfaceImage> InterfaceImages()
{
    QList<InterfaceImage> list;
    const auto add = [&list](const QString& name, QSize size, QSize size2x,
                             std::function<void(QPainter&, const QSizeF&)> draw) {
        list.append({name, size, size2x, std::move(draw)});
    };
    const auto sheet = [](std::function<void(QPainter&)> draw) {
        return [draw](QPainter& p, const QSizeF&) { draw(p); };
    };

    add("Add.png", QSize(32, 32), Twice(QSize(32, 32)), DrawAdd);
    add("AppIcon-128.png", QSize(128, 128), Twice(QSize(128, 128)), DrawAppIcon);
    add("Cursor-Rotate.png", QSize(16, 16), Twice(QSize(16, 16)), DrawRotateCursor);
    add("DialogTip-Banner.png", QSize(128, 128), Twice(QSize(128, 128)), DrawTipBanner);
    for (int cell : {32, 48, 64}) {
        const QSize size(18 * cell, 6 * cell);
        add("Icons-Filters-" + QString::number(cell) + ".png", size, Twice(size),
            sheet([cell](QPainter& p) { DrawFilterSheet(p, cell); }));
    }
    for (int cell : {32, 64}) {
        const QSize size(10 * cell, cell);
        add("Icons-Formats-" + QString::number(cell) + ".png", size, Twice(size),
            sheet([cell](QPainter& p) { DrawFormatStrip(p, cell); }));
    }
    add("Icons-Minimal-Dark.png", QSize(96, 32), Twice(QSize(96, 32)),
        sheet([](QPainter& p) { DrawMinimalSheet(p, true); }));
    add("Icons-Minimal-Light.png", QSize(96, 32), Twice(QSize(96, 32)),
        sheet([](QPainter& p) { DrawMinimalSheet(p, false); }));
    add("Icons-Output.png", QSize(225, 32), QSize(449, 64), sheet(DrawOutputSheet));
    add("Icons-Social.png", QSize(144, 48), Twice(QSize(144, 48)), sheet(DrawSocialSheet));
    add("Icons-WizardSteps.png", QSize(160, 32), Twice(QSize(160, 32)), sheet(DrawWizardStepsSheet));
    add("Mail.png", QSize(128, 138), QSize(256, 256), DrawMail);
    add("Overlay-Symbol.png", QSize(150, 105), QSize(300, 209), DrawOverlaySymbol);
    add("Preview-Placeholder.png", QSize(128, 128), Twice(QSize(128, 128)), DrawPreviewPlaceholder);
    add("Settings.png", QSize(64, 32), Twice(QSize(64, 32)), sheet(DrawSettingsSheet));
    add("WizardStart-Wizard.png", QSize(148, 240), QSize(), DrawWizardBanner);
    return list;
}

QString DoubleResolutionName(const QString& name)
{
    const int dot = name.lastIndexOf('.');
    return name.left(dot) + "@2x" + name.mid(dot);
}
