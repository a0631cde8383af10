#include "gui/drawn_pictures.h"

#include <QPainterPath>
#include <algorithm>
#include <array>
#include <vector>

#include "app/template_commands.h"
#include "drawing/shapes.h"
#include "gui/drawing_kit.h"

namespace tessaro::gui {
namespace {

// One panel of an unfolded box: its outlines laid into a cell of the cross.
struct Cell {
    Outlines outlines;
    QRectF place;  // millimetres, Y up
    QString name;
};

// A label's word in the window's language.
QString word(const char* russian, const char* english, bool inEnglish) {
    return QString::fromUtf8(inEnglish ? english : russian);
}

using Command = void (*)(Workbench&);

// A panel as its command draws it, turned to lie as the cross shows it.
Outlines panel(Command command, bool upright = false) {
    Outlines outlines = drawn(command);
    const QRectF bounds = boundsOf(outlines);
    if (upright != (bounds.height() > bounds.width())) {
        outlines = transformed(outlines, QTransform().rotate(90));
    }
    return outlines;
}

// The unfolded box: lid at the top, rear, bottom between the sides, front at the bottom.
// Returns the cells in that order, lid first, in millimetres with a gap between panels.
std::vector<Cell> unfoldedBox(const std::array<Command, 5>& commands, bool english) {
    const double W = 200, H = 100, D = 110, gap = 14;  // the default tables
    const double x0 = H + gap;
    const double bottomY = H + gap, rearY = H + D + 2 * gap, lidY = 2 * H + D + 3 * gap;
    return {
        {panel(commands[0]), {x0, lidY, W, D}, word("крышка", "lid", english)},
        {panel(commands[1]), {x0, rearY, W, H}, word("тыл", "rear", english)},
        {panel(commands[2]), {x0, bottomY, W, D}, word("дно", "bottom", english)},
        {panel(commands[3], true), {0, bottomY, H, D}, word("бок", "side", english)},
        {panel(commands[3], true), {x0 + W + gap, bottomY, H, D}, word("бок", "side", english)},
        {panel(commands[4]), {x0, 0, W, H}, word("фасад", "front", english)},
    };
}

QPixmap drawUnfoldedBox(QSize size, const std::array<Command, 5>& commands, bool marks, bool english) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    prepare(p, 6);
    const std::vector<Cell> cells = unfoldedBox(commands, english);
    QRectF all;
    for (const Cell& cell : cells) {
        all = all.united(cell.place.adjusted(-8, -8, 8, 8));
    }
    const double margin = marks ? 16 : 4;
    const QTransform t = fitting(all, QRectF(margin, 4, size.width() - 2 * margin, size.height() - 8));
    for (const Cell& cell : cells) {
        const QRectF bounds = boundsOf(cell.outlines);
        QTransform place;
        place.translate(cell.place.center().x() - bounds.center().x(), cell.place.center().y() - bounds.center().y());
        paintPanel(p, transformed(cell.outlines, place), t);
        // The lid's name stands below its width mark.
        const QPointF nameAt = t.map(cell.place.center()) + QPointF(0, marks && &cell == &cells.front() ? 9 : 0);
        label(p, nameAt, cell.name);
    }
    if (marks) {
        const QRectF lid = t.mapRect(cells[0].place);
        const QRectF rear = t.mapRect(cells[1].place);
        dimension(p, lid.topLeft() + QPointF(0, 7), lid.topRight() + QPointF(0, 7), word("ширина", "width", english),
                  QPointF(lid.center().x(), lid.top() + 17));
        dimension(p, lid.topRight() + QPointF(12, 0), lid.bottomRight() + QPointF(12, 0),
                  word("глубина", "depth", english), QPointF(lid.right() + 40, lid.center().y()));
        dimension(p, rear.topLeft() - QPointF(12, 0), rear.bottomLeft() - QPointF(12, 0),
                  word("высота", "height", english), QPointF(rear.left() - 40, rear.center().y()));
    }
    return pixmap;
}

}  // namespace

QPixmap drawFoldingBox(QSize size, bool english) {
    return drawUnfoldedBox(size, {makeLid, makeFrontPanel, makeBottomPanel, makeSidePanel, makeFrontPanel}, true,
                           english);
}

// The simple box's rear is its front panel, its bottom its lid.
QPixmap drawSimpleBox(QSize size, bool english) {
    return drawUnfoldedBox(size, {makeLid, makeFrontPanel, makeLid, makeSimpleSidePanel, makeFrontPanel}, false,
                           english);
}

