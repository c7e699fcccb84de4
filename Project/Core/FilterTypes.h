#pragma once

#include <QtGlobal>

// Filter type codes: the id of a catalogue row and of a chain record. The
// group is id / 1000 (1 marks, 2 borders, 5 transforms).
enum FilterType : quint32 {
    FilterText = 1000,
    FilterLogo = 1010,
    FilterShapeFrame = 2001,
    FilterGrungeFrame = 2002,
    FilterPictureFrame = 2003,
    FilterVintageFrame = 2004,
    FilterRaise = 2010,
    FilterShadow = 2020,
    FilterSimpleBorder = 2030,
    FilterAutoRotate = 5000,
    FilterCrop = 5020,
    FilterResize = 5040,
    FilterRotate = 5070,
};
