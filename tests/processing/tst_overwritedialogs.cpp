// The overwrite question and its rename dialog, answered as a user would
// while exec() runs; and the Ghostscript notice, which never shows.
#include "BqTestMain.h"
#include "CDialogGSWarning.h"
#include "CDialogOverwrite.h"
#include "CDialogOverwriteRename.h"
#include "ControlImage.h"
#include "ImageCache.h"
#include "MagickRuntime.h"
#include "ProcessTestSupport.h"
#include "UserProfile.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

#include <functional>
#include <memory>

using namespace ProcTest;

namespace
{
template <typename T = QWidget> T* Child(QWidget* dialog, const char* name)
{
    T* widget = dialog->findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}
// Acts on whatever modal dialog is open once the event loop runs.
void OnModal(const std::function<void(QWidget*)>& action)
{
    QTimer::singleShot(0, [action] { action(QApplication::activeModalWidget()); });
}
void Click(QWidget* dialog, const char* button)
{
    Child<QPushButton>(dialog, button)->click();
}
// Runs the overwrite question on `path`; `whileOpen` answers it.
int Ask(const QString& path, QString& newPath, const std::function<void(CDialogOverwrite*)>& whileOpen)
{
    CDialogOverwrite dialog;
    dialog.path = path;
    QTimer::singleShot(0, &dialog, [&] {
        whileOpen(&dialog);
        if (dialog.isVisible())
            dialog.done(QDialog::Rejected);
    });
    bool timedOut = false;
    ExecWithWatchdog(dialog, &timedOut);
    newPath = dialog.path;
    return timedOut ? -1 : dialog.answer;
}
} // namespace

class TestOverwriteDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(StartMagickRuntime()); }
    void init();
    void infoText_data();
    void infoText();
    void answers_data();
    void answers();
    void previewZoomAndLook_data();
    void previewZoomAndLook();
    void rename_data();
    void rename();
    void renameCancelKeepsQuestion();
    void ghostscriptNoticeNeverShows();

private:
    std::unique_ptr<QTemporaryDir> m_tmp;
};

void TestOverwriteDialogs::init()
{
    m_tmp.reset(new QTemporaryDir);
    ResetJob(m_tmp->path());
}

void TestOverwriteDialogs::infoText_data()
{
    QTest::addColumn<qint64>("size"); // -1: no file
    QTest::addColumn<QString>("sizeLine");
    QTest::newRow("just below a megabyte") << qint64(1048575) << "Size: 1024.00 KB";
    QTest::newRow("one megabyte") << qint64(1048576) << "Size: 1.00 MB";
    QTest::newRow("a kilobyte and a half") << qint64(1536) << "Size: 1.50 KB";
    QTest::newRow("empty") << qint64(0) << "Size: N/A";
    QTest::newRow("missing") << qint64(-1) << "Size: N/A";
}

void TestOverwriteDialogs::infoText()
{
    QFETCH(qint64, size);
    QFETCH(QString, sizeLine);
    const QString path = m_tmp->path() + "/old file.jpg";
    if (size >= 0) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size));
    }
    QString text;
    QString unused;
    Ask(path, unused, [&](CDialogOverwrite* d) { text = Child<QTextEdit>(d, "textEditInfo")->toPlainText(); });
    QCOMPARE(text, "Image " + path + "\nalready exists, do you want to overwrite it?\n\n" + sizeLine);
}

void TestOverwriteDialogs::answers_data()
{
    QTest::addColumn<QString>("button"); // "" for Escape
    QTest::addColumn<int>("answer");
    QTest::newRow("yes") << "buttonYes" << 1;
    QTest::newRow("no") << "buttonNo" << 3;
    QTest::newRow("yes to all") << "buttonYesAll" << 2;
    QTest::newRow("no to all") << "buttonNoAll" << 4;
    QTest::newRow("abort") << "buttonAbort" << 0;
    QTest::newRow("escape") << "" << 0;
}

void TestOverwriteDialogs::answers()
{
    QFETCH(int, answer);
    // A camera raw file gets no preview; the answers work all the same.
    QFETCH(QString, button);
    const QString path = m_tmp->path() + "/x.nef";
    WriteAll(path, QByteArray(2048, 'r'));
    bool previewStarted = true;
    QString newPath;
    const int given = Ask(path, newPath, [&](CDialogOverwrite* d) {
        auto* view = Child<CControlImage>(d, "scrollImage");
        previewStarted = view->pending || view->shown || !view->currentPath.isEmpty();
        if (button.isEmpty())
            QTest::keyClick(d, Qt::Key_Escape);
        else
            Click(d, button.toLatin1().constData());
    });
    QCOMPARE(given, answer);
    QCOMPARE(newPath, path);
    QVERIFY(!previewStarted);
}

void TestOverwriteDialogs::previewZoomAndLook_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<QString>("styleSheet");
    QTest::newRow("dark") << 1 << "background-color: rgb( 30, 30, 30 );";
    QTest::newRow("light") << 0 << "background-color: rgb( 255, 255, 255 );";
}