// A rectangular cut-out 20 x 8 mm as the program traces a slot, with a square part in it.
// Without relief the cutter rounds the inside corners, so the square part does not go in;
// with relief the notches let the cutter reach the corner points.
QPixmap drawCorners(QSize size, bool relief) {
    const double length = 20, width = 8, cutter = 3.175;
    const Outlines slot = drawn([&](Workbench& wb) {
        Pen pen(wb.drawing);
        pen.startInnerCut(0, 0);
        drawSlot(pen, {{0, width}, {length, 0}, Winding::CounterClockwise, true}, {relief, cutter});
    });
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    prepare(p);
    const QRectF mm = QRectF(-4, -4, length + 8, width + 8);
    const QTransform t = fitting(mm, QRectF(2, 2, size.width() - 4, size.height() - 4));
    p.fillRect(t.mapRect(mm), kMaterial);
    const double r = cutter / 2;
    QPainterPath cut;
    if (relief) {
        cut.addPolygon(slot.empty() ? QPolygonF() : slot.front());
        cut.closeSubpath();
    } else {
        cut.addRoundedRect(QRectF(0, 0, length, width), r, r);
    }
    p.setPen(QPen(kCut, 1));
    p.setBrush(kHole);
    p.drawPath(t.map(cut));
    // The square part that is to fit, dashed, and the cutter in a corner.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kMark, 1, Qt::DashLine));
    p.drawRect(t.mapRect(QRectF(0, 0, length, width)));
    p.setPen(QPen(QColor(200, 0, 0), 1));
    // Without relief the cutter touches both walls; with it, it sits in a notch and reaches the corner.
    p.drawEllipse(t.map(relief ? QPointF(r, 0) : QPointF(r, r)), r * t.m11(), r * t.m11());
    return pixmap;
}

// A side panel's lower edge joined to the bottom's wing, with or without the jumper
// that bridges the long hole of the bottom support.
QPixmap drawSupport(QSize size, bool jumper, bool english) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    prepare(p, 6);
    const double w = size.width(), h = size.height();
    // The side panel (upright), its long hole near the lower edge, the bottom passing through.
    const QRectF side(w * 0.08, 6, w * 0.84, h * 0.70);
    p.setPen(QPen(kCut, 1));
    p.setBrush(kMaterial);
    p.drawRect(side);
    const QRectF hole(side.left() + 12, side.bottom() - 22, side.width() - 24, 9);
    p.setBrush(kHole);
    if (jumper) {
        const double middle = hole.center().x();
        p.drawRect(QRectF(hole.left(), hole.top(), middle - 6 - hole.left(), hole.height()));
        p.drawRect(QRectF(middle + 6, hole.top(), hole.right() - middle - 6, hole.height()));
    } else {
        p.drawRect(hole);
    }
    p.setBrush(QColor(190, 160, 110));
    p.drawRect(QRectF(hole.left() + 3, hole.top() + 2, hole.width() - 6, 5));
    label(p, QPointF(side.center().x(), side.top() + 14), word("боковина", "side", english));
    label(p, QPointF(w / 2, h - 10),
          jumper ? word("с перемычкой", "with jumper", english) : word("без перемычки", "no jumper", english), kMark);
    return pixmap;
}

// A side panel lying on its feet: the feet edge down, standing on a floor line, its
// choice named below. A small box with a wide frame, so that at this size the feet show.
QPixmap drawFeetChoice(QSize size, Feet feet, bool english) {
    const Outlines side = transformed(drawn(makeSidePanel,
                                            [feet](Workbench& wb) {
                                                wb.boxTable.setValue(MainRow::Thickness, "6");
                                                wb.boxTable.setValue(MainRow::Height, "30");
                                                wb.boxTable.setValue(MainRow::Depth, "50");
                                                wb.boxTable.setValue(MainRow::FrameMargin, "10");
                                                wb.boxTable.setValue(MainRow::TabHeight, "6");
                                                wb.options.feet = feet;
                                            }),
                                      QTransform().rotate(-90));
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    prepare(p, 5);
    const QRectF cell(4, 2, size.width() - 8, size.height() - 16);
    const QRectF mm = boundsOf(side);
    if (!mm.isEmpty()) {
        // Every choice at the scale of its length, which is the same for all, bottom on the floor.
        const double scale = std::min(cell.width() / mm.width(), cell.height() / mm.height());
        QTransform t;
        t.translate(cell.center().x() - scale * mm.center().x(), cell.bottom() + scale * mm.top());
        t.scale(scale, -scale);
        paintPanel(p, side, t, 0.8);
    }
    p.setPen(QPen(kMark, 1));
    p.drawLine(QPointF(1, cell.bottom() + 0.5), QPointF(size.width() - 1, cell.bottom() + 0.5));
    const QString name = feet == Feet::None ? word("Нет", "No", english) : QString::fromUtf8(feetText(feet));
    label(p, QPointF(cell.center().x(), size.height() - 6), name, kMark);
    return pixmap;
}

