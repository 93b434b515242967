#pragma once
// Where a widget's logical pixels fall on the device's pixel grid.
//
// On a high-DPI screen Qt gives a widget the device pixels between its
// logical edges scaled and rounded, in the window's device coordinates. At a
// fractional ratio that is not the widget's size scaled and rounded, and a
// widget's origin can fall halfway into a pixel: a one-pixel line drawn at
// logical 0 then lands on a pixel the widget does not own and is lost, and a
// fill of the logical rectangle can leave the last row or column unpainted.
// Drawing through this grid puts everything on whole pixels the widget owns.

#include <QPointF>
#include <QSize>

class QPainter;

namespace quillet {

class DevicePixelGrid {
public:
    // ratio device pixels per logical pixel; the widget's logical (0, 0) sits
    // at device position origin, which need not be a whole pixel.
    explicit DevicePixelGrid(double ratio = 1.0, QPointF origin = {});
    // The grid the painter draws on now, read from its device transform
    // (scaling and translation only).
    static DevicePixelGrid Of(const QPainter& painter);

    // The same device pixels with a picture of pictureSize laid over the
    // widget's logicalSize: picture coordinates in, the widget's device pixels
    // out, its edges on the widget's edges. (A zoomed window draws a display
    // laid out at its unzoomed size this way, as a high-DPI screen would.)
    DevicePixelGrid Stretched(QSize pictureSize, QSize logicalSize) const;

    // Device pixels per logical pixel, across and down.
    double Ratio() const { return m_ratio; }
    double RatioY() const { return m_ratioY; }
    // True when logical and device pixels are the same: ratio 1, whole origin.
    bool IsIdentity() const;
    // The device pixel edge at logical coordinate v, counted from the first
    // device pixel the widget owns. X(0) and Y(0) are 0.
    int X(int v) const;
    int Y(int v) const;
    // The widget's size in device pixels: X(width) by Y(height).
    QSize DeviceSize(QSize logicalSize) const;
    // How many device pixels wide a line one logical pixel wide is drawn when
    // it must be the same width everywhere: the ratio rounded, at least one.
    int LineWidth() const;
    // Makes the painter draw in device pixels, with (0, 0) the first device
    // pixel the widget owns. The caller saves and restores the painter.
    void PaintInDevicePixels(QPainter& painter) const;

private:
    DevicePixelGrid(double ratio, double ratioY, QPointF origin);

    double m_ratio;
    double m_ratioY;
    QPointF m_origin;
};

} // namespace quillet
