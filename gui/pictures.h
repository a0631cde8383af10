#pragma once

#include <QPixmap>

class QLabel;
#include <QSize>
#include <span>
#include <string_view>

namespace tessaro::gui {

// A picture of the main window: its control name, its size in pixels and what draws it.
struct PictureInfo {
    std::string_view name;  // "foldingBoxPicture" … "bobbinPicture"
    QSize size;
    QPixmap (*draw)(QSize, bool english);
};

// The fifteen pictures of the window.
[[nodiscard]] std::span<const PictureInfo> pictureTable();

// The picture at its size, its words in English or Russian: drawn (gui/drawn_pictures.h) or a photograph
// (gui/photographs.h). An unknown name, or a photograph that is missing or does not
// decode, gives a null pixmap.
[[nodiscard]] QPixmap picture(std::string_view name, bool english = false);

// Gives the label its size and its picture, drawn (or decoded) when the label is shown:
// at once when it is in sight, else when it first comes into sight, so that the window
// starts without drawing the pictures of tabs not looked at.
void givePicture(QLabel& label, std::string_view name, bool english = false);

}  // namespace tessaro::gui
