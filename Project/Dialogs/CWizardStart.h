#pragma once

#include <QWizard>

class CUserProfile;
namespace Ui
{
class CWizardStart;
}

// The one-page welcome wizard the main window runs at start. It appears only
// while the profile's ShowStartupWizard is on; its check box switches that
// off when the wizard closes in any way (the profile writes it at exit).
class CWizardStart : public QWizard
{
    Q_OBJECT
public:
    explicit CWizardStart(QWidget* parent = nullptr);
    ~CWizardStart() override;

    // 0 at once, showing nothing, while the wizard is switched off; else the
    // result of the modal run.
    int exec() override;
    void done(int result) override;

    // The quick-tour page, tagged with the download source and the version.
    static QUrl TourUrl();

private slots:
    void on_buttonTour_clicked();

private:
    Ui::CWizardStart* ui;
    CUserProfile* m_profile;
};
