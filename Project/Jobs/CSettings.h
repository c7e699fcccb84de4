#pragma once

#include <QDialog>

class CImageCache;
class CUserProfile;
class QKeyEvent;
namespace Ui
{
class CSettings;
}

// The application preferences: language, multi-core use, the processing log,
// the windows shown at start, the update check, multi-page writing and camera
// raw decoding. OK writes the fields of the settings object in memory; the
// settings store receives them when that object is destroyed.
class CSettings : public QDialog
{
    Q_OBJECT
public:
    explicit CSettings(QWidget* parent = nullptr);
    ~CSettings() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void on_buttonOK_clicked();
    void on_buttonCancel_clicked();
    void on_checkCheckNew_clicked();

private:
    void Init();
    void InitImages();

    Ui::CSettings* ui;
    CUserProfile* m_pProfile;   // not owned
    CImageCache* m_pImageCache; // not owned
};
