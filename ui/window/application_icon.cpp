#include "ui/window/application_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <array>

namespace quillet {
namespace {

constexpr std::array kSizes = {16, 32, 48, 64, 128, 256};

class LazyIconEngine : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        QPixmap image = Image(SizeFor(size));
        if (image.isNull()) return image;
        if (image.size() != size && !size.isEmpty())
            image = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode == QIcon::Disabled) return DisabledLook(image);
        return image;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
        const QPixmap image = pixmap(rect.size() * scale, mode, state);
        painter->drawPixmap(rect, image);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = SizeFor(size);
        return QSize(side, side).boundedTo(size);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : kSizes) sizes << QSize(side, side);
        return sizes;
    }

    QIconEngine* clone() const override { return new LazyIconEngine(*this); }
    QString key() const override { return QStringLiteral("QuilletLazyIcon"); }

private:
    // The smallest image at least as large as asked for, or the largest.
    static int SizeFor(const QSize& size)
    {
        const int wanted = std::max(size.width(), size.height());
        for (int side : kSizes)
            if (side >= wanted) return side;
        return kSizes.back();
    }

    QPixmap Image(int side)
    {
        const std::size_t slot = static_cast<std::size_t>(std::find(kSizes.begin(), kSizes.end(), side) - kSizes.begin());
        if (m_images[slot].isNull()) m_images[slot] = QPixmap(QStringLiteral(":/icons/quillet-%1.png").arg(side));
        return m_images[slot];
    }

    static QPixmap DisabledLook(const QPixmap& image)
    {
        QPixmap faded(image.size());
        faded.fill(Qt::transparent);
        QPainter painter(&faded);
        painter.setOpacity(0.4);
        painter.drawPixmap(0, 0, image);
        return faded;
    }

    std::array<QPixmap, kSizes.size()> m_images;
};

} // namespace

QIcon ApplicationIcon() { return QIcon(new LazyIconEngine); }

} // namespace quillet
