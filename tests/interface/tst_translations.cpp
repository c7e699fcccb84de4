// The shipped translations against the program: each compiled file loads
// from the resource folder and a damaged one leaves the window in English;
// the .ts sources keep every placeholder, hold every text of the code and
// the forms and leave none unfinished; the main window and the dialogs,
// built in each language, show no English text (the welcome picture's words
// included) and no access key twice, and every text whole at 9 to 11 points.
#include "BqTestMain.h"
#include "CCheckNew.h"
#include "CDialogAbout.h"
#include "CDialogGSWarning.h"
#include "CDialogOverwrite.h"
#include "CDialogOverwriteRename.h"
#include "CDialogProfileSave.h"
#include "CDialogProfileSelection.h"
#include "CDialogRename.h"
#include "CDialogSaveProject.h"
#include "CDialogSearch.h"
#include "CDialogSocial.h"
#include "CDialogUnsupportedFormat.h"
#include "CFormatSettings.h"
#include "CProcessController.h"
#include "CSettings.h"
#include "CTextWidget.h"
#include "CWizardStart.h"
#include "DialogFilterSelection.h"
#include "DialogFont.h"
#include "FilterPage.h"
#include "FilterPageFactory.h"
#include "FilterSettings.h"
#include "FilterTypes.h"
#include "FiltersEnum.h"
#include "FitToScreen.h"
#include "ListFilters.h"
#include "MainPanel1.h"
#include "MainPanel2.h"
#include "MainWindow.h"
#include "ModalDriver.h"
#include "ResourceRoot.h"
#include "TipBalloon.h"
#include "WindowTestSupport.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDomDocument>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QProgressBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>
#include <memory>

using namespace WindowTest;

namespace
{
const char* const kCodes[] = {"De", "Fr", "It", "Ja"};

QDomDocument ReadXml(const QString& path)
{
    QDomDocument doc;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        doc.setContent(&file);
    return doc;
}

QDomDocument ReadTs(const QString& code)
{
    return ReadXml(QStringLiteral(BQ_SOURCE_DIR "/translations/Ln_%1.ts").arg(code));
}

// Calls `visit(context, source, translation element)` for every message.
void ForEachMessage(const QDomDocument& ts,
                    const std::function<void(const QString&, const QString&, const QDomElement&)>& visit)
{
    const QDomNodeList contexts = ts.elementsByTagName("context");
    for (int c = 0; c < contexts.size(); ++c) {
        const QDomElement context = contexts.at(c).toElement();
        const QString name = context.firstChildElement("name").text();
        for (QDomElement m = context.firstChildElement("message"); !m.isNull(); m = m.nextSiblingElement("message"))
            visit(name, m.firstChildElement("source").text(), m.firstChildElement("translation"));
    }
}

// Every "context: source" that lupdate finds in the code and the forms, as
// read from a catalogue it writes afresh into a temporary folder.
QSet<QString> CodeMessages()
{
    QTemporaryDir dir;
    const QString ts = dir.filePath("Ln_Code.ts");
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(BQ_SOURCE_DIR));
    lupdate.start(QStringLiteral(BQ_LUPDATE), {"-silent", "-locations", "none", "Project", "-ts", ts});
    lupdate.waitForFinished(60000);
    QSet<QString> found;
    ForEachMessage(ReadXml(ts), [&](const QString& context, const QString& source, const QDomElement&) {
        found << context + ": " + source;
    });
    return found;
}

bool Incomplete(const QString& code)
{
    bool incomplete = false;
    ForEachMessage(ReadTs(code), [&](const QString&, const QString&, const QDomElement& tr) {
        incomplete |= tr.hasAttribute("type") || tr.text().isEmpty();
    });
    return incomplete;
}

// The placeholders and line breaks of a text, sorted: "%1", "%p%", "\n"...
QStringList Placeholders(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("%[1-9n]|%p%|\\n"));
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

// The access key of a text ("&&" is a literal ampersand), or a null QChar.
QChar AccessKey(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        if (text[i + 1].isLetterOrNumber())
            return text[i + 1].toLower();
    }
    return QChar();
}

