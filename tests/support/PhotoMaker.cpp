#include "PhotoMaker.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace {
struct Shape {
    bool round;
    double cx, cy, rx, ry; // centre and half sizes, as fractions of the sides
    uint8_t r, g, b;
};

// Raw generator output only: the standard distributions may differ between
// library versions.
double Unit(std::mt19937& gen)
{
    return static_cast<double>(gen()) / 4294967296.0;
}

uint8_t Clamp8(int v)
{
    return static_cast<uint8_t>(std::clamp(v, 0, 255));
}
} // namespace

namespace BqTest {

Magick::Image MakePhoto(size_t width, size_t height, quint32 seed)
{
    width = std::max<size_t>(width, 1);
    height = std::max<size_t>(height, 1);
    std::mt19937 gen(seed);
    std::vector<Shape> shapes(6);
    for (size_t i = 0; i < shapes.size(); ++i) {
        Shape& s = shapes[i];
        s.round = (i % 2) == 0;
        s.cx = 0.1 + 0.8 * Unit(gen);
        s.cy = 0.1 + 0.8 * Unit(gen);
        s.rx = 0.04 + 0.12 * Unit(gen);
        s.ry = 0.04 + 0.12 * Unit(gen);
        s.r = static_cast<uint8_t>(gen() & 0xff);
        s.g = static_cast<uint8_t>(gen() & 0xff);
        s.b = static_cast<uint8_t>(gen() & 0xff);
    }

    std::vector<uint8_t> rgb(width * height * 3);
    const double w = static_cast<double>(width);
    const double h = static_cast<double>(height);
    for (size_t y = 0; y < height; ++y) {
        const double fy = (static_cast<double>(y) + 0.5) / h;
        uint8_t* p = rgb.data() + y * width * 3;
        for (size_t x = 0; x < width; ++x, p += 3) {
            const double fx = (static_cast<double>(x) + 0.5) / w;
            // Sky-to-ground gradient, warmer to the right.
            int r = static_cast<int>(40 + 170 * fx);
            int g = static_cast<int>(70 + 120 * (1 - fy));
            int b = static_cast<int>(90 + 100 * std::sin(3.0 * fx + 2.0 * fy));
            for (const Shape& s : shapes) {
                const double dx = (fx - s.cx) / s.rx;
                const double dy = (fy - s.cy) / s.ry;
                const bool inside = s.round ? dx * dx + dy * dy <= 1.0
                                            : std::fabs(dx) <= 1.0 && std::fabs(dy) <= 1.0;
                if (inside) {
                    r = s.r;
                    g = s.g;
                    b = s.b;
                }
            }
            const uint32_t noise = gen();
            p[0] = Clamp8(r + static_cast<int>(noise & 0x1f) - 16);
            p[1] = Clamp8(g + static_cast<int>((noise >> 8) & 0x1f) - 16);
            p[2] = Clamp8(b + static_cast<int>((noise >> 16) & 0x1f) - 16);
        }
    }
    Magick::Image photo(width, height, "RGB", Magick::CharPixel, rgb.data());
    photo.type(Magick::TrueColorType);
    return photo;
}

} // namespace BqTest
