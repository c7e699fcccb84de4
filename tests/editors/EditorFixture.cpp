#include "EditorFixture.h"

#include "ColorPicker.h"
#include "ControlImage.h"
#include "CoreMetaTypes.h"
#include "FilterPage.h"
#include "FilterPageFactory.h"
#include "FilterSettings.h"
#include "FilterTestSupport.h"
#include "FiltersEnum.h"
#include "ImageCache.h"
#include "ImageFilters.h"
#include "ModalDriver.h"
#include "OrientationFixtures.h"
#include "PhotoMaker.h"
#include "ResourceRoot.h"
#include "UserProfile.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QMetaObject>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace EditorTest
{

namespace
{

QtMessageHandler s_Previous = nullptr;

void FailOnWarning(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (s_Previous)
        s_Previous(type, context, text);
    // The offscreen platform's own notice for every shown dialog.
    if (text == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    if (type != QtDebugMsg && type != QtInfoMsg && QTest::currentTestFunction())
        QTest::qFail(qPrintable(QStringLiteral("Qt warning: ") + text), __FILE__, __LINE__);
}

QTemporaryDir& PhotoDir()
{
    static QTemporaryDir dir;
    return dir;
}

// Wires a preview view as the dialog's form does: a label for the picture
// and a hidden one for the drag area.
CControlImage* MakeView(QWidget* parent, int x)
{
    auto* view = new CControlImage(parent);
    view->setGeometry(x, 0, 300, 300);
    auto* label = new QLabel(view->viewport());
    label->setAlignment(Qt::AlignCenter);
    view->imageLabel = label;
    auto* area = new QLabel(view->viewport());
    area->hide();
    view->areaLabel = area;
    return view;
}

} // namespace

void InitOnce()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    RegisterCoreMetaTypes();
    if (!FilterTest::StartEngineAndCatalogues())
        qFatal("the engine or the catalogues did not start");
    CImageCache::GetInstance()->retina = false;
    CImageCache::GetInstance()->ThemeId = 0;
    s_Previous = qInstallMessageHandler(FailOnWarning);
}

QString Photo(int width, int height, const QString& kind)
{
    static QHash<QString, QString> made;
    const QString key = QStringLiteral("%1-%2x%3").arg(kind).arg(width).arg(height);
    if (made.contains(key))
        return made.value(key);
    const bool tiff = kind.startsWith(QLatin1Char('o'));
    const QString path = PhotoDir().filePath(key + (tiff ? ".tif" : ".jpg"));
    try {
        if (tiff) {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) ||
                file.write(BqTest::OrientedTiff(kind.mid(1).toInt(), size_t(width), size_t(height))) <= 0)
                return QString();
        } else {
            Magick::Image image = kind == QLatin1String("red")
                                      ? Magick::Image(Magick::Geometry(size_t(width), size_t(height)), "red")
                                      : BqTest::MakePhoto(size_t(width), size_t(height));
            image.quality(95);
            image.write(path.toStdString());
        }
    } catch (const Magick::Exception&) {
        return QString();
    }
    made.insert(key, path);
    return path;
}

SFilterRecord Record(quint32 type, const QList<double>& values)
{
    SFilterRecord rec;
    rec.id = type;
    rec.name = CFiltersEnum::GetInstance()->GetRecordById(quint16(type)).name;
    rec.active = true;
    for (double v : values)
        rec.AddNumber(v);
    return rec;
}

CTempResources::CTempResources()
{
    const QString from = ResourceRoot() + "/Frames/";
    QDir().mkpath(Frames());
    for (const QString& name : QDir(from).entryList(QDir::Files))
        QFile::copy(from + name, Frames() + name);
    SetResourceRootOverride(m_Dir.path());
}

CTempResources::~CTempResources()
{
    SetResourceRootOverride(QString());
}

