#pragma once

class QWidget;

namespace tessaro::gui {

// The window's switches, its feet choice, its sheet and its place are kept in the user's settings
// (QSettings) between runs; the tables are kept in their own files.

// Sets the switches, the feet choice and the sheet as they were kept; a setting that is missing or
// unreadable leaves its control as it is.
void restoreSwitches(QWidget& window);
// Moves the window to where it was kept, or to the middle of its screen when no place was
// kept; either way it lies inside the screen's available area, as small as it may be made.
// False when no place was kept.
bool restorePlace(QWidget& window);
// Keeps the switches, the feet choice, the sheet and the window's place.
void keepSwitchesAndPlace(const QWidget& window);

}  // namespace tessaro::gui
