#pragma once

#include <QColor>
#include <QImage>
#include <QMatrix4x4>
#include <QOpenGLBuffer>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>
#include <QOpenGLWindow>
#include <QPointF>
#include <memory>
#include <vector>

#include "assembly/assembly_scene.h"

namespace tessaro::gui {

// How the box is turned in front of the viewer, in degrees: yaw around its upright
// axis, then pitch towards the viewer. At zero the viewer faces the front panel.
struct Turn {
    double yaw = 0;
    double pitch = 0;
    friend bool operator==(const Turn&, const Turn&) = default;
};

// The turn that shows the box from a direction, as seen from its centre.
[[nodiscard]] Turn turnFacing(Vec3 direction);

// Each panel's own tint, and the colour of a joint whose parts overlap.
[[nodiscard]] QColor tintOf(BoxPanel panel);
[[nodiscard]] QColor tightJointColour();

// Whether this platform draws through OpenGL at all: the offscreen one, for one, does not,
// and Qt crashes showing an OpenGL window there.
[[nodiscard]] bool openGlAvailable();

// The assembled box in 3D through OpenGL: every panel's shell in its tint, lit from the
// viewer's side, its edges drawn, tight joints red. A drag with the left button turns
// it, the wheel zooms, a double click shows it as at first. "Exploded" moves each panel
// out along its face by so many millimetres. The shells are uploaded once per scene, so
// a frame is a handful of draw calls.
// It is a native window of its own, put among the widgets by a container, because it
// swaps its frames straight onto the screen: a widget's frame would be read back and
// composed into the window first, which halves the frames a software renderer shows.
class AssemblyView final : public QOpenGLWindow, protected QOpenGLFunctions {
    Q_OBJECT
public:
    static constexpr Turn kFirstTurn{-30, 25};

    AssemblyView();
    ~AssemblyView() override;

    // A new box keeps the turn, the zoom and the explosion the user chose.
    void setScene(std::shared_ptr<const AssemblyScene> scene);
    [[nodiscard]] const AssemblyScene* scene() const { return scene_.get(); }
    void setExploded(double millimetres);
    [[nodiscard]] double exploded() const { return exploded_; }
    void setTurn(Turn turn);
    [[nodiscard]] Turn turn() const { return turn_; }
    [[nodiscard]] double zoom() const { return zoom_; }
    // Zooms by so many steps of the wheel: positive nearer, negative farther.
    void zoomBy(double steps);
    // The first turn, the box whole.
    void showWhole();
    // The box as it stands now, drawn afresh off the screen and read back: the window's
    // own back buffer holds nothing certain once a frame is swapped.
    [[nodiscard]] QImage grabFramebuffer();

protected:
    void initializeGL() override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Where one panel's triangles and edges lie in the vertex buffers.
    struct PanelRange {
        int firstTriangleVertex = 0;
        int triangleVertices = 0;
        int firstEdgeVertex = 0;
        int edgeVertices = 0;
    };
    // Asks for a frame on the next pass of the event loop: Qt's own update waits a few
    // milliseconds first, which while dragging is as long as drawing the frame.
    void redraw();
    void upload();
    void drawArrays(QOpenGLBuffer& buffer, GLenum mode, int first, int count);
    // How far the viewer stands from the box's centre.
    [[nodiscard]] double distance() const;
    [[nodiscard]] QMatrix4x4 placing(double distance) const;
    [[nodiscard]] QMatrix4x4 projection(double distance) const;
    [[nodiscard]] QVector3D explodedOffset(std::size_t panel) const;

    std::shared_ptr<const AssemblyScene> scene_;
    bool uploadDue_ = false;
    double exploded_ = 0;
    Turn turn_ = kFirstTurn;
    double zoom_ = 1;
    bool redrawAsked_ = false;
    bool dragging_ = false;
    QPointF dragFrom_;

    std::unique_ptr<QOpenGLShaderProgram> program_;
    QOpenGLBuffer triangles_{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer edges_{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer cube_{QOpenGLBuffer::VertexBuffer};
    std::vector<PanelRange> ranges_;
    std::unique_ptr<QOpenGLFramebufferObject> grabbed_;
};

}  // namespace tessaro::gui
