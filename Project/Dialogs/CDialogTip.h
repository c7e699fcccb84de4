#pragma once

#include <QDialog>
#include <QString>

class CImageCache;
namespace Ui
{
class CDialogTip;
}

// A one-paragraph tip beside a banner, with "Don't show this tip again".
// Each tip has a key; "GUI/" + key (default 1) says whether it is shown, so
// every tip is silenced on its own. Built on the caller's stack, given its
// text and key, run with exec() and destroyed.
class CDialogTip : public QDialog
{
    Q_OBJECT
public:
    explicit CDialogTip(QWidget* parent = nullptr);
    ~CDialogTip() override;

    // Returns 1 without showing anything when the tip is silenced, else the
    // result of the modal run (0: closing counts as a rejection).
    int exec() override;

    QString tipText;
    QString tipKey;
    bool shown = false;

private slots:
    void on_checkShow_clicked();
    void on_buttonOk_clicked();

private:
    QString SettingKey() const { return QStringLiteral("GUI/") + tipKey; }

    Ui::CDialogTip* ui;
    CImageCache* m_imageCache;
};
