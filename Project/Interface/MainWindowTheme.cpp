// Theme and language of the main window: applied once during Init, before
// any step page exists, so every widget built later takes them.
#include "MainWindow.h"

#include "ResourceRoot.h"
#include "UserProfile.h"
#include "Utils.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPalette>
#include <QStyleFactory>

namespace
{

const QColor kAccent(0x26, 0xA3, 0xE2);

struct SLanguage {
    int id;
    const char* code;
};
const SLanguage kLanguages[] = {{1031, "De"}, {1033, "En"}, {1036, "Fr"}, {1040, "It"}, {1041, "Ja"}};

QPalette DarkPalette()
{
    QPalette palette;
    const QColor window(0x3C, 0x3C, 0x3C);
    const std::pair<QPalette::ColorRole, QColor> roles[] = {{QPalette::Window, window},
                                                            {QPalette::WindowText, Qt::white},
                                                            {QPalette::Base, QColor(0x1E, 0x1E, 0x1E)},
                                                            {QPalette::AlternateBase, Qt::yellow},
                                                            {QPalette::ToolTipBase, Qt::white},
                                                            {QPalette::ToolTipText, Qt::white},
                                                            {QPalette::Text, Qt::white},
                                                            {QPalette::Button, window},
                                                            {QPalette::ButtonText, Qt::white},
                                                            {QPalette::BrightText, Qt::magenta},
                                                            {QPalette::Light, window},
                                                            {QPalette::Midlight, Qt::red},
                                                            {QPalette::Dark, Qt::gray},
                                                            {QPalette::Mid, Qt::red},
                                                            {QPalette::Shadow, Qt::red},
                                                            {QPalette::Highlight, kAccent},
                                                            {QPalette::HighlightedText, Qt::black},
                                                            {QPalette::Link, kAccent},
                                                            {QPalette::LinkVisited, kAccent}};
    for (const auto& role : roles)
        palette.setBrush(QPalette::All, role.first, QBrush(role.second));
    return palette;
}

} // namespace

void MainWindow::ChangeTheme()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Fusion shows no focus on flat buttons, read-only texts, custom lists,
    // link labels and pages, and draws a default button alike with and without it.
    QString styleSheet =
        QStringLiteral("QToolTip { color: #FFFFFF; background-color: #26A3E2; border: 1px solid white; }"
                       "QCommandLinkButton:focus, QPushButton:default:focus, QLabel:focus, QTextEdit:focus,"
                       " CListThumb:focus, QStackedWidget:focus { border: 1px solid palette(highlight); }");
    const int theme = m_userProfile->ThemeId;
    if (theme == 0) {
        QPalette palette;
        for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::Link, QPalette::LinkVisited})
            palette.setBrush(QPalette::All, role, QBrush(kAccent));
        QApplication::setPalette(palette);
    } else if (theme == 1) {
        styleSheet += QStringLiteral("QLineEdit:!enabled { background-color: #3C3C3C; }"
                                     "QPlainTextEdit:!enabled { background-color: #3C3C3C; }"
                                     "QPushButton:!enabled { background-color: #505050; color: #999999; }"
                                     "QSpinBox:!enabled { background-color: #3C3C3C; }"
                                     "QDoubleSpinBox:!enabled { background-color: #3C3C3C; }"
                                     "QCheckBox:!enabled { background-color: #3C3C3C; }"
                                     "QComboBox:!enabled { background-color: #3C3C3C; }"
                                     "QMenu { background-color: #313131; }"
                                     "QMenu::item:!enabled { color: #999999; }"
                                     "QMenu::item:selected { color: #FFFFFF; background-color: #26A3E2; }"
                                     "QMenu::item:selected:!enabled { color: #000000; }"
                                     "QMenu::separator { }");
        QApplication::setPalette(DarkPalette());
    }
    qApp->setStyleSheet(styleSheet);
}

void MainWindow::LoadLocalizedResource()
{
    QString code = QStringLiteral("En");
    for (const SLanguage& language : kLanguages)
        if (language.id == m_userProfile->LanguageId)
            code = QLatin1String(language.code);

    QCoreApplication::removeTranslator(&m_translator);
    QCoreApplication::removeTranslator(&m_qtTranslator);
    ChangeLanguage(code);
    if (!m_translator.load(QStringLiteral("Ln_") + code, ResourceRoot()))
        return;
    QCoreApplication::installTranslator(&m_translator);
    // Qt's own dialogs and standard buttons follow the same language.
    if (m_qtTranslator.load(QStringLiteral("qtbase_") + code.toLower(),
                            QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qtTranslator);
    ui->retranslateUi(this);
}

void MainWindow::ChangeLanguage(QString code)
{
    int id = 1033;
    for (const SLanguage& language : kLanguages)
        if (code == QLatin1String(language.code))
            id = language.id;
    if (id == m_userProfile->LanguageId)
        return;
    m_userProfile->LanguageId = id;
    // Written at once: a run that ends with exit() never destroys the settings
    // object, and the warning would then come back at every start.
    SetRegistryInt(QStringLiteral("Settings/Settings.LanguageId"), id);
    QMessageBox::warning(this, QString(), tr("You need to restart Brandquill for the changes to take effect."),
                         QMessageBox::Ok, QMessageBox::NoButton);
}
