#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <span>
#include <string_view>

namespace tessaro::gui {

// A picture of the main window: its control name and its size in pixels.
struct PictureInfo {
    std::string_view name;  // "foldingBoxPicture" … "bobbinPicture"
    QSize size;
};

// The fifteen pictures of the window.
[[nodiscard]] std::span<const PictureInfo> pictureTable();

// The picture drawn at its size. The boxes, corners, feet and the spiral are drawn
// from the templates the program itself makes with the default tables; the screw and
// the transformer are JPEG files decoded with libjpeg. An unknown name, or a JPEG that
// is missing or does not decode, gives a null pixmap.
[[nodiscard]] QPixmap picture(std::string_view name);

// Decodes JPEG bytes with libjpeg; a null image when they are not a JPEG.
[[nodiscard]] QImage decodeJpeg(const QByteArray& bytes);

}  // namespace tessaro::gui
