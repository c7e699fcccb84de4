#pragma once
// The editor page of the rotate filter (type 5070): slot 0 the clockwise
// angle (0-359), slot 1 the condition (all, only portrait, only landscape).
// Every control restarts the preview after 500 ms.

#include "FilterPage.h"

namespace Ui
{
class CFilterRotate;
}

class CFilterRotate : public CFilterPage
{
    Q_OBJECT

public:
    CFilterRotate(QWidget* parent, int filterId);
    ~CFilterRotate() override;

    void Initialize() override;
    void Load(SFilterRecord rec, bool startPreview) override;
    void Save(SFilterRecord& rec) override;

    void InitControls();

    // The angle shown for a stored one: the same rotation within 0-359, so
    // that -90 opens as 270 and 450 as 90 instead of being clamped.
    static int ShownAngle(double slot);

private slots:
    void on_dialDegrees_valueChanged(int value);
    void on_spinDegrees_valueChanged(int value);
    void on_buttonRotateLeft_clicked();
    void on_buttonRotateRight_clicked();
    void on_comboOrientation_activated(int);

private:
    void SetAngle(int angle);

    Ui::CFilterRotate* ui;
};