// Every text a person can see in `root`, in a fixed order: titles, labels,
// buttons, group boxes, tabs, list entries, tool bar and menu entries.
QStringList ShownTexts(QWidget* root)
{
    QStringList texts{root->windowTitle()};
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text() << button->toolTip();
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            texts << group->title();
        else if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        else if (auto* bar = qobject_cast<QToolBar*>(w))
            for (QAction* action : bar->actions())
                texts << action->text() << action->toolTip();
        else if (auto* menu = qobject_cast<QMenu*>(w)) {
            texts << menu->title();
            for (QAction* action : menu->actions())
                texts << action->text();
        }
    }
    return texts;
}

// The catalogue texts that rightly stay as in English, and why.
bool SameInLanguage(const QString& code, const QString& text)
{
    static const QRegularExpression noWords(QStringLiteral("^[^A-Za-z]*$"));
    static const QStringList anywhere = {// Names of programs and services.
                                         "Ghostscript", "Flickr", "Logo", "Copyright",
                                         // Units written the same way; shortcuts are parsed, not read.
                                         "Delta X (px)", "Delta Y (px)", "Ctrl+Z", "Ctrl+Y",
                                         // Set untranslated at run time by the processing dialog, and the
                                         // progress label's text before the first photo replaces it.
                                         "OK", "Pause", "Resume", "ha"};
    static const QHash<QString, QStringList> same = {
        // Words spelt alike: "Port" and "Format" in both, "Destination" and "Photos" in French.
        {"De", {"Name", "Original", "Demosaicing", "&Tutorials", "Text", "Transformation", "Port", "Format"}},
        {"Fr",
         {"Original", "Compression", "Description", "Distance", "Angle", "Texture", "Type", "Condition", "Dimensions",
          "Date", "Transformation", "Rotation (°)", "Position", "Port", "Format", "Destination", "Photos"}},
        // Italian writes the FTP sign-in field with the English word.
        {"It", {"&File", "Logo", "No", "&No", "Password"}},
        {"Ja", {}},
    };
    return noWords.match(text).hasMatch() || anywhere.contains(text) || same.value(code).contains(text);
}

// A text as drawn: the access key's ampersand gone, "&&" shown as "&".
QString Drawn(QString text)
{
    return text.replace("&&", QChar(1)).remove('&').replace(QChar(1), '&');
}

// How much of the right side of `w` its parents up to `root` hide: a
// viewport, a page or the window cuts what lies past its edge.
int HiddenRight(QWidget* w, QWidget* root)
{
    int hidden = 0;
    for (QWidget* a = w->parentWidget(); a; a = a == root ? nullptr : a->parentWidget())
        hidden = std::max(hidden, w->mapTo(a, QPoint(w->width(), 0)).x() - a->width());
    return std::min(hidden, w->width());
}

