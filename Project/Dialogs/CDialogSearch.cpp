#include "CDialogSearch.h"

#include "FitTexts.h"
#include "PathSafety.h"
#include "Utils.h"
#include "ui_CDialogSearch.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>

CDialogSearch::CDialogSearch(QWidget* parent) : QDialog(parent), ui(new Ui::CDialogSearch)
{
    ui->setupUi(this);
    FitTextsToFonts(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &CDialogSearch::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &CDialogSearch::reject);
    connect(ui->editPath, &QLineEdit::textChanged, this, &CDialogSearch::UpdateOk);
    ui->editPath->setText(GetRegistryString(QStringLiteral("GUI/Step1.AddFolderPath"), GetMyPictures()));
    UpdateOk();
}

CDialogSearch::~CDialogSearch()
{
    delete ui;
}

QString CDialogSearch::TypedPath() const
{
    QString typed = ui->editPath->text().trimmed().replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (typed == QLatin1String("~") || typed.startsWith(QLatin1String("~/")))
        typed.replace(0, 1, QDir::homePath());
    // A relative folder is read from the home folder: the program's current
    // folder is its own, not one the user chose.
    return typed.isEmpty() ? typed : CPathSafety::ResolvePath(QDir::home().absoluteFilePath(typed));
}

void CDialogSearch::UpdateOk()
{
    const QString path = TypedPath();
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(!path.isEmpty() && QFileInfo(path).isDir());
}

void CDialogSearch::accept()
{
    // Enter in the folder field reaches here even while OK is disabled.
    if (!ui->buttonBox->button(QDialogButtonBox::Ok)->isEnabled())
        return;
    searchPath = TypedPath();
    searchMask = ui->comboMask->currentText().trimmed();
    if (searchMask.isEmpty())
        searchMask = QStringLiteral("*.*");
    searchSubfolders = ui->checkSubfolders->isChecked();
    QDialog::accept();
}

void CDialogSearch::on_buttonBrowse_clicked()
{
    const QString folder = QFileDialog::getExistingDirectory(this, QString(), ChooserStart(TypedPath()));
    if (!folder.isEmpty())
        ui->editPath->setText(QDir::fromNativeSeparators(folder));
}
