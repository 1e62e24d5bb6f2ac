// A started game on the headless platform, driven frame by frame with
// scripted keys and clock, in a temporary folder that plays the role of the
// executable's directory.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/headless_control.h"

// Puts every shared variable of the shell back to its start-of-program value.
void ResetProgramState();

// A fresh temporary folder, removed with its files at destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    void Write(const std::string& name, const std::vector<uint8_t>& bytes) const;
    std::vector<uint8_t> Read(const std::string& name) const;
    bool Exists(const std::string& name) const;

private:
    std::string path_;
};

class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Starts the program as the entry point does; 0 or -1.
    int32_t Start();
    // Advances the clock and runs one iteration of the frame loop.
    void Frame(int32_t ms = 16);
    // Runs frames for `ms` milliseconds.
    void FramesFor(int32_t ms, int32_t step = 16);
    // Holds a key for one frame, then releases it.
    void Tap(int scanCode, int32_t ms = 16);
    // Texts printed by the last frame.
    std::vector<std::string> LastTexts() const { return lastTexts_; }
    bool HasText(const std::string& text) const;
    // y of the marker arrow drawn by the last frame (-1 when none).
    int32_t MarkerY() const;

    TempDir dir_;
    bool running_ = true;
    int32_t exitCode_ = 0;
    std::vector<RecordedCall> lastCalls_;
    std::vector<std::string> lastTexts_;
};
