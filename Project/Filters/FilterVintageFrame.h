#pragma once
// The editor page of the vintage frame (type 2004): frame, background colour,
// transparent background and random frame in slots 0-3.

#include "FilterFrameBase.h"

namespace Ui
{
class CFilterVintageFrame;
}

class CFilterVintageFrame : public CFilterFrameBase
{
    Q_OBJECT

public:
    CFilterVintageFrame(QWidget* parent, int filterId);
    ~CFilterVintageFrame() override;

private:
    Ui::CFilterVintageFrame* ui;
};
