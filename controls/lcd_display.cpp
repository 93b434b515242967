#include "controls/lcd_display.h"

#include "controls/lcd_glyph_tables.h"
#include "controls/lcd_scaled_canvas.h"
#include "controls/lcd_screen_canvas.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>

using quillet::LcdCanvas;
using quillet::LcdRect;

LcdDisplay::LcdDisplay(QWidget* parent) : QWidget(parent)
{
    m_text = "00:00:00.00";
    // The paint covers every pixel, so Qt need not clear the area first;
    // that clearing is what would make the digits flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QString LcdDisplay::SpokenValue() const { return QString::fromStdString(m_text).trimmed(); }

void LcdDisplay::Invalidate()
{
    update();
}

void LcdDisplay::paintEvent(QPaintEvent*)
{
    // The picture is laid out in logical pixels, the same at every pixel
    // ratio, and scaled onto whole device pixels.
    QPainter painter(this);
    quillet::LcdScreenCanvas screen(painter, size());
    if (m_zoom != 1.0) {
        const QSize picture(std::max(1, qRound(width() / m_zoom)), std::max(1, qRound(height() / m_zoom)));
        quillet::LcdScaledCanvas canvas(screen, screen.Grid().Stretched(picture, size()), picture);
        DrawDisplay(canvas, m_text);
        return;
    }
    if (screen.Grid().IsIdentity()) {
        DrawDisplay(screen, m_text); // nothing to scale: spare every call the detour
        return;
    }
    quillet::LcdScaledCanvas canvas(screen, screen.Grid(), size());
    DrawDisplay(canvas, m_text);
}

void LcdDisplay::SetZoom(double zoom)
{
    m_zoom = std::clamp(zoom, 1.0, 3.0);
    update();
}

void LcdDisplay::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void LcdDisplay::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void LcdDisplay::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    emit clicked();
    event->accept();
}

void LcdDisplay::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is not another click: the first
    // press has already been reported.
    event->accept();
}

void LcdDisplay::DrawDisplay(LcdCanvas& canvas, const std::string& text)
{
    LcdRect r = canvas.ClientRect();
    if (hasFocus()) {
        // A frame two pixels wide, black on every background and against the
        // window: the focus shows. Filled, so that no scale leaves a gap in it.
        canvas.FillRect(r, quillet::kLcdBlack);
        canvas.FillRect({r.left + 2, r.top + 2, r.right - 2, r.bottom - 2}, m_backColor);
    } else {
        canvas.FillRect(r, m_backColor);
        canvas.FrameRect(r, quillet::kLcdFrameGrey);
    }
    r = {r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};

    int x = r.left + 2;
    const int y = r.top + 2;
    const int s = (r.bottom - r.top) / 2 - 4;
    for (const char ch : text) {
        const int advance = DrawCharacter(canvas, x, y, s, ch);
        // The next cell starts one pixel short of this cell's width, plus a
        // gap of three stroke widths.
        x = x + advance - 1 + 3 * m_stroke;
    }
}

namespace {

// Maps a glyph coordinate (thousandths of the cell size from the cell's
// centre) to a pixel, dropping the fraction toward zero.
int GlyphPixel(int origin, int c, int s)
{
    const auto scaled = static_cast<std::int64_t>(c) * s;
    return static_cast<int>(std::trunc(static_cast<double>(origin) + static_cast<double>(scaled) * 0.001));
}

} // namespace

