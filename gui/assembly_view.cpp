#include "gui/assembly_view.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <span>

namespace tessaro::gui {
namespace {

constexpr float kFieldOfViewDegrees = 30;
constexpr double kDegreesPerPixel = 0.5;
constexpr double kZoomStep = 1.2;  // per notch of the wheel
constexpr double kLeastZoom = 0.25;
constexpr double kMostZoom = 16;
// A tight joint's room is drawn this much larger, so that it shows through the faces
// of the parts that fill it.
constexpr double kJointGrowth = 0.3;
constexpr QColor kBackground{245, 245, 245};
constexpr QColor kEdgeColour{45, 45, 50};
// Position and normal of every vertex.
constexpr int kFloatsPerVertex = 6;

const char* const kVertexShader = R"(#version 120
attribute vec3 position;
attribute vec3 normal;
uniform mat4 placing;
uniform mat4 projection;
uniform vec3 scale;
uniform vec3 offset;
varying vec3 eyeNormal;
void main() {
    eyeNormal = mat3(placing) * normal;
    gl_Position = projection * placing * vec4(position * scale + offset, 1.0);
}
)";

// Lit from above the viewer, a little from the left; a face turned away from the light
// keeps enough of its tint to tell it by.
const char* const kFragmentShader = R"(#version 120
uniform vec3 tint;
uniform float lit;
varying vec3 eyeNormal;
const vec3 light = vec3(-0.1, 0.55, 0.83);
void main() {
    float shade = 1.0;
    if (lit > 0.5) {
        shade = 0.42 + 0.58 * max(dot(normalize(eyeNormal), light), 0.0);
    }
    gl_FragColor = vec4(tint * shade, 1.0);
}
)";

QVector3D vector(Vec3 v) { return {static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z)}; }

void appendVertex(std::vector<float>& data, Vec3 at, Vec3 normal) {
    data.insert(data.end(), {static_cast<float>(at.x), static_cast<float>(at.y), static_cast<float>(at.z),
                             static_cast<float>(normal.x), static_cast<float>(normal.y), static_cast<float>(normal.z)});
}

void appendTriangles(std::vector<float>& data, const std::vector<Triangle>& triangles) {
    for (const Triangle& t : triangles) {
        const Vec3 normal = normalOf(t);
        for (const Vec3& corner : {t.a, t.b, t.c}) {
            appendVertex(data, corner, normal);
        }
    }
}

// The cube from (0, 0, 0) to (1, 1, 1), scaled and moved onto each tight joint.
std::vector<Triangle> unitCube() {
    // Each face's corners counterclockwise from outside.
    constexpr std::array<std::array<Vec3, 4>, 6> faces{{
        {{{0, 0, 0}, {0, 0, 1}, {0, 1, 1}, {0, 1, 0}}},
        {{{1, 0, 0}, {1, 1, 0}, {1, 1, 1}, {1, 0, 1}}},
        {{{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}}},
        {{{0, 1, 0}, {0, 1, 1}, {1, 1, 1}, {1, 1, 0}}},
        {{{0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}}},
        {{{0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}}},
    }};
    std::vector<Triangle> cube;
    for (const auto& [a, b, c, d] : faces) {
        cube.push_back({a, b, c});
        cube.push_back({a, c, d});
    }
    return cube;
}

void allocate(QOpenGLBuffer& buffer, const std::vector<float>& data) {
    if (!buffer.isCreated()) {
        buffer.create();
    }
    buffer.bind();
    buffer.allocate(data.data(), static_cast<int>(data.size() * sizeof(float)));
    buffer.release();
}

QVector3D rgb(const QColor& c) {
    return {static_cast<float>(c.redF()), static_cast<float>(c.greenF()), static_cast<float>(c.blueF())};
}

double radiusOf(const Bounds3& b) {
    const Vec3 d = b.high - b.low;
    return std::sqrt(dot(d, d)) / 2;
}

}  // namespace

Turn turnFacing(Vec3 direction) {
    const double length = std::sqrt(dot(direction, direction));
    const double toDegrees = 180 / std::numbers::pi;
    return {std::atan2(-direction.x, -direction.y) * toDegrees,
            std::asin(std::clamp(direction.z / length, -1.0, 1.0)) * toDegrees};
}

QColor tintOf(BoxPanel panel) {
    switch (panel) {
    case BoxPanel::Front: return {77, 140, 217};
    case BoxPanel::Bottom: return {115, 179, 89};
    case BoxPanel::LeftSide: return {230, 179, 77};
    case BoxPanel::RightSide: return {89, 191, 191};
    case BoxPanel::Rear: return {166, 128, 217};
    case BoxPanel::Lid: return {217, 140, 191};
    }
    return Qt::gray;
}

