// The window's size on a 1280 x 720 screen: it opens inside it, keeps its arrangement at
// its first size, gives the room it gains to the preview and the tables, and the large
// preview opens on the screen wherever the window stands.
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include "gui/fakes.h"
#include "gui/kept_settings.h"
#include "gui/main_window.h"
#include "gui/preview_widget.h"
#include "gui/preview_window.h"

using namespace tessaro;
using namespace tessaro::gui;

namespace {

QRect available(const QWidget& window) { return window.screen()->availableGeometry(); }

// The controls directly on the form: the left column and the tabs.
QList<QWidget*> formControls(const MainWindow& form) {
    return form.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

QString named(const QWidget* w, const QRect& r) {
    return QString("%1 %2,%3 %4x%5").arg(w->objectName()).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

}  // namespace

class WindowSizeTest : public QObject {
    Q_OBJECT

    testing::FakeWindowPorts fakes;

    // Every control of the form lies inside it and none covers another.
    static void checkArrangement(const MainWindow& form) {
        const QRect inside = form.centralWidget()->rect();
        QList<QWidget*> controls = formControls(form);
        controls.removeIf([](const QWidget* control) { return control->isHidden(); });
        for (const QWidget* control : controls) {
            QVERIFY2(inside.contains(control->geometry()), qPrintable(named(control, control->geometry())));
            for (const QWidget* other : controls) {
                QVERIFY2(control == other || !control->geometry().intersects(other->geometry()),
                         qPrintable(named(control, control->geometry()) + " / " + named(other, other->geometry())));
            }
        }
    }

private slots:
    void init() { testing::scratchSettings.clear(); }

    // The first start, and a start after the window was kept larger than this screen.
    void opensInsideTheScreen() {
        {
            MainWindow form(fakes.ports());
            QVERIFY(!restorePlace(form));
            form.show();
            QVERIFY2(available(form).contains(form.frameGeometry()), qPrintable(named(&form, form.frameGeometry())));
            form.setGeometry(0, 0, 1900, 1000);  // as on a large screen
            form.close();
        }
        MainWindow next(fakes.ports());
        QVERIFY(restorePlace(next));
        next.show();
        QVERIFY2(available(next).contains(next.frameGeometry()), qPrintable(named(&next, next.frameGeometry())));
        checkArrangement(next);
    }

    // At its first size the form is as it was laid out; larger, the preview and the main
    // table take the room, the tabs keep their width; at the least size and maximised
    // nothing overlaps.
    void resizingGivesRoomToThePreviewAndTheTables() {
        MainWindow form(fakes.ports());
        form.show();
        QWidget* formArea = form.centralWidget();
        QCOMPARE(formArea->size(), QSize(1317, 605));
        auto* preview = form.findChild<PreviewWidget*>("Preview");
        auto* table = form.findChild<QTableView*>("boxTable");
        auto* tabs = form.findChild<QTabWidget*>("tabs");
        QCOMPARE(preview->geometry(), QRect(8, 325, 314, 252));
        QCOMPARE(tabs->geometry(), QRect(324, 1, 989, 600));
        checkArrangement(form);
        const QSize previewBefore = preview->size();
        const int captionBefore = table->columnWidth(0);

        form.resize(form.size() + QSize(300, 200));
        QCOMPARE(formArea->size(), QSize(1617, 805));
        QCOMPARE(preview->size(), previewBefore + QSize(300, 200));
        QCOMPARE(table->columnWidth(0), captionBefore + 300);
        QCOMPARE(tabs->width(), 989);
        QCOMPARE(tabs->geometry().right(), formArea->width() - 5);
        checkArrangement(form);

        form.resize(form.minimumSizeHint());
        QVERIFY(form.width() <= 1280 - 8);
        // The controls above the preview take its room first; at the least size it keeps
        // more than half its first height.
        QVERIFY2(preview->height() > previewBefore.height() / 2, qPrintable(QString::number(preview->height())));
        checkArrangement(form);

        form.showMaximized();
        QTRY_VERIFY(form.isMaximized());
        QTRY_VERIFY(preview->height() > previewBefore.height());
        checkArrangement(form);
    }

    // The large preview, larger than this screen allows, opens on it from every corner.
    void largePreviewOpensOnTheScreen() {
        for (const QPoint corner : {QPoint(0, 0), QPoint(1000, 600), QPoint(-600, 300)}) {
            MainWindow form(fakes.ports());
            form.move(corner);
            form.show();
            auto* preview = form.findChild<PreviewWidget*>("Preview");
            preview->openLargeWindow();
            const PreviewWindow* large = preview->largeWindow();
            QVERIFY(large->isVisible());
            QVERIFY2(available(*large).contains(large->frameGeometry()),
                     qPrintable(named(large, large->frameGeometry())));
        }
    }
};

TESSARO_TEST_MAIN_ON_SCREEN(WindowSizeTest, "1280x720")
#include "test_window_size.moc"
