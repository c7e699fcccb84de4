#pragma once
// The editor page of the picture frame (type 2003): frame, background colour,
// transparent background and random frame in slots 0-3.

#include "FilterFrameBase.h"

namespace Ui
{
class CFilterPictureFrame;
}

class CFilterPictureFrame : public CFilterFrameBase
{
    Q_OBJECT

public:
    CFilterPictureFrame(QWidget* parent, int filterId);
    ~CFilterPictureFrame() override;

private:
    Ui::CFilterPictureFrame* ui;
};
