#include "nesting/nfp_placement.h"

#include <libnest2d/libnest2d.hpp>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <optional>
#include <tuple>
#include <utility>

namespace tessaro {

// The library turns a shape by a sine and a cosine cut down to whole units, which moves a
// point by a unit now and then. The no-fit polygons are made of the shapes turned exactly,
// so a piece is placed as it is and not as the library turned it; and since the sum of two
// shapes turned alike is their sum turned, one sum serves a pair in all its turns.
struct NoFitPolygons::Store {
    // The shapes as the placer was given them, identical pieces once.
    std::vector<ClipperLib::Path> shapes;
    // A shape as the library turns it, moved to start at the origin: which shape, its
    // turn, and where its first point was.
    struct Turned {
        std::size_t shape;
        int quarterTurns;
        ClipperLib::IntPoint start;
    };
    std::map<std::vector<ClipperLib::cInt>, Turned> turnedShapes;
    // Stationary shape, orbiting shape, the orbiter's turn less the stationary one's: the
    // sum of the stationary shape unturned and the orbiter so turned and mirrored.
    std::map<std::tuple<std::size_t, std::size_t, int>, ClipperLib::Path> sums;
};

NoFitPolygons::NoFitPolygons() : store_(std::make_unique<Store>()) {}
NoFitPolygons::~NoFitPolygons() = default;

namespace {

// The library asks for no-fit polygons through a function object it makes itself, so the
// store of the placement under way is reached through this thread's pointer.
thread_local NoFitPolygons::Store* currentStore = nullptr;

constexpr double kQuarterTurn = 1.5707963267948966;

class StoreInUse {
public:
    explicit StoreInUse(NoFitPolygons::Store& store) { currentStore = &store; }
    ~StoreInUse() { currentStore = nullptr; }
    StoreInUse(const StoreInUse&) = delete;
    StoreInUse& operator=(const StoreInUse&) = delete;
};

// Quarter turns counterclockwise about the origin, exact in whole units.
ClipperLib::Path turned(ClipperLib::Path path, int quarterTurns) {
    for (ClipperLib::IntPoint& p : path) {
        for (int turn = 0; turn < quarterTurns; ++turn) {
            p = {-p.Y, p.X};
        }
    }
    return path;
}

ClipperLib::Path movedBy(ClipperLib::Path path, ClipperLib::IntPoint offset) {
    for (ClipperLib::IntPoint& p : path) {
        p.X += offset.X;
        p.Y += offset.Y;
    }
    return path;
}

std::vector<ClipperLib::cInt> keyFromFirstPoint(const ClipperLib::Path& path) {
    std::vector<ClipperLib::cInt> key;
    for (const ClipperLib::IntPoint& p : path) {
        key.push_back(p.X - path.front().X);
        key.push_back(p.Y - path.front().Y);
    }
    return key;
}

// The outer outline of the Minkowski sum of the stationary outline and the mirrored
// orbiting one; its holes are where the orbiter would sit inside the stationary piece.
ClipperLib::Path minkowskiOutline(const ClipperLib::Path& stationary, const ClipperLib::Path& orbiter) {
    ClipperLib::Path mirrored;
    for (const ClipperLib::IntPoint& p : orbiter) {
        mirrored.push_back({-p.X, -p.Y});
    }
    ClipperLib::Paths sums;
    ClipperLib::MinkowskiSum(mirrored, stationary, sums, true);
    ClipperLib::Path outline;
    double largest = 0;
    for (const ClipperLib::Path& path : sums) {
        if (std::abs(ClipperLib::Area(path)) > largest) {
            largest = std::abs(ClipperLib::Area(path));
            outline = path;
        }
    }
    return outline;
}

// A placed shape as the store knows it: which shape, its turn and its offset.
struct Known {
    std::size_t shape;
    int quarterTurns;
    ClipperLib::IntPoint offset;
};

std::optional<Known> knownShape(const NoFitPolygons::Store& store, const ClipperLib::Path& placed) {
    const auto found = store.turnedShapes.find(keyFromFirstPoint(placed));
    if (found == store.turnedShapes.end()) {
        return std::nullopt;
    }
    const NoFitPolygons::Store::Turned& turn = found->second;
    return Known{turn.shape, turn.quarterTurns, {placed.front().X - turn.start.X, placed.front().Y - turn.start.Y}};
}

// The sum of the shapes where they are, turned exactly.
ClipperLib::Path noFitOutline(const ClipperLib::Path& stationary, const ClipperLib::Path& orbiter) {
    if (stationary.empty() || orbiter.empty()) {
        return {};
    }
    const std::optional<Known> fixed = currentStore ? knownShape(*currentStore, stationary) : std::nullopt;
    const std::optional<Known> moving = currentStore ? knownShape(*currentStore, orbiter) : std::nullopt;
    if (!fixed || !moving) {
        return minkowskiOutline(stationary, orbiter);
    }
    const int relativeTurns = (moving->quarterTurns - fixed->quarterTurns + 4) % 4;
    const auto [at, added] = currentStore->sums.try_emplace({fixed->shape, moving->shape, relativeTurns});
    if (added) {
        at->second = minkowskiOutline(currentStore->shapes[fixed->shape],
                                      turned(currentStore->shapes[moving->shape], relativeTurns));
    }
    return movedBy(turned(at->second, fixed->quarterTurns),
                   {fixed->offset.X - moving->offset.X, fixed->offset.Y - moving->offset.Y});
}

// Makes the shape and its turns known to the store, as the library will turn them.
void addShape(NoFitPolygons::Store& store, const ClipperLib::Path& shape, const std::vector<double>& rotations) {
    std::size_t index = std::find(store.shapes.begin(), store.shapes.end(), shape) - store.shapes.begin();
    if (index == store.shapes.size()) {
        store.shapes.push_back(shape);
    }
    for (const double rotation : rotations) {
        libnest2d::PolygonImpl asTurned;
        asTurned.Contour = shape;
        libnest2d::shapelike::rotate(asTurned, libnest2d::Radians(rotation));
        const int quarterTurns = static_cast<int>(std::lround(rotation / kQuarterTurn)) % 4;
        store.turnedShapes.try_emplace(keyFromFirstPoint(asTurned.Contour),
                                       NoFitPolygons::Store::Turned{index, quarterTurns, asTurned.Contour.front()});
    }
}

}  // namespace
}  // namespace tessaro