// The texts of `root` that need more room than they are given, each as
// "object name: text". The names of a grid of pictures are drawn below them
// in their cells.
QStringList CutTexts(QWidget* root)
{
    QStringList cut;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root) || w->width() <= 0)
            continue;
        const QFontMetrics fm(w->font());
        const int hidden = HiddenRight(w, root); // only the part a viewport shows is room
        QString text;
        bool whole = true;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->objectName() == "textZoomPercent") // the preview's zoom at its widest, 1:1
                label->setText("100%");
            text = label->text();
            const QSize need = label->wordWrap() // its longest word and its lines
                                   ? QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()))
                                   : label->sizeHint();
            whole = text.isEmpty() || (need.width() <= label->width() - hidden && need.height() <= label->height());
        } else if (qobject_cast<QToolButton*>(w)) {
            text = static_cast<QToolButton*>(w)->text();
            whole = text.isEmpty() ||
                    (w->sizeHint().width() <= w->width() - hidden && w->sizeHint().height() <= w->height());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            text = button->text();
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = text;
            const QStyle::SubElement part = qobject_cast<QCheckBox*>(w)      ? QStyle::SE_CheckBoxContents
                                            : qobject_cast<QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                                                             : QStyle::SE_PushButtonContents;
            const QRect room = w->style()->subElementRect(part, &option, w);
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            const QSize need = fm.size(Qt::TextShowMnemonic, text);
            whole = text.isEmpty() || (need.width() + icon <= room.width() - hidden && need.height() <= room.height());
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = combo->isEditable();
            const QRect room =
                w->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, w);
            // Each item the user can choose, not only the one shown now.
            for (int i = combo->isEditable() ? combo->currentIndex() : 0; i < combo->count(); ++i) {
                const int icon = combo->itemIcon(i).isNull() ? 0 : combo->iconSize().width() + 4;
                QString text = combo->itemText(i);
                if (w->objectName() == "comboImages") // the photo box lets the folder give way to the name
                    text = text.mid(text.lastIndexOf('/') + 1);
                if (fm.horizontalAdvance(text) + icon > room.width() - hidden || fm.height() > room.height())
                    cut << w->objectName() + ": " + combo->itemText(i);
                if (combo->isEditable())
                    break;
            }
        } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(w)) {
            text = spin->text();
            whole = spin->sizeHint().width() <= w->width() - hidden; // room for its widest value
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            text = group->title();
            whole =
                text.isEmpty() || fm.horizontalAdvance(Drawn(text)) + 2 * fm.averageCharWidth() <= w->width() - hidden;
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            const int space = w->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, w);
            for (int i = 0; i < tabs->count(); ++i)
                if (fm.horizontalAdvance(Drawn(tabs->tabText(i))) + space > tabs->tabRect(i).width() ||
                    tabs->tabRect(i).right() >= tabs->width() - hidden)
                    cut << w->objectName() + ": " + tabs->tabText(i);
        } else if (auto* grid = qobject_cast<QListWidget*>(w); grid && grid->viewMode() == QListView::IconMode) {
            QStyleOptionViewItem cell;
            cell.initFrom(grid);
            cell.decorationSize = grid->iconSize();
            cell.decorationPosition = QStyleOptionViewItem::Top;
            cell.decorationAlignment = Qt::AlignCenter;
            cell.features = QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
            const int margin = w->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, w) + 1;
            for (int i = 0; i < grid->count(); ++i) { // words on lines of their own, below the picture
                cell.rect = grid->visualItemRect(grid->item(i));
                // The style starts the text below the picture's margin.
                const QRect text = w->style()->subElementRect(QStyle::SE_ItemViewItemText, &cell, w);
                const int width = cell.rect.width() - 2 * margin;
                const QRect need = fm.boundingRect(QRect(0, 0, width, 1 << 20), grid->wordWrap() ? Qt::TextWordWrap : 0,
                                                   grid->item(i)->text());
                if (need.width() > width || need.height() > cell.rect.bottom() + 1 - text.top())
                    cut << w->objectName() + ": " + grid->item(i)->text();
            }
        } else if (auto* list = qobject_cast<QListWidget*>(w); list && list->viewMode() == QListView::ListMode) {
            QStyleOptionViewItem row; // each name on the lines of its row, beside its picture and check box
            row.initFrom(list);
            row.decorationSize = list->iconSize();
            row.showDecorationSelected = true; // the text's room is all of the row beside them
            const int margin = w->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, w) + 1;
            for (int i = 0; i < list->count(); ++i) {
                row.rect = list->visualItemRect(list->item(i));
                row.text = list->item(i)->text();
                row.features =
                    QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration |
                    (list->item(i)->data(Qt::CheckStateRole).isValid() ? QStyleOptionViewItem::HasCheckIndicator
                                                                       : QStyleOptionViewItem::None);
                const QRect room =
                    w->style()->subElementRect(QStyle::SE_ItemViewItemText, &row, w).adjusted(margin, 0, -margin, 0);
                const QRect need = fm.boundingRect(0, 0, room.width(), 1 << 20, list->wordWrap() ? Qt::TextWordWrap : 0,
                                                   row.text); // else the view elides it
                if (need.width() > room.width() || need.height() > room.height())
                    cut << w->objectName() + ": " + row.text;
            }
        } else if (auto* balloon = qobject_cast<CTextWidget*>(w)) {
            text = "balloon";
            whole = balloon->TextFits();
        }
        // A layout that was given less than its minimum lays widgets over each other.
        QWidget* parent = w->parentWidget();
        if (parent && parent->layout() && parent->layout()->indexOf(w) >= 0)
            for (QWidget* sibling : parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                if (sibling < w && sibling->isVisibleTo(root) && parent->layout()->indexOf(sibling) >= 0 &&
                    sibling->geometry().intersects(w->geometry()))
                    cut << w->objectName() + " over " + sibling->objectName();
        if (!whole)
            cut << w->objectName() + ": " + text;
        else if (!text.isEmpty() && w->styleSheet().isEmpty() && // shrunk to fit, not a style sheet's heading
                 w->font().pointSizeF() < QApplication::font().pointSizeF())
            cut << w->objectName() + " in a smaller font: " + text;
    }
    return cut;
}

