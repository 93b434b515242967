#pragma once
// The application's style with radio-button and check-box indicators drawn
// larger, for a zoomed window: the style sizes them in fixed pixels, not
// from the font that the zoom enlarges.

#include <QProxyStyle>

namespace quillet {

class ZoomedIndicatorStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit ZoomedIndicatorStyle(QObject* owner);

    // 1 draws them as the application's style does; 2 twice as large.
    void SetZoom(double zoom) { m_zoom = zoom; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr, const QWidget* widget = nullptr) const override;

private:
    double m_zoom = 1.0;
};

} // namespace quillet
