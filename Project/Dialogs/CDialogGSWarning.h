#pragma once

#include <QDialog>
#include <QString>

namespace Ui
{
class CDialogGSWarning;
}

// The notice that a document type needs Ghostscript. Ghostscript documents
// are read by the image library itself here, so the notice never applies:
// ShowDialog answers 0 (false) at once and shows nothing, and callers that
// would run the notice on a true answer never do.
class CDialogGSWarning : public QDialog
{
    Q_OBJECT
public:
    explicit CDialogGSWarning(QWidget* parent = nullptr);
    ~CDialogGSWarning() override;

    // `extension` is the document type a worker or preview failed to read.
    int ShowDialog(const QString& extension);

private:
    Ui::CDialogGSWarning* ui;
};
