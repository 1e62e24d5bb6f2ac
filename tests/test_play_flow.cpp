// From the world slots into a new world and back out, frame by frame.
#include <gtest/gtest.h>

#include "app/frame.h"
#include "core/state.h"
#include "core/world.h"
#include "platform/platform.h"
#include "tests/harness.h"

class PlayFlow : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        headless::SetCalendarTime(1700000000);
        ASSERT_EQ(Start(), 0);
        Frame();
        Tap(KEY_RETURN, 200);  // Play
        ASSERT_EQ(State, STATE_WORLD_SLOTS);
    }
};

TEST_F(PlayFlow, AnEmptySlotStartsANewWorldUnderTheSky)
{
    Tap(KEY_RETURN, 200);
    ASSERT_TRUE(running_);
    EXPECT_EQ(State, STATE_PLAYING);
    EXPECT_EQ(Seed, 1700000000);
    EXPECT_EQ(Init, 0);
    EXPECT_NE(World, nullptr);
    FramesFor(64);
    // Day time 180: daylight 0.78125, the sky (41, 69, 140).
    ASSERT_FALSE(lastCalls_.empty());
    bool cleared = false;
    for (const RecordedCall& c : lastCalls_)
        if (c.kind == CallKind::Clear) {
            EXPECT_EQ(c.value, 0xFF29458Cu);
            cleared = true;
        }
    EXPECT_TRUE(cleared);
    // Esc pauses, Continue returns to play.
    Tap(KEY_ESCAPE, 200);
    EXPECT_EQ(State, STATE_PAUSE);
    EXPECT_EQ(Pause, 1);
    Tap(KEY_RETURN, 200);
    EXPECT_EQ(State, STATE_PLAYING);
}

TEST_F(PlayFlow, ClosingTheWindowDuringGenerationEndsQuietlyWithoutTheWorld)
{
    // The frame takes one message before it reads the keys; the close comes after.
    headless::QueueOther();
    headless::QueueQuit();
    headless::SetClockStep(1);  // time passes while the world is made
    Tap(KEY_RETURN, 200);
    // The new game was abandoned at its first redraw; this frame still ran.
    EXPECT_TRUE(running_);
    EXPECT_EQ(Init, 1);
    EXPECT_TRUE(headless::QuitPosted());
    Frame();
    EXPECT_FALSE(running_);
    EXPECT_EQ(exitCode_, 0);
    // The unfinished world was not drawn: the sky only.
    for (const RecordedCall& c : lastCalls_) EXPECT_NE(c.kind, CallKind::DrawQuad);
    EXPECT_TRUE(headless::MessageBoxes().empty());
    EXPECT_EQ(ShutDown(), 0);
    EXPECT_EQ(World, nullptr);
    EXPECT_TRUE(dir_.Exists("Settings.data"));
}