// The library's no-fit polygons are right for convex shapes only, and it has no other.
// Here every pair gets the exact one, the Minkowski sum of the stationary outline and the
// mirrored orbiting one, so a piece may reach into another's notch.
namespace libnest2d::nfp {

template <>
struct MaxNfpLevel<PolygonImpl> {
    static const NfpLevel value = NfpLevel::BOTH_CONCAVE;
};

template <NfpLevel level>
struct NfpImpl<PolygonImpl, level> {
    NfpResult<PolygonImpl> operator()(const PolygonImpl& stationary, const PolygonImpl& orbiter) {
        PolygonImpl nfp;
        nfp.Contour = tessaro::noFitOutline(stationary.Contour, orbiter.Contour);
        if (ClipperLib::Orientation(nfp.Contour)) {
            ClipperLib::ReversePath(nfp.Contour);
        }
        if (!nfp.Contour.empty()) {
            nfp.Contour.push_back(nfp.Contour.front());
        }
        // The placer moves the orbiter by its top right vertex and puts the polygon where that
        // vertex is when the orbiter's bottom left touches the stationary piece's top right.
        const PointImpl reference = rightmostUpVertex(orbiter);
        shapelike::translate(nfp, reference);
        return {nfp, reference + rightmostUpVertex(stationary) - leftmostDownVertex(orbiter)};
    }
};

}  // namespace libnest2d::nfp

