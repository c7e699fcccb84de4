#pragma once

#include <QDialog>

class CFormatsEnum;
class CICCProfiles;
class CUserProfile;
class QKeyEvent;
namespace Ui
{
class CFormatSettings;
}

// The writing options of one output format, on the page the caller chooses
// through FormatPage (0 none, 1 default format, 2 GIF, 3 JP2, 4 JPG, 5 PDF,
// 6 PNG, 7 TIFF, 8 MIFF). OK writes the page's fields; Reset and a chosen
// custom ICC profile write theirs at once.
class CFormatSettings : public QDialog
{
    Q_OBJECT
public:
    explicit CFormatSettings(QWidget* parent = nullptr);
    ~CFormatSettings() override;

    int exec() override;
    void accept() override;
    void reject() override;

    int FormatPage = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void on_buttonOK_clicked();
    void on_buttonCancel_clicked();
    void on_buttonReset_clicked();
    void on_sliderSizeQualityJP2_valueChanged(int value);
    void on_spinSizeQualityJP2_valueChanged(int arg1);
    void on_sliderSizeQualityJPG_valueChanged(int value);
    void on_spinSizeQualityJPG_valueChanged(int arg1);
    void on_sliderSizeQualityPDF_valueChanged(int value);
    void on_spinSizeQualityPDF_valueChanged(int arg1);
    void on_sliderSizeQualityTIF_valueChanged(int value);
    void on_spinSizeQualityTIF_valueChanged(int arg1);
    void on_sliderSizeQualityMIF_valueChanged(int value);
    void on_spinSizeQualityMIF_valueChanged(int arg1);
    void on_checkFixedSizeJPG_clicked();
    void on_comboCompressionPDF_activated(int index);
    void on_comboCompressionTIF_activated(int index);
    void on_comboColorsJPG_activated(int index);
    void on_comboColorsTIF_activated(int index);

private:
    void Init();
    void ShowSelectProfileDialog();
    // The page shown, or 0 for a FormatPage outside 1 to 8.
    int Page() const;

    Ui::CFormatSettings* ui;
    CUserProfile* m_pProfile; // not owned
    CFormatsEnum* m_pFormats; // not owned
    CICCProfiles* m_pIcc;     // not owned
    int m_previousColorEntry = 0;
};
