#include "tests/harness.h"

#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "app/frame.h"
#include "app/progress.h"
#include "core/state.h"
#include "core/world.h"
#include "game/input.h"

void ResetProgramState()
{
    State = STATE_NONE;
    Lang = 1;
    RAM = 0;
    IfFirstTime = 1;
    StartMenu = 1;
    Options = Quit = Pause = Wld = 0;
    FPS = Polygons = 0;
    Save = Init = 0;
    LoadingText[0] = '\0';
    MenuDelay = fTime = nTime = lTime = 0;
    ProgressFade = 241;
    ProgressFadeUp = 0;
    ProgressCountdown = ProgressCheckInterval;
    FreeWorld();
}

TempDir::TempDir()
{
    char pattern[] = "/tmp/quarrow-test-XXXXXX";
    const char* made = mkdtemp(pattern);
    path_ = made != nullptr ? made : "/tmp";
}

TempDir::~TempDir()
{
    DIR* dir = opendir(path_.c_str());
    if (dir != nullptr) {
        while (dirent* entry = readdir(dir)) {
            std::string name = entry->d_name;
            if (name != "." && name != "..") unlink(File(name).c_str());
        }
        closedir(dir);
    }
    rmdir(path_.c_str());
}

void TempDir::Write(const std::string& name, const std::vector<uint8_t>& bytes) const
{
    FILE* file = fopen(File(name).c_str(), "wb");
    ASSERT_NE(file, nullptr);
    if (!bytes.empty()) fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
}

std::vector<uint8_t> TempDir::Read(const std::string& name) const
{
    std::vector<uint8_t> bytes;
    FILE* file = fopen(File(name).c_str(), "rb");
    if (file == nullptr) return bytes;
    int c;
    while ((c = fgetc(file)) != EOF) bytes.push_back(static_cast<uint8_t>(c));
    fclose(file);
    return bytes;
}

bool TempDir::Exists(const std::string& name) const { return access(File(name).c_str(), F_OK) == 0; }

void GameTest::SetUp()
{
    headless::Reset();
    ResetProgramState();
    headless::SetExeDir(dir_.Path());
    headless::SetClock(1000);
}

void GameTest::TearDown() { FreeWorld(); }

int32_t GameTest::Start() { return StartUp(); }

void GameTest::Frame(int32_t ms)
{
    headless::AdvanceClock(ms);
    headless::ClearCalls();
    running_ = RunFrame(exitCode_);
    lastCalls_ = headless::Calls();
    lastTexts_ = headless::Texts();
}

void GameTest::FramesFor(int32_t ms, int32_t step)
{
    for (int32_t t = 0; t < ms; t += step) Frame(step);
}

void GameTest::Tap(int scanCode, int32_t ms)
{
    headless::HoldKey(scanCode);
    Frame(ms);
    headless::HoldKey(scanCode, false);
}

bool GameTest::HasText(const std::string& text) const
{
    for (const std::string& t : lastTexts_)
        if (t == text) return true;
    return false;
}

int32_t GameTest::MarkerY() const
{
    for (const RecordedCall& c : lastCalls_)
        if (c.kind == CallKind::SpriteDraw && c.slot == 44) return c.y;
    return -1;
}
