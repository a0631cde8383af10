#include "output/dxf2000_writer.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "drawing/cutting_order.h"
#include "drawing/drawing_error.h"
#include "output/layer_colours.h"
#include "output/number_text.h"

namespace tessaro {
namespace {

// Every object but the polylines has a fixed handle; the polylines follow from kFirstEntity.
enum Handle : unsigned {
    kVportTable = 1,
    kActiveVport,
    kLtypeTable,
    kByBlock,
    kByLayer,
    kContinuous,
    kLayerTable,
    kLayerZero,
    kLayerInner,
    kLayerOuter,
    kLayerEngrave,
    kStyleTable,
    kStandardStyle,
    kViewTable,
    kUcsTable,
    kAppidTable,
    kAcadAppid,
    kDimstyleTable,
    kStandardDimstyle,
    kBlockRecordTable,
    kModelSpaceRecord,
    kPaperSpaceRecord,
    kModelSpaceBlock,
    kModelSpaceEnd,
    kPaperSpaceBlock,
    kPaperSpaceEnd,
    kRootDictionary,
    kGroupDictionary,
    kFirstEntity,
};

// The operations, in the order their layers are declared.
constexpr std::array kLayerRoles = {std::pair{OutlineRole::InnerCut, kLayerInner},
                                    std::pair{OutlineRole::OuterCut, kLayerOuter},
                                    std::pair{OutlineRole::Engrave, kLayerEngrave}};

// Handles are upper-case hexadecimal, as AutoCAD writes them.
std::string hex(unsigned handle) {
    std::array<char, 16> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), handle, 16).ptr;
    std::string upper(text.data(), end);
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return upper;
}

// A group: its code right-aligned in three characters, then its value.
class Tags {
public:
    explicit Tags(LineSink& out) : out_(out) {}
    void operator()(int code, std::string_view value) {
        code_ = std::to_string(code);
        code_.insert(0, code_.size() < 3 ? 3 - code_.size() : 0, ' ');
        out_.line(code_);
        out_.line(value);
    }
    void operator()(int code, int value) { (*this)(code, std::string_view(std::to_string(value))); }
    void handle(int code, unsigned value) { (*this)(code, std::string_view(hex(value))); }
    void real(int code, double value) {
        if (!std::isfinite(value)) {
            throw DrawingError("The drawing is too large to be written as DXF");
        }
        (*this)(code, std::string_view(fixedText(value, 6, TrailingZeros::Dropped)));
    }
    void point(int code, Point p) {
        real(code, p.x);
        real(code + 10, p.y);
    }
    void point3(int code, Point p) {
        point(code, p);
        real(code + 20, 0);
    }

private:
    LineSink& out_;
    std::string code_;
};

void header(Tags& tag, const Extent& extent, unsigned handleSeed) {
    tag(0, "SECTION");
    tag(2, "HEADER");
    tag(9, "$ACADVER");
    tag(1, "AC1015");
    tag(9, "$DWGCODEPAGE");
    tag(3, "ANSI_1251");
    tag(9, "$INSBASE");
    tag.point3(10, {});
    tag(9, "$EXTMIN");
    tag.point3(10, extent.empty ? Point{} : Point{extent.minX, extent.minY});
    tag(9, "$EXTMAX");
    tag.point3(10, extent.empty ? Point{} : Point{extent.maxX, extent.maxY});
    tag(9, "$INSUNITS");
    tag(70, 4);
    tag(9, "$MEASUREMENT");
    tag(70, 1);
    tag(9, "$HANDSEED");
    tag.handle(5, handleSeed);
    tag(0, "ENDSEC");
    tag(0, "SECTION");
    tag(2, "CLASSES");
    tag(0, "ENDSEC");
}

void beginTable(Tags& tag, std::string_view name, unsigned handle, int entries) {
    tag(0, "TABLE");
    tag(2, name);
    tag.handle(5, handle);
    tag.handle(330, 0);
    tag(100, "AcDbSymbolTable");
    tag(70, entries);
}

void beginRecord(Tags& tag, std::string_view type, unsigned handle, unsigned table, std::string_view subclass) {
    tag(0, type);
    tag.handle(type == "DIMSTYLE" ? 105 : 5, handle);
    tag.handle(330, table);
    tag(100, "AcDbSymbolTableRecord");
    tag(100, subclass);
}

