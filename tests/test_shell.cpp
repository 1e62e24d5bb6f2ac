// Start-up, the frame loop, its failures, the draw dispatch and the
// cooperative redraw.
#include <gtest/gtest.h>

#include "app/frame.h"
#include "app/progress.h"
#include "assets/embedded.h"
#include "core/state.h"
#include "core/status.h"
#include "core/world.h"
#include "game/input.h"
#include "platform/platform.h"
#include "tests/harness.h"

class Shell : public GameTest {};

TEST_F(Shell, StartUpFailuresShowTheirMessageAndEndWithMinusOne)
{
    struct Case {
        const char* name;
        void (*fail)();
        const char* message;
    };
    const Case cases[] = {
        {"window", [] { headless::FailWindow(true); }, "Creazione della finestra fallita."},
        {"device", [] { headless::FailDevice(true); }, "Impossibile creare un Device Direct3D."},
        {"texture", [] { headless::FailTexture(50); }, "Errore nel caricamento delle texture."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        headless::Reset();
        ResetProgramState();
        headless::SetExeDir(dir_.Path());
        c.fail();
        EXPECT_EQ(GameMain(), -1);
        EXPECT_EQ(headless::MessageBoxes(), std::vector<std::string>{c.message});
        EXPECT_TRUE(headless::CursorShown());
        EXPECT_FALSE(dir_.Exists("Settings.data"));
    }
}

TEST_F(Shell, AFailingTextureStopsTheSetThere)
{
    headless::FailTexture(50);
    EXPECT_EQ(Start(), -1);
    std::vector<int> order = headless::TextureCreationOrder();
    ASSERT_EQ(order.size(), 50u);
    for (int i = 0; i < 50; i++) EXPECT_EQ(order[i], i);
}

TEST_F(Shell, EmbeddedImagesLoadIntoTheirSlots)
{
    ASSERT_EQ(Start(), 0);
    ASSERT_EQ(headless::TexturesAlive(), NumTextureSlots);
    for (int slot = 0; slot < NumTextureSlots; slot++) {
        int image = slot == NumTextureSlots - 1 ? 0 : slot + 1;
        EXPECT_EQ(headless::TextureBytes(slot), EmbeddedImage(image).data) << slot;
    }
    EXPECT_EQ(headless::TextureIn(43).width, 1024);  // menu background
    EXPECT_EQ(headless::TextureIn(123).width, 48);   // image 0
    EXPECT_EQ(headless::TextureIn(12).width, 2);     // crosshair piece
}

TEST_F(Shell, ABrokenSceneEndsTheProgramWithoutSavingSettings)
{
    ASSERT_EQ(Start(), 0);
    headless::FailBeginScene(true);
    Frame();
    EXPECT_FALSE(running_);
    EXPECT_EQ(exitCode_, -1);
    EXPECT_EQ(headless::MessageBoxes(), std::vector<std::string>{"Impossibile creare la scena."});
    EXPECT_FALSE(dir_.Exists("Settings.data"));
}

TEST_F(Shell, ClosingTheWindowEndsTheLoopAndShutdownReleasesEverything)
{
    ASSERT_EQ(Start(), 0);
    Frame();
    headless::QueueQuit();
    Frame();
    EXPECT_FALSE(running_);
    EXPECT_EQ(exitCode_, 0);
    EXPECT_EQ(ShutDown(), 0);
    EXPECT_TRUE(dir_.Exists("Settings.data"));
    EXPECT_EQ(headless::TexturesAlive(), 0);
    EXPECT_FALSE(headless::WindowExists());
    EXPECT_FALSE(DevExists());
    EXPECT_EQ(World, nullptr);
}

TEST_F(Shell, UnusedStateCodesOnlyPresentAndHandleNoKeys)
{
    ASSERT_EQ(Start(), 0);
    for (uint8_t code : {uint8_t(0), uint8_t(2), uint8_t(12), uint8_t(255)}) {
        SCOPED_TRACE(int(code));
        State = code;
        headless::HoldKey(KEY_ESCAPE);
        headless::HoldKey(KEY_RETURN);
        Frame(200);
        EXPECT_EQ(State, code);
        ASSERT_EQ(lastCalls_.size(), 1u);
        EXPECT_EQ(lastCalls_[0].kind, CallKind::Present);
    }
}

TEST_F(Shell, FramesPerSecondAreCountedOverWindowsOfJustOverASecond)
{
    ASSERT_EQ(Start(), 0);
    for (int i = 0; i < 62; i++) Frame(16);  // 992 ms
    EXPECT_EQ(FPS, 0);
    Frame(16);  // 1008 ms: 63 frames in the window
    EXPECT_EQ(FPS, 63);
    Frame(16);
    EXPECT_TRUE(HasText("FPS: 63"));
}

TEST(Progress, FadePulsesInACycleOfNineteenFrames)
{
    ProgressFade = 241;
    ProgressFadeUp = 0;
    const int32_t expected[] = {225, 209, 193, 177, 161, 145, 129, 113, 97, 97, 113,
                                129, 145, 161, 177, 193, 209, 225, 241, 225};
    for (int32_t value : expected) {
        StepProgressFade();
        EXPECT_EQ(ProgressFade, value);
    }
}

class Refresh : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        ASSERT_EQ(Start(), 0);
        State = STATE_PROGRESS;
        Init = 1;
        snprintf(LoadingText, sizeof LoadingText, "%d %%", 48);
        uTime = headless::Clock();
        headless::ClearCalls();
    }
    // Calls RefreshProgress until it reads the clock once.
    int32_t Check()
    {
        int32_t result = PROGRESS_GO_ON;
        for (int i = 0; i < ProgressCheckInterval; i++) result = RefreshProgress(uTime);
        return result;
    }
    int32_t uTime = 0;
};

