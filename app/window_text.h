#pragma once

// A text of the core that the window shows in its own language: the core keeps it as it
// stands, and lupdate collects it (as QT_TRANSLATE_NOOP) into the window's Linguist files.
#define WINDOW_TEXT(context, text) text