// The radios stand right to left (2 · 1 · No); each choice's picture stands under its radio.
QPixmap drawFeet(QSize size, bool english) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    const int width = size.width() / 3;
    for (const Feet feet : {Feet::None, Feet::One, Feet::Two}) {
        p.drawPixmap((2 - static_cast<int>(feet)) * width, 0, drawFeetChoice({width, size.height()}, feet, english));
    }
    return pixmap;
}

// An edge with a tab and the gap beside it, cut from a sheet of the material.
QPixmap drawTabAndGap(QSize size, bool english) {
    const double tab = 25, gap = 25, thickness = 5, end = 12.5;
    const Outlines edge = drawn([&](Workbench& wb) {
        Pen pen(wb.drawing);
        pen.startOuterCut(0, 0);
        drawToothedEdge(pen, {{1, 0}, {0, 1}, end, tab, gap, 2, thickness}, Relief{});
        pen.lineTo(0, -14);
        pen.lineTo(-(2 * end + 2 * tab + gap), 0);
        pen.lineTo(0, 14);
    });
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    prepare(p);
    const QRectF mm(-6, -16, 2 * end + 2 * tab + gap + 12, thickness + 24);
    const QTransform t = fitting(mm, QRectF(4, 4, size.width() - 8, size.height() - 8));
    paintPanel(p, edge, t, 1.2);
    const QPointF tabTop = t.map(QPointF(end + tab / 2, thickness));
    label(p, t.map(QPointF(end + tab / 2, thickness / 2)) + QPointF(0, 0), word("ЗУБ", "TAB", english));
    dimension(p, t.map(QPointF(end, thickness + 3)), t.map(QPointF(end + tab, thickness + 3)), "",
              tabTop - QPointF(0, 30));
    dimension(p, t.map(QPointF(end + tab, thickness + 3)), t.map(QPointF(end + tab + gap, thickness + 3)),
              word("пропуск", "gap", english), t.map(QPointF(end + tab + gap / 2, thickness + 7)));
    dimension(p, t.map(QPointF(2 * end + 2 * tab + gap + 3, -14)), t.map(QPointF(2 * end + 2 * tab + gap + 3, 0)), "",
              {});
    label(p, t.map(QPointF(end + tab + gap / 2, -7)), word("материал", "material", english));
    return pixmap;
}

// The spiral of straight steps as the program makes it, and the same spiral smoothed.
QPixmap drawSpiral(QSize size, bool english) {
    const Outlines steps = drawn([](Workbench& wb) {
        wb.spiralTable.setValue(SpiralRow::StepAngle, "30");
        wb.spiralTable.setValue(SpiralRow::Turns, "4");
        makeSpiral(wb);
    });
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    prepare(p, 8);
    if (steps.empty()) {
        return pixmap;
    }
    const QPolygonF& path = steps.front();
    const QRectF bounds = boundsOf(steps).adjusted(-3, -3, 3, 3);
    const QTransform left = fitting(bounds, QRectF(10, 8, 240, 180));
    const QTransform right = fitting(bounds, QRectF(335, 8, 240, 180));
    p.setPen(QPen(kCut, 1.2));
    p.drawPolyline(left.map(path));
    for (const QPointF& point : left.map(path)) {
        p.drawEllipse(point, 1.3, 1.3);
    }
    // Smoothed: a curve through the midpoints of the steps.
    QPainterPath smooth;
    const QPolygonF mapped = right.map(path);
    smooth.moveTo(mapped.front());
    for (qsizetype i = 1; i + 1 < mapped.size(); ++i) {
        smooth.quadTo(mapped[i], (mapped[i] + mapped[i + 1]) / 2);
    }
    smooth.lineTo(mapped.back());
    p.setBrush(Qt::NoBrush);
    p.drawPath(smooth);
    // Marks: the start radius R, the step angle Fi, the turn step St.
    const QPointF centre = left.map(QPointF(0, 0));
    const QPointF start = left.map(path.size() > 1 ? path[1] : path.front());
    dimension(p, centre, start, "", {});
    label(p, (centre + start) / 2 + QPointF(10, 0), "R", kMark);
    label(p, centre + QPointF(-14, -10), "Fi", kMark);
    label(p, QPointF(left.map(bounds.topRight()).x() + 8, centre.y() - 30), "St", kMark);
    // The arrow between the two.
    p.setPen(QPen(kMark, 2));
    p.drawLine(QPointF(262, 98), QPointF(318, 98));
    p.setBrush(kMark);
    p.drawPolygon(QPolygonF({QPointF(324, 98), QPointF(312, 92), QPointF(312, 104)}));
    p.setPen(kCut);
    p.drawText(QRectF(0, 192, size.width(), 48), Qt::AlignCenter | Qt::TextWordWrap,
               word("Сгладьте векторы в редакторе (ArtCAM: «Сгладить»).",
                    "Smooth the vectors in your editor (ArtCAM: \"Smooth\").", english));
    return pixmap;
}

}  // namespace tessaro::gui
