#pragma once

// The option that makes the benchmark program show one window's first frame and end:
// "--first-frame bare" a bare Qt window with a table, "--first-frame main" the main window.
inline constexpr const char* kFirstFrameOption = "--first-frame";

// What the program does with that option; argv[2] names the window.
int showFirstFrame(int argc, char** argv);