TEST_F(Refresh, RedrawsOnlyAfter250Milliseconds)
{
    headless::AdvanceClock(249);
    EXPECT_EQ(Check(), PROGRESS_GO_ON);
    EXPECT_TRUE(headless::Texts().empty());
    headless::AdvanceClock(1);
    EXPECT_EQ(Check(), PROGRESS_GO_ON);
    EXPECT_EQ(uTime, headless::Clock());
    std::vector<std::string> texts = headless::Texts();
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[0], "Caricamento ...");
    EXPECT_EQ(texts[1], "48 %");
    EXPECT_EQ(texts[2], "FPS: 4");
    // The percentage is centred: 400 - 7 * 4 / 2.
    EXPECT_EQ(headless::Calls()[5].x, 386);
    // The input step ran and only sampled the clock.
    EXPECT_EQ(fTime, headless::Clock());
}

TEST_F(Refresh, AQuitDuringTheWorkAbandonsItAndIsPostedAgain)
{
    headless::QueueQuit();
    headless::AdvanceClock(300);
    EXPECT_EQ(Check(), PROGRESS_QUIT);
    EXPECT_TRUE(headless::QuitPosted());
    EXPECT_EQ(PlatformPeekMessage(), MSG_QUIT);
}

TEST_F(Refresh, AFailedDrawEndsTheWork)
{
    headless::FailBeginScene(true);
    headless::AdvanceClock(300);
    EXPECT_EQ(Check(), E_FAIL);
}

TEST(World, FoldingWrapsXAndZ)
{
    const int cases[][2] = {{-1, 999}, {1000, 0}, {-1000, 0}, {1999, 999}, {0, 0}, {999, 999}, {500, 500}};
    for (const auto& c : cases) EXPECT_EQ(FoldIndex(c[0]), c[1]) << c[0];
    ASSERT_TRUE(AllocWorld());
    EXPECT_EQ(&CellAt(-1, 7, 5), &World[999][7][5]);
    EXPECT_EQ(&CellAt(3, 199, 1000), &World[3][199][0]);
    World[999][100][0].BlockValue = 7;
    EXPECT_EQ(CellAt(-1, 100, 1000).BlockValue, 7);
    FreeWorld();
    EXPECT_EQ(World, nullptr);
    FreeWorld();  // nothing to free twice
}
