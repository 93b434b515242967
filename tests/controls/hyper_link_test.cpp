// The link driven like a user would: mouse and keys go through the window,
// so Qt's own routing (implicit grab, focus on click) takes part. Nothing is
// ever started: a recording opener stands in for the system.
#include "controls/colorref.h"
#include "controls/hyper_link.h"
#include "controls/link/open_error.h"
#include "controls/recording_link_opener.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace {

const QString address = QStringLiteral("https://quillet.example/home");

QColor ColourOf(std::uint32_t colorRef)
{
    return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

bool ImageHolds(const QImage& image, QColor colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).rgb() == colour.rgb()) return true;
    return false;
}

// Answers every message box that opens while it lives, recording what it said.
class MessageBoxCatcher {
public:
    MessageBoxCatcher()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            format = box->textFormat();
            interaction = box->textInteractionFlags();
            grabberWhileShown = QWidget::mouseGrabber();
            ++count;
            box->accept();
        });
        m_timer.start(5);
    }
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    Qt::TextInteractionFlags interaction;
    QWidget* grabberWhileShown = nullptr;
    int count = 0;

private:
    QTimer m_timer;
};

// An opener whose programs run until the test lets them end, as xdg-open does
// while it keeps a browser in the foreground.
class GatedLinkOpener final : public LinkOpener {
public:
    RunOutcome Run(const std::string& /*program*/, const std::vector<std::string>& /*args*/, int /*waitMs*/) override
    {
        std::unique_lock lock(m_mutex);
        ++m_runs;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return m_open; });
        return {RunOutcome::State::Exited, m_exitCode};
    }
    // Asked after a failure; the opening touches this opener no more after it.
    std::optional<std::string> WebPageHandler() override
    {
        m_handlerQueries.fetch_add(1);
        return std::nullopt;
    }
    int HandlerQueries() const { return m_handlerQueries.load(); }

    bool WaitForRun()
    {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::seconds(5), [this] { return m_runs > 0; });
    }
    int Runs()
    {
        const std::lock_guard lock(m_mutex);
        return m_runs;
    }
    void Finish(int exitCode)
    {
        const std::lock_guard lock(m_mutex);
        m_open = true;
        m_exitCode = exitCode;
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_runs = 0;
    bool m_open = false;
    int m_exitCode = 0;
    std::atomic<int> m_handlerQueries{0};
};

class HyperLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(320, 200);
        link = new CHyperLink(&window);
        link->setText(QStringLiteral("Home"));
        link->setGeometry(10, 20, 100, 30);
        other = new QLineEdit(&window);
        other->setGeometry(10, 120, 100, 24);
    }

    void Attach(const QString& target = address)
    {
        link->PreSubclassWindow();
        link->SetTarget(target);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        // Qt drops a move to where the pointer already is, and the pointer
        // may still rest where an earlier test left it.
        QTest::mouseMove(Handle(), QPoint(window.width() - 2, window.height() - 2));
    }

    // The opening runs away from this thread; its result comes through the event queue.
    void WaitForResult()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !link->Opening(); }, 5000)) << "no result from the opening";
    }

    void TearDown() override
    {
        // The opener must outlive every opening that uses it.
        if (link != nullptr) WaitForResult();
    }

    QPoint InLink(QPoint p = {3, 3}) const { return link->mapTo(&window, p); }
    QPoint Outside() const { return link->mapTo(&window, QPoint(link->width() + 40, link->height() + 40)); }
    QWindow* Handle() { return window.windowHandle(); }

    RecordingLinkOpener opener;
    ScopedLinkOpener scope{opener};
    QWidget window;
    CHyperLink* link = nullptr;
    QLineEdit* other = nullptr;
};

} // namespace

TEST_F(HyperLinkTest, CaptionAndAddressFillEachOtherBeforeSetTarget)
{
    link->PreSubclassWindow();
    EXPECT_EQ(link->m_target, "Home");
    EXPECT_EQ(link->toolTip(), "Home");
    EXPECT_TRUE(link->font().underline());

    CHyperLink blank(&window);
    blank.SetTarget(address);
    blank.PreSubclassWindow();
    EXPECT_EQ(blank.text(), address);
    EXPECT_EQ(blank.toolTip(), address);

    link->SetTarget(address);
    EXPECT_EQ(link->text(), "Home") << "the caption stays";
    EXPECT_EQ(link->toolTip(), address);
    EXPECT_EQ(link->m_tip, address);
}