int LcdDisplay::DrawCharacter(LcdCanvas& canvas, int x, int y, int s, char ch)
{
    const int low = static_cast<unsigned char>(ch);
    for (const quillet::OperatorGlyph& glyph : quillet::OperatorGlyphTable) {
        if ((glyph.character & 0xFF) != low) continue;
        for (int i = 0; i < glyph.strokeCount; ++i) {
            const auto& stroke = glyph.strokes[static_cast<std::size_t>(i)];
            DrawDoubleLine(canvas, GlyphPixel(x + s / 2, stroke[0], s), GlyphPixel(y + s, stroke[1], s),
                           GlyphPixel(x + s / 2, stroke[2], s), GlyphPixel(y + s, stroke[3], s));
        }
        return glyph.advance != 0 ? static_cast<int>(static_cast<std::int64_t>(glyph.advance) * s / 1000) : s;
    }

    if (ch == ':' || ch == '.') return DrawDots(canvas, x, y, s, ch);
    if (ch == 'E') return DrawDigit(canvas, x, y, s, quillet::SegmentCodeTable[quillet::kErrorLetterEntry]);
    if (ch >= '0' && ch <= '9')
        return DrawDigit(canvas, x, y, s, quillet::SegmentCodeTable[static_cast<std::size_t>(ch - '0')]);
    // A space, and any character the display has no shape for, is an empty
    // digit cell: the table must never be read outside its eleven entries.
    return s - m_slant;
}

int LcdDisplay::DrawDigit(LcdCanvas& canvas, int x, int y, int s, std::uint8_t code)
{
    const int g = m_slant;
    const int h = m_stroke / 2;
    const int xr = x + s;
    const int ym = y + s + h - 1;            // middle row
    const int yb = y + 2 * s + m_stroke - 1; // bottom row

    canvas.SelectPen(quillet::kLcdBlack);
    if (code == quillet::kErrorLetterCode) {
        m_errorPen = quillet::kLcdRed;
        canvas.SelectPen(*m_errorPen);
    }

    struct Segment {
        std::uint8_t bit;
        int x1, y1, x2, y2;
    };
    const Segment segments[] = {
        {quillet::kSegmentA, x + 2 * g + 2, y, xr + 2 * g, y},
        {quillet::kSegmentB, xr + 2 * g, y + 2, xr + g, ym},
        {quillet::kSegmentC, xr + g, ym + 2, xr, yb},
        {quillet::kSegmentD, x + 2, yb, xr, yb},
        {quillet::kSegmentE, x + g, ym + 2, x, yb},
        {quillet::kSegmentF, x + 2 * g, y + 2, x + g, ym},
        {quillet::kSegmentG, x + g + 2, ym, xr + g, ym},
    };
    for (const Segment& segment : segments)
        if ((code & segment.bit) != 0) DrawDoubleLine(canvas, segment.x1, segment.y1, segment.x2, segment.y2);

    if (m_errorPen) {
        canvas.SelectPen(quillet::kLcdBlack);
        m_errorPen.reset();
    }
    return s - g;
}

int LcdDisplay::DrawDots(LcdCanvas& canvas, int x, int y, int s, char ch)
{
    // Dots use whatever pen is selected, which is always the black one here.
    const int g = m_slant;
    const int h = m_stroke / 2;
    const int k = (2 * g) / 3;
    const int q = h / 2;
    if (ch == ':') {
        DrawDoubleLine(canvas, x + 2 * g - k, y + s / 2 - q, x + 2 * g - k, y + s / 2 - q + h);
        DrawDoubleLine(canvas, x + k, y + (3 * s) / 2 - q, x + k, y + (3 * s) / 2 - q + h);
    } else {
        DrawDoubleLine(canvas, x, y + 2 * s - h, x, y + 2 * s);
    }
    return s / 4 - g;
}

void LcdDisplay::DrawDoubleLine(LcdCanvas& canvas, int x1, int y1, int x2, int y2)
{
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
    // A stroke rising to the right, like a forward slash, has a negative
    // quotient and a 45-degree one a quotient of 1: both count as shallow and
    // are doubled downward.
    const bool steep = x1 == x2 || (y2 - y1) / (x2 - x1) > 1;
    if (steep) {
        canvas.MoveTo(x1 + 1, y1);
        canvas.LineTo(x2 + 1, y2);
    } else {
        canvas.MoveTo(x1, y1 + 1);
        canvas.LineTo(x2, y2 + 1);
    }
}
