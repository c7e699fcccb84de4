#pragma once
// The editor page of the grunge frame (type 2002): frame, background colour,
// transparent background and random frame in slots 0-3.

#include "FilterFrameBase.h"

namespace Ui
{
class CFilterGrungeFrame;
}

class CFilterGrungeFrame : public CFilterFrameBase
{
    Q_OBJECT

public:
    CFilterGrungeFrame(QWidget* parent, int filterId);
    ~CFilterGrungeFrame() override;

private:
    Ui::CFilterGrungeFrame* ui;
};
