#pragma once
// A canvas that remembers what the display drew, for geometry tests, and can
// paint those calls into a QImage pixel by pixel to predict the screen.

#include "controls/lcd_canvas.h"
#include "controls/lcd_line_walk.h"

#include <QImage>

#include <cstdint>
#include <ostream>
#include <vector>

namespace quillet {

struct RecordedLine {
    int x1, y1, x2, y2;
    std::uint32_t pen;

    friend bool operator==(const RecordedLine&, const RecordedLine&) = default;
    friend std::ostream& operator<<(std::ostream& out, const RecordedLine& l)
    {
        return out << "(" << l.x1 << ", " << l.y1 << ")->(" << l.x2 << ", " << l.y2 << ") pen " << std::hex
                   << l.pen << std::dec;
    }
};

class RecordingCanvas final : public LcdCanvas {
public:
    enum class Kind { Fill, Frame, Pen, Line };
    struct Operation {
        Kind kind;
        LcdRect rect{};     // Fill, Frame
        std::uint32_t color{}; // Fill, Frame, Pen; the pen's colour for Line
        RecordedLine line{}; // Line
    };

    RecordingCanvas(int width, int height) : m_width(width), m_height(height) {}

    LcdRect ClientRect() const override { return {0, 0, m_width, m_height}; }
    void FillRect(const LcdRect& rect, std::uint32_t color) override
    {
        operations.push_back({Kind::Fill, rect, color, {}});
    }
    void FrameRect(const LcdRect& rect, std::uint32_t color) override
    {
        operations.push_back({Kind::Frame, rect, color, {}});
    }
    void SelectPen(std::uint32_t color) override
    {
        m_pen = color;
        operations.push_back({Kind::Pen, {}, color, {}});
    }
    void MoveTo(int x, int y) override
    {
        m_x = x;
        m_y = y;
    }
    void LineTo(int x, int y) override
    {
        operations.push_back({Kind::Line, {}, m_pen, {m_x, m_y, x, y, m_pen}});
        m_x = x;
        m_y = y;
    }

    std::vector<RecordedLine> Lines() const
    {
        std::vector<RecordedLine> lines;
        for (const Operation& op : operations)
            if (op.kind == Kind::Line) lines.push_back(op.line);
        return lines;
    }

    // Paints the recorded calls into an image of the canvas's size: fills and
    // frames as rectangles, lines through the platform's line rule.
    QImage Rasterise() const
    {
        QImage image(m_width, m_height, QImage::Format_RGB32);
        image.fill(Qt::magenta); // anything left magenta was never painted
        auto plot = [&](int x, int y, std::uint32_t color) {
            if (x >= 0 && y >= 0 && x < m_width && y < m_height) image.setPixel(x, y, ToRgb(color));
        };
        for (const Operation& op : operations) {
            const LcdRect& r = op.rect;
            switch (op.kind) {
            case Kind::Fill:
                for (int y = r.top; y < r.bottom; ++y)
                    for (int x = r.left; x < r.right; ++x) plot(x, y, op.color);
                break;
            case Kind::Frame:
                for (int y = r.top; y < r.bottom; ++y)
                    for (int x = r.left; x < r.right; ++x)
                        if (x == r.left || x == r.right - 1 || y == r.top || y == r.bottom - 1) plot(x, y, op.color);
                break;
            case Kind::Pen:
                break;
            case Kind::Line:
                ForEachLinePixel(op.line.x1, op.line.y1, op.line.x2, op.line.y2,
                                 [&](int x, int y) { plot(x, y, op.line.pen); });
                break;
            }
        }
        return image;
    }

    static QRgb ToRgb(std::uint32_t color)
    {
        return qRgb(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                    static_cast<int>((color >> 16) & 0xFF));
    }

    std::vector<Operation> operations;

private:
    int m_width;
    int m_height;
    std::uint32_t m_pen = kLcdBlack;
    int m_x = 0;
    int m_y = 0;
};

} // namespace quillet
