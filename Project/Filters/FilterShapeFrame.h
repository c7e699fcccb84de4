#pragma once
// The editor page of the shape frame (type 2001): shape, background colour,
// edges ("Sharp" or "Blurred"), transparent background and random shape in
// slots 0-4.

#include "FilterFrameBase.h"

namespace Ui
{
class CFilterShapeFrame;
}

class CFilterShapeFrame : public CFilterFrameBase
{
    Q_OBJECT

public:
    CFilterShapeFrame(QWidget* parent, int filterId);
    ~CFilterShapeFrame() override;

    void InitControls() override;

private slots:
    void on_comboEdges_activated(int index);

private:
    Ui::CFilterShapeFrame* ui;
};
