#pragma once

namespace tessaro::gui {

// The name of the window's menu entry (app.tessaro.Tessaro.desktop) and icon.
inline constexpr char kDesktopFileName[] = "app.tessaro.Tessaro";
// The names its settings and data folder are kept under; on X11 the application name is
// also the window's WM_CLASS, which the menu entry's StartupWMClass names.
inline constexpr char kOrganizationName[] = "Tessaro";
inline constexpr char kApplicationName[] = "Tessaro";

// Names the running application for its settings and the desktop, and gives its windows
// the program's icon (the PNGs rendered from the menu entry's SVG, compiled in).
void identifyApplication();

}  // namespace tessaro::gui