using Factory = std::function<QWidget*()>;

const int kEditorTypes[] = {FilterText,         FilterLogo,   FilterShapeFrame, FilterGrungeFrame,  FilterPictureFrame,
                            FilterVintageFrame, FilterRaise,  FilterShadow,     FilterSimpleBorder, FilterAutoRotate,
                            FilterCrop,         FilterResize, FilterRotate};

// The dialogs that can be built on their own, each as the user opens it,
// and the thirteen filter editors the filter dialog holds.
QList<QPair<QString, Factory>> Dialogs()
{
    QList<QPair<QString, Factory>> editors;
    for (int type : kEditorTypes)
        editors.append({QStringLiteral("editor %1").arg(type), [type] {
                            auto* holder = new QWidget; // lays the page out, as the filter dialog does
                            (new QVBoxLayout(holder))->addWidget(CreateFilterPage(type, holder));
                            return holder;
                        }});
    return editors + QList<QPair<QString, Factory>>{
                         {"settings", [] { return new CSettings(); }},
                         {"format settings", [] { return new CFormatSettings(); }},
                         {"profile selection", [] { return new CDialogProfileSelection(); }},
                         {"filter picker",
                          [] {
                              CFiltersEnum::GetInstance()->GenerateList(); // the names in the language shown
                              return new CDialogFilterSelection();
                          }},
                         {"profile save", [] { return new CDialogProfileSave(); }},
                         {"filter", [] { return new CFilterSettings(); }},
                         {"font", [] { return new CDialogFont(); }},
                         {"processing", [] { return new CProcessController(nullptr); }},
                         {"overwrite", [] { return new CDialogOverwrite(); }},
                         {"overwrite rename", [] { return new CDialogOverwriteRename(); }},
                         {"edit names", [] { return new CDialogRename(); }},
                         {"about", [] { return new CDialogAbout(); }},
                         {"wizard", [] { return new CWizardStart(); }},
                         {"check new", [] { return new CCheckNew(); }},
                         {"ghostscript", [] { return new CDialogGSWarning(); }},
                         {"unsupported format", [] { return new CDialogUnsupportedFormat(); }},
                         {"social", [] { return new CDialogSocial(); }},
                         {"save project", [] { return new CDialogSaveProject(); }},
                         {"search", [] { return new CDialogSearch(); }},
                     };
}

// Installs the program's and Qt's translations of one language while alive.
class CLanguage
{
public:
    explicit CLanguage(const QString& code)
    {
        loaded = own.load("Ln_" + code, ResourceRoot());
        if (loaded)
            QCoreApplication::installTranslator(&own);
        if (qt.load("qtbase_" + code.toLower(), QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt);
    }
    ~CLanguage()
    {
        QCoreApplication::removeTranslator(&own);
        QCoreApplication::removeTranslator(&qt);
    }
    bool loaded = false;

private:
    QTranslator own, qt;
};

QStringList DialogTexts(const Factory& make)
{
    std::unique_ptr<QWidget> dialog(make());
    return ShownTexts(dialog.get());
}

QStringList WindowTexts(int languageId)
{
    ResetStore({{"Settings/Settings.LanguageId", languageId}});
    MainWindow window(nullptr);
    window.show();
    return ShownTexts(&window);
}

// The texts of `shown` that are their English counterpart, by position.
// Only catalogue texts count: the rest is data the program shows as it is
// (font and language names, date formats, the raw decoder's algorithms).
QStringList LeftInEnglish(const QString& code, const QStringList& english, const QStringList& shown)
{
    QSet<QString> sources;
    ForEachMessage(ReadTs(code), [&](const QString&, const QString& source, const QDomElement&) { sources << source; });
    QStringList left;
    if (english.size() != shown.size())
        return {
            QStringLiteral("structure differs: %1 texts in English, %2 shown").arg(english.size()).arg(shown.size())};
    for (int i = 0; i < shown.size(); ++i)
        if (shown[i] == english[i] && sources.contains(shown[i]) && !SameInLanguage(code, shown[i]))
            left << shown[i];
    return left;
}

void AddLanguageRows()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("id");
    const int ids[] = {1031, 1036, 1040, 1041};
    for (int i = 0; i < 4; ++i)
        QTest::newRow(kCodes[i]) << QString(kCodes[i]) << ids[i];
}

