#pragma once
// The font of a text mark: family, pixel size and four styles, with a live
// sample. The caller fills the public fields, runs exec() and reads them
// back after Accepted; only OK writes them.

#include <QDialog>
#include <QFont>
#include <QString>

class CUserProfile;
namespace Ui
{
class CDialogFont;
}

class CDialogFont : public QDialog
{
    Q_OBJECT

public:
    explicit CDialogFont(QWidget* parent = nullptr);
    ~CDialogFont() override;

    int exec() override;
    // Redraws the sample from the controls.
    void UpdateFont();

    QString fontFamily = QStringLiteral("Arial");
    QString fontSize = QStringLiteral("12");
    bool fontBold = false;
    bool fontItalic = false;
    bool fontUnderline = false;
    bool fontStrikeOut = false;

private slots:
    void on_comboFont_currentFontChanged(const QFont& font);
    void on_comboFontSize_editTextChanged(const QString& arg1);
    void on_checkBold_clicked();
    void on_checkItalic_clicked();
    void on_checkUnderline_clicked();
    void on_checkStrikeOut_clicked();
    void on_buttonOK_clicked();
    void on_buttonCancel_clicked();

private:
    Ui::CDialogFont* ui;
    CUserProfile* m_pProfile;
};
