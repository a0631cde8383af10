// Draws the two "photographs" of the main window (the screw and nut in its slot, and the
// transformer with its bobbin frame) and writes them as JPEG files through libjpeg.
// Run by scripts/draw-photos; the resulting files are committed under gui/pictures/.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

#include <jpeglib.h>

namespace {

const QColor kSteel(150, 155, 165);
const QColor kBrass(200, 170, 90);
const QColor kWood(222, 200, 160);
const QColor kInk(20, 20, 20);
const QColor kMark(0, 0, 190);

bool writeJpeg(const QImage& source, const char* path) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    FILE* file = std::fopen(path, "wb");
    if (file == nullptr) {
        return false;
    }
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

void arrow(QPainter& p, QPointF a, QPointF b, const QString& text, QPointF at) {
    p.setPen(QPen(kMark, 1.5));
    p.drawLine(a, b);
    const QPointF d = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
    const QPointF n(-d.y(), d.x());
    p.setBrush(kMark);
    for (auto [tip, dir] : {std::pair{a, d}, std::pair{b, -d}}) {
        p.drawPolygon(QPolygonF({tip, tip + 8 * dir + 3.5 * n, tip + 8 * dir - 3.5 * n}));
    }
    p.drawText(QRectF(at.x() - 90, at.y() - 16, 180, 32), Qt::AlignCenter, text);
}

// A screw through the side wall's hole into a T-slot of the joined panel, its nut
// held in the cross of the T. L1 slot length, L2 nut thickness, L3 distance to the nut,
// L4 screw diameter, L5 nut size.
QImage screwAndNut() {
    QImage image(684, 484, QImage::Format_RGB32);
    image.fill(QColor(245, 243, 238));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font("DejaVu Sans", 22, QFont::Bold);
    p.setFont(font);
    // The panel with the T-slot, seen from above.
    QPainterPath panel;
    panel.addRect(60, 150, 560, 300);
    QPainterPath slot;
    slot.addRect(300, 150, 80, 250);  // the stem: screw diameter L4 wide, L1 long
    slot.addRect(240, 260, 200, 60);  // the cross: nut size L5 wide, nut thickness L2 deep
    p.setPen(QPen(kInk, 3));
    p.setBrush(kWood);
    p.drawPath(panel.subtracted(slot.simplified()));
    // The joined wall on top, with its screw hole.
    p.setBrush(kWood.darker(115));
    p.drawRect(60, 60, 560, 90);
    // The screw through the wall into the stem, and the nut in the cross.
    p.setBrush(kSteel);
    p.drawRect(306, 30, 68, 340);
    p.drawRect(270, 20, 140, 36);
    p.setPen(QPen(kInk, 2));
    for (int y = 160; y < 370; y += 14) {
        p.drawLine(306, y, 374, y + 7);
    }
    p.setPen(QPen(kInk, 3));
    p.setBrush(kBrass);
    p.drawRect(246, 266, 188, 48);
    // The marks.
    arrow(p, {470, 150}, {470, 400}, "L1", {510, 340});
    arrow(p, {200, 266}, {200, 314}, "L2", {160, 290});
    arrow(p, {120, 150}, {120, 266}, "L3", {160, 208});
    arrow(p, {306, 425}, {374, 425}, "L4", {340, 458});
    arrow(p, {246, 345}, {434, 345}, "L5", {212, 345});
    return image;
}

// The captions under the transformer's three drawings, in one language.
struct TransformerCaptions {
    const char* core;
    const char* frame;
    const char* parts;
};

constexpr TransformerCaptions kRussianCaptions{"сердечник: окно h × b, керн y × y1",
                                               "каркас: детали 1, 2, 3 толщиной δ", "детали каркаса (по две каждой)"};
constexpr TransformerCaptions kEnglishCaptions{"core: window h × b, leg y × y1", "frame: parts 1, 2, 3, δ thick",
                                               "the frame's parts (two of each)"};

// The transformer: the core with window h x b and core sizes y, y1; the assembled bobbin
// frame of parts 1, 2, 3 of thickness δ; the three flat parts with their sizes.
QImage transformer(const TransformerCaptions& captions) {
    QImage image(1938, 514, QImage::Format_RGB32);
    image.fill(QColor(245, 243, 238));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(QFont("DejaVu Sans", 17, QFont::Bold));

    // 1. The core (E and I plates), front view: two windows h high and b wide.
    p.setPen(QPen(kInk, 3));
    p.setBrush(kSteel);
    QPainterPath core;
    core.addRect(40, 60, 520, 380);
    QPainterPath windows;
    windows.addRect(150, 140, 110, 220);
    windows.addRect(340, 140, 110, 220);
    p.drawPath(core.subtracted(windows));
    // The bobbin in the windows, hatched.
    p.setBrush(QBrush(kWood, Qt::SolidPattern));
    p.drawRect(150, 140, 24, 220);
    p.drawRect(426, 140, 24, 220);
    arrow(p, {120, 140}, {120, 360}, "h", {95, 250});
    arrow(p, {150, 395}, {260, 395}, "b", {205, 425});
    arrow(p, {260, 110}, {340, 110}, "y", {300, 88});
    p.setPen(kInk);
    p.drawText(QRectF(0, 450, 620, 50), Qt::AlignCenter, captions.core);

    // 2. The assembled frame: a tube (parts 1 and 2) between two cheeks (part 3).
    const double x = 660;
    p.setPen(QPen(kInk, 3));
    p.setBrush(kWood);
    p.drawRect(QRectF(x, 100, 30, 300));        // cheek 3
    p.drawRect(QRectF(x + 250, 100, 30, 300));  // cheek 3
    p.drawRect(QRectF(x + 30, 190, 220, 24));   // part 1
    p.drawRect(QRectF(x + 30, 286, 220, 24));   // part 1
    p.setBrush(kWood.darker(110));
    p.drawRect(QRectF(x + 30, 214, 220, 72));  // part 2 behind
    p.setPen(kInk);
    p.drawText(QRectF(x + 110, 150, 60, 30), Qt::AlignCenter, "1");
    p.drawText(QRectF(x + 110, 236, 60, 30), Qt::AlignCenter, "2");
    p.drawText(QRectF(x - 40, 60, 60, 30), Qt::AlignCenter, "3");
    arrow(p, {x, 420}, {x + 30, 420}, "δ", {x + 60, 420});
    arrow(p, {x + 30, 80}, {x + 250, 80}, "h", {x + 140, 58});
    p.drawText(QRectF(x - 120, 462, 540, 44), Qt::AlignCenter, captions.frame);

    // 3. The flat parts with their sizes: 1 the wide wall, 2 the narrow wall, 3 the flange.
    const double fx = 1040;
    p.setPen(QPen(kInk, 3));
    p.setBrush(kWood);
    p.drawRect(QRectF(fx, 80, 240, 70));        // part 1: (h + 2δ) x (y + 2δ)
    p.drawRect(QRectF(fx + 20, 230, 200, 60));  // part 2: (h - 2δ) x y1
    QPainterPath flange;
    flange.addPolygon(QPolygonF({QPointF(fx + 400, 60), QPointF(fx + 640, 60), QPointF(fx + 660, 80),
                                 QPointF(fx + 660, 340), QPointF(fx + 640, 360), QPointF(fx + 400, 360),
                                 QPointF(fx + 380, 340), QPointF(fx + 380, 80), QPointF(fx + 400, 60)}));
    QPainterPath window;
    window.addRect(fx + 470, 150, 100, 120);
    p.drawPath(flange.subtracted(window));
    p.setPen(kInk);
    p.drawText(QRectF(fx, 80, 240, 70), Qt::AlignCenter, "1");
    p.drawText(QRectF(fx + 20, 230, 200, 60), Qt::AlignCenter, "2");
    p.drawText(QRectF(fx + 380, 60, 280, 90), Qt::AlignCenter, "3");
    arrow(p, {fx, 172}, {fx + 240, 172}, "h + 2δ", {fx + 120, 196});
    arrow(p, {fx + 260, 80}, {fx + 260, 150}, "y + 2δ", {fx + 310, 115});
    arrow(p, {fx + 20, 312}, {fx + 220, 312}, "h − 2δ", {fx + 120, 336});
    arrow(p, {fx + 240, 230}, {fx + 240, 290}, "y1", {fx + 268, 260});
    arrow(p, {fx + 380, 390}, {fx + 660, 390}, "2b + y", {fx + 520, 420});
    arrow(p, {fx + 680, 60}, {fx + 680, 360}, "", {});
    p.drawText(QRectF(fx + 690, 190, 250, 40), Qt::AlignLeft | Qt::AlignVCenter, "2b + 2δ + y1");
    p.drawText(QRectF(fx, 450, 700, 40), Qt::AlignCenter, captions.parts);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessaro-draw-photos FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const bool ok =
        writeJpeg(screwAndNut(), (folder + "/screw_nut.jpg").toLocal8Bit().constData()) &&
        writeJpeg(transformer(kRussianCaptions), (folder + "/transformer.jpg").toLocal8Bit().constData()) &&
        writeJpeg(transformer(kEnglishCaptions), (folder + "/transformer_en.jpg").toLocal8Bit().constData());
    return ok ? 0 : 1;
}
