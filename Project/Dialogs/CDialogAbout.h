#pragma once

#include <QDialog>

namespace Ui
{
class CDialogAbout;
}

// The About box: the program's icon, name and version, and the versions of
// the Qt and ImageMagick libraries it is running with.
class CDialogAbout : public QDialog
{
    Q_OBJECT
public:
    explicit CDialogAbout(QWidget* parent = nullptr);
    ~CDialogAbout() override;

private slots:
    void on_buttonOk_clicked();

private:
    Ui::CDialogAbout* ui;
};
