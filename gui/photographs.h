#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace tessaro::gui {

// Decodes JPEG bytes with libjpeg; a null image when they are not a JPEG.
[[nodiscard]] QImage decodeJpeg(const QByteArray& bytes);

// A JPEG resource scaled into the size on white, keeping its proportions; a null pixmap
// when it is missing or does not decode.
[[nodiscard]] QPixmap photograph(const QString& resource, QSize size);

}  // namespace tessaro::gui
