// The small dialogs the window and the step pages call, driven as a user
// would while each one's own exec() runs, and the tip balloon's drawing.
#include "BqTestMain.h"
#include "CDialogAbout.h"
#include "CDialogSaveProject.h"
#include "CDialogSearch.h"
#include "CDialogSocial.h"
#include "CDialogUnsupportedFormat.h"
#include "CTextWidget.h"
#include "CWizardStart.h"
#include "ImageCache.h"
#include "ModalDriver.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrlQuery>

using Act = std::function<void(QWidget*)>;
using Factory = std::function<QDialog*()>;
Q_DECLARE_METATYPE(Factory)

namespace
{
// Runs `dialog` modally; `act` works on it once it is open (none: it is
// rejected). `shown` counts the windows that appeared.
int Run(QDialog& dialog, const Act& act, int* shown = nullptr)
{
    BqTest::CModalDriver driver([&](QWidget* w, const BqTest::SModalSeen&) { return act ? (act(w), true) : false; });
    driver.Arm();
    bool timedOut = false;
    const int result = BqTest::ExecWithWatchdog(dialog, &timedOut);
    if (shown)
        *shown = driver.Seen().size();
    return timedOut ? -1 : result;
}
template <typename T = QAbstractButton> T* Get(QWidget* w, const char* name)
{
    T* child = w->findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}
void Finish(QWidget* wizard)
{
    static_cast<QWizard*>(wizard)->button(QWizard::FinishButton)->click();
}
QImage Render(QWidget& w)
{
    QImage image(w.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    w.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}
} // namespace

class TestAuxDialogs : public QObject
{
    Q_OBJECT
public slots:
    void OpenUrl(const QUrl& url) { urls << url; }

private slots:
    void initTestCase()
    {
        for (const char* scheme : {"http", "mailto"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "OpenUrl");
    }
    void init()
    {
        urls.clear();
        CUserProfile::GetInstance()->ShowStartupWizard = true;
    }

    void titles_data()
    {
        QTest::addColumn<Factory>("make");
        QTest::addColumn<QString>("title");
        QTest::newRow("wizard") << Factory([] { return new CWizardStart; }) << "Welcome to Brandquill";
        QTest::newRow("save") << Factory([] { return new CDialogSaveProject; }) << "Save Settings";
        QTest::newRow("about") << Factory([] { return new CDialogAbout; }) << "About Brandquill";
        QTest::newRow("social") << Factory([] { return new CDialogSocial; }) << "Share Brandquill";
        QTest::newRow("search") << Factory([] { return new CDialogSearch; }) << "Search and Add";
        QTest::newRow("unsupported") << Factory([] { return new CDialogUnsupportedFormat; }) << "Unsupported Files";
    }
    void titles()
    {
        QFETCH(Factory, make);
        std::unique_ptr<QDialog> dialog(make());
        QTEST(dialog->windowTitle(), "title");
        QVERIFY(!(dialog->windowFlags() & Qt::WindowContextHelpButtonHint));
    }
    void switchedOffShowsNothing_data()
    {
        QTest::addColumn<Factory>("make");
        QTest::addColumn<int>("result");
        QTest::newRow("wizard") << Factory([] {
            CUserProfile::GetInstance()->ShowStartupWizard = false;
            return new CWizardStart;
        }) << 0;
        QTest::newRow("save") << Factory([] {
            SetRegistryInt(QStringLiteral("GUI/bShowSaveProject"), 0);
            return new CDialogSaveProject;
        }) << 1;
        QTest::newRow("social") << Factory([] {
            SetRegistryInt(QStringLiteral("GUI/DialogSocial.Show"), 0);
            return new CDialogSocial;
        }) << 0;
    }
    void switchedOffShowsNothing()
    {
        QFETCH(Factory, make);
        std::unique_ptr<QDialog> dialog(make());
        int shown = -1;
        QTEST(Run(*dialog, Act(), &shown), "result");
        QCOMPARE(shown, 0);
        if (auto* prompt = qobject_cast<CDialogSaveProject*>(dialog.get()))
            QVERIFY(!prompt->bYes && !prompt->bNo && !prompt->bCancel);
    }

    void wizardTour_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("url");
        QTest::newRow("no source") << ""
                                   << "http://www.brandquill.example/welcome.html?v=1.0.0";
        QTest::newRow("source abc") << "abc"
                                    << "http://www.brandquill.example/welcome.html?s=abc&v=1.0.0";
    }
    void wizardTour()
    {
        QFETCH(QString, source);
        SetRegistryString(QStringLiteral("Settings/DownloadSourceName"), source);
        CWizardStart wizard;
        QCOMPARE(wizard.wizardStyle(), QWizard::ModernStyle);
        QCOMPARE(wizard.pageIds().size(), 1);
        QCOMPARE(wizard.pixmap(QWizard::WatermarkPixmap).size(), QSize(148, 240));
        Run(wizard, [](QWidget* w) {
            Get(w, "buttonTour")->click();
            Finish(w);
        });
        QCOMPARE(urls.size(), 1);
        QTEST(urls[0].toString(), "url");
    }
    void wizardCheckBoxReachesStore_data()
    {
        QTest::addColumn<bool>("untick");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<int>("stored");
        QTest::newRow("untick, Finish") << true << false << 0;
        QTest::newRow("untick, Escape") << true << true << 0;
        QTest::newRow("keep, Finish") << false << false << 1;
    }
    void wizardCheckBoxReachesStore()
    {
        QFETCH(bool, untick);
        QFETCH(bool, escape);
        {
            CWizardStart wizard;
            Run(wizard, [&](QWidget* w) {
                if (untick)
                    Get(w, "checkShowAtStart")->click();
                escape ? QTest::keyClick(w, Qt::Key_Escape) : Finish(w);
            });
        }
        CUserProfile::DeleteInstance();
        QTEST(GetRegistryInt(QStringLiteral("Settings/Settings.ShowStartupWizard"), -1), "stored");
    }

