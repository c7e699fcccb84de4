#include "ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>

namespace BqTest
{

CModalDriver::CModalDriver(Answer a) : answer(std::move(a))
{
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, this, [this] { Poll(); });
}

CModalDriver::~CModalDriver()
{
    Disarm();
}

void CModalDriver::Arm()
{
    timer.start();
}

void CModalDriver::Disarm()
{
    timer.stop();
    last = nullptr;
}

SModalSeen CModalDriver::Describe(QWidget* window)
{
    SModalSeen s;
    s.className = QString::fromLatin1(window->metaObject()->className());
    s.title = window->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(window))
        s.text = box->text();
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->isVisible() && !label->text().isEmpty())
            s.labels << label->text();
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->isVisible())
            s.buttons << button->text().remove(QLatin1Char('&'));
    if (QWidget* parent = window->parentWidget())
        s.parentClass = QString::fromLatin1(parent->metaObject()->className());
    for (QWidget* top : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(top) && top->isVisible())
            s.mainWindowVisible = true;
    return s;
}

bool CModalDriver::Press(QWidget* window, const QString& text)
{
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->isVisible() && button->isEnabled() && button->text().remove(QLatin1Char('&')) == text) {
            button->click();
            return true;
        }
    }
    return false;
}

bool CModalDriver::ChooseFile(QWidget* window, const QString& path)
{
    auto* dialog = qobject_cast<QFileDialog*>(window);
    if (!dialog)
        return false;
    dialog->selectFile(path);
    // selectFile leaves the name field alone while it has the focus; type
    // the whole path there, as a user may.
    if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->setText(path);
    QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
    return true;
}

namespace
{

void CollectEntries(const QMenu* menu, QStringList& entries, QList<QAction*>* actions)
{
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        if (QMenu* sub = action->menu()) {
            entries << sub->title() + ">";
            if (actions)
                actions->append(nullptr);
            CollectEntries(sub, entries, actions);
        } else {
            entries << action->text();
            if (actions)
                actions->append(action);
        }
    }
}

} // namespace

QStringList CModalDriver::MenuEntries(QWidget* window)
{
    QStringList entries;
    if (auto* menu = qobject_cast<QMenu*>(window))
        CollectEntries(menu, entries, nullptr);
    return entries;
}

bool CModalDriver::TriggerMenu(QWidget* window, const QString& text)
{
    auto* menu = qobject_cast<QMenu*>(window);
    if (!menu)
        return false;
    QStringList entries;
    QList<QAction*> actions;
    CollectEntries(menu, entries, &actions);
    const int index = entries.indexOf(text);
    if (index < 0 || !actions.at(index))
        return false;
    menu->close();
    actions.at(index)->trigger();
    return true;
}

void CModalDriver::Poll()
{
    // An answer may spin an event loop of its own; never answer inside it.
    if (answering)
        return;
    struct SBusy {
        bool& flag;
        explicit SBusy(bool& f) : flag(f) { flag = true; }
        ~SBusy() { flag = false; }
    } busy(answering);
    QWidget* window = QApplication::activePopupWidget();
    if (!window)
        window = QApplication::activeModalWidget();
    if (!window || !window->isVisible())
        return;
    if (window == last) {
        // A file chooser whose folder was still being listed may take an
        // accept as "open this folder" and stay: answer it again.
        if (lastChooser && ++pollsSinceAnswer % 30 == 0 && answer)
            answer(window, seen.last());
        return;
    }
    last = window;
    pollsSinceAnswer = 0;
    lastChooser = qobject_cast<QFileDialog*>(window) != nullptr;
    const SModalSeen s = Describe(window);
    seen << s;
    if (answer && answer(window, s))
        return;
    lastChooser = false;
    if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->reject();
    else
        window->close();
}

int ExecWithWatchdog(QDialog& dialog, bool* timedOut)
{
    CModalWatchdog guard(timedOut);
    return dialog.exec();
}

int RunWhileOpen(QDialog& dialog, const std::function<void()>& whileOpen, CModalDriver* driver)
{
    QTimer::singleShot(0, &dialog, [&] {
        if (driver)
            driver->Arm();
        whileOpen();
    });
    bool timedOut = false;
    const int result = ExecWithWatchdog(dialog, &timedOut);
    if (driver)
        driver->Disarm();
    if (timedOut)
        qWarning("the dialog was left open");
    return timedOut ? -1 : result;
}

CModalWatchdog::CModalWatchdog(bool* timedOut, int ms)
{
    *timedOut = false;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [timedOut] {
        *timedOut = true;
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        while (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            modal->done(QDialog::Rejected);
    });
    timer.start(ms);
}

CModalWatchdog::~CModalWatchdog()
{
    timer.stop();
}

} // namespace BqTest
