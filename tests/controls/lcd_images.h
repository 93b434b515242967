#pragma once
// Comparing painted images: where two differ, and what the ink of a picture
// looks like, for checks that a picture keeps its look at another pixel ratio.

#include <QImage>
#include <QRect>

#include <sstream>
#include <string>

namespace quillet {

// Empty when the images match; otherwise where they first differ.
inline std::string FirstDifference(const QImage& actual, const QImage& expected)
{
    if (actual.size() != expected.size()) return "sizes differ";
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb a = actual.pixel(x, y) & 0xFFFFFF;
            const QRgb e = expected.pixel(x, y) & 0xFFFFFF;
            if (a != e) {
                std::ostringstream out;
                out << "pixel (" << x << ", " << y << ") is " << std::hex << a << ", expected " << e;
                return out.str();
            }
        }
    return {};
}

// Ink is what the display draws with: black and red pixels.
inline bool IsInk(QRgb pixel)
{
    const QRgb rgb = pixel & 0xFFFFFF;
    return rgb == 0x000000 || rgb == 0xFF0000;
}

struct InkSummary {
    int count = 0;
    QRect bounds; // the smallest rectangle holding all ink
};

inline InkSummary SummariseInk(const QImage& image)
{
    InkSummary ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsInk(image.pixel(x, y))) {
                ++ink.count;
                ink.bounds |= QRect(x, y, 1, 1);
            }
    return ink;
}

} // namespace quillet
