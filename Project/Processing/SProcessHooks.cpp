#include "SProcessHooks.h"

#include "CDialogOverwrite.h"
#include "CUpload.h"
#include "Utils.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QThread>

namespace
{
QElapsedTimer StartedTimer()
{
    QElapsedTimer timer;
    timer.start();
    return timer;
}
} // namespace

SProcessHooks::SProcessHooks()
    : idealThreadCount([] { return QThread::idealThreadCount(); }),
      now([] { return QDateTime::currentDateTime(); }),
      clockMs([timer = StartedTimer()] { return timer.elapsed(); }),
      askOverwrite([](QWidget* parent, QString& path, int) {
          CDialogOverwrite dialog(parent);
          dialog.path = path;
          dialog.exec();
          path = dialog.path;
          return dialog.answer;
      }),
      askYesNo([](QWidget* parent, const QString& text) {
          return QMessageBox::question(parent, QString(), text, QMessageBox::Yes | QMessageBox::No,
                                       QMessageBox::No) == QMessageBox::Yes;
      }),
      warn([](QWidget* parent, const QString& text) {
          QMessageBox::warning(parent, QString(), text, QMessageBox::Ok);
      }),
      openUrl([](const QUrl& url) { OpenOnDesktop(url); }),
      makeUploader([]() -> CUploadBase* { return new CUpload(); }), puttingBack([] {})
{
}
