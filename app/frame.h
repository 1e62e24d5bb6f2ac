// The spine of the program: start-up, the frame loop (one message, draw
// step, input step, frame count), shutdown, the draw-step dispatch on
// `State`, and the cooperative redraw that keeps the window alive while a
// long operation runs inside one frame.
#pragma once
#include <cstdint>

// Whole program: start-up, loop, shutdown. 0 after a normal end, -1 after a failure.
int32_t GameMain();
// Start-up steps up to the first frame; 0, or -1 when the window or device failed.
int32_t StartUp();
// One iteration of the frame loop. Returns false when the loop is over;
// `exitCode` then holds -1 if the draw or input step failed, else 0.
bool RunFrame(int32_t& exitCode);
// Teardown after the loop: 0, or -1 when it failed.
int32_t ShutDown();

// Draw step: draws the current screen and presents. 0 or E_FAIL.
int32_t DrawD3DScene();

// What a long operation does after calling RefreshProgress.
enum : int32_t {
    PROGRESS_GO_ON = 0, // keep working
    PROGRESS_QUIT = 1,  // the window was closed: abandon the work and return 0
};
// The slow half of RefreshProgress: redraws the progress screen, runs the
// input step and takes one window message when 250 ms have passed since
// `uTime`. Returns PROGRESS_GO_ON, PROGRESS_QUIT or E_FAIL (draw failed).
int32_t RefreshProgressCheck(int32_t& uTime);

// Calls between two clock readings; the generator reaches RefreshProgress
// hundreds of millions of times, so most calls only count down.
constexpr int32_t ProgressCheckInterval = 1 << 14;
extern int32_t ProgressCountdown; // calls left before the next clock reading

// The cooperative redraw, called at many points of a long operation's loops.
inline int32_t RefreshProgress(int32_t& uTime)
{
    if (--ProgressCountdown > 0) return PROGRESS_GO_ON;
    return RefreshProgressCheck(uTime);
}
