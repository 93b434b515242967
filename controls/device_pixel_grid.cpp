#include "controls/device_pixel_grid.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>

namespace quillet {

DevicePixelGrid::DevicePixelGrid(double ratio, QPointF origin) : DevicePixelGrid(ratio, ratio, origin) {}

DevicePixelGrid::DevicePixelGrid(double ratio, double ratioY, QPointF origin) : m_ratio(ratio), m_ratioY(ratioY), m_origin(origin) {}

DevicePixelGrid DevicePixelGrid::Stretched(QSize pictureSize, QSize logicalSize) const
{
    return DevicePixelGrid(m_ratio * logicalSize.width() / std::max(1, pictureSize.width()),
                           m_ratioY * logicalSize.height() / std::max(1, pictureSize.height()), m_origin);
}

DevicePixelGrid DevicePixelGrid::Of(const QPainter& painter)
{
    const QTransform toDevice = painter.deviceTransform();
    return DevicePixelGrid(toDevice.m11(), toDevice.map(QPointF(0, 0)));
}

bool DevicePixelGrid::IsIdentity() const
{
    return m_ratio == 1.0 && m_ratioY == 1.0 && m_origin.x() == qRound(m_origin.x()) && m_origin.y() == qRound(m_origin.y());
}

int DevicePixelGrid::X(int v) const
{
    return qRound(m_origin.x() + v * m_ratio) - qRound(m_origin.x());
}

int DevicePixelGrid::Y(int v) const
{
    return qRound(m_origin.y() + v * m_ratioY) - qRound(m_origin.y());
}

QSize DevicePixelGrid::DeviceSize(QSize logicalSize) const
{
    return {X(logicalSize.width()), Y(logicalSize.height())};
}

int DevicePixelGrid::LineWidth() const
{
    return std::max(1, qRound(m_ratio));
}

void DevicePixelGrid::PaintInDevicePixels(QPainter& painter) const
{
    if (IsIdentity()) return; // already there; a transform would only slow painting down
    // Move by what the origin lacks to the next whole pixel, then undo the
    // scale: one painter unit is one device pixel and 0 a pixel's edge.
    const QPointF toWholePixel(qRound(m_origin.x()) - m_origin.x(), qRound(m_origin.y()) - m_origin.y());
    const QTransform devicePixels =
        QTransform::fromTranslate(toWholePixel.x(), toWholePixel.y()) * QTransform::fromScale(1.0 / m_ratio, 1.0 / m_ratioY);
    painter.setWorldTransform(devicePixels, true);
}

} // namespace quillet
