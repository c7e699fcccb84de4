#include "FilterTestSupport.h"

#include "ControlImage.h"
#include "FiltersEnum.h"
#include "FormatsEnum.h"
#include "MagickRuntime.h"
#include "PhotoMaker.h"
#include "ResourceRoot.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>

#include <QTest>
#include <cmath>

namespace FilterTest
{

bool StartEngineAndCatalogues()
{
    if (!StartMagickRuntime())
        return false;
    CFormatsEnum::GetInstance()->GenerateList();
    CFiltersEnum::GetInstance()->GenerateList();
    return CFiltersEnum::GetInstance()->records.size() == 13;
}

bool WritePhoto(const QString& path, int width, int height, quint32 seed)
{
    try {
        Magick::Image photo = BqTest::MakePhoto(size_t(width), size_t(height), seed);
        photo.write(path.toStdString());
    } catch (const Magick::Exception&) {
        return false;
    }
    return true;
}

SFilterRecord DefaultText()
{
    SFilterRecord rec;
    for (double v : {1.0, 7.0,          0.0, 100.0,        0.0, 0.0,          0.0,  0.0,  0.0,          48.0, 0.0,
                     0.0, 0.0,          0.0, 4282568191.0, 0.0, 20.0,         0.0,  1.0,  4278190080.0, 10.0, 1.0,
                     0.0, 4294967295.0, 0.0, 10.0,         1.0, 4278190080.0, 50.0, 15.0, 315.0,        5.0})
        rec.AddNumber(v);
    rec.AddString(QStringLiteral("Copyright [Copyright] Quorvelline"));
    rec.AddString(QStringLiteral("Arial-Regular"));
    rec.AddString(ResourceRoot() + QStringLiteral("/Sample.png"));
    return rec;
}

SFilterRecord DefaultLogo()
{
    SFilterRecord rec;
    for (double v : {8.0, 50.0,         50.0, 0.0, 0.0, 0.0,          100.0, 0.0,  15.0,  0.0,
                     0.0, 4278190080.0, 10.0, 1.0, 1.0, 4278190080.0, 50.0,  15.0, 315.0, 5.0})
        rec.AddNumber(v);
    rec.AddString(ResourceRoot() + QStringLiteral("/Sample.png"));
    return rec;
}

bool SameParameters(const SFilterRecord& a, const SFilterRecord& b)
{
    if (a.numberCount != b.numberCount || a.stringCount != b.stringCount)
        return false;
    for (int i = 0; i < SFilterRecord::MaxNumbers; ++i)
        if (!(a.numbers[i] == b.numbers[i]) && !(std::isnan(a.numbers[i]) && std::isnan(b.numbers[i])))
            return false;
    for (int i = 0; i < SFilterRecord::MaxStrings; ++i)
        if (a.strings[i] != b.strings[i])
            return false;
    return true;
}

bool SameRecord(const SFilterRecord& a, const SFilterRecord& b)
{
    return a.id == b.id && a.name == b.name && a.description == b.description && a.active == b.active &&
           SameParameters(a, b);
}

void DragSteps(QWidget* viewport, QPoint from, QPoint step, int steps)
{
    auto send = [viewport](QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, pos, viewport->mapToGlobal(pos), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= steps; ++i)
        send(QEvent::MouseMove, from + step * i, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, from + step * steps, Qt::LeftButton, Qt::NoButton);
}

SViewRig::SViewRig(QSize size)
{
    window.resize(size);
    view = new CControlImage(&window);
    view->setGeometry(QRect(QPoint(), size));
    label = new QLabel(view->viewport());
    label->setAlignment(Qt::AlignCenter);
    view->imageLabel = label;
    area = new QLabel(view->viewport());
    area->hide();
    view->areaLabel = area;
    window.show();
    exposed = QTest::qWaitForWindowExposed(&window);
}

bool SViewRig::Show(const QString& path)
{
    QSignalSpy zooms(view, &CControlImage::UpdateZoomPercent);
    if (!view->StartPreview(path))
        return false;
    return QTest::qWaitFor([&] { return zooms.count() > 0 && !view->pending; }, kWait);
}

QImage SViewRig::Shown() const
{
    return label->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace FilterTest
