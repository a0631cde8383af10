#include "gui/pictures.h"

#include <QEvent>
#include <QLabel>
#include <algorithm>
#include <array>
#include <optional>

#include "gui/drawn_pictures.h"
#include "gui/photographs.h"

namespace tessaro::gui {
namespace {

// The pictures without words ignore the language.
QPixmap squareCorners(QSize size, bool) { return drawCorners(size, false); }
QPixmap reliefCorners(QSize size, bool) { return drawCorners(size, true); }
QPixmap jumper(QSize size, bool english) { return drawSupport(size, true, english); }
QPixmap noJumper(QSize size, bool english) { return drawSupport(size, false, english); }
QPixmap feet(QSize size, bool english) { return drawFeet(size, english); }
QPixmap spiral(QSize size, bool english) { return drawSpiral(size, english); }
QPixmap screwNut(QSize size, bool) { return photograph(":/pictures/screw_nut.jpg", size); }
QPixmap transformer(QSize size, bool english) {
    return photograph(english ? ":/pictures/transformer_en.jpg" : ":/pictures/transformer.jpg", size);
}

constexpr std::array<PictureInfo, 15> kPictures = {{
    {"foldingBoxPicture", {256, 223}, drawFoldingBox},
    {"foldingSquareCornersPicture", {129, 65}, squareCorners},
    {"foldingReliefCornersPicture", {133, 79}, reliefCorners},
    {"jumperPicture", {137, 89}, jumper},
    {"noJumperPicture", {137, 81}, noJumper},
    {"feetPicture", {207, 84}, feet},
    {"simpleBoxPicture", {169, 241}, drawSimpleBox},
    {"simpleSquareCornersPicture", {126, 71}, squareCorners},
    {"simpleReliefCornersPicture", {121, 81}, reliefCorners},
    {"screwNutPicture", {171, 121}, screwNut},
    {"tabAndGapPicture", {301, 91}, drawTabAndGap},
    {"tabSlotSquareCornersPicture", {122, 65}, squareCorners},
    {"tabSlotReliefCornersPicture", {129, 81}, reliefCorners},
    {"spiralPicture", {585, 241}, spiral},
    {"bobbinPicture", {969, 257}, transformer},
}};

constexpr const char* kDrawer = "pictureDrawer";

// Draws a label's picture when the label is shown and the picture is due: at the first
// showing, and at the next after a language switch while it was out of sight.
class PictureWhenShown final : public QObject {
public:
    PictureWhenShown(QLabel& label, const PictureInfo& info) : QObject(&label), label_(label), info_(info) {
        label.installEventFilter(this);
    }
    void makeDue(bool english) { due_ = english; }
    void drawNow(bool english) {
        due_.reset();
        label_.setPixmap(info_.draw(info_.size, english));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &label_ && event->type() == QEvent::Show && due_) {
            drawNow(*due_);
        }
        return false;
    }

private:
    QLabel& label_;
    const PictureInfo& info_;
    std::optional<bool> due_;  // the language it is due in; none: drawn
};

}  // namespace

std::span<const PictureInfo> pictureTable() { return kPictures; }

QPixmap picture(std::string_view name, bool english) {
    const auto info = std::ranges::find(kPictures, name, &PictureInfo::name);
    return info == kPictures.end() ? QPixmap() : info->draw(info->size, english);
}

void givePicture(QLabel& label, std::string_view name, bool english) {
    const auto info = std::ranges::find(kPictures, name, &PictureInfo::name);
    if (info == kPictures.end()) {
        return;
    }
    label.resize(info->size);
    // The label keeps its drawer (no Q_OBJECT to find it by) in a property.
    auto* drawer = static_cast<PictureWhenShown*>(label.property(kDrawer).value<QObject*>());
    if (drawer == nullptr) {
        drawer = new PictureWhenShown(label, *info);
        label.setProperty(kDrawer, QVariant::fromValue<QObject*>(drawer));
    }
    if (label.isVisible()) {
        drawer->drawNow(english);
    } else {
        drawer->makeDue(english);
    }
}

}  // namespace tessaro::gui
