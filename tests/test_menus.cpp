// The start menu, options and quit confirmation, driven frame by frame.
#include <gtest/gtest.h>

#include "app/frame.h"
#include "core/state.h"
#include "game/input.h"
#include "platform/platform.h"
#include "tests/harness.h"

#include <unistd.h>

class Menus : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        ASSERT_EQ(Start(), 0);
        Frame();
    }
};

TEST_F(Menus, StartMenuShowsItsEntriesWithTheMarkerOnPlay)
{
    EXPECT_EQ(State, STATE_START_MENU);
    EXPECT_EQ(MarkerY(), 280);
    // No settings file: Italian.
    EXPECT_TRUE(HasText("Gioca"));
    EXPECT_TRUE(HasText("Opzioni"));
    EXPECT_TRUE(HasText("Esci"));
    EXPECT_TRUE(HasText("FPS: 0"));
}

TEST_F(Menus, HeldKeyRepeatsEvery175Milliseconds)
{
    headless::HoldKey(KEY_DOWN);
    Frame(200);
    EXPECT_EQ(StartMenu, 2);
    FramesFor(160);  // 160 ms after the move: still gated
    EXPECT_EQ(StartMenu, 2);
    Frame(16);       // 176 ms after it
    EXPECT_EQ(StartMenu, 3);
    FramesFor(400);  // the last entry does not wrap
    EXPECT_EQ(StartMenu, 3);
    EXPECT_EQ(MarkerY(), 320);
}

TEST_F(Menus, UpAndDownTogetherOnTheStartMenuMoveNothing)
{
    StartMenu = 2;
    headless::HoldKey(KEY_W);
    headless::HoldKey(KEY_S);
    FramesFor(600);
    EXPECT_EQ(StartMenu, 2);
}

TEST_F(Menus, UpAndDownTogetherElsewhereMoveUpUnlessOnTheFirstEntry)
{
    Tap(KEY_DOWN, 200);
    Tap(KEY_RETURN, 200);  // Options opens on Cancel
    ASSERT_EQ(State, STATE_OPTIONS);
    ASSERT_EQ(Options, 3);
    headless::HoldKey(KEY_UP);
    headless::HoldKey(KEY_DOWN);
    Frame(200);
    EXPECT_EQ(Options, 2);
    Frame(200);
    EXPECT_EQ(Options, 1);
    Frame(200);  // on the first entry, Down moves
    EXPECT_EQ(Options, 2);
}

TEST_F(Menus, DoubleReturnOnQuitComesBackToTheStartMenu)
{
    StartMenu = 3;
    headless::HoldKey(KEY_RETURN);
    Frame(200);
    EXPECT_EQ(State, STATE_QUIT);
    EXPECT_EQ(Quit, 2);
    Frame(16);  // the gate holds the second Return back
    EXPECT_EQ(State, STATE_QUIT);
    Frame(200);
    EXPECT_EQ(State, STATE_START_MENU);
    EXPECT_TRUE(running_);
}

TEST_F(Menus, FiveReturnsOnRenderingComeBackToTheStartDistance)
{
    Tap(KEY_DOWN, 200);
    Tap(KEY_RETURN, 200);
    Tap(KEY_UP, 200);
    Tap(KEY_UP, 200);
    ASSERT_EQ(Options, 1);
    const char* labels[5] = {"Vicinissima (20 m)", "Vicina (30 m)", "Normale (40 m)", "Lontana (50 m)",
                             "Lontanissima (60 m)"};
    Frame();
    EXPECT_TRUE(HasText(labels[0]));
    for (int i = 1; i <= 5; i++) {
        Tap(KEY_RETURN, 200);
        Frame();
        EXPECT_EQ(RAM, i % 5);
        EXPECT_TRUE(HasText(labels[i % 5])) << i;
    }
}

TEST_F(Menus, ReturnOnLanguageSwitchesEveryTextAtOnce)
{
    Tap(KEY_DOWN, 200);
    Tap(KEY_RETURN, 200);
    Tap(KEY_UP, 200);
    ASSERT_EQ(Options, 2);
    Frame();
    EXPECT_TRUE(HasText("Lingua:"));
    EXPECT_TRUE(HasText("Italiano"));
    EXPECT_TRUE(HasText("Annulla"));
    Tap(KEY_RETURN, 200);
    EXPECT_EQ(Lang, 2);
    Frame();
    EXPECT_TRUE(HasText("Language:"));
    EXPECT_TRUE(HasText("English"));
    EXPECT_TRUE(HasText("Cancel"));
    EXPECT_TRUE(HasText("Tiny (20 m)"));
    Tap(KEY_ESCAPE, 200);
    Frame();
    EXPECT_EQ(State, STATE_START_MENU);
    EXPECT_TRUE(HasText("Play"));
    EXPECT_TRUE(HasText("Options"));
}

TEST_F(Menus, QuitConfirmationYesEndsTheLoopAndWritesTheSettings)
{
    RAM = 3;
    Lang = 2;
    Tap(KEY_ESCAPE, 200);
    ASSERT_EQ(State, STATE_QUIT);
    Frame();
    EXPECT_TRUE(HasText("Do you want to quit?"));
    EXPECT_EQ(MarkerY(), 320);
    Tap(KEY_UP, 200);
    ASSERT_EQ(Quit, 1);
    Tap(KEY_RETURN, 200);
    EXPECT_EQ(State, STATE_QUIT);
    Frame();  // the quit message is taken in the next iteration
    EXPECT_FALSE(running_);
    EXPECT_EQ(exitCode_, 0);
    EXPECT_EQ(ShutDown(), 0);
    EXPECT_EQ(dir_.Read("Settings.data"), (std::vector<uint8_t>{4, 3}));
}

TEST_F(Menus, EscapeAndNoOnTheQuitConfirmationReturnToTheStartMenu)
{
    Tap(KEY_ESCAPE, 200);
    Tap(KEY_ESCAPE, 200);
    EXPECT_EQ(State, STATE_START_MENU);
    Tap(KEY_ESCAPE, 200);
    Tap(KEY_RETURN, 200);  // on No
    EXPECT_EQ(State, STATE_START_MENU);
}

TEST_F(Menus, PlayOpensTheWorldSlotsWithTheirStatus)
{
    dir_.Write("Mondo2.data", {});
    Lang = 2;
    Tap(KEY_RETURN, 200);
    ASSERT_EQ(State, STATE_WORLD_SLOTS);
    EXPECT_EQ(Wld, 1);
    Frame();
    EXPECT_EQ(MarkerY(), 260);
    for (const char* text : {"World1", "World2", "World3", "World4", "Cancel", "400MB"}) EXPECT_TRUE(HasText(text)) << text;
    int empty = 0;
    for (const std::string& t : LastTexts()) empty += t == "(Empty)";
    EXPECT_EQ(empty, 3);
    // Deleting the file shows on the next frame.
    unlink(dir_.File("Mondo2.data").c_str());
    Frame();
    EXPECT_FALSE(HasText("400MB"));
    // Down to Cancel, Return: back to the start menu.
    headless::HoldKey(KEY_DOWN);
    FramesFor(800, 200);
    headless::HoldKey(KEY_DOWN, false);
    EXPECT_EQ(Wld, 5);
    Tap(KEY_RETURN, 200);
    EXPECT_EQ(State, STATE_START_MENU);
    Tap(KEY_RETURN, 200);
    Tap(KEY_ESCAPE, 200);
    EXPECT_EQ(State, STATE_START_MENU);
}
