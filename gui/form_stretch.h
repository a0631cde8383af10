#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

namespace tessaro::gui {

// How an edge of a control follows its form when the form is not at the size it was laid
// out at: it stays; it moves by what the form gained (never less: a narrower form leaves
// it where it was laid out); or it moves by all the form gained or lost.
enum class Edge { Stays, FollowsGrowth, FollowsSize };

struct Stretch {
    Edge left = Edge::Stays;
    Edge top = Edge::Stays;
    Edge right = Edge::Stays;
    Edge bottom = Edge::Stays;
};

// A form laid out in pixels at one size that gives the room it gains, or takes the room
// it loses, from chosen controls. At the size it was laid out at, every control is where
// it was put.
class FormStretch final : public QObject {
    Q_OBJECT
public:
    FormStretch(QWidget& form, QSize laidOutSize);
    // The control's present geometry is where it stands at the laid-out size.
    void add(QWidget* control, Stretch stretch);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void arrange();

    struct Entry {
        QPointer<QWidget> control;
        QRect laidOut;
        Stretch stretch;
    };
    QWidget& form_;
    QSize laidOutSize_;
    std::vector<Entry> entries_;
};

}  // namespace tessaro::gui
