#include <QApplication>
#include <QElapsedTimer>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "color/ColorState.h"
#include "platform/qt/DropperRoad.h"
#include "platform/qt/PortalColorPick.h"
#include "tests/portal/FakePortal.h"
#include "ui/ColorPickerDialog.h"
#include "ui/ColorSwatch.h"
#include "ui/PaletteTable.h"
#include "ui/RightClickButton.h"

namespace tonik {
namespace {

const QString MISSING_TIP =
    QStringLiteral("Picking from the whole screen needs the desktop portal (xdg-desktop-portal)");

TEST(DropperRoad, WaylandSessionsTakeThePortal)
{
    EXPECT_EQ(DropperRoadFor("wayland", "", ""), DropperRoad::Portal);
    EXPECT_EQ(DropperRoadFor("wayland-egl", "x11", ""), DropperRoad::Portal);
    EXPECT_EQ(DropperRoadFor("xcb", "wayland", ""), DropperRoad::Portal);  // through Xwayland
    EXPECT_EQ(DropperRoadFor("xcb", "", "wayland-0"), DropperRoad::Portal);
    EXPECT_EQ(DropperRoadFor("xcb", "x11", ""), DropperRoad::X11Grab);
    EXPECT_EQ(DropperRoadFor("xcb", "x11", "wayland-1"), DropperRoad::X11Grab);  // a nested compositor's leftover
    EXPECT_EQ(DropperRoadFor("xcb", "", ""), DropperRoad::X11Grab);
    EXPECT_EQ(DropperRoadFor("offscreen", "tty", ""), DropperRoad::X11Grab);
}

TEST(PortalColorPick, ChannelsRoundHalfUpAndClamp)
{
    EXPECT_EQ(PortalColorPick::ToColorValue(0.2, 0.4, 0.8), 0x00CC6633u);
    EXPECT_EQ(PortalColorPick::ToColorValue(1.0, 0.0, 0.5), 0x008000FFu);  // 127.5 rounds up
    EXPECT_EQ(PortalColorPick::ToColorValue(-0.1, 1.7, std::nan("")), 0x0000FF00u);
}

class PortalTest : public testing::Test {
protected:
    void SetUp() override { colorState = ColorState(); }
    ColorPickerDialog& Open(const FakePortal::Setup& setup)
    {
        dialog.reset();
        portal.reset();  // one portal on the bus at a time
        portal = std::make_unique<FakePortal>(setup);
        dialog = std::make_unique<ColorPickerDialog>();
        dialog->Create();
        dialog->show();
        QApplication::processEvents();
        return *dialog;
    }
    void TearDown() override
    {
        dialog.reset();
        portal.reset();
    }
    static FakePortal::Setup Colour(double red, double green, double blue, int delayMs = 10)
    {
        FakePortal::Setup setup;
        setup.red = red;
        setup.green = green;
        setup.blue = blue;
        setup.delayMs = delayMs;
        return setup;
    }
    std::unique_ptr<FakePortal> portal;
    std::unique_ptr<ColorPickerDialog> dialog;
};

TEST_F(PortalTest, ClickIconThenPixel_LeftForTheTextRightForTheBackground)
{
    ColorPickerDialog& d = Open(Colour(0.2, 0.4, 0.8));
    ASSERT_NE(d.PortalPick(), nullptr);
    QTest::mousePress(d.dropperIcon, Qt::LeftButton);
    EXPECT_EQ(colorState.foreground, 1);  // selected at the press, before the portal answers
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);  // the desktop's picker takes the click
    // The portal is asked once the click on the icon is over: a picker that
    // ends on a release (KWin's) would take this click's release for the pick.
    QTest::mouseRelease(d.dropperIcon, Qt::RightButton);  // not the button that went down
    QTest::qWait(100);
    EXPECT_EQ(portal->WhatItSaw().pickCalls, 0);
    EXPECT_FALSE(d.PortalPick()->Pending());
    QTest::mouseRelease(d.dropperIcon, Qt::LeftButton);
    EXPECT_TRUE(d.PortalPick()->Pending());
    ASSERT_TRUE(QTest::qWaitFor([] { return colorState.foreColor == 0x00CC6633u; }));
    EXPECT_EQ(d.htmlEdit->text(), QStringLiteral("#3366CC"));
    EXPECT_EQ(d.swatch->color, 0x00CC6633);
    const FakePortal::Seen seen = portal->WhatItSaw();
    EXPECT_EQ(seen.pickCalls, 1);
    EXPECT_EQ(seen.parentWindow, QString());  // no window handle to give on this platform
    EXPECT_TRUE(seen.token.startsWith(QStringLiteral("tonik")));
    EXPECT_FALSE(d.PortalPick()->Pending());

