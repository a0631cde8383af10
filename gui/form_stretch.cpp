#include "gui/form_stretch.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>

namespace tessaro::gui {
namespace {

int moved(Edge edge, int change) {
    switch (edge) {
    case Edge::Stays: return 0;
    case Edge::FollowsGrowth: return std::max(change, 0);
    case Edge::FollowsSize: return change;
    }
    return 0;
}

}  // namespace

FormStretch::FormStretch(QWidget& form, QSize laidOutSize) : QObject(&form), form_(form), laidOutSize_(laidOutSize) {
    form.installEventFilter(this);
}

void FormStretch::add(QWidget* control, Stretch stretch) {
    entries_.push_back({control, control->geometry(), stretch});
    arrange();
}

bool FormStretch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &form_ && event->type() == QEvent::Resize) {
        arrange();
    }
    return QObject::eventFilter(watched, event);
}

void FormStretch::arrange() {
    const int wider = form_.width() - laidOutSize_.width();
    const int taller = form_.height() - laidOutSize_.height();
    for (const Entry& entry : entries_) {
        if (!entry.control) {
            continue;
        }
        const Stretch& s = entry.stretch;
        entry.control->setGeometry(entry.laidOut.adjusted(moved(s.left, wider), moved(s.top, taller),
                                                          moved(s.right, wider), moved(s.bottom, taller)));
    }
}

}  // namespace tessaro::gui
