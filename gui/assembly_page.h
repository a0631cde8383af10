#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "assembly/assembly_scene.h"

class QLabel;
class QPushButton;
class QSlider;
class QStackedWidget;

namespace tessaro::gui {

class AssemblyView;

// The large preview's 3D page: the assembled box of the current box tab to turn and
// zoom, the "exploded" slider, and a line with the box's size or why it could not be
// rebuilt. The OpenGL view is made when the page is first shown, so a window that never
// shows it never needs OpenGL; a platform without OpenGL leaves the page blank.
class AssemblyPage final : public QWidget {
    Q_OBJECT
public:
    explicit AssemblyPage(QWidget* parent = nullptr);

    void showScene(std::shared_ptr<const AssemblyScene> scene);
    // Keeps the last box, with what is wrong written over it, until the next one.
    void showProblem(const QString& problem);
    // The current tab draws no box: the page says what it shows instead.
    void showNoBox();

    [[nodiscard]] const AssemblyScene* scene() const { return scene_.get(); }
    [[nodiscard]] AssemblyView* view() const { return view_; }
    [[nodiscard]] QString caption() const;
    [[nodiscard]] bool showsNoBox() const { return noBox_; }
    // What the page says on a tab that draws no box.
    [[nodiscard]] static QString boxesOnly();

signals:
    // The page has come into sight and wants the current box.
    void wanted();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void refresh();

    QPushButton* fit_ = nullptr;
    QSlider* exploded_ = nullptr;
    QLabel* explodedLabel_ = nullptr;
    QLabel* caption_ = nullptr;
    QStackedWidget* body_ = nullptr;
    QLabel* note_ = nullptr;
    AssemblyView* view_ = nullptr;
    std::shared_ptr<const AssemblyScene> scene_;
    QString problem_;
    bool noBox_ = false;
};

// How far the slider moves the parts apart at most, in whole millimetres: a share of the
// box's largest size, and never less than a few tens.
[[nodiscard]] int explodedRange(const AssemblyScene& scene);

}  // namespace tessaro::gui
