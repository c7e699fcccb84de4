#include "SeededNoise.h"

#include <cmath>

namespace
{
double Smooth(double t)
{
    return t * t * (3.0 - 2.0 * t);
}
} // namespace

CSeededNoise::CSeededNoise(std::uint32_t seed, int lattice) : m_engine(seed), m_lattice(lattice)
{
    m_values.resize(static_cast<size_t>(lattice) * static_cast<size_t>(lattice));
    for (double& v : m_values)
        v = Next();
}

double CSeededNoise::Next()
{
    return static_cast<double>(m_engine()) / 4294967296.0;
}

double CSeededNoise::Range(double low, double high)
{
    return low + (high - low) * Next();
}

double CSeededNoise::Value(double x, double y) const
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto wrap = [this](double v) {
        const long n = static_cast<long>(v) % m_lattice;
        return static_cast<size_t>(n < 0 ? n + m_lattice : n);
    };
    const size_t x0 = wrap(fx);
    const size_t y0 = wrap(fy);
    const size_t x1 = (x0 + 1) % static_cast<size_t>(m_lattice);
    const size_t y1 = (y0 + 1) % static_cast<size_t>(m_lattice);
    const size_t n = static_cast<size_t>(m_lattice);
    const double tx = Smooth(x - fx);
    const double ty = Smooth(y - fy);
    const double top = m_values[y0 * n + x0] * (1 - tx) + m_values[y0 * n + x1] * tx;
    const double bottom = m_values[y1 * n + x0] * (1 - tx) + m_values[y1 * n + x1] * tx;
    return top * (1 - ty) + bottom * ty;
}

double CSeededNoise::Fractal(double x, double y, double period, int octaves) const
{
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        // Each octave is shifted so that the layers do not share lattice points.
        sum += weight * Value(x / period + 17.3 * i, y / period + 31.7 * i);
        total += weight;
        weight *= 0.5;
        period *= 0.5;
    }
    return sum / total;
}
