#include "assembly/joints.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <set>
#include <tuple>
#include <utility>

#include "assembly/band_pieces.h"
#include "assembly/panel_geometry.h"

namespace tessaro {
namespace {

constexpr double kNoBoundary = std::numeric_limits<double>::infinity();
// How far into a screw channel its walls are measured: just past the panel's edge.
constexpr double kIntoChannel = 1e-3;

double crossOf(Point a, Point b) { return a.x * b.y - a.y * b.x; }
Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
Point operator*(double k, Point a) { return {k * a.x, k * a.y}; }
Point opposite(Point a) { return {-a.x, -a.y}; }

// How far a ray goes from `from` along the unit direction `dir` before it meets the
// contour; edges along the ray itself are met by their neighbours.
double rayToContour(const RegionContour& contour, Point from, Point dir) {
    double nearest = kNoBoundary;
    const auto& points = contour.points;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point a = points[i];
        const Point b = points[(i + 1) % points.size()];
        const Point edge{b.x - a.x, b.y - a.y};
        const double turn = crossOf(dir, edge);
        if (turn == 0) {
            continue;
        }
        const Point toEdge{a.x - from.x, a.y - from.y};
        const double distance = crossOf(toEdge, edge) / turn;
        const double share = crossOf(toEdge, dir) / turn;
        if (distance >= 0 && share >= 0 && share <= 1) {
            nearest = std::min(nearest, distance);
        }
    }
    return nearest;
}

double rayToBoundary(const PanelRegion& region, Point from, Point dir) {
    double nearest = kNoBoundary;
    for (const RegionContour& contour : region.contours) {
        nearest = std::min(nearest, rayToContour(contour, from, dir));
    }
    return nearest;
}

// The drawing direction at right angles to `dir` that runs towards higher box coordinates,
// so that "low" and "high" read the same way on every panel.
Point alongDirection(const PanelFrame& frame, Point dir) {
    const Point side{-dir.y, dir.x};
    const Vec3 inBox = side.x * frame.across + side.y * frame.up;
    return inBox.x + inBox.y + inBox.z < 0 ? opposite(side) : side;
}

// Half the size of a rectangle along one of the drawing's axes.
double halfAlong(const Extent& e, Point axis) { return std::abs(axis.x) > 0.5 ? e.width() / 2 : e.height() / 2; }

// The part of panel a's drawing plane that lies inside panel b's thickness: a band
// across a's drawing, or nothing when the panels are not at right angles.
std::optional<Band> bandInside(const AssembledPanel& a, const AssembledPanel& b) {
    Band band{extentOf(a.region)};
    const Point rate = drawingDirectionOf(a.frame, b.frame.outward);
    const double offset = depthOf(b.frame, a.frame.origin);
    const auto limits = [&](double r, double& low, double& high) {
        const double start = -offset / r;
        const double end = (b.thickness - offset) / r;
        low = std::max(low, std::min(start, end));
        high = std::min(high, std::max(start, end));
    };
    if (band.extent.empty || !perpendicular(a.frame, b.frame)) {
        return std::nullopt;
    }
    band.depthAlongX = std::abs(rate.x) > 0.5;
    if (band.depthAlongX) {
        limits(rate.x, band.extent.minX, band.extent.maxX);
    } else {
        limits(rate.y, band.extent.minY, band.extent.maxY);
    }
    return band;
}

using HoleIndex = std::pair<std::size_t, std::size_t>;  // panel, contour

// The holes of the holder's material that the piece's rectangle reaches into: a screw
// goes through none of them.
void markHolesTaken(const AssembledPanel& holder, std::size_t b, const Extent& piece, std::set<HoleIndex>& holesTaken) {
    const auto& contours = holder.region.contours;
    for (std::size_t h = 0; h < contours.size(); ++h) {
        if (contours[h].hole && openingTaking({PanelRegion{{contours[h]}}}, piece)) {
            holesTaken.insert({b, h});
        }
    }
}

// Panel a's material inside panel b's thickness, piece by piece: each piece that goes
// into one of b's openings is a joint, with the room between it and b's material.
void addPiecesThrough(const BoxAssembly& assembly, std::size_t a, std::size_t b, std::vector<Joint>& joints,
                      std::set<HoleIndex>& holesTaken) {
    const AssembledPanel& inserted = assembly.panels[a];
    const AssembledPanel& holder = assembly.panels[b];
    const std::optional<Band> band = bandInside(inserted, holder);
    if (!band) {
        return;
    }
    for (const PanelRegion& piece : piecesInBand(inserted.region, *band)) {
        const Bounds3 where = boundsOf(inserted, extentOf(piece));
        const std::optional<PieceInOpening> through =
            openingTaking(holder.openings, drawnExtentOf(holder.frame, where));
        if (!through) {
            continue;
        }
        markHolesTaken(holder, b, through->piece, holesTaken);
        // Across: from the inserted panel's inner face outwards; along: up the box's axes.
        const Point inwards = drawingDirectionOf(holder.frame, -1 * inserted.frame.outward);
        const Point along = alongDirection(holder.frame, inwards);
        joints.push_back({JointKind::TabInSlot, a, b, playOf(holder.region, *through, inwards),
                          playOf(holder.region, *through, opposite(along)), where});
    }
}

bool isSide(BoxPanel panel) { return panel == BoxPanel::LeftSide || panel == BoxPanel::RightSide; }

// The bottom whose wing passes through a side panel's hole is held there by the side
// panel's teeth in the wing's slots; any other piece through a hole is a tab in a slot.
void nameTheKinds(const BoxAssembly& assembly, std::vector<Joint>& joints) {
    const auto panelOf = [&](std::size_t i) { return assembly.panels[i].panel; };
    for (Joint& j : joints) {
        if (panelOf(j.inserted) == BoxPanel::Bottom && isSide(panelOf(j.holder))) {
            j.kind = JointKind::WingInHole;
        }
    }
    for (Joint& j : joints) {
        const bool wingThroughIt = std::any_of(joints.begin(), joints.end(), [&](const Joint& w) {
            return w.kind == JointKind::WingInHole && w.inserted == j.holder && w.holder == j.inserted;
        });
        if (isSide(panelOf(j.inserted)) && panelOf(j.holder) == BoxPanel::Bottom && wingThroughIt) {
            j.kind = JointKind::ToothInWingSlot;
        }
    }
}

// The screw through hole `hole` of panel p, if its axis runs into a channel cut in from
// the edge of panel q: the screw is as wide as the hole, and its axis leaves p's inner face.
std::optional<Joint> screwInto(const BoxAssembly& assembly, std::size_t p, const RegionContour& hole, std::size_t q) {
    const AssembledPanel& withHole = assembly.panels[p];
    const AssembledPanel& slotted = assembly.panels[q];
    if (!perpendicular(withHole.frame, slotted.frame)) {
        return std::nullopt;
    }
    const Extent size = extentOf(PanelRegion{{hole}});
    const Vec3 axis = withHole.frame.at({(size.minX + size.maxX) / 2, (size.minY + size.maxY) / 2}, 0);
    const double middle = depthOf(slotted.frame, axis);
    const double halfAcross = halfAlong(size, drawingDirectionOf(withHole.frame, slotted.frame.outward));
    if (middle + halfAcross <= 0 || middle - halfAcross >= slotted.thickness) {
        return std::nullopt;
    }
    const Point inwards = drawingDirectionOf(slotted.frame, -1 * withHole.frame.outward);
    const Point along = alongDirection(slotted.frame, inwards);
    const Point entry = drawingPointOf(slotted.frame, axis);
    const Point inChannel = entry + kIntoChannel * inwards;
    const double depth = rayToBoundary(slotted.region, inChannel, inwards);
    const double below = rayToBoundary(slotted.region, inChannel, opposite(along));
    const double above = rayToBoundary(slotted.region, inChannel, along);
    const bool openAtTheEdge = rayToBoundary(slotted.region, inChannel, opposite(inwards)) == kNoBoundary;
    if (holdsMaterial(slotted.region, inChannel) || !openAtTheEdge || depth == kNoBoundary || below == kNoBoundary ||
        above == kNoBoundary) {
        return std::nullopt;
    }
    const Vec3 alongInBox = along.x * slotted.frame.across + along.y * slotted.frame.up;
    const Vec3 inwardsInBox = inwards.x * slotted.frame.across + inwards.y * slotted.frame.up;
    const double halfWidth = halfAlong(size, drawingDirectionOf(withHole.frame, alongInBox));
    const Vec3 start = slotted.frame.at(entry, middle - halfAcross) + (-halfWidth) * alongInBox;
    const Vec3 end =
        slotted.frame.at(entry, middle + halfAcross) + halfWidth * alongInBox + (depth + kIntoChannel) * inwardsInBox;
    const Bounds3 where{{std::min(start.x, end.x), std::min(start.y, end.y), std::min(start.z, end.z)},
                        {std::max(start.x, end.x), std::max(start.y, end.y), std::max(start.z, end.z)}};
    return Joint{JointKind::ScrewInSlot,
                 p,
                 q,
                 {middle - halfAcross, slotted.thickness - middle - halfAcross},
                 {below - halfWidth, above - halfWidth},
                 where};
}

// Screws go through the holes that no tab, tooth or wing passes.
void addScrews(const BoxAssembly& assembly, const std::set<HoleIndex>& holesTaken, std::vector<Joint>& joints) {
    for (std::size_t p = 0; p < assembly.panels.size(); ++p) {
        const auto& contours = assembly.panels[p].region.contours;
        for (std::size_t h = 0; h < contours.size(); ++h) {
            if (!contours[h].hole || holesTaken.count({p, h}) != 0) {
                continue;
            }
            for (std::size_t q = 0; q < assembly.panels.size(); ++q) {
                if (const std::optional<Joint> screw = q == p ? std::nullopt : screwInto(assembly, p, contours[h], q)) {
                    joints.push_back(*screw);
                }
            }
        }
    }
}

}  // namespace

std::vector<Joint> jointsOf(const BoxAssembly& assembly) {
    std::vector<Joint> joints;
    std::set<HoleIndex> holesTaken;
    for (std::size_t a = 0; a < assembly.panels.size(); ++a) {
        for (std::size_t b = 0; b < assembly.panels.size(); ++b) {
            if (a != b) {
                addPiecesThrough(assembly, a, b, joints, holesTaken);
            }
        }
    }
    nameTheKinds(assembly, joints);
    addScrews(assembly, holesTaken, joints);
    const auto order = [](const Joint& j) {
        return std::tuple{j.inserted, j.holder, j.where.low.x, j.where.low.y, j.where.low.z};
    };
    std::stable_sort(joints.begin(), joints.end(), [&](const Joint& x, const Joint& y) { return order(x) < order(y); });
    return joints;
}

}  // namespace tessaro
