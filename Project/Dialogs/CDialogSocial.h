#pragma once

#include <QDialog>

namespace Ui
{
class CDialogSocial;
}

// The share prompt offered after a run: mail a friend, copy the web address
// or visit the web site. "Don't show this again" is stored at every click
// under "GUI/DialogSocial.Show" (0 silences the prompt).
class CDialogSocial : public QDialog
{
    Q_OBJECT
public:
    explicit CDialogSocial(QWidget* parent = nullptr);
    ~CDialogSocial() override;

    // 0 at once, showing nothing, while the prompt is silenced; else the
    // result of the modal run (which the caller ignores).
    int exec() override;

    // The message the mail button opens in the user's mail program.
    static QUrl MailUrl();

private slots:
    void on_buttonMail_clicked();
    void on_buttonCopyLink_clicked();
    void on_buttonWebSite_clicked();
    void on_checkDontShow_clicked();
    void on_buttonClose_clicked();

private:
    Ui::CDialogSocial* ui;
};