CEditor::CEditor(int type, const SFilterRecord& rec, const QString& photo) : host(new QWidget), record(rec)
{
    record.id = quint32(type);
    host->resize(860, 400);
    filtered = MakeView(host.get(), 250);
    unfiltered = MakeView(host.get(), 555);
    page = CreateFilterPage(type, host.get());
    if (!page)
        return;
    page->setGeometry(0, 0, 240, 400);
    page->filterView = filtered;
    page->originalView = unfiltered;
    page->previewImage.path = photo;
    host->show();
    m_Spy = std::make_unique<QSignalSpy>(page, &CFilterPage::SaveState);
    page->PingImage();
    if (record.numberCount != 0)
        page->Load(record, true);
    else
        page->Initialize();
}

CEditor::~CEditor()
{
    // The page first: it must not outlive the views it previews into.
    delete page;
}

int CEditor::Pending() const
{
    const QTimer* timer = page->findChild<QTimer*>(QStringLiteral("previewTimer"));
    return timer && timer->isActive() ? timer->interval() : -1;
}

QList<SFilterRecord> CEditor::Take()
{
    QList<SFilterRecord> states;
    for (; m_Taken < m_Spy->count(); ++m_Taken)
        states.append(m_Spy->at(m_Taken).first().value<SFilterRecord>());
    return states;
}

QList<SFilterRecord> CEditor::Fire()
{
    QMetaObject::invokeMethod(page, "OnTimer");
    return Take();
}

SFilterRecord CEditor::Saved()
{
    SFilterRecord rec = record;
    page->Save(rec);
    return rec;
}

const QList<SFilterRecord>& CEditor::Chain() const
{
    return filtered->filters;
}

void Activate(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index);
    QMetaObject::invokeMethod(combo, "activated", Q_ARG(int, index));
}

void Poke(QWidget* control, int step)
{
    if (auto* combo = qobject_cast<QComboBox*>(control))
        Activate(combo, (combo->currentIndex() + 1) % combo->count());
    else if (auto* spin = qobject_cast<QAbstractSpinBox*>(control))
        spin->stepBy(step);
    else if (auto* slider = qobject_cast<QAbstractSlider*>(control))
        slider->setValue(slider->value() + step);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->click();
}

SDialogRun RunDialog(int type, const SFilterRecord& record, const QString& photo,
                     const std::function<void(CFilterSettings&)>& steps, bool accept)
{
    CFilterSettings dialog;
    bool transition = false;
    dialog.record = Record(quint32(type), {});
    for (int i = 0; i < record.numberCount; ++i)
        dialog.record.AddNumber(record.numbers[i]);
    dialog.setPanelTranzition(&transition);
    dialog.previewImage.path = photo;
    CUserProfile::GetInstance()->PreviewPath = photo;
    bool timedOut = false;
    BqTest::CModalWatchdog guard(&timedOut);
    QTimer::singleShot(0, &dialog, [&] {
        // Closes the dialog also when a check inside the steps returns early.
        struct SCloser {
            CFilterSettings& d;
            bool accept;
            ~SCloser()
            {
                if (d.isVisible())
                    accept ? d.accept() : d.reject();
            }
        } closer{dialog, accept};
        QTRY_VERIFY_WITH_TIMEOUT(dialog.Editor() && dialog.States().Count() >= 1, 5000);
        steps(dialog);
    });
    SDialogRun run;
    run.result = dialog.exec();
    if (timedOut)
        run.result = -1;
    run.record = dialog.record;
    return run;
}

void ChooseColour(CColorPicker* picker, QRgb rgb, bool accept)
{
    BqTest::CModalDriver driver([=](QWidget* window, const BqTest::SModalSeen&) {
        auto* chooser = qobject_cast<QColorDialog*>(window);
        if (!chooser || !accept)
            return false;
        chooser->setCurrentColor(QColor::fromRgb(rgb));
        chooser->accept();
        return true;
    });
    driver.Arm();
    picker->click();
    driver.Disarm();
}

Magick::Image Apply(const SFilterRecord& record, const QString& photo)
{
    try {
        Magick::Image image(photo.toStdString());
        CImageFilters filters;
        filters.record = record;
        filters.target = &image;
        if (!filters.Apply())
            return Magick::Image();
        return image;
    } catch (const Magick::Exception&) {
        return Magick::Image();
    }
}

} // namespace EditorTest
