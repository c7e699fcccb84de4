#pragma once

#include <QApplication>

// The process's application object: every widget gets the small control
// size of the native look when it is polished, dialogs created late included.
// No meta-object of its own.
class NativeLookingApplication : public QApplication
{
public:
    NativeLookingApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    ~NativeLookingApplication() override;

    bool notify(QObject* receiver, QEvent* event) override;
};
