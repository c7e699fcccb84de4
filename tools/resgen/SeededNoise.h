#pragma once
// Seeded random numbers and value noise for the generated artwork. Only the
// raw output of std::mt19937 is used (the standard distributions may differ
// between library versions), so a seed gives the same pixels everywhere.

#include <cstdint>
#include <random>
#include <vector>

class CSeededNoise
{
public:
    explicit CSeededNoise(std::uint32_t seed, int lattice = 64);

    // Uniform in [0, 1).
    double Next();
    // Uniform in [low, high).
    double Range(double low, double high);

    // Smooth value noise in [0, 1] at (x, y) in lattice cells; wraps around
    // the lattice.
    double Value(double x, double y) const;
    // `octaves` layers of value noise, each of half the period and half the
    // weight of the one before, in [0, 1]. `period` is in pixels.
    double Fractal(double x, double y, double period, int octaves) const;

private:
    std::mt19937 m_engine;
    int m_lattice;
    std::vector<double> m_values;
};
