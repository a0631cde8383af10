// The cut-outs list: every line kind read and written back, every bad line refused with
// its reason, and the curves cut finely enough.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "drawing/shapes.h"
#include "model/face_cutouts.h"

namespace tessaro {
namespace {

std::string errorOf(std::string_view line) {
    try {
        (void)parseCutoutLine(line);
    } catch (const CutoutLineError& e) {
        return e.what();
    }
    return "accepted";
}

TEST(CutoutLines, EveryKindReadsBackFromTheLineItIsWrittenAs) {
    const char* lines[] = {
        "cutout front,circle,30,20,12",    "cutout rear,rect,50.5,40,60,25",     "cutout lid,rect,50,40,60,25,3",
        "cutout left,slot,20,30,4,18",     "cutout bottom,circle,10,10,3.2",     "vent right,slots,55,50,40,30,6,3",
        "vent lid,holes,100,55,50,40,7,5", "label front,100,12,5,ПИТАНИЕ, 12 V",
    };
    for (const char* line : lines) {
        const FaceCutout cutout = parseCutoutLine(line);
        EXPECT_EQ(cutoutLine(cutout), line);
        EXPECT_EQ(parseCutoutLine(cutoutLine(cutout)), cutout) << line;
    }
}

TEST(CutoutLines, TheFieldsAreTyped) {
    const FaceCutout rear = parseCutoutLine("cutout rear,rect,30,20,40,10,2");
    EXPECT_EQ(rear.face, BoxFace::Rear);
    EXPECT_EQ(rear.centre, (Point{30, 20}));
    EXPECT_EQ(std::get<RectangleCut>(rear.shape), (RectangleCut{40, 10, 2}));
    // A vent without pitch and size takes the usual ones.
    const Vent vent = std::get<Vent>(parseCutoutLine("vent lid,holes,50,40,30,20").shape);
    EXPECT_GT(vent.pitch - vent.size, kLeastBar - 1e-12);
    const EngravedLabel label = std::get<EngravedLabel>(parseCutoutLine("label lid,50,40,6, a,b ").shape);
    EXPECT_EQ(label.text, "a,b");
    EXPECT_EQ(label.capitalHeight, 6);
}

TEST(CutoutLines, ABadLineSaysWhatIsWrong) {
    const std::pair<const char*, const char*> bad[] = {
        {"cutout top,circle,1,2,3", "unknown face \"top\""},
        {"cutout front,oval,1,2,3", "unknown shape \"oval\""},
        {"vent front,grid,1,2,3,4", "unknown vent pattern \"grid\""},
        {"hole front,circle,1,2,3", "begins with cutout, vent or label"},
        {"cutout front,circle,1,2,0", "the diameter must be more than 0"},
        {"cutout front,rect,1,2,-3,4", "the width must be more than 0"},
        {"cutout front,slot,1,2,3", "slot takes X,Y,LENGTH,WIDTH, not 3 numbers"},
        {"cutout front,circle,1,2,3,4", "circle takes X,Y,DIAMETER, not 4 numbers"},
        {"cutout front,rect,1,2,3,4,5,6", "not 6 numbers"},
        {"cutout front", "cutout takes FACE,SHAPE"},
        {"cutout front,circle,1,2,1e999", "'1e999' is not a valid floating point value"},
        {"cutout front,circle,x,2,3", "X: 'x' is not a valid floating point value"},
        {"cutout front,circle,1,2,nan", "is not a valid floating point value"},
        {"cutout front,circle,1,2,2e6", "beyond a kilometre"},
        {"cutout front,rect,1,2,10,4,3", "corner radius is more than half"},
        {"vent front,slots,1,2,30,20,3,3", "pitch must exceed the size by at least 1 mm"},
        {"vent front,holes,1,2,30,20,5,6", "pitch must exceed the size"},
        {"vent front,holes,1,2,3,20,6,4", "smaller than one opening"},
        {"vent front,holes,1,2,3000,2000,1.2,0.1", "more than 10000 openings"},
        {"vent front,holes,1,2,30,20,7", "not 5 numbers"},
        {"label front,1,2,5,", "the label has no text"},
        {"label front,1,2,5,  ", "the label has no text"},
        {"label front,1,2,5,a\tb", "control character"},
        {"label front,1,2,5,a\x1b[2Jb", "control character"},
        {"label front,1,2,5,caf\xe9", "not UTF-8"},
        {"label front,1,2,0,text", "the height must be more than 0"},
        // Sizes the files would write as nothing, and labels that would engrave only "?".
        {"cutout front,circle,1,2,1e-300", "the diameter 1e-300 is less than 0.000001 mm, the finest size drawn"},
        {"cutout front,slot,1,2,3,0.0000009", "the width 0.0000009 is less than 0.000001 mm"},
        {"cutout front,rect,1,2,1e-7,4", "the width 1e-7 is less than 0.000001 mm"},
        {"cutout front,rect,1,2,3,4,1e-300", "the corner radius 1e-300 is less than 0.000001 mm"},
        {"label front,1,2,1e-300,text", "the height 1e-300 is less than 0.000001 mm"},
        {"label front,1,2,5,\u00a0\u3000\u2003", "the label has no text"},
        {"label front,1,2,5,\u200b\ufeff\u00ad", "the label has no text"},
        {"label front,1,2,5", "label takes FACE,X,Y,HEIGHT,TEXT"},
    };
    for (const auto& [line, reason] : bad) {
        EXPECT_NE(errorOf(line).find(reason), std::string::npos) << line << " -> " << errorOf(line);
    }
    EXPECT_NE(errorOf("label front,1,2,5," + std::string(201, 'A')).find("longer than 200"), std::string::npos);
}

TEST(CutoutLists, ReadLinesSkipCommentsAndNameTheBadLine) {
    const std::vector<FaceCutout> list = parseCutoutList(
        "# the display\r\ncutout front,rect,100,60,70,25,2\r\n\n   # power\ncutout rear,circle,30,20,12\nlabel "
        "rear,30,8,4,Вход");
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[2].face, BoxFace::Rear);
    const auto failure = [](std::string_view text) {
        try {
            (void)parseCutoutList(text);
        } catch (const CutoutLineError& e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(failure("cutout front,circle,1,2,3\n#\ncutout front,circle,1,2\n"),
              "line 3: circle takes X,Y,DIAMETER, not 2 numbers");
    EXPECT_EQ(failure("# ok\n# caf\xe9\n"), "line 2: not UTF-8");
    EXPECT_EQ(failure("cutout front,circle,1,2,3\ncutout front,circle,1,\xff,3\n"), "line 2: not UTF-8");
    // A byte order mark, as Windows editors begin a file, is no part of its first line; one
    // anywhere else is.
    const std::string mark = "\xEF\xBB\xBF";
    EXPECT_EQ(parseCutoutList(mark + "cutout front,rect,100,60,70,25,2\r\nlabel rear,30,8,4,Вход"),
              (std::vector{list[0], list[2]}));
    EXPECT_EQ(parseCutoutList(mark + "# a comment\n"), std::vector<FaceCutout>{});
    EXPECT_EQ(failure(mark + mark + "cutout front,circle,1,2,3\n").substr(0, 8), "line 1: ");
    EXPECT_EQ(failure("cutout front,circle,1,2,3\n" + mark + "cutout front,circle,1,2,3\n").substr(0, 8), "line 2: ");
    // The smallest size the files keep is drawn.
    EXPECT_EQ(parseCutoutList("cutout front,circle,1,2,0.000001").size(), 1u);
}

// Every segment of a cut curve stays within the chord error of the true circle, from a
// screw hole to a fan opening.
TEST(CutCurves, ACircleStraysLessThanTheChordError) {
    for (const double diameter : {0.5, 3.0, 12.0, 80.0, 400.0}) {
        const Point c{7, -3};
        const std::vector<Point> outline = circleOutline(c, diameter);
        ASSERT_EQ(outline.front(), outline.back());
        double area = 0;
        for (std::size_t i = 1; i < outline.size(); ++i) {
            const Point a = outline[i - 1];
            const Point b = outline[i];
            EXPECT_NEAR(std::hypot(b.x - c.x, b.y - c.y), diameter / 2, 1e-9);
            const double middle = std::hypot((a.x + b.x) / 2 - c.x, (a.y + b.y) / 2 - c.y);
            EXPECT_LE(diameter / 2 - middle, kLargestChordError) << diameter;
            area += (a.x - c.x) * (b.y - c.y) - (b.x - c.x) * (a.y - c.y);
        }
        EXPECT_GT(area, 0) << "counterclockwise";
    }
}

TEST(CutCurves, ARoundedRectangleKeepsItsSizeAndASlotIsRoundAtItsShortEnds) {
    const Extent rect = extentOf(roundedRectangleOutline({10, 20}, 40, 16, 3));
    EXPECT_NEAR(rect.minX, -10, 1e-9);
    EXPECT_NEAR(rect.maxX, 30, 1e-9);
    EXPECT_NEAR(rect.minY, 12, 1e-9);
    EXPECT_NEAR(rect.maxY, 28, 1e-9);
    const std::vector<Point> upright = roundedSlotOutline({0, 0}, 4, 18);
    const Extent slot = extentOf(upright);
    EXPECT_NEAR(slot.maxX - slot.minX, 4, 1e-9);
    EXPECT_NEAR(slot.maxY - slot.minY, 18, 1e-9);
    for (const Point p : upright) {
        // Within the round ends every point is a radius from its end's centre.
        if (std::abs(p.y) > 7 + 1e-9) {
            EXPECT_NEAR(std::hypot(p.x, std::abs(p.y) - 7), 2, 1e-9);
        }
    }
    for (std::size_t i = 1; i < upright.size(); ++i) {
        EXPECT_GT(std::hypot(upright[i].x - upright[i - 1].x, upright[i].y - upright[i - 1].y), 1e-9) << "no repeats";
    }
}

}  // namespace
}  // namespace tessaro
