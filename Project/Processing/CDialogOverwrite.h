#pragma once

#include <QDialog>
#include <QString>

class CHardwareProfile;
class CImageCache;
class CUserProfile;
namespace Ui
{
class CDialogOverwrite;
}

// The question put when a worker is about to write over an existing file:
// the file's path and size, a small zoomable preview of it, and six answers
// (0 Abort, 1 Yes, 2 Yes to All, 3 No, 4 No to All, 5 Rename). Closing the
// dialog any other way, Escape included, answers Abort.
class CDialogOverwrite : public QDialog
{
    Q_OBJECT
public:
    explicit CDialogOverwrite(QWidget* parent = nullptr);
    ~CDialogOverwrite() override;

    // Shows the text and starts the preview of `path`, then runs the dialog.
    // The caller reads `answer` and `path` afterwards.
    int exec() override;

    // The existing file; after a Rename answer, the new output path.
    QString path;
    int answer = 0;

    // The size line of the info text: ": N/A" for an empty or unreadable
    // file, else KB below 1,048,576 bytes and MB from there, 2 decimals.
    static QString SizeText(qint64 bytes);
    // The question about `path`, without the size line.
    static QString QuestionText(const QString& path);

public slots:
    void UpdateZoomText(int percent);

private slots:
    void on_buttonYes_clicked();
    void on_buttonNo_clicked();
    void on_buttonRename_clicked();
    void on_buttonYesAll_clicked();
    void on_buttonNoAll_clicked();
    void on_buttonAbort_clicked();
    void on_buttonMaxZoomImage_clicked();
    void on_buttonMinZoomImage_clicked();
    void on_buttonZoomInImage_clicked();
    void on_buttonZoomOutImage_clicked();

private:
    void InitImages();
    void Answer(int code);

    Ui::CDialogOverwrite* ui;
    CUserProfile* m_pProfile;             // not owned
    CHardwareProfile* m_pHardwareProfile; // not owned
    CImageCache* m_pImageCache;           // not owned
};