namespace tessaro {
namespace {

// An outline that crosses itself has no inside the no-fit polygons could keep apart.
bool isSimple(const ClipperLib::Path& contour) {
    ClipperLib::Paths simple;
    ClipperLib::SimplifyPolygon(contour, simple);
    return simple.size() == 1 && std::abs(ClipperLib::Area(simple.front())) == std::abs(ClipperLib::Area(contour));
}

// Every point within `by` of the outline: mitred corners hold them all, and where a sharp
// corner's mitre reaches further than `by` past the outline's extent it is cut back to
// it, so a piece takes no more room than its size and the gap.
ClipperLib::Path grownBy(const ClipperLib::Path& outline, ClipperLib::cInt by) {
    ClipperLib::ClipperOffset offset;
    offset.AddPath(outline, ClipperLib::jtMiter, ClipperLib::etClosedPolygon);
    ClipperLib::Paths mitred;
    offset.Execute(mitred, static_cast<double>(by));
    const auto [left, right] =
        std::minmax_element(outline.begin(), outline.end(), [](const auto& a, const auto& b) { return a.X < b.X; });
    const auto [bottom, top] =
        std::minmax_element(outline.begin(), outline.end(), [](const auto& a, const auto& b) { return a.Y < b.Y; });
    const ClipperLib::Path frame{{left->X - by, bottom->Y - by},
                                 {right->X + by, bottom->Y - by},
                                 {right->X + by, top->Y + by},
                                 {left->X - by, top->Y + by}};
    ClipperLib::Clipper clipper;
    clipper.AddPaths(mitred, ClipperLib::ptSubject, true);
    clipper.AddPath(frame, ClipperLib::ptClip, true);
    ClipperLib::Paths grown;
    clipper.Execute(ClipperLib::ctIntersection, grown, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    const auto largest = std::max_element(grown.begin(), grown.end(), [](const auto& a, const auto& b) {
        return std::abs(ClipperLib::Area(a)) < std::abs(ClipperLib::Area(b));
    });
    return largest == grown.end() ? outline : *largest;
}

libnest2d::Item itemOf(const std::vector<UnitPoint>& outline, NestedBy nestedBy, ClipperLib::cInt growth) {
    libnest2d::PolygonImpl shape;
    for (const UnitPoint p : outline) {
        shape.Contour.push_back({p.x, p.y});
    }
    if (shape.Contour.front() != shape.Contour.back()) {
        shape.Contour.push_back(shape.Contour.front());
    }
    if (nestedBy == NestedBy::ConvexHulls || !isSimple(shape.Contour)) {
        shape = libnest2d::shapelike::convexHull(shape);
    }
    shape.Contour = grownBy(shape.Contour, growth);
    // The library takes its outlines clockwise and closed.
    if (ClipperLib::Orientation(shape.Contour)) {
        ClipperLib::ReversePath(shape.Contour);
    }
    shape.Contour.push_back(shape.Contour.front());
    return libnest2d::Item(shape);
}

double measureOf(const libnest2d::Item& item, PieceOrder order) {
    const double height = static_cast<double>(item.boundingBox().height());
    return order == PieceOrder::ByHeight ? height : std::abs(static_cast<double>(item.area()));
}

// The library takes the pieces by priority, so each gets its rank in the order: equal
// measures keep the drawing's order.
void setPriorities(std::vector<libnest2d::Item>& items, PieceOrder order) {
    std::vector<std::size_t> ranked(items.size());
    std::iota(ranked.begin(), ranked.end(), 0);
    std::stable_sort(ranked.begin(), ranked.end(), [&](std::size_t a, std::size_t b) {
        return measureOf(items[a], order) > measureOf(items[b], order);
    });
    for (std::size_t rank = 0; rank < ranked.size(); ++rank) {
        items[ranked[rank]].priority(static_cast<int>(ranked.size() - rank));
    }
}

using Config = libnest2d::NestConfig<libnest2d::NfpPlacer, libnest2d::FirstFitSelection>;

// The placer's score of a place for a piece, the least the best: how far up and right it
// is, or how large the rectangle around the sheet's pieces becomes, anything off the
// sheet far worse.
void pullBy(Config& config, const libnest2d::Box& bin, Pull pull) {
    const auto pile = std::make_shared<libnest2d::Box>();
    config.placer_config.before_packing = [pile](const auto& merged, const auto&, const auto&) {
        *pile = merged.empty() ? libnest2d::Box() : libnest2d::shapelike::boundingBox(merged);
    };
    config.placer_config.object_function = [pile, bin, pull](const libnest2d::Item& item) {
        const libnest2d::Box box = item.boundingBox();
        const libnest2d::Box all = libnest2d::sl::boundingBox(*pile, box);
        const double height = static_cast<double>(bin.height());
        const double width = static_cast<double>(bin.width());
        const double over = std::max(0.0, static_cast<double>(all.width()) - width) +
                            std::max(0.0, static_cast<double>(all.height()) - height);
        const double top = static_cast<double>(box.maxCorner().Y - bin.minCorner().Y) / height;
        const double right = static_cast<double>(box.maxCorner().X - bin.minCorner().X) / width;
        switch (pull) {
        case Pull::TowardsLeft: return right + top / 8 + over;
        case Pull::IntoLeastBox:
            return static_cast<double>(all.width()) / width * static_cast<double>(all.height()) / height +
                   (top + right) / 64 + over;
        case Pull::TowardsCorner:
        case Pull::TowardsPile: break;
        }
        return top + right / 8 + over;
    };
}

int quarterTurnsOf(const libnest2d::Item& item) {
    const long turns = std::lround(static_cast<double>(item.rotation()) / kQuarterTurn);
    return static_cast<int>(((turns % 4) + 4) % 4);
}

}  // namespace

std::vector<NfpPlacement> placeOnSheets(const std::vector<std::vector<UnitPoint>>& outlines, UnitPoint sheet,
                                        std::int64_t gap, const PlacementPlan& plan, NoFitPolygons& noFitPolygons,
                                        const std::function<bool()>& stop) {
    // Each piece grows by half the gap, and a unit more: the placer rounds a position on
    // a no-fit polygon's edge to whole units, which may take a unit of that room back.
    const ClipperLib::cInt growth = (gap + 1) / 2 + 1;
    std::vector<libnest2d::Item> items;
    for (const auto& outline : outlines) {
        items.push_back(itemOf(outline, plan.nestedBy, growth));
    }
    setPriorities(items, plan.order);
    // The sheet's edge is the gap from the pieces, so it loses what they grew less that.
    const std::int64_t edge = gap - growth;
    const libnest2d::Box bin({edge, edge}, {sheet.x - edge, sheet.y - edge});
    std::vector<double> rotations{0.0};
    if (plan.turning) {
        rotations = {0.0, kQuarterTurn, 2 * kQuarterTurn, 3 * kQuarterTurn};
    }
    for (const libnest2d::Item& item : items) {
        addShape(noFitPolygons.store(), item.rawShape().Contour, rotations);
    }
    Config config;
    auto& placement = config.placer_config;
    placement.rotations.assign(rotations.begin(), rotations.end());
    placement.alignment = libnest2d::NfpPlacer::Config::Alignment::BOTTOM_LEFT;
    placement.starting_point = libnest2d::NfpPlacer::Config::Alignment::BOTTOM_LEFT;
    // Threads would contend with the rest of the machine for little gain on a few pieces.
    placement.parallel = false;
    if (plan.pull != Pull::TowardsPile) {
        pullBy(config, bin, plan.pull);
    }
    const StoreInUse store(noFitPolygons.store());
    libnest2d::nest(items, bin, 0, config, libnest2d::NestControl(stop));

    std::vector<NfpPlacement> placements;
    for (const libnest2d::Item& item : items) {
        placements.push_back({item.binId(), quarterTurnsOf(item), {item.translation().X, item.translation().Y}});
    }
    return placements;
}

}  // namespace tessaro