TEST_F(HyperLinkTest, FitToTextKeepsTheTemplatesAlignmentEdge)
{
    struct Case {
        const char* name;
        Qt::Alignment alignment;
        const char* caption;
        QRect templateRect;
    };
    const Case cases[] = {
        {"left", Qt::AlignLeft | Qt::AlignTop, "Home", {10, 20, 100, 30}},
        {"left, caption wider than the template", Qt::AlignLeft | Qt::AlignTop, "Visit Quillet Home Page", {10, 20, 20, 8}},
        {"centred", Qt::AlignHCenter | Qt::AlignTop, "Home", {10, 20, 101, 30}},
        {"centred, wider caption", Qt::AlignHCenter | Qt::AlignTop, "Visit Quillet Home Page", {40, 20, 21, 8}},
        {"right", Qt::AlignRight | Qt::AlignTop, "Home", {10, 20, 100, 30}},
        {"vertically centred", Qt::AlignLeft | Qt::AlignVCenter, "Home", {10, 20, 100, 41}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CHyperLink probe(&window);
        probe.setAlignment(c.alignment);
        probe.setText(QString::fromUtf8(c.caption));
        probe.setGeometry(c.templateRect);
        probe.PreSubclassWindow();

        const QFontMetrics metrics(probe.m_linkFont);
        const int cx = metrics.horizontalAdvance(probe.text());
        const int cy = metrics.height();
        const QRect t = c.templateRect;
        QRect expected(t.x(), t.y(), cx, cy);
        if (c.alignment & Qt::AlignHCenter) expected.moveLeft(t.x() + (t.width() - cx) / 2);
        if (c.alignment & Qt::AlignRight) expected.moveLeft(t.x() + t.width() - cx);
        if (c.alignment & Qt::AlignVCenter) expected.moveTop(t.y() + (t.height() - cy) / 2);
        // Truncated halves leave an odd remainder in the size, as the edges move by whole pixels.
        if (c.alignment & Qt::AlignHCenter) expected.setWidth(t.width() - 2 * ((t.width() - cx) / 2));
        if (c.alignment & Qt::AlignVCenter) expected.setHeight(t.height() - 2 * ((t.height() - cy) / 2));
        EXPECT_EQ(probe.geometry(), expected);
    }
}

TEST_F(HyperLinkTest, FitToTextKeepsTheFrameAndCanBeSwitchedOff)
{
    link->setFrameStyle(QFrame::Box | QFrame::Plain);
    link->setLineWidth(2);
    link->PreSubclassWindow();
    const QFontMetrics metrics(link->m_linkFont);
    EXPECT_EQ(link->geometry(), QRect(10, 20, metrics.horizontalAdvance("Home") + 4, metrics.height() + 4));

    CHyperLink fixed(&window);
    fixed.setText(QStringLiteral("Home"));
    fixed.setGeometry(5, 6, 70, 80);
    fixed.m_autoSize = false;
    fixed.PreSubclassWindow();
    EXPECT_EQ(fixed.geometry(), QRect(5, 6, 70, 80));
}

TEST_F(HyperLinkTest, ColourRuleFocusBeatsOpenedBeatsNormal)
{
    struct Case {
        int focused, opened, hover;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {0, 0, 0, CHyperLink::LinkTextColour},   {0, 0, 1, CHyperLink::LinkTextColour},
        {0, 1, 0, CHyperLink::OpenedTextColour}, {0, 1, 1, CHyperLink::OpenedTextColour},
        {1, 0, 0, CHyperLink::FocusTextColour},  {1, 1, 0, CHyperLink::FocusTextColour},
        {1, 1, 1, CHyperLink::FocusTextColour},
    };
    link->PreSubclassWindow();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "focused " << c.focused << " opened " << c.opened << " hover " << c.hover);
        link->m_focused = c.focused;
        link->m_opened = c.opened;
        link->m_hover = c.hover;
        EXPECT_EQ(link->TextColour(), c.expected);
        // The underline is drawn in the text colour at full strength.
        const QImage image = link->grab().toImage();
        for (std::uint32_t colour : {CHyperLink::LinkTextColour, CHyperLink::FocusTextColour, CHyperLink::OpenedTextColour})
            EXPECT_EQ(ImageHolds(image, ColourOf(colour)), colour == c.expected) << std::hex << colour;
    }
    EXPECT_FALSE(link->autoFillBackground());
}