    QTest::mouseClick(d.dropperIcon, Qt::RightButton);
    EXPECT_EQ(colorState.foreground, 0);
    ASSERT_TRUE(QTest::qWaitFor([] { return colorState.backColor == 0x00CC6633u; }));
    EXPECT_EQ(colorState.foreColor, 0x00CC6633u);
    EXPECT_EQ(portal->WhatItSaw().pickCalls, 2);
}

TEST_F(PortalTest, ACallsLateReplyDoesNotDisturbTheNextPick)
{
    // The answer comes before the call's own reply, so the next pick starts
    // while the first call's reply is still on its way.
    FakePortal::Setup late = Colour(0.2, 0.4, 0.8, 100);
    late.replyDelayMs = 150;
    ColorPickerDialog& d = Open(late);
    QTest::mouseClick(d.dropperIcon, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([] { return colorState.foreColor == 0x00CC6633u; }));
    QTest::mouseClick(d.dropperIcon, Qt::RightButton);
    ASSERT_TRUE(QTest::qWaitFor([] { return colorState.backColor == 0x00CC6633u; }));
    EXPECT_EQ(portal->WhatItSaw().pickCalls, 2);
}

TEST_F(PortalTest, APickerThatAnswersAfterTheCallsLimitStillPicks)
{
    // A portal activated again after a restart: its reply comes after the
    // call's 2 s, and the user then clicks in its picker.
    FakePortal::Setup late = Colour(0.2, 0.4, 0.8, PortalColorPick::CALL_TIMEOUT_MS + 600);
    late.replyDelayMs = PortalColorPick::CALL_TIMEOUT_MS + 400;
    ColorPickerDialog& d = Open(late);
    QTest::mouseClick(d.dropperIcon, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([] { return colorState.foreColor == 0x00CC6633u; }, 5000));
    EXPECT_EQ(portal->WhatItSaw().pickCalls, 1);
    EXPECT_TRUE(portal->WhatItSaw().closed.isEmpty());
}

TEST_F(PortalTest, WhilePendingTheDialogWorksAndTheIconStartsNothing)
{
    // A user who takes one and a half seconds to pick.
    ColorPickerDialog& d = Open(Colour(1.0, 0.0, 0.0, 1500));
    QTest::mouseClick(d.dropperIcon, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return portal->WhatItSaw().pickCalls == 1; }));
    QTest::mouseClick(d.dropperIcon, Qt::RightButton);
    QTest::mouseClick(d.dropperIcon, Qt::LeftButton);
    EXPECT_EQ(colorState.foreground, 1);
    d.redSlider->setValue(10);  // the rest of the dialog goes on working
    EXPECT_EQ(colorState.foreColor, 0x0000000Au);
    ASSERT_TRUE(QTest::qWaitFor([] { return colorState.foreColor == 0x000000FFu; }, 4000));
    EXPECT_EQ(portal->WhatItSaw().pickCalls, 1);
}

TEST_F(PortalTest, CancelChangesNothingAndClearsTheSwatch)
{
    FakePortal::Setup cancel;
    cancel.answer = FakePortal::Answer::Cancel;
    ColorPickerDialog& d = Open(cancel);
    d.swatch->SetColor(0x123456);
    QTest::mouseClick(d.dropperIcon, Qt::RightButton);
    ASSERT_TRUE(QTest::qWaitFor([&d] { return d.swatch->color == NO_COLOR; }));
    EXPECT_EQ(colorState.backColor, 0x00FFFFFFu);
    EXPECT_FALSE(d.PortalPick()->Pending());
    EXPECT_TRUE(d.dropperIcon->toolTip().isEmpty());
}

TEST_F(PortalTest, ClosingTonikClosesThePendingRequest)
{
    FakePortal::Setup setup = Colour(0, 0, 0, 60000);
    setup.closeReplied = false;  // Tonik does not wait for the reply
    ColorPickerDialog& d = Open(setup);
    QTest::mouseClick(d.dropperIcon, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return portal->WhatItSaw().pickCalls == 1; }));
    QTest::qWait(50);  // the call's reply
    QElapsedTimer closing;
    closing.start();
    d.reject();
    EXPECT_LT(closing.elapsed(), 400);  // no wait for a reply that never comes
    ASSERT_TRUE(QTest::qWaitFor([&] { return !portal->WhatItSaw().closed.isEmpty(); }));
    EXPECT_EQ(portal->WhatItSaw().closed, QStringList{portal->WhatItSaw().handle});
    EXPECT_FALSE(d.PortalPick()->Pending());
}

