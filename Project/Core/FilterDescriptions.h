#pragma once

#include <QCoreApplication>
#include <QString>

// The shared description texts, in their fixed order (number n of the list is
// index n - 1). They stay in English here: each user translates its entry in
// the "QObject" context at the point of use, so a translation installed later
// still applies. Entries 1 to 51 describe filter types (the catalogue uses
// thirteen, the built-in profiles some more); entry 52 names the output-format
// choice that keeps each photo's own format.
constexpr int FilterDescriptionCount = 52;

inline constexpr const char* FilterDescriptions[FilterDescriptionCount] = {
    /*  1 */ QT_TRANSLATE_NOOP("QObject", "Annotates with a single or multi-line text comment"),
    /*  2 */ QT_TRANSLATE_NOOP("QObject", "Stamps picture with date and time information"),
    /*  3 */ QT_TRANSLATE_NOOP("QObject", "Adds a text copyright notice"),
    /*  4 */ QT_TRANSLATE_NOOP("QObject", "Adds a copyright logo"),
    /*  5 */ QT_TRANSLATE_NOOP("QObject", "Adds a simple shaped frame"),
    /*  6 */ QT_TRANSLATE_NOOP("QObject", "Adds a grunge frame"),
    /*  7 */ QT_TRANSLATE_NOOP("QObject", "Adds different masks for portrait and landscape photos"),
    /*  8 */ QT_TRANSLATE_NOOP("QObject", "Adds a classic picture frame"),
    /*  9 */ QT_TRANSLATE_NOOP("QObject", "Adds a vintage frame"),
    /* 10 */ QT_TRANSLATE_NOOP("QObject", "Creates a Polaroid-like picture frame"),
    /* 11 */ QT_TRANSLATE_NOOP("QObject", "Lightens or darkens image edges to give a 3D raised or lowered effect"),
    /* 12 */ QT_TRANSLATE_NOOP("QObject", "Gives picture a shadow effect around the edges"),
    /* 13 */ QT_TRANSLATE_NOOP("QObject", "Adds a simple border around the picture"),
    /* 14 */ QT_TRANSLATE_NOOP("QObject", "Makes picture hazy in appearance"),
    /* 15 */ QT_TRANSLATE_NOOP("QObject", "Transforms picture to a charcoal sketch"),
    /* 16 */ QT_TRANSLATE_NOOP("QObject", "Highlights edges in picture"),
    /* 17 */ QT_TRANSLATE_NOOP("QObject", "Highlights edges in picture with a 3D effect"),
    /* 18 */ QT_TRANSLATE_NOOP("QObject", "Makes picture hazy in appearance using the gaussian blur algorithm"),
    /* 19 */ QT_TRANSLATE_NOOP("QObject", "Transforms from true colors to grayscale colors"),
    /* 20 */ QT_TRANSLATE_NOOP("QObject", "Creates an implosion effect in the center of the image"),
    /* 21 */ QT_TRANSLATE_NOOP("QObject", "Replaces every pixel with its complementary color"),
    /* 22 */ QT_TRANSLATE_NOOP("QObject", "Adds noise to picture"),
    /* 23 */ QT_TRANSLATE_NOOP("QObject", "Makes picture look like an oil painting"),
    /* 24 */ QT_TRANSLATE_NOOP("QObject", "Makes picture look older, in warmer colors"),
    /* 25 */ QT_TRANSLATE_NOOP("QObject", "Makes picture look like the photographic film was exposed to light during the development process"),
    /* 26 */ QT_TRANSLATE_NOOP("QObject", "Makes picture look like a sculpture in grayscale or true colors"),
    /* 27 */ QT_TRANSLATE_NOOP("QObject", "Makes picture blurry by spreading pixels randomly"),
    /* 28 */ QT_TRANSLATE_NOOP("QObject", "Creates a twisting motion"),
    /* 29 */ QT_TRANSLATE_NOOP("QObject", "Creates a horizontal wave effect"),
    /* 30 */ QT_TRANSLATE_NOOP("QObject", "Automatically adjusts contrast"),
    /* 31 */ QT_TRANSLATE_NOOP("QObject", "Automatically adjusts gamma level"),
    /* 32 */ QT_TRANSLATE_NOOP("QObject", "Automatically adjusts color levels"),
    /* 33 */ QT_TRANSLATE_NOOP("QObject", "Adjusts light intensity"),
    /* 34 */ QT_TRANSLATE_NOOP("QObject", "Enhances the intensity differences between the lighter and darker pixels"),
    /* 35 */ QT_TRANSLATE_NOOP("QObject", "Adjusts the Red, Green and Blue color channels"),
    /* 36 */ QT_TRANSLATE_NOOP("QObject", "Applies a histogram equalization"),
    /* 37 */ QT_TRANSLATE_NOOP("QObject", "Corrects Hue, Saturation and Lightness"),
    /* 38 */ QT_TRANSLATE_NOOP("QObject", "Adjusts levels by scaling the colors falling between specified white and black points to the full available quantum range"),
    /* 39 */ QT_TRANSLATE_NOOP("QObject", "Reduces noise caused by poor lighting conditions or mobile digital cameras"),
    /* 40 */ QT_TRANSLATE_NOOP("QObject", "Sharpens picture by enhancing edge contrast"),
    /* 41 */ QT_TRANSLATE_NOOP("QObject", "Uses Radius and Threshold options to sharpen picture"),
    /* 42 */ QT_TRANSLATE_NOOP("QObject", "Automatically rotates photos based on the information embedded by the digital camera"),
    /* 43 */ QT_TRANSLATE_NOOP("QObject", "Automatically crops the image according to a specified aspect ratio"),
    /* 44 */ QT_TRANSLATE_NOOP("QObject", "Replaces a RGB color or the Alpha channel"),
    /* 45 */ QT_TRANSLATE_NOOP("QObject", "Cuts a rectangular subregion from the image"),
    /* 46 */ QT_TRANSLATE_NOOP("QObject", "Flips picture in vertical and/or horizontal direction"),
    /* 47 */ QT_TRANSLATE_NOOP("QObject", "Adjusts image size using pixels or percents"),
    /* 48 */ QT_TRANSLATE_NOOP("QObject", "Adjusts document size and DPI resolution"),
    /* 49 */ QT_TRANSLATE_NOOP("QObject", "Rolls vertically or horizontally by a specified number of pixels"),
    /* 50 */ QT_TRANSLATE_NOOP("QObject", "Rotates by a specified number of degrees"),
    /* 51 */ QT_TRANSLATE_NOOP("QObject", "Creates a small thumbnail from the picture"),
    /* 52 */ QT_TRANSLATE_NOOP("QObject", "Keep original image format (if possible)"),
};

// Index of the keep-original text: the output-format setting holds its
// translation instead of a format id when every photo keeps its own format.
constexpr int KeepOriginalFormat = 51;

// The keep-original text in the current language. Translated on every call:
// whoever compares the output-format setting with it must see the language
// installed now, not the one of program start.
inline QString KeepOriginalFormatText()
{
    return QCoreApplication::translate("QObject", FilterDescriptions[KeepOriginalFormat]);
}