TEST_F(HyperLinkTest, HandCursorIsSharedByAllLinks)
{
    link->PreSubclassWindow();
    CHyperLink second(&window);
    second.setText(QStringLiteral("About"));
    second.PreSubclassWindow();
    const QCursor* hand = CHyperLink::HandCursor();
    ASSERT_NE(hand, nullptr);
    CHyperLink::LoadHandCursor();
    EXPECT_EQ(CHyperLink::HandCursor(), hand);
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(second.cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(HyperLinkTest, ClickOpensOnceThenTealUntilFocusLeavesThenPurple)
{
    Attach();
    QTest::mouseMove(Handle(), InLink());
    EXPECT_EQ(link->m_hover, 1);
    EXPECT_EQ(QWidget::mouseGrabber(), link);

    QTest::mousePress(Handle(), Qt::LeftButton, {}, InLink());
    EXPECT_EQ(link->m_focused, 1);
    EXPECT_TRUE(link->hasFocus());
    EXPECT_TRUE(opener.calls.empty()) << "opens on release, not on press";
    QTest::mouseRelease(Handle(), Qt::LeftButton, {}, InLink());
    WaitForResult();

    ASSERT_EQ(opener.calls.size(), 1u);
    EXPECT_EQ(opener.calls[0].program, "xdg-open");
    EXPECT_EQ(opener.calls[0].args, std::vector<std::string>{address.toStdString()});
    EXPECT_EQ(link->m_opened, 1);
    EXPECT_EQ(link->TextColour(), CHyperLink::FocusTextColour);
    const auto frameColour = [this] {
        QImage image(link->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        link->render(&image, {}, {}, QWidget::DrawChildren);
        return image.pixel(0, link->height() / 2);
    };
    EXPECT_EQ(frameColour(), quillet::ToQColor(CHyperLink::FocusTextColour).rgb()) << "framed while focused";

    QTest::mouseMove(Handle(), Outside());
    EXPECT_EQ(link->m_hover, 0);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(link->m_focused, 0);
    EXPECT_EQ(link->TextColour(), CHyperLink::OpenedTextColour);
    EXPECT_EQ(frameColour(), QColor(Qt::white).rgb());
    EXPECT_EQ(opener.calls.size(), 1u);
}

TEST_F(HyperLinkTest, PressThenLeaveThenReleaseOutsideOpensNothing)
{
    Attach();
    QTest::mouseMove(Handle(), InLink());
    QTest::mousePress(Handle(), Qt::LeftButton, {}, InLink());
    QTest::mouseMove(Handle(), Outside());
    EXPECT_EQ(link->m_hover, 0);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    QTest::mouseRelease(Handle(), Qt::LeftButton, {}, Outside());
    EXPECT_TRUE(opener.calls.empty());
    EXPECT_EQ(link->m_opened, 0);

    // Back over the caption, a whole click still works.
    QTest::mouseMove(Handle(), InLink());
    QTest::mouseClick(Handle(), Qt::LeftButton, {}, InLink());
    WaitForResult();
    EXPECT_EQ(opener.calls.size(), 1u);
}

TEST_F(HyperLinkTest, SpaceOpensOnlyWhileTheLinkHasTheFocus)
{
    Attach();
    other->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(Handle(), Qt::Key_Space);
    EXPECT_TRUE(opener.calls.empty());
    EXPECT_EQ(other->text(), " ") << "the space went to the focused field";

    link->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(link->m_focused, 1);
    QTest::keyClick(Handle(), Qt::Key_A);
    QTest::keyClick(Handle(), Qt::Key_Return);
    EXPECT_TRUE(opener.calls.empty());
    QTest::keyClick(Handle(), Qt::Key_Space);
    WaitForResult();
    EXPECT_EQ(opener.calls.size(), 1u);
    EXPECT_EQ(link->m_opened, 1);
}

TEST_F(HyperLinkTest, FailureShowsTheErrorBoxAndLeavesTheLinkUnopened)
{
    QApplication::setApplicationName(QStringLiteral("quillet"));
    opener.outcomes = {ExitedWith(3)};  // xdg-open finds no handler, and there is no fallback
    Attach();
    MessageBoxCatcher catcher;
    QTest::mouseMove(Handle(), InLink());
    QTest::mouseClick(Handle(), Qt::LeftButton, {}, InLink());
    WaitForResult();

    EXPECT_EQ(catcher.count, 1);
    EXPECT_EQ(catcher.title, "quillet");
    EXPECT_EQ(catcher.icon, QMessageBox::Warning);
    EXPECT_EQ(catcher.text, "Can't open link:\n\n" + address + "\n\nNo web browser is set up to open web pages.");
    EXPECT_TRUE(catcher.interaction & Qt::TextSelectableByMouse) << "the address can be copied";
    EXPECT_EQ(catcher.format, Qt::PlainText);
    EXPECT_EQ(catcher.grabberWhileShown, nullptr) << "the box's OK button must be clickable";
    EXPECT_EQ(link->m_opened, 0);
    EXPECT_EQ(opener.handlerQueries, 1);

    // The link keeps working.
    link->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(Handle(), Qt::Key_Space);
    WaitForResult();
    EXPECT_EQ(link->m_opened, 1);
    EXPECT_EQ(catcher.count, 1);
}

TEST_F(HyperLinkTest, LosingTheFocusClearsHoverButKeepsTheGrabUntilThePointerLeaves)
{
    Attach();
    QTest::mouseMove(Handle(), InLink());
    QTest::mouseClick(Handle(), Qt::LeftButton, {}, InLink());
    WaitForResult();
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(link->m_hover, 0);
    EXPECT_EQ(link->m_focused, 0);
    EXPECT_EQ(QWidget::mouseGrabber(), link);

    QTest::mouseMove(Handle(), InLink({4, 4}));
    EXPECT_EQ(link->m_hover, 1);
    QTest::mouseMove(Handle(), Outside());
    EXPECT_EQ(link->m_hover, 0);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(HyperLinkTest, ClickReturnsBeforeTheOpeningEndsAndOpensOnce)
{
    GatedLinkOpener gated;
    ScopedLinkOpener gatedScope(gated);
    Attach();
    QTest::mouseMove(Handle(), InLink());
    QTest::mouseClick(Handle(), Qt::LeftButton, {}, InLink());
    ASSERT_TRUE(gated.WaitForRun());
    EXPECT_TRUE(link->Opening());
    EXPECT_EQ(link->m_opened, 0);

    // The window goes on working meanwhile; a second click opens nothing more.
    other->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(Handle(), Qt::Key_X);
    EXPECT_EQ(other->text(), "x");
    QTest::mouseMove(Handle(), InLink());
    QTest::mouseClick(Handle(), Qt::LeftButton, {}, InLink());
    QTest::qWait(50);
    EXPECT_EQ(gated.Runs(), 1);

    gated.Finish(0);
    WaitForResult();
    EXPECT_EQ(link->m_opened, 1);
    EXPECT_EQ(gated.Runs(), 1);
}

TEST_F(HyperLinkTest, ResultForALinkThatIsGoneIsDropped)
{
    GatedLinkOpener gated;
    ScopedLinkOpener gatedScope(gated);
    Attach();
    MessageBoxCatcher catcher;
    link->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(Handle(), Qt::Key_Space);
    ASSERT_TRUE(gated.WaitForRun());
    delete link;
    link = nullptr;

    gated.Finish(3);  // a failure: it would show the error box
    ASSERT_TRUE(QTest::qWaitFor([&] { return gated.HandlerQueries() == 1; }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(catcher.count, 0);
}
