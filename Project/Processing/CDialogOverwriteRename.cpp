#include "CDialogOverwriteRename.h"

#include "FitTexts.h"
#include "PathSafety.h"
#include "ui_CDialogOverwriteRename.h"

#include <QFileInfo>
#include <QMessageBox>

namespace
{
// Splits a path into its folder (with the last "/"), the file's base name and
// its extension with the dot. Only the file name is split, so a dot in a
// folder name is never taken for the extension.
struct SPathParts {
    QString folder;
    QString base;
    QString extension;
};

SPathParts SplitPath(const QString& path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const QString file = path.mid(slash + 1);
    const int dot = file.lastIndexOf(QLatin1Char('.'));
    SPathParts parts;
    parts.folder = path.left(slash + 1);
    parts.base = dot < 0 ? file : file.left(dot);
    parts.extension = dot < 0 ? QString() : file.mid(dot);
    return parts;
}
} // namespace

CDialogOverwriteRename::CDialogOverwriteRename(QWidget* parent)
    : QDialog(parent), ui(new Ui::CDialogOverwriteRename)
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

CDialogOverwriteRename::~CDialogOverwriteRename()
{
    delete ui;
}

int CDialogOverwriteRename::exec()
{
    Init();
    return QDialog::exec();
}

void CDialogOverwriteRename::Init()
{
    ui->editNewName->setText(SplitPath(path).base);
    ui->editNewName->selectAll();
    ui->editNewName->setFocus();
}

void CDialogOverwriteRename::on_buttonOK_clicked()
{
    const QString name = ui->editNewName->text();
    if (name.isEmpty())
        return;
    const SPathParts parts = SplitPath(path);
    // The name is typed by the user and becomes part of a path.
    const QString candidate = parts.folder + CPathSafety::SanitizeFileName(name + parts.extension);
    const QFileInfo info(candidate);
    if (info.exists() || info.isSymLink()) {
        QMessageBox::warning(this, QString(), tr("A photo with the same name already exists") + QLatin1Char('!'),
                             QMessageBox::Ok);
        return;
    }
    path = candidate;
    accept();
}

void CDialogOverwriteRename::on_buttonCancel_clicked()
{
    reject();
}
