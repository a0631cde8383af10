#pragma once

#include <QString>

namespace tessaro::gui {

// The menu bar's words and the Help texts in the window's language.
struct MenuWords {
    QString file;
    QString save;    // the current template, in the type the save dialog offers first
    QString saveAs;  // "Save as %1…": one entry for each type of the file registry
    QString saveSet;
    QString quit;
    QString edit;
    QString undo;
    QString redo;
    QString view;
    QString largeView;
    QString assembly;
    QString help;
    QString keys;
    QString keysText;
    QString about;
    QString aboutText;  // %1 the program's title, %2 its version, %3 its licence, %4 its address
    QString working;    // the progress line of a long job: "Drawing the template…", "Writing the file: %1 MB"
    QString writing;
    QString cancel;
    QString cancelled;  // the status line after a cancelled save
};

[[nodiscard]] const MenuWords& menuWords(bool english);

}  // namespace tessaro::gui
