#pragma once

namespace tessaro::gui {

// The window speaks one language at a time. Its sources are worded in English; Russian
// is the translation it starts with, and Qt's own dialogs and buttons follow it.
enum class WindowLanguage { Russian, English };

// Installs the language's translations in the application; every widget then gets a
// LanguageChange event and words itself anew.
void setWindowLanguage(WindowLanguage language);
[[nodiscard]] WindowLanguage windowLanguage();

}  // namespace tessaro::gui
