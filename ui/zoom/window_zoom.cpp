#include "ui/zoom/window_zoom.h"

#include "controls/hyper_link.h"
#include "controls/lcd_display.h"
#include "ui/dialogs/dialog_builder.h"
#include "store/profile_store.h"
#include "ui/zoom/zoomed_indicator_style.h"

#include <QCheckBox>
#include <QDialog>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>
#include <array>

namespace quillet {

namespace {

constexpr std::array kSteps{100, 125, 150, 175, 200, 250, 300};

} // namespace

WindowZoom::WindowZoom(QDialog& dialog, DialogBuilder& builder, CHyperLink& link, ProfileStore& profile)
    : m_dialog(dialog), m_builder(builder), m_link(link), m_profile(profile),
      m_basePointSize(dialog.font().pointSizeF()), m_basePixelSize(dialog.font().pixelSize())
{
}

void WindowZoom::Restore()
{
    const int stored = m_profile.Get(Preference::kZoom);
    if (stored != 100) Apply(stored);
}

void WindowZoom::Step(int direction)
{
    int percent = 100;
    if (direction > 0) {
        const auto next = std::upper_bound(kSteps.begin(), kSteps.end(), m_percent);
        percent = next != kSteps.end() ? *next : kSteps.back();
    } else if (direction < 0) {
        const auto below = std::lower_bound(kSteps.begin(), kSteps.end(), m_percent);
        percent = below != kSteps.begin() ? *(below - 1) : kSteps.front();
    }
    const int before = m_percent;
    Apply(percent);
    if (m_percent != before) m_profile.Set(Preference::kZoom, m_percent);
}

void WindowZoom::Apply(int percent)
{
    percent = std::clamp(percent, kSteps.front(), kSteps.back());
    // No larger than the screen the window stands on.
    const QScreen* screen = m_dialog.screen();
    const int base = m_percent;
    const QSize size = m_dialog.size();
    // The title bar and borders the window manager adds, which do not grow.
    const QSize frame = m_dialog.isVisible() ? m_dialog.frameGeometry().size() - size : QSize(0, 0);
    while (screen != nullptr && percent > 100) {
        const QSize wanted = size * percent / base + frame;
        const QRect room = screen->availableGeometry();
        if (wanted.width() <= room.width() && wanted.height() <= room.height()) break;
        const auto smaller = std::lower_bound(kSteps.begin(), kSteps.end(), percent);
        percent = smaller != kSteps.begin() ? *(smaller - 1) : 100;
    }
    QFont font = m_dialog.font();
    if (m_basePixelSize > 0) font.setPixelSize(m_basePixelSize * percent / 100);
    else font.setPointSizeF(m_basePointSize * percent / 100.0);
    m_dialog.setFont(font);
    m_builder.Relayout();
    for (LcdDisplay* display : m_dialog.findChildren<LcdDisplay*>()) display->SetZoom(percent / 100.0);
    if (percent != 100 && m_indicatorStyle == nullptr) m_indicatorStyle = new ZoomedIndicatorStyle(&m_dialog);
    if (m_indicatorStyle != nullptr) {
        m_indicatorStyle->SetZoom(percent / 100.0);
        // At 100 % the controls go back to the application's style itself.
        for (QAbstractButton* box : m_dialog.findChildren<QAbstractButton*>()) {
            if (qobject_cast<QRadioButton*>(box) != nullptr || qobject_cast<QCheckBox*>(box) != nullptr)
                box->setStyle(percent == 100 ? nullptr : m_indicatorStyle);
        }
    }
    // The link holds a font of its own (underlined): it takes the new one and
    // fits itself to its caption in it.
    m_link.setFont(font);
    m_link.PreSubclassWindow();
    m_percent = percent;
    KeepOnScreen();
    if (zoomed) zoomed(Factor());
}

void WindowZoom::KeepOnScreen()
{
    const QScreen* screen = m_dialog.screen();
    if (screen == nullptr || !m_dialog.isVisible()) return;
    const QRect room = screen->availableGeometry();
    const QRect frame = m_dialog.frameGeometry();
    QPoint shift(0, 0);
    if (frame.bottom() > room.bottom()) shift.ry() = std::max(room.bottom() - frame.bottom(), room.top() - frame.top());
    if (frame.right() > room.right()) shift.rx() = std::max(room.right() - frame.right(), room.left() - frame.left());
    if (!shift.isNull()) m_dialog.move(m_dialog.pos() + shift);
}

} // namespace quillet
