#include "gui/preview_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>
#include <functional>

#include "gui/assembly_page.h"
#include "gui/assembly_view.h"
#include "gui/drawing_canvas.h"
#include "gui/preview_widget.h"
#include "gui/preview_words.h"
#include "output/number_text.h"

namespace tessaro::gui {
namespace {

constexpr double kZoomPerStep = 1.2;  // as one notch of the wheel on the drawing

QString positionText(Point p, bool english) {
    return QString::fromStdString("X " + fixedText(p.x, 2) + "   Y " + fixedText(p.y, 2) + " ") +
           previewWords(english).millimetres;
}

}  // namespace

PreviewWindow::PreviewWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("PreviewWindow");
    resize(1000, 720);

    fit_ = new QPushButton(this);
    fit_->setObjectName("FitButton");
    extent_ = new QLabel(this);
    extent_->setObjectName("ExtentLabel");
    cursor_ = new QLabel(this);
    cursor_->setObjectName("CursorLabel");
    // Room for the widest position, so the label does not jump as the cursor moves.
    cursor_->setMinimumWidth(cursor_->fontMetrics().horizontalAdvance(positionText({-99999.99, -99999.99}, false)));
    canvas_ = new DrawingCanvas(this);
    canvas_->setObjectName("DrawingCanvas");

    auto* bar = new QHBoxLayout;
    bar->addWidget(fit_);
    bar->addSpacing(12);
    bar->addWidget(extent_);
    bar->addStretch();
    bar->addWidget(cursor_);
    drawingPage_ = new QWidget(this);
    auto* drawing = new QVBoxLayout(drawingPage_);
    drawing->setContentsMargins(0, 0, 0, 0);
    drawing->addLayout(bar);
    drawing->addWidget(canvas_, 1);
    assembly_ = new AssemblyPage(this);
    pages_ = new QTabWidget(this);
    pages_->setObjectName("PreviewPages");
    pages_->addTab(drawingPage_, QString());
    pages_->addTab(assembly_, QString());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);

    connect(fit_, &QPushButton::clicked, canvas_, &DrawingCanvas::fit);
    connect(canvas_, &DrawingCanvas::cursorMoved, this, &PreviewWindow::showCursor);
    addKeys();
    setEnglish(false);
}

void PreviewWindow::addKeys() {
    const auto add = [this](QKeySequence keys, const std::function<void()>& pressed) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, pressed);
    };
    add(Qt::Key_Escape, [this] { close(); });
    // + with or without Shift, and the keypad's: each keyboard puts it elsewhere.
    for (const QKeySequence& in :
         {QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal), QKeySequence(Qt::SHIFT | Qt::Key_Plus),
          QKeySequence(Qt::KeypadModifier | Qt::Key_Plus)}) {
        add(in, [this] { zoomBy(1); });
    }
    for (const QKeySequence& out : {QKeySequence(Qt::Key_Minus), QKeySequence(Qt::KeypadModifier | Qt::Key_Minus)}) {
        add(out, [this] { zoomBy(-1); });
    }
    for (const QKeySequence& whole : {QKeySequence(Qt::Key_0), QKeySequence(Qt::KeypadModifier | Qt::Key_0)}) {
        add(whole, [this] { fitPage(); });
    }
}

// One step of the keys is one notch of the wheel.
void PreviewWindow::zoomBy(double steps) {
    if (pages_->currentWidget() == drawingPage_) {
        canvas_->zoomBy(std::pow(kZoomPerStep, steps));
    } else if (AssemblyView* view = assembly_->view()) {
        view->zoomBy(steps);
    }
}

void PreviewWindow::fitPage() {
    if (pages_->currentWidget() == drawingPage_) {
        canvas_->fit();
    } else if (AssemblyView* view = assembly_->view()) {
        view->showWhole();
    }
}

void PreviewWindow::setEnglish(bool english) {
    english_ = english;
    const PreviewWords& words = previewWords(english);
    setWindowTitle(words.title);
    pages_->setTabText(pages_->indexOf(drawingPage_), words.drawingPage);
    pages_->setTabText(pages_->indexOf(assembly_), words.assemblyPage);
    assembly_->setEnglish(english);
    fit_->setText(words.fit);
    fit_->setToolTip(words.fitHint);
    extent_->setText(extentText(canvas_->drawing().extent(), english));
}

void PreviewWindow::setDrawing(std::shared_ptr<const Drawing> drawing) {
    extent_->setText(extentText(drawing->extent(), english_));
    canvas_->setDrawing(std::move(drawing));
}

void PreviewWindow::showAssemblyPage() { pages_->setCurrentWidget(assembly_); }

void PreviewWindow::showCursor(Point millimetres) { cursor_->setText(positionText(millimetres, english_)); }

}  // namespace tessaro::gui
