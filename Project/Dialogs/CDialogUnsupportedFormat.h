#pragma once

#include <QDialog>
#include <QStringList>

namespace Ui
{
class CDialogUnsupportedFormat;
}

// Lists, one a line, the paths an add command refused because no readable
// format matches them. The list is read-only but selectable for copying.
class CDialogUnsupportedFormat : public QDialog
{
    Q_OBJECT
public:
    explicit CDialogUnsupportedFormat(QWidget* parent = nullptr);
    ~CDialogUnsupportedFormat() override;

    void SetUnsupportedFiles(const QStringList& files);

private slots:
    void on_buttonOk_clicked();

private:
    Ui::CDialogUnsupportedFormat* ui;
};
