// bq-shots-editors <folder>: the filter dialog with each of the eleven editor
// pages on a generated photo, one PNG per case, for a person to look at
// (scripts/screenshots runs it under Xvfb). Checks what it wrote: every file
// at least 840 x 590 and of more than one colour; exits 1 otherwise.
#include "BqTestMain.h"
#include "ControlImage.h"
#include "EditorFixture.h"
#include "FilterPage.h"
#include "FilterSettings.h"
#include "FilterTypes.h"
#include "FitToScreen.h"
#include "UserProfile.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPainter>
#include <QStyleFactory>
#include <QTest>

#include <cstdio>
#include <functional>

using namespace EditorTest;

namespace
{

struct SShot {
    QString file;
    int type;
    QString photo;
    std::function<void(CFilterSettings&)> action;
    QString popup; // a combo shown open
};

bool MoreThanOneColour(const QImage& image)
{
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            if (image.pixel(x, y) != first)
                return true;
    return false;
}

QImage Shoot(const SShot& shot)
{
    CFilterSettings dialog;
    bool transition = false;
    dialog.record = Record(quint32(shot.type), {});
    dialog.setPanelTranzition(&transition);
    dialog.previewImage.path = shot.photo;
    CUserProfile::GetInstance()->PreviewPath = shot.photo;
    QImage image;
    QTimer::singleShot(0, &dialog, [&] {
        auto* view = dialog.findChild<CControlImage*>("scrollFilter");
        const auto ready = [&] {
            return dialog.Editor() && dialog.States().Count() >= 1 && !dialog.Editor()->timerPreview->isActive() &&
                   (shot.photo.isEmpty() || (view->shown && !view->pending));
        };
        bool settled = QTest::qWaitFor(ready, 20000);
        if (settled && shot.action) {
            shot.action(dialog);
            settled = QTest::qWaitFor(ready, 20000);
        }
        if (!settled) {
            // No picture: the case is reported as failed.
            dialog.reject();
            return;
        }
        QTest::qWait(200);
        image = dialog.grab().toImage();
        if (!shot.popup.isEmpty()) {
            // A popup is a window of its own: the picture grows to hold it
            // where it stands beside the dialog.
            auto* combo = dialog.findChild<QComboBox*>(shot.popup);
            combo->showPopup();
            QTest::qWait(300);
            QWidget* popup = combo->view()->window();
            const QRect frame(dialog.mapToGlobal(QPoint()), dialog.size());
            const QRect list(popup->mapToGlobal(QPoint()), popup->size());
            const QRect all = frame.united(list);
            QImage both(all.size() * image.devicePixelRatio(), QImage::Format_ARGB32);
            both.setDevicePixelRatio(image.devicePixelRatio());
            both.fill(QColor(96, 96, 96));
            QPainter painter(&both);
            painter.drawImage(frame.topLeft() - all.topLeft(), image);
            painter.drawPixmap(list.topLeft() - all.topLeft(), popup->grab());
            painter.end();
            image = both;
            combo->hidePopup();
        }
        dialog.reject();
    });
    dialog.exec();
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    BqTest::IsolateEnvironment();
    QApplication app(argc, argv);
    BqTest::ApplyShotsFont();
    // The dialog at its own size, as on a desktop with room for it.
    SetScreenRoom(QRect(0, 0, 1920, 1080));
    BqTest::ApplyShotsLanguage();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (argc != 2) {
        std::fputs("usage: bq-shots-editors <output folder>\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral(".")))
        return 1;
    InitOnce();
    const QString photo = Photo(1600, 1067);
    const auto choose = [](const char* name, int item) { // by position: the texts follow the language
        return [=](CFilterSettings& d) { Activate(d.findChild<QComboBox*>(name), item); };
    };
    const QList<SShot> shots = {
        {"resize.png", FilterResize, photo, nullptr, {}},
        {"resize-percent.png", FilterResize, photo, choose("comboDimensions", 1), {}},
        {"resize-fixed.png", FilterResize, photo, choose("comboResizeBy", 3), {}},
        {"resize-no-photo.png", FilterResize, {}, nullptr, {}},
        {"crop.png", FilterCrop, photo, nullptr, {}},
        {"rotate.png",
         FilterRotate,
         photo,
         [](CFilterSettings& d) { Poke(d.findChild<QWidget*>("buttonRotateRight")); },
         {}},
        {"auto-rotate.png", FilterAutoRotate, Photo(1600, 1067, "o6"), nullptr, {}},
        {"border.png", FilterSimpleBorder, photo, nullptr, {}},
        {"border-uniform-off.png",
         FilterSimpleBorder,
         photo,
         [](CFilterSettings& d) { d.findChild<QCheckBox*>("checkUniformDimensions")->click(); },
         {}},
        {"shape.png", FilterShapeFrame, photo, nullptr, {}},
        {"shape-popup.png", FilterShapeFrame, photo, choose("comboFrame", 3), "comboFrame"},
        {"grunge.png", FilterGrungeFrame, photo, nullptr, {}},
        {"picture.png", FilterPictureFrame, photo, nullptr, {}},
        {"vintage.png", FilterVintageFrame, photo, nullptr, {}},
        {"vintage-popup.png", FilterVintageFrame, photo, choose("comboFrame", 4), "comboFrame"},
        {"shadow.png", FilterShadow, photo, nullptr, {}},
        {"raise.png", FilterRaise, photo, nullptr, {}},
        {"raise-lower.png", FilterRaise, photo, choose("comboEffect", 0), {}},
    };
    int failed = 0;
    for (const SShot& shot : shots) {
        const QImage image = Shoot(shot);
        const QString path = out.filePath(shot.file);
        const bool ok = !image.isNull() && image.save(path) && QImage(path).width() >= 840 &&
                        QImage(path).height() >= 590 && MoreThanOneColour(QImage(path));
        std::printf("%s %s\n", ok ? "ok  " : "FAIL", qPrintable(path));
        failed += ok ? 0 : 1;
    }
    return failed ? 1 : 0;
}