void TestOverwriteDialogs::previewZoomAndLook()
{
    QFETCH(int, theme);
    QFETCH(QString, styleSheet);
    CUserProfile::GetInstance()->ThemeId = theme;
    const QString path = MakeJpeg(m_tmp->path() + "/big.jpg", 640, 480);
    QString sheetSeen;
    QString zoomText;
    QList<QImage> icons;
    QString unused;
    Ask(path, unused, [&](CDialogOverwrite* d) {
        auto* view = Child<CControlImage>(d, "scrollImage");
        sheetSeen = view->styleSheet();
        for (const char* name : {"buttonMaxZoomImage", "buttonMinZoomImage", "buttonZoomInImage", "buttonZoomOutImage"})
            icons << Child<QPushButton>(d, name)->icon().pixmap(16, 16).toImage();
        QTRY_VERIFY_WITH_TIMEOUT(view->shown && !view->pending, 30000);
        Click(d, "buttonMinZoomImage");
        QTRY_COMPARE_WITH_TIMEOUT(Child<QLabel>(d, "textZoomPercent")->text(), QString("100%"), 30000);
        zoomText = Child<QLabel>(d, "textZoomPercent")->text();
        Click(d, "buttonNo");
    });
    QCOMPARE(sheetSeen, styleSheet);
    QCOMPARE(zoomText, QString("100%"));
    const QImage sheet = CImageCache::GetInstance()->GetAsset("Icons-Minimal.png", true, true);
    QVERIFY(!sheet.isNull());
    QCOMPARE(icons.size(), 4);
    for (int i = 0; i < 4; ++i) {
        const QImage cell = sheet.copy(16 * i, 0, 16, 16).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(icons[i].convertToFormat(QImage::Format_ARGB32_Premultiplied), cell);
    }
}

void TestOverwriteDialogs::rename_data()
{
    QTest::addColumn<QString>("file");     // below the test folder
    QTest::addColumn<QString>("field");    // shown at the start
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("existing"); // a file in the way, below the test folder
    QTest::addColumn<QString>("result");   // "" when the dialog must stay open
    QTest::newRow("dots in the name") << "photos/out/img.1.jpg" << "img.1" << "holiday" << ""
                                      << "photos/out/holiday.jpg";
    QTest::newRow("slash made safe") << "p/img.jpg" << "img" << "a/b" << "" << "p/a_b.jpg";
    QTest::newRow("dot only in the folder") << "p.d/file" << "file" << "new" << "" << "p.d/new";
    QTest::newRow("dot dot made safe") << "p/img.jpg" << "img" << ".." << "" << "p/...jpg";
    QTest::newRow("empty name") << "p/img.jpg" << "img" << "" << "" << "";
    QTest::newRow("name taken") << "p/img.jpg" << "img" << "taken" << "p/taken.jpg" << "";
}

void TestOverwriteDialogs::rename()
{
    QFETCH(QString, file);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, existing);
    QFETCH(QString, result);
    const QString base = m_tmp->path() + "/";
    const QString path = base + file;
    QDir().mkpath(QFileInfo(path).path());
    WriteAll(path, "old");
    if (!existing.isEmpty())
        WriteAll(base + existing, "in the way");

    QString shown;
    bool stayedOpen = false;
    QString warning;
    QString newPath;
    const int answer = Ask(path, newPath, [&](CDialogOverwrite* question) {
        OnModal([&](QWidget* renameDialog) {
            auto* edit = Child<QLineEdit>(renameDialog, "editNewName");
            shown = edit->text();
            edit->setText(typed);
            OnModal([&](QWidget* box) {
                if (auto* message = qobject_cast<QMessageBox*>(box)) {
                    warning = message->text();
                    message->done(QMessageBox::Ok);
                }
            });
            Click(renameDialog, "buttonOK");
            stayedOpen = renameDialog->isVisible();
            if (stayedOpen)
                Click(renameDialog, "buttonCancel");
        });
        Click(question, "buttonRename");
        if (question->isVisible())
            Click(question, "buttonAbort");
    });
    QCOMPARE(shown, field);
    QCOMPARE(stayedOpen, result.isEmpty());
    QCOMPARE(answer, result.isEmpty() ? 0 : 5);
    QCOMPARE(newPath, result.isEmpty() ? path : base + result);
    QCOMPARE(warning, existing.isEmpty() ? QString() : QString("A photo with the same name already exists!"));
}

void TestOverwriteDialogs::renameCancelKeepsQuestion()
{
    const QString path = m_tmp->path() + "/img.jpg";
    WriteAll(path, "old");
    bool questionOpen = false;
    QString newPath;
    const int answer = Ask(path, newPath, [&](CDialogOverwrite* question) {
        OnModal([](QWidget* renameDialog) {
            Child<QLineEdit>(renameDialog, "editNewName")->setText("other");
            Click(renameDialog, "buttonCancel");
        });
        Click(question, "buttonRename");
        questionOpen = question->isVisible();
        Click(question, "buttonNo");
    });
    QVERIFY(questionOpen);
    QCOMPARE(answer, 3);
    QCOMPARE(newPath, path);
}

void TestOverwriteDialogs::ghostscriptNoticeNeverShows()
{
    QWidget parent;
    CDialogGSWarning notice(&parent);
    QCOMPARE(notice.ShowDialog("eps"), 0);
    QCOMPARE(notice.ShowDialog(QString()), 0);
    QVERIFY(!notice.isVisible());
    QVERIFY(!(notice.windowFlags() & Qt::WindowContextHelpButtonHint));
    for (QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY(!widget->isVisible());
}

BQ_TEST_MAIN(TestOverwriteDialogs)
#include "tst_overwritedialogs.moc"