QColor tightJointColour() { return {220, 20, 20}; }

bool openGlAvailable() {
    static const bool available = QOpenGLContext().create();
    return available;
}

AssemblyView::AssemblyView() {
    setObjectName("AssemblyView");
    setMinimumSize({200, 150});
    QSurfaceFormat surface = format();
    surface.setDepthBufferSize(24);
    setFormat(surface);
}

AssemblyView::~AssemblyView() {
    makeCurrent();
    grabbed_.reset();
    triangles_.destroy();
    edges_.destroy();
    cube_.destroy();
    program_.reset();
    doneCurrent();
}

void AssemblyView::setScene(std::shared_ptr<const AssemblyScene> scene) {
    scene_ = std::move(scene);
    uploadDue_ = true;
    redraw();
}

void AssemblyView::setExploded(double millimetres) {
    exploded_ = std::max(0.0, millimetres);
    redraw();
}

void AssemblyView::setTurn(Turn turn) {
    turn_ = {turn.yaw, std::clamp(turn.pitch, -90.0, 90.0)};
    redraw();
}

void AssemblyView::showWhole() {
    turn_ = kFirstTurn;
    zoom_ = 1;
    redraw();
}

void AssemblyView::redraw() {
    update();
    if (isExposed() && !redrawAsked_) {
        redrawAsked_ = true;
        QCoreApplication::postEvent(this, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
    }
}

bool AssemblyView::event(QEvent* event) {
    if (event->type() == QEvent::UpdateRequest) {
        redrawAsked_ = false;
    }
    return QOpenGLWindow::event(event);
}

void AssemblyView::initializeGL() {
    initializeOpenGLFunctions();
    program_ = std::make_unique<QOpenGLShaderProgram>();
    program_->addShaderFromSourceCode(QOpenGLShader::Vertex, kVertexShader);
    program_->addShaderFromSourceCode(QOpenGLShader::Fragment, kFragmentShader);
    program_->bindAttributeLocation("position", 0);
    program_->bindAttributeLocation("normal", 1);
    program_->link();
    std::vector<float> cube;
    appendTriangles(cube, unitCube());
    allocate(cube_, cube);
    uploadDue_ = true;
}

// Every panel's shell into one buffer and its edges into another, once per scene.
void AssemblyView::upload() {
    uploadDue_ = false;
    ranges_.clear();
    std::vector<float> triangles;
    std::vector<float> edges;
    for (const ScenePanel& panel : scene_ ? std::span(scene_->panels) : std::span<const ScenePanel>()) {
        PanelRange range;
        range.firstTriangleVertex = static_cast<int>(triangles.size() / kFloatsPerVertex);
        range.firstEdgeVertex = static_cast<int>(edges.size() / kFloatsPerVertex);
        appendTriangles(triangles, panel.shell);
        for (const Vec3& end : panel.edges) {
            appendVertex(edges, end, {});
        }
        range.triangleVertices = static_cast<int>(triangles.size() / kFloatsPerVertex) - range.firstTriangleVertex;
        range.edgeVertices = static_cast<int>(edges.size() / kFloatsPerVertex) - range.firstEdgeVertex;
        ranges_.push_back(range);
    }
    allocate(triangles_, triangles);
    allocate(edges_, edges);
}

// At zoom 1 the sphere round the box just fits the narrower side of the view; the parts
// moved apart stay inside it, each moved out by the exploded distance at most.
double AssemblyView::distance() const {
    const double halfHeight = kFieldOfViewDegrees / 2 * std::numbers::pi / 180;
    const double halfWidth = std::atan(std::tan(halfHeight) * width() / std::max(1, height()));
    return (radiusOf(scene_->bounds) + exploded_) / std::sin(std::min(halfHeight, halfWidth)) / zoom_;
}

QMatrix4x4 AssemblyView::placing(double distance) const {
    const Bounds3& b = scene_->bounds;
    QMatrix4x4 m;
    m.translate(0, 0, static_cast<float>(-distance));
    m.rotate(static_cast<float>(turn_.pitch), 1, 0, 0);
    // The box's Z is up on the screen and its Y, front to rear, into it.
    m.rotate(-90, 1, 0, 0);
    m.rotate(static_cast<float>(turn_.yaw), 0, 0, 1);
    m.translate(-vector(0.5 * (b.low + b.high)));
    return m;
}

QMatrix4x4 AssemblyView::projection(double distance) const {
    const double reach = radiusOf(scene_->bounds) + exploded_;
    QMatrix4x4 m;
    m.perspective(kFieldOfViewDegrees, static_cast<float>(width()) / static_cast<float>(std::max(1, height())),
                  static_cast<float>(std::max(distance - 1.5 * reach, distance / 100)),
                  static_cast<float>(distance + 1.5 * reach));
    return m;
}

QVector3D AssemblyView::explodedOffset(std::size_t panel) const {
    return vector(exploded_ * scene_->panels[panel].outward);
}

void AssemblyView::drawArrays(QOpenGLBuffer& buffer, GLenum mode, int first, int count) {
    buffer.bind();
    constexpr int stride = kFloatsPerVertex * sizeof(float);
    program_->setAttributeBuffer(0, GL_FLOAT, 0, 3, stride);
    program_->setAttributeBuffer(1, GL_FLOAT, 3 * sizeof(float), 3, stride);
    glDrawArrays(mode, first, count);
    buffer.release();
}

QImage AssemblyView::grabFramebuffer() {
    if (!isValid()) {
        return {};
    }
    makeCurrent();
    const QSize pixels = size() * devicePixelRatio();
    if (!grabbed_ || grabbed_->size() != pixels) {
        grabbed_ = std::make_unique<QOpenGLFramebufferObject>(pixels, QOpenGLFramebufferObject::Depth);
    }
    grabbed_->bind();
    paintGL();
    grabbed_->release();
    QImage frame = grabbed_->toImage();
    frame.setDevicePixelRatio(devicePixelRatio());
    return frame;
}

void AssemblyView::paintGL() {
    const QSize pixels = size() * devicePixelRatio();
    glViewport(0, 0, pixels.width(), pixels.height());
    glClearColor(kBackground.redF(), kBackground.greenF(), kBackground.blueF(), 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (uploadDue_) {
        upload();
    }
    // A box without material, or OpenGL without shaders of this version, shows nothing.
    if (!scene_ || !(radiusOf(scene_->bounds) > 0) || !program_->isLinked()) {
        return;
    }
    glEnable(GL_DEPTH_TEST);
    // The faces lie a little behind their edges, so that the edges are never hidden by them.
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(1, 1);

    const double away = distance();
    program_->bind();
    program_->enableAttributeArray(0);
    program_->enableAttributeArray(1);
    program_->setUniformValue("placing", placing(away));
    program_->setUniformValue("projection", projection(away));
    program_->setUniformValue("scale", QVector3D(1, 1, 1));
    for (std::size_t i = 0; i < ranges_.size(); ++i) {
        program_->setUniformValue("offset", explodedOffset(i));
        program_->setUniformValue("tint", rgb(tintOf(scene_->panels[i].panel)));
        program_->setUniformValue("lit", 1.0F);
        drawArrays(triangles_, GL_TRIANGLES, ranges_[i].firstTriangleVertex, ranges_[i].triangleVertices);
        program_->setUniformValue("tint", rgb(kEdgeColour));
        program_->setUniformValue("lit", 0.0F);
        drawArrays(edges_, GL_LINES, ranges_[i].firstEdgeVertex, ranges_[i].edgeVertices);
    }
    program_->setUniformValue("tint", rgb(tightJointColour()));
    program_->setUniformValue("lit", 1.0F);
    const Vec3 growth{kJointGrowth, kJointGrowth, kJointGrowth};
    for (const TightJoint& joint : scene_->tightJoints) {
        program_->setUniformValue("scale", vector(joint.where.high - joint.where.low + 2 * growth));
        program_->setUniformValue("offset", vector(joint.where.low - growth) + explodedOffset(joint.inserted));
        drawArrays(cube_, GL_TRIANGLES, 0, 36);
    }
    program_->disableAttributeArray(0);
    program_->disableAttributeArray(1);
    program_->release();
}

void AssemblyView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        dragFrom_ = event->position();
    }
}

void AssemblyView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) {
        return;
    }
    const QPointF moved = event->position() - dragFrom_;
    dragFrom_ = event->position();
    setTurn({turn_.yaw + moved.x() * kDegreesPerPixel, turn_.pitch + moved.y() * kDegreesPerPixel});
}

void AssemblyView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = false;
    }
}

void AssemblyView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        showWhole();
    }
}

void AssemblyView::zoomBy(double steps) {
    zoom_ = std::clamp(zoom_ * std::pow(kZoomStep, steps), kLeastZoom, kMostZoom);
    redraw();
}

void AssemblyView::wheelEvent(QWheelEvent* event) { zoomBy(event->angleDelta().y() / 120.0); }

}  // namespace tessaro::gui