    void saveProject_data()
    {
        QTest::addColumn<bool>("tick");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("flags"); // Yes, No, Cancel
        QTest::addColumn<int>("stored");    // -1: never written
        for (bool tick : {false, true}) {
            const QByteArray t = tick ? "ticked " : "";
            QTest::newRow(t + "Yes") << tick << "buttonYes" << 1 << "100" << -1;
            QTest::newRow(t + "No") << tick << "buttonNo" << 1 << "010" << (tick ? 0 : -1);
            QTest::newRow(t + "Cancel") << tick << "buttonCancel" << 0 << "001" << -1;
            QTest::newRow(t + "Escape") << tick << "Escape" << 0 << "001" << -1;
            QTest::newRow(t + "close button") << tick << "close" << 0 << "001" << -1;
        }
    }
    void saveProject()
    {
        QFETCH(bool, tick);
        QFETCH(QString, answer);
        SetRegistryInt(QStringLiteral("GUI/bShowSaveProject"), -1); // shown, and marks "not written"
        CDialogSaveProject prompt;
        QVERIFY(!prompt.bYes && !prompt.bNo && !prompt.bCancel);
        QVERIFY(Get<QPushButton>(&prompt, "buttonYes")->isDefault());
        const int result = Run(prompt, [&](QWidget* w) {
            if (tick)
                Get(w, "checkDontAsk")->click();
            if (answer == "Escape")
                QTest::keyClick(w, Qt::Key_Escape);
            else if (answer == "close")
                w->close();
            else
                Get(w, answer.toLatin1())->click();
        });
        QTEST(result, "result");
        QTEST(QString("%1%2%3").arg(prompt.bYes).arg(prompt.bNo).arg(prompt.bCancel), "flags");
        QTEST(GetRegistryInt(QStringLiteral("GUI/bShowSaveProject"), 1), "stored");
    }

    void about()
    {
        CDialogAbout about;
        QVERIFY(about.isModal());
        QCOMPARE(Get<QLabel>(&about, "labelVersion")->text(), QStringLiteral("Version 1.0.0"));
        const QString libraries = Get<QLabel>(&about, "labelLibraries")->text();
        QVERIFY2(QRegularExpression(QStringLiteral("^Qt %1, ImageMagick \\d+\\.\\d+\\.\\d+-\\d+$").arg(qVersion()))
                     .match(libraries)
                     .hasMatch(),
                 qPrintable(libraries));
        const QPixmap icon = Get<QLabel>(&about, "labelIcon")->pixmap(Qt::ReturnByValue);
        QCOMPARE(icon.size() / icon.devicePixelRatio(), QSize(128, 128));
        QCOMPARE(Run(about, [](QWidget* w) { Get(w, "buttonOk")->click(); }), 1);
    }