// Without a portal the dropper picks within Tonik's own window: press on the
// icon, drag, release over a pixel of the dialog.
void ExpectPickWithinTheWindow(ColorPickerDialog& d)
{
    EXPECT_EQ(d.dropperIcon->toolTip(), MISSING_TIP);
    QTest::mousePress(d.dropperIcon, Qt::LeftButton);
    ASSERT_EQ(d.dropperActive, 1);
    const QPoint onSample = d.sample->geometry().topLeft() + QPoint(2, 2);
    const QPointF global = d.mapToGlobal(QPointF(onSample));
    QMouseEvent move(QEvent::MouseMove, QPointF(onSample), global, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&d, &move);
    EXPECT_EQ(d.swatch->color, 0x00336699);  // the live preview
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(onSample), global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&d, &release);
    EXPECT_EQ(d.dropperActive, 0);
    EXPECT_EQ(colorState.foreColor, 0x00336699u);  // the sample's background
}

TEST_F(PortalTest, WithoutAPortalTheDropperPicksWithinTheWindow)
{
    struct Case {
        const char* name;
        FakePortal::Setup setup;
    };
    FakePortal::Setup none, old;
    none.registered = false;
    old.version = 1;
    for (const Case& c : {Case{"no service", none}, Case{"version 1", old}}) {
        colorState = ColorState();
        colorState.backColor = 0x00336699;
        ColorPickerDialog& d = Open(c.setup);
        // Asked after the first paint, so the tooltip tells before any press.
        ASSERT_TRUE(QTest::qWaitFor([&d] { return !d.dropperIcon->toolTip().isEmpty(); })) << c.name;
        ExpectPickWithinTheWindow(d);
        EXPECT_EQ(portal->WhatItSaw().pickCalls, 0) << c.name;
    }
}

// A portal that is slow to start, fails one pick, or loses one pick's answer
// is asked again: the next press picks (after the limit, for a lost answer).
TEST_F(PortalTest, ASlowOrFailedPortalIsAskedAgain)
{
    struct Case {
        const char* name;
        FakePortal::Answer answer;
        int firstReplyDelayMs;
        int waitMs;
    };
    const Case cases[] = {
        {"a first answer after 3 s", FakePortal::Answer::Color, 3000, 0},
        {"a D-Bus error", FakePortal::Answer::Error, 0, 0},
        {"no reply at all", FakePortal::Answer::NoReply, 0, PortalColorPick::PICK_LIMIT_MS},
        {"no Response ever", FakePortal::Answer::NoResponse, 0, PortalColorPick::PICK_LIMIT_MS},
    };
    for (const Case& c : cases) {
        colorState = ColorState();
        FakePortal::Setup setup = Colour(0.2, 0.4, 0.8);
        setup.answer = c.answer;
        setup.answeredSo = 1;
        setup.firstReplyDelayMs = c.firstReplyDelayMs;
        ColorPickerDialog& d = Open(setup);
        QTest::mouseClick(d.dropperIcon, Qt::LeftButton);
        if (c.waitMs > 0) {
            ASSERT_TRUE(QTest::qWaitFor([this] { return portal->WhatItSaw().pickCalls == 1; })) << c.name;
            QTest::mouseClick(d.dropperIcon, Qt::LeftButton);  // too soon: still the first pick's
            EXPECT_EQ(portal->WhatItSaw().pickCalls, 1) << c.name;
            QTest::qWait(c.waitMs);
        } else {
            ASSERT_TRUE(QTest::qWaitFor([&d] { return !d.PortalPick()->Pending(); }, 5000)) << c.name;
        }
        EXPECT_TRUE(d.dropperIcon->toolTip().isEmpty()) << c.name;
        QTest::mouseClick(d.dropperIcon, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([] { return colorState.foreColor == 0x00CC6633u; }, 5000)) << c.name;
        if (c.waitMs > 0) {
            EXPECT_EQ(portal->WhatItSaw().closed.size(), 1) << c.name;  // the lost pick's request
        }
    }
}

TEST_F(PortalTest, OnlyThePortalsOwnResponseCounts)
{
    ColorPickerDialog& d = Open(Colour(0.2, 0.4, 0.8, 500));
    QTest::mouseClick(d.dropperIcon, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return portal->WhatItSaw().pickCalls == 1; }));
    // Another program on the bus answers first, on the request's own path.
    QDBusConnection intruder = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("intruder"));
    QDBusMessage forged = QDBusMessage::createTargetedSignal(QDBusConnection::sessionBus().baseService(),
                                                             portal->WhatItSaw().handle,
                                                             QStringLiteral("org.freedesktop.portal.Request"),
                                                             QStringLiteral("Response"));
    QDBusArgument white;
    white.beginStructure();
    white << 1.0 << 1.0 << 1.0;
    white.endStructure();
    forged << 0u << QVariantMap{{QStringLiteral("color"), QVariant::fromValue(white)}};
    ASSERT_TRUE(intruder.send(forged));
    ASSERT_TRUE(QTest::qWaitFor([] { return colorState.foreColor == 0x00CC6633u; }));
    QDBusConnection::disconnectFromBus(QStringLiteral("intruder"));
}

}  // namespace
}  // namespace tonik
