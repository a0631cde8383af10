#pragma once

#include <QLabel>

namespace tessaro::gui {

// The line under the preview: what the last save wrote, or why it failed. A text longer
// than the line is cut short with an ellipsis and shown whole as the tooltip.
class StatusLine final : public QLabel {
    Q_OBJECT
public:
    explicit StatusLine(QWidget* parent = nullptr);

    void showSaved(const QString& text);
    void showFailure(const QString& text);
    [[nodiscard]] const QString& fullText() const { return full_; }
    [[nodiscard]] bool showsFailure() const { return failure_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void show(const QString& text, bool failure);
    void elide();

    QString full_;
    bool failure_ = false;
};

}  // namespace tessaro::gui