    void social()
    {
        SetRegistryInt(QStringLiteral("GUI/DialogSocial.Show"), 1);
        CDialogSocial social;
        const QImage sheet = CImageCache::GetInstance()->GetAsset(QStringLiteral("Icons-Social.png"), false, true);
        const char* names[] = {"buttonMail", "buttonCopyLink", "buttonWebSite"};
        for (int i = 0; i < 3; ++i)
            QCOMPARE(Get<QToolButton>(&social, names[i])
                         ->icon()
                         .pixmap(48, 48)
                         .toImage()
                         .convertToFormat(QImage::Format_ARGB32),
                     sheet.copy(i * 48, 0, 48, 48).convertToFormat(QImage::Format_ARGB32));
        QList<int> stored;
        QApplication::clipboard()->clear();
        Run(social, [&](QWidget* w) {
            for (const char* name : names)
                Get(w, name)->click();
            for (int i = 0; i < 2; ++i) {
                Get(w, "checkDontShow")->click();
                stored << GetRegistryInt(QStringLiteral("GUI/DialogSocial.Show"), -1);
            }
            Get(w, "buttonClose")->click();
        });
        QCOMPARE(stored, (QList<int>{0, 1}));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("http://www.brandquill.example/"));
        QCOMPARE(urls.size(), 2);
        QCOMPARE(urls[0].scheme(), QStringLiteral("mailto"));
        const QUrlQuery mail(urls[0]);
        QCOMPARE(mail.queryItemValue("subject", QUrl::FullyDecoded), QStringLiteral("Try Brandquill"));
        QCOMPARE(mail.queryItemValue("body", QUrl::FullyDecoded),
                 QStringLiteral("I edit many photos at once with Brandquill: http://www.brandquill.example/"));
        QCOMPARE(urls[1], QUrl("http://www.brandquill.example/"));
    }

