#include "Quantum.h"

#include <algorithm>
#include <cmath>

using MagickCore::Quantum; // QuantumRange expands to ((Quantum) 65535)

double QuantumMax()
{
    return static_cast<double>(QuantumRange);
}

Magick::Quantum QuantumFrom8(int v)
{
    v = std::clamp(v, 0, 255);
    return static_cast<Magick::Quantum>(std::lround(v * QuantumMax() / 255.0));
}

int QuantumTo8(double q)
{
    const long v = std::lround(q * 255.0 / QuantumMax());
    return static_cast<int>(std::clamp(v, 0L, 255L));
}

Magick::Color ColorFromRgb(QRgb rgb, double transparencyPercent)
{
    const double t = std::clamp(transparencyPercent, 0.0, 100.0);
    const auto opacity = static_cast<Magick::Quantum>(std::lround(t * QuantumMax() / 100.0));
    return Magick::Color(QuantumFrom8(qRed(rgb)), QuantumFrom8(qGreen(rgb)), QuantumFrom8(qBlue(rgb)), opacity);
}