// The view AutoCAD opens with: the whole drawing, with a tenth to spare.
void viewportTable(Tags& tag, const Extent& extent) {
    beginTable(tag, "VPORT", kVportTable, 1);
    beginRecord(tag, "VPORT", kActiveVport, kVportTable, "AcDbViewportTableRecord");
    tag(2, "*Active");
    tag(70, 0);
    tag.point(10, {0, 0});
    tag.point(11, {1, 1});
    const bool empty = extent.empty;
    tag.point(12, empty ? Point{} : Point{(extent.minX + extent.maxX) / 2, (extent.minY + extent.maxY) / 2});
    constexpr double kSpare = 1.1;
    const double height = empty ? 1 : std::max({extent.height(), extent.width() / 1.5, 1.0}) * kSpare;
    tag.real(40, height);
    tag.real(41, 1.5);
    tag(0, "ENDTAB");
}

void linetypeTable(Tags& tag) {
    beginTable(tag, "LTYPE", kLtypeTable, 3);
    for (const auto& [handle, name] :
         {std::pair{kByBlock, "ByBlock"}, std::pair{kByLayer, "ByLayer"}, std::pair{kContinuous, "Continuous"}}) {
        beginRecord(tag, "LTYPE", handle, kLtypeTable, "AcDbLinetypeTableRecord");
        tag(2, name);
        tag(70, 0);
        tag(3, name == std::string_view("Continuous") ? "Solid line" : "");
        tag(72, 65);
        tag(73, 0);
        tag.real(40, 0);
    }
    tag(0, "ENDTAB");
}

void layer(Tags& tag, unsigned handle, std::string_view name, int colour) {
    beginRecord(tag, "LAYER", handle, kLayerTable, "AcDbLayerTableRecord");
    tag(2, name);
    tag(70, 0);
    tag(62, colour);
    tag(6, "Continuous");
}

void layerTable(Tags& tag) {
    beginTable(tag, "LAYER", kLayerTable, 1 + static_cast<int>(kLayerRoles.size()));
    layer(tag, kLayerZero, "0", 7);
    for (const auto& [role, handle] : kLayerRoles) {
        layer(tag, handle, layerOf(role).name, layerOf(role).aci);
    }
    tag(0, "ENDTAB");
}

// A table of one record, named `name`, whose other groups `fields` writes.
template <typename Fields>
void oneRecordTable(Tags& tag, std::string_view type, unsigned table, unsigned record, std::string_view subclass,
                    std::string_view name, Fields fields) {
    beginTable(tag, type, table, 1);
    if (type == "DIMSTYLE") {
        tag(100, "AcDbDimStyleTable");
    }
    beginRecord(tag, type, record, table, subclass);
    tag(2, name);
    tag(70, 0);
    fields();
    tag(0, "ENDTAB");
}

void styleTable(Tags& tag) {
    oneRecordTable(tag, "STYLE", kStyleTable, kStandardStyle, "AcDbTextStyleTableRecord", "Standard", [&] {
        tag.real(40, 0);
        tag.real(41, 1);
        tag.real(50, 0);
        tag(71, 0);
        tag.real(42, 2.5);
        tag(3, "txt");
        tag(4, "");
    });
}

void blockRecordTable(Tags& tag) {
    beginTable(tag, "BLOCK_RECORD", kBlockRecordTable, 2);
    for (const auto& [handle, name] :
         {std::pair{kModelSpaceRecord, "*Model_Space"}, std::pair{kPaperSpaceRecord, "*Paper_Space"}}) {
        beginRecord(tag, "BLOCK_RECORD", handle, kBlockRecordTable, "AcDbBlockTableRecord");
        tag(2, name);
    }
    tag(0, "ENDTAB");
}