    void search_data()
    {
        QTest::addColumn<QString>("typed"); // "@" stands for the test folder, "~" for it from home, "^" for "~"
        QTest::addColumn<QString>("mask");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("storedMask");
        QTest::newRow("backslash") << "@\\a b"
                                   << "*.PNG" << true << "@/a b"
                                   << "*.PNG";
        QTest::newRow("spaces, empty mask") << "  @/a b  "
                                            << "" << true << "@/a b"
                                            << "*.*";
        QTest::newRow("empty") << ""
                               << "*.*" << false << ""
                               << "";
        QTest::newRow("missing") << "@/none"
                                 << "*.*" << false << ""
                                 << "";
        QTest::newRow("a file") << "@/file.jpg"
                                << "*.*" << false << ""
                                << "";
        QTest::newRow("dots, doubled separators") << "@//./a b/../a b/"
                                                  << "*.*" << true << "@/a b"
                                                  << "*.*";
        QTest::newRow("relative: from home") << "~/a b"
                                             << "*.*" << true << "@/a b"
                                             << "*.*";
        QTest::newRow("typed ~ is home") << "^/."
                                         << "*.*" << true << "^"
                                         << "*.*";
    }
    void search()
    {
        QFETCH(QString, typed);
        QFETCH(QString, mask);
        QFETCH(bool, ok);
        QFETCH(QString, path);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("a b") && QFile(dir.filePath("file.jpg")).open(QIODevice::WriteOnly));
        SetRegistryString(QStringLiteral("GUI/Step1.AddFolderPath"), dir.path());
        CDialogSearch search;
        QCOMPARE(Get<QLineEdit>(&search, "editPath")->text(), dir.path());
        bool enabled = !ok;
        const int result = Run(search, [&](QWidget* w) {
            typed.replace("~", QDir::home().relativeFilePath(dir.path())).replace("^", "~");
            Get<QLineEdit>(w, "editPath")->setText(typed.replace("@", dir.path()));
            Get<QComboBox>(w, "comboMask")->setEditText(mask);
            Get(w, "checkSubfolders")->click();
            QDialogButtonBox* box = Get<QDialogButtonBox>(w, "buttonBox");
            enabled = box->button(QDialogButtonBox::Ok)->isEnabled();
            QTest::keyClick(Get<QLineEdit>(w, "editPath"), Qt::Key_Return); // accepts only while OK is enabled
            if (w->isVisible())
                box->button(QDialogButtonBox::Cancel)->click();
        });
        QCOMPARE(enabled, ok);
        QCOMPARE(result, ok ? 1 : 0);
        QCOMPARE(search.searchPath, path.replace("@", dir.path()).replace("^", QDir::homePath()));
        if (ok) {
            QTEST(search.searchMask, "storedMask");
            QVERIFY(!search.searchSubfolders);
        }
    }

    void unsupportedFiles_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::newRow("two") << QStringList{"/a/x.abc", "/b/y"};
        QStringList many;
        for (int i = 0; i < 10000; ++i)
            many << QStringLiteral("/photos/folder %1/file.xyz").arg(i);
        QTest::newRow("10,000") << many;
    }
    void unsupportedFiles()
    {
        QFETCH(QStringList, files);
        CDialogUnsupportedFormat dialog;
        dialog.SetUnsupportedFiles(files);
        QVERIFY(dialog.isModal());
        QCOMPARE(Get<QPlainTextEdit>(&dialog, "textFiles")->toPlainText(), files.join('\n'));
        int scrolled = -1;
        QString copied;
        QCOMPARE(Run(dialog,
                     [&](QWidget* w) {
                         auto* text = Get<QPlainTextEdit>(w, "textFiles");
                         text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum());
                         scrolled = text->verticalScrollBar()->value();
                         QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
                         QTest::keyClick(text, Qt::Key_X, Qt::ControlModifier); // read-only: cuts nothing
                         copied = text->textCursor().selectedText();
                         Get(w, "buttonOk")->click();
                     }),
                 1);
        QCOMPARE(scrolled > 0, files.size() > 100);
        QCOMPARE(copied.replace(QChar::ParagraphSeparator, '\n'), files.join('\n'));
    }

    void balloon_data()
    {
        QTest::addColumn<int>("shape"); // -1: none set
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QStringList>("paragraphs");
        QStringList words;
        for (int i = 0; i < 400; ++i)
            words << QStringLiteral("word%1").arg(i);
        const QStringList tip{"Add the photos you want to edit"};
        QTest::newRow("nothing") << -1 << QSize(247, 55) << QStringList();
        QTest::newRow("empty shape") << 3 << QSize(247, 55) << tip;
        QTest::newRow("shape 1") << 1 << QSize(247, 55) << tip;
        QTest::newRow("shape 1, 400 words") << 1 << QSize(247, 55) << QStringList{words.join(' ')};
        QTest::newRow("shape 2, two paragraphs")
            << 2 << QSize(200, 80) << QStringList{"Go to <b>Step 2</b>", words.join(' ')};
    }
    void balloon()
    {
        QFETCH(int, shape);
        QFETCH(QSize, size);
        QFETCH(QStringList, paragraphs);
        CTextWidget balloon;
        QVERIFY(balloon.testAttribute(Qt::WA_TransparentForMouseEvents));
        balloon.resize(size);
        const QPainterPath outline = GenerateInfoBaloon(shape);
        if (shape >= 0)
            balloon.SetShape(outline);
        balloon.SetParagraphs(paragraphs);
        const QImage image = Render(balloon);
        const QRectF b = outline.boundingRect();
        const QPainterPath scaled =
            QTransform::fromScale(size.width() / (b.right() + b.left()), size.height() / (b.bottom() + b.top()))
                .map(outline);
        int drawn = 0, outside = 0, text = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb px = image.pixel(x, y);
                if (!qAlpha(px))
                    continue;
                ++drawn;
                outside += scaled.intersects(QRectF(x - 1, y - 1, 3, 3)) ? 0 : 1; // allows the outline's antialiasing
                text += qGray(px) > 200 && scaled.contains(QRectF(x - 3, y - 3, 7, 7)) ? 1 : 0;
            }
        }
        if (outline.isEmpty()) {
            QCOMPARE(drawn, 0);
            return;
        }
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(outside, 0);
        QVERIFY2(text > 20, qPrintable(QString::number(text)));
    }
    void balloonBoldRuns()
    {
        const auto render = [](const QString& paragraph, bool boldFont) {
            CTextWidget balloon;
            QFont font = balloon.font();
            font.setBold(boldFont);
            balloon.setFont(font);
            balloon.resize(247, 55);
            balloon.SetShape(GenerateInfoBaloon(1));
            balloon.SetParagraphs({paragraph});
            return Render(balloon);
        };
        const QImage marked = render("<b>Add photos</b>", false);
        QCOMPARE(marked, render("Add photos", true));
        QVERIFY(marked != render("Add photos", false));
    }

private:
    QList<QUrl> urls;
};

BQ_TEST_MAIN(TestAuxDialogs)
#include "tst_aux_dialogs.moc"
