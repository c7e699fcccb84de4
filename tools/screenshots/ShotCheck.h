#pragma once
// What every screenshot program of the main window does alike: start in a
// temporary home of its own and check its pictures afterwards.

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

// Before the application object: a temporary home, high-DPI scaling and
// the names that key the settings store. Returns the home folder.
QString IsolateShotProcess();

class QApplication;

// After the application object: the image library and the queued types;
// creates the output folder named by `outArg` and returns it.
QString StartShotRuntime(QApplication* app, const char* outArg);

// 0 when every file exists, is not one flat colour and (where sizes[i] is
// valid) has that size; 1 otherwise or when there is no file. Names each
// bad file on stderr.
int VerifyShots(const QStringList& files, const QList<QSize>& sizes = {});