void AddFontRows()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("id");
    QTest::addColumn<qreal>("points"); // on the test screen's 96 dpi
    const int ids[] = {1031, 1036, 1040, 1041};
    const QPair<qreal, const char*> sizes[] = {
        {9, "9pt"}, {10, "10pt"}, {11, "11pt"}, {9 * 120 / 96.0, "9pt at 120 dpi"}};
    for (const auto& size : sizes) {
        QTest::addRow("En %s", size.second) << QString() << 1033 << size.first;
        for (int i = 0; i < 4; ++i)
            QTest::addRow("%s %s", kCodes[i], size.second) << QString(kCodes[i]) << ids[i] << size.first;
    }
}
} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qApp->setQuitOnLastWindowClosed(false); }

    void compiledFileLoads_data() { AddLanguageRows(); }
    void compiledFileLoads()
    {
        QFETCH(QString, code);
        QTranslator translator;
        QVERIFY(translator.load("Ln_" + code, ResourceRoot()));
        QVERIFY(translator.translate("MainWindow", "&Edit") != QLatin1String("&Edit"));
    }

    void damagedFileLeavesEnglishSilently()
    {
        QTemporaryDir dir;
        QFile damaged(dir.filePath("Ln_Fr.qm"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(64, '\x5a'));
        damaged.close();
        QTranslator translator;
        QVERIFY(!translator.load("Ln_Fr", dir.path()));

        SetResourceRootOverride(dir.path());
        BqTest::CModalDriver driver;
        driver.Arm();
        const QStringList shown = WindowTexts(1036);
        SetResourceRootOverride(QString());
        QVERIFY(shown.contains("&File"));
        QCOMPARE(driver.Seen().size(), 0);
        QCOMPARE(StoreValue("Settings/Settings.LanguageId").toInt(), 1036);
    }

    void sourcesComplete_data() { AddLanguageRows(); }
    void sourcesComplete()
    {
        QFETCH(QString, code);
        const QDomDocument ts = ReadTs(code);
        QVERIFY(!ts.isNull());
        static const QSet<QString> inCode = CodeMessages();
        QVERIFY2(!inCode.isEmpty(), "lupdate found no text in the code");
        QSet<QString> missing = inCode;
        QStringList open;
        ForEachMessage(ts, [&](const QString& context, const QString& source, const QDomElement& tr) {
            missing.remove(context + ": " + source);
            if (tr.hasAttribute("type") || tr.text().isEmpty())
                open << context + ": " + source + " (" + tr.attribute("type", "empty") + ")";
        });
        for (const QString& text : missing)
            open << text + " (missing)";
        open.sort();
        QVERIFY2(open.isEmpty(), qPrintable(QString("%1 open:\n").arg(open.size()) + open.join('\n')));
    }

    void placeholdersKept_data() { AddLanguageRows(); }
    void placeholdersKept()
    {
        QFETCH(QString, code);
        QStringList broken;
        int checked = 0;
        ForEachMessage(ReadTs(code), [&](const QString& context, const QString& source, const QDomElement& tr) {
            if (tr.hasAttribute("type") || tr.text().isEmpty())
                return;
            ++checked;
            if (Placeholders(tr.text()) != Placeholders(source))
                broken << context + ": " + source;
        });
        QVERIFY(checked > 0);
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join('\n')));
    }

    // Outside the main window (whose menus are checked where they are shown),
    // a context is one dialog or menu: keys apart in English stay apart.
    void accessKeysApartInSources_data() { AddLanguageRows(); }
    void accessKeysApartInSources()
    {
        QFETCH(QString, code);
        QHash<QString, QHash<QChar, QString>> keysByContext; // translated key -> English key
        QStringList clashes;
        ForEachMessage(ReadTs(code), [&](const QString& context, const QString& source, const QDomElement& tr) {
            const QChar english = AccessKey(source), translated = AccessKey(tr.text());
            if (context == "MainWindow" || english.isNull() || translated.isNull())
                return;
            auto& keys = keysByContext[context];
            if (keys.contains(translated) && keys[translated] != QString(english))
                clashes << context + ": " + tr.text();
            keys.insert(translated, english);
        });
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join('\n')));
    }

    void windowShowsNoEnglish_data() { AddLanguageRows(); }
    void windowShowsNoEnglish()
    {
        QFETCH(QString, code);
        QFETCH(int, id);
        if (Incomplete(code))
            QSKIP("translation not complete yet; sourcesComplete reports it");
        const QStringList english = WindowTexts(1033);
        const QStringList left = LeftInEnglish(code, english, WindowTexts(id));
        for (const QString& text : left)
            qWarning("left in English: %s", qPrintable(text));
        QVERIFY(left.isEmpty());
    }

    void dialogsShowNoEnglish_data() { AddLanguageRows(); }
    void dialogsShowNoEnglish()
    {
        QFETCH(QString, code);
        if (Incomplete(code))
            QSKIP("translation not complete yet; sourcesComplete reports it");
        QStringList left;
        for (const auto& dialog : Dialogs()) {
            const QStringList english = DialogTexts(dialog.second);
            CLanguage language(code);
            QVERIFY(language.loaded);
            for (const QString& text : LeftInEnglish(code, english, DialogTexts(dialog.second)))
                left << dialog.first + ": " + text;
        }
        // The welcome picture's words are drawn in the window's language.
        const QImage englishBanner = CWizardStart().pixmap(QWizard::WatermarkPixmap).toImage();
        {
            CLanguage language(code);
            if (CWizardStart().pixmap(QWizard::WatermarkPixmap).toImage() == englishBanner)
                left << "wizard: the picture";
        }
        for (const QString& text : left)
            qWarning("left in English: %s", qPrintable(text));
        QVERIFY(left.isEmpty());
    }

    void dialogAccessKeysApart_data() { AddLanguageRows(); }
    void dialogAccessKeysApart()
    {
        QFETCH(QString, code);
        CLanguage language(code);
        QVERIFY(language.loaded);
        QStringList clashes;
        for (const auto& dialog : Dialogs()) {
            std::unique_ptr<QWidget> widget(dialog.second());
            QHash<QChar, QString> seen;
            for (QWidget* w : widget->findChildren<QWidget*>()) {
                QString text;
                if (auto* button = qobject_cast<QAbstractButton*>(w))
                    text = button->text();
                else if (auto* label = qobject_cast<QLabel*>(w))
                    text = label->buddy() ? label->text() : QString();
                else if (auto* group = qobject_cast<QGroupBox*>(w))
                    text = group->title();
                const QChar key = AccessKey(text);
                if (key.isNull())
                    continue;
                if (seen.contains(key))
                    clashes << dialog.first + ": " + seen[key] + " / " + text;
                seen.insert(key, text);
            }
        }
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join('\n')));
    }

    // Every step of the main window with its balloons, the tip dialog, every
    // dialog and every filter editor, at the desktop font sizes.
    void textsWholeAtFontSizes_data() { AddFontRows(); }
    void textsWholeAtFontSizes()
    {
        QFETCH(QString, code);
        QFETCH(int, id);
        QFETCH(qreal, points);
        const QFont original = QApplication::font();
        QFont font = original;
        font.setPointSizeF(points);
        QApplication::setFont(font);
        QStringList cut;
        {
            // A screen that holds the pages: on a smaller one they scroll.
            SetScreenRoom(QRect(0, 0, 1600, 1200));
            ResetStore({{"Settings/Settings.LanguageId", id}});
            MainWindow window(nullptr);
            window.show();
            // A photo that cannot be read, and every filter in a chain that scrolls.
            QTemporaryDir folder;
            QVERIFY(QFile(folder.filePath("Damaged.jpg")).open(QIODevice::WriteOnly));
            window.Panel1()->AddPhotos(QStringList{folder.filePath("Damaged.jpg")});
            window.Panel1()->findChild<QListWidget*>("listImages")->setCurrentRow(0);
            QTRY_VERIFY(!window.Panel1()->findChild<QLabel*>("viewImage")->text().isEmpty());
            CFiltersEnum::GetInstance()->GenerateList();
            CListFilters::GetInstance()->filters.clear();
            for (int type : kEditorTypes) {
                CListFilters::GetInstance()->filters << SFilterRecord();
                CListFilters::GetInstance()->filters.last().name =
                    CFiltersEnum::GetInstance()->GetRecordById(type).name;
            }
            window.Panel2()->SynchronizeListFilters();
            BqTest::CModalDriver driver([&](QWidget* dialog, const BqTest::SModalSeen&) {
                for (const QString& text : CutTexts(dialog))
                    cut << "tip " + text;
                return false;
            });
            driver.Arm();
            for (int step = 0; step < 3; ++step) {
                window.ChangePanel(step);
                QApplication::processEvents();
                for (CTipBalloon* balloon : window.findChildren<CTipBalloon*>())
                    if (balloon->Widget()->parentWidget()->isVisible())
                        balloon->Show();
                for (const QString& text : CutTexts(&window))
                    cut << QStringLiteral("step %1 ").arg(step + 1) + text;
                if (window.width() < window.minimumSizeHint().width()) // the window follows its pages
                    cut << QStringLiteral("step %1 window narrower than its page").arg(step + 1);
            }
            if (auto* deleteSource = window.findChild<QAbstractButton*>("checkDeleteSource"))
                deleteSource->click();
            QTRY_VERIFY(!driver.Seen().isEmpty());
            SetScreenRoom(QRect());
        }
        {
            std::unique_ptr<CLanguage> language(code.isEmpty() ? nullptr : new CLanguage(code));
            for (const auto& dialog : Dialogs()) {
                std::unique_ptr<QWidget> widget(dialog.second());
                widget->show();
                for (const QString& text : CutTexts(widget.get()))
                    cut << dialog.first + " " + text;
                for (QTabWidget* tabs : widget->findChildren<QTabWidget*>()) {
                    for (int i = 1; i < tabs->count(); ++i) { // each tab as the user opens it
                        tabs->setCurrentIndex(i);
                        for (const QString& text : CutTexts(widget.get()))
                            cut << dialog.first + QStringLiteral(" tab %1 ").arg(i + 1) + text;
                    }
                }
            }
            for (int type : kEditorTypes) { // each editor beside the preview, as the filter dialog holds it
                CFilterSettings d;
                d.record.id = type;
                QTimer::singleShot(0, &d, [&] {
                    for (const QString& text : CutTexts(&d))
                        cut << QStringLiteral("filter dialog %1 ").arg(type) + text;
                    if (auto* units = d.findChild<QComboBox*>("comboDimensions")) { // then the sizes in percent
                        units->setCurrentIndex(1);
                        emit units->activated(1);
                        for (const QString& text : CutTexts(&d))
                            cut << QStringLiteral("filter dialog %1 percent ").arg(type) + text;
                    }
                    d.reject();
                });
                d.exec();
            }
            for (int page : {5, 7}) { // the format options with a compression list, PDF and TIFF
                CFormatSettings d;
                d.FormatPage = page;
                QTimer::singleShot(0, &d, [&] {
                    for (const QString& text : CutTexts(&d))
                        cut << QStringLiteral("format page %1 ").arg(page) + text;
                    for (QWidget* w : d.findChildren<QWidget*>()) // nothing runs past the window's edge
                        if (w->isVisibleTo(&d) && w->mapTo(&d, QPoint(w->width(), 0)).x() > d.width())
                            cut << QStringLiteral("format page %1 past the edge ").arg(page) + w->objectName();
                    d.reject();
                });
                d.exec();
            }
        }
        QApplication::setFont(original);
        QVERIFY2(cut.isEmpty(), qPrintable(QString("%1 cut:\n").arg(cut.size()) + cut.join('\n')));
    }
};

BQ_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
