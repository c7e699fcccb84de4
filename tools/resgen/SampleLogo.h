#pragma once
// The sample logo: 400 x 200 ARGB, a rounded badge with an emblem, drawn
// with paths only (no text, so no installed font changes it); transparent
// outside the badge.

#include <QImage>

QImage DrawSampleLogo();