void tables(Tags& tag, const Extent& extent) {
    tag(0, "SECTION");
    tag(2, "TABLES");
    viewportTable(tag, extent);
    linetypeTable(tag);
    layerTable(tag);
    styleTable(tag);
    beginTable(tag, "VIEW", kViewTable, 0);
    tag(0, "ENDTAB");
    beginTable(tag, "UCS", kUcsTable, 0);
    tag(0, "ENDTAB");
    oneRecordTable(tag, "APPID", kAppidTable, kAcadAppid, "AcDbRegAppTableRecord", "ACAD", [] {});
    oneRecordTable(tag, "DIMSTYLE", kDimstyleTable, kStandardDimstyle, "AcDbDimStyleTableRecord", "Standard", [] {});
    blockRecordTable(tag);
    tag(0, "ENDSEC");
}

// An entity's common groups up to its own subclass.
void beginEntity(Tags& tag, std::string_view type, unsigned handle, unsigned owner, std::string_view layer,
                 bool onPaper = false) {
    tag(0, type);
    tag.handle(5, handle);
    tag.handle(330, owner);
    tag(100, "AcDbEntity");
    if (onPaper) {
        tag(67, 1);
    }
    tag(8, layer);
}

// The two layouts' blocks, empty: what is drawn lies in the ENTITIES section.
void blocks(Tags& tag) {
    tag(0, "SECTION");
    tag(2, "BLOCKS");
    for (const auto& [record, begin, end, name] :
         {std::tuple{kModelSpaceRecord, kModelSpaceBlock, kModelSpaceEnd, "*Model_Space"},
          std::tuple{kPaperSpaceRecord, kPaperSpaceBlock, kPaperSpaceEnd, "*Paper_Space"}}) {
        const bool paper = record == kPaperSpaceRecord;
        beginEntity(tag, "BLOCK", begin, record, "0", paper);
        tag(100, "AcDbBlockBegin");
        tag(2, name);
        tag(70, 0);
        tag.point3(10, {});
        tag(3, name);
        tag(1, "");
        beginEntity(tag, "ENDBLK", end, record, "0", paper);
        tag(100, "AcDbBlockEnd");
    }
    tag(0, "ENDSEC");
}

void polyline(Tags& tag, OutlineReading& outline, unsigned handle) {
    const bool closed = outline.closed();
    const std::size_t vertices = closed ? outline.size() - 1 : outline.size();
    beginEntity(tag, "LWPOLYLINE", handle, kModelSpaceRecord, layerOf(outline.role()).name);
    tag(100, "AcDbPolyline");
    tag(90, std::string_view(std::to_string(vertices)));
    tag(70, closed ? 1 : 0);
    std::size_t count = 0;
    for (auto point = outline.begin(); count < vertices; ++point, ++count) {
        tag.point(10, *point);
    }
}

void objects(Tags& tag) {
    tag(0, "SECTION");
    tag(2, "OBJECTS");
    tag(0, "DICTIONARY");
    tag.handle(5, kRootDictionary);
    tag.handle(330, 0);
    tag(100, "AcDbDictionary");
    tag(281, 1);
    tag(3, "ACAD_GROUP");
    tag.handle(350, kGroupDictionary);
    tag(0, "DICTIONARY");
    tag.handle(5, kGroupDictionary);
    tag.handle(330, kRootDictionary);
    tag(100, "AcDbDictionary");
    tag(281, 1);
    tag(0, "ENDSEC");
}

bool written(const OutlineReading& outline) { return outline.role() != OutlineRole::Mark; }

}  // namespace

void writeDxf2000(const Drawing& drawing, LineSink& out) {
    unsigned polylines = 0;
    for (std::size_t i = 0; i < drawing.outlineCount(); ++i) {
        polylines += written(drawing.reading(i)) ? 1 : 0;
    }
    Tags tag(out);
    header(tag, drawing.extent(), kFirstEntity + polylines);
    tables(tag, drawing.extent());
    blocks(tag);
    tag(0, "SECTION");
    tag(2, "ENTITIES");
    unsigned handle = kFirstEntity;
    for (std::size_t part = 0; part < drawing.partCount(); ++part) {
        for (const std::size_t o : cuttingOrder(drawing, part)) {
            OutlineReading outline = drawing.reading(o);
            if (written(outline)) {
                polyline(tag, outline, handle++);
            }
        }
    }
    tag(0, "ENDSEC");
    objects(tag);
    tag(0, "EOF");
}

}  // namespace tessaro
