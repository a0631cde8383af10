#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>
#include <set>

#include "app/cutout_list_file.h"
#include "app/preview_drawing.h"
#include "app/table_folders.h"
#include "gui/fakes.h"
#include "gui/live_preview.h"
#include "gui/main_window.h"
#include "gui/param_table_model.h"
#include "gui/pictures.h"
#include "gui/preview_widget.h"
#include "gui/preview_window.h"
#include "gui/status_line.h"
#include "gui/window_steps.h"

using namespace tessaro;
using namespace tessaro::gui;

namespace {

using testing::settled;

// The drawing a command makes with the window's tables as they are, on a bench of its own.
std::shared_ptr<const Drawing> expected(MainWindow& form, const char* command) {
    PreviewBench bench(form.workbench());
    return drawPreview(bench, *findCommand(command)).drawing;
}

void edit(MainWindow& form, const char* tableView, int row, const QString& text) {
    auto* view = form.findChild<QTableView*>(tableView);
    view->model()->setData(view->model()->index(row, 1), text);
}

ParamTableModel* modelOf(MainWindow& form, const char* tableView) {
    return static_cast<ParamTableModel*>(form.findChild<QTableView*>(tableView)->model());
}

// Waits until the preview has drawn the last change.
}  // namespace

class LivePreviewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::FakeWindowPorts> fakes;

private slots:
    void init() { fakes = std::make_unique<testing::FakeWindowPorts>(); }

    // From the start the folding box's whole set is drawn, on a copy and on the worker,
    // the preview saying so until it is there: the window's own documents and template
    // label wait for a button.
    void startsWithTheFoldingBoxSetAndFollowsEdits() {
        MainWindow form(fakes->ports());
        auto* preview = form.findChild<PreviewWidget*>("Preview");
        QVERIFY(preview->redrawPending());
        QCOMPARE(preview->caption(), QString("построение…"));
        QVERIFY(preview->drawing().empty());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(settled(form));
        QVERIFY(!preview->redrawPending());
        const auto full = expected(form, "full");
        QCOMPARE(preview->drawing().partCount(), full->partCount());
        QCOMPARE(preview->drawing().outlineCount(), full->outlineCount());
        QCOMPARE(preview->caption(), extentText(full->extent()));
        QVERIFY(preview->caption().endsWith(" мм"));

        edit(form, "boxTable", 2, "300");
        QTRY_COMPARE(preview->drawing().extent().width(), expected(form, "full")->extent().width());
        QCOMPARE(preview->drawing().extent().width() - full->extent().width(), 100.0);
        QVERIFY(!preview->dimmed());
        // The image rendered on the worker is what the widget would render itself.
        QVERIFY(settled(form));
        PreviewWidget own;
        own.resize(preview->size());
        own.showDrawing(std::make_shared<const Drawing>(preview->drawing()));
        const QRect drawingPart(0, 0, preview->width(), preview->height() - 24);
        QCOMPARE(preview->grab().toImage().copy(drawingPart).convertToFormat(QImage::Format_RGB32),
                 own.grab().toImage().copy(drawingPart).convertToFormat(QImage::Format_RGB32));
        QVERIFY(form.workbench().drawing.empty());
        QCOMPARE(form.workbench().templateLabel, std::string("Шаблон"));
        QVERIFY(fakes->messages.errors.empty() && fakes->messages.shown.empty());
    }

    // A box with as many vents as a list may make takes a while to draw: the window opens
    // at once, the preview saying it is drawing until the worker is done, and a window
    // closed meanwhile closes while the drawing no one will see is still under way.
    void aLongFirstPreviewKeepsTheWindowNeitherFromOpeningNorFromClosing() {
        const std::filesystem::path list = tableFolders(fakes->folders).readFrom / kCutoutsFile;
        std::filesystem::create_directories(list.parent_path());
        QFile file(QString::fromStdString(list.string()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "vent lid,holes,100,55,190,100,4.4,0.5\nvent bottom,holes,100,55,190,100,4.4,0.5\n"
            "vent front,holes,100,50,190,90,4.4,0.5\nvent rear,holes,100,50,190,90,4.4,0.5\n");
        file.close();

        {
            MainWindow form(fakes->ports());
            auto* preview = form.findChild<PreviewWidget*>("Preview");
            QVERIFY(preview->redrawPending());
            QVERIFY(preview->drawing().empty());
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            QVERIFY(form.findChild<LivePreview*>()->busy());
            QCOMPARE(preview->caption(), QString("построение…"));
            QVERIFY(settled(form));
            QVERIFY2(preview->problem().isEmpty(), qPrintable(preview->problem()));
            QVERIFY(!preview->redrawPending());
            QCOMPARE(preview->drawing(), *expected(form, "full"));
            QVERIFY(preview->drawing().outlineCount() > 4000);
        }

        auto form = std::make_unique<MainWindow>(fakes->ports());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QVERIFY(form->findChild<LivePreview*>()->busy());
        QVERIFY(form->close());
        form.reset();
    }

    void followsSwitchesTabsAndTheLastButton() {
        MainWindow form(fakes->ports());
        auto* preview = form.findChild<PreviewWidget*>("Preview");
        QVERIFY(settled(form));
        const std::size_t twoFeet = preview->drawing().pointCount();
        form.findChild<QRadioButton*>("feet0")->setChecked(true);
        QVERIFY(settled(form));
        QCOMPARE(preview->drawing().pointCount(), expected(form, "full")->pointCount());
        QVERIFY(preview->drawing().pointCount() != twoFeet);

        auto* tabs = form.findChild<QTabWidget*>("tabs");
        tabs->setCurrentWidget(form.findChild<QWidget*>("spiralTab"));
        QTRY_COMPARE(preview->drawing().outlineCount(), std::size_t{1});
        QCOMPARE(preview->drawing().pointCount(), expected(form, "spiral")->pointCount());

        // The last template drawn on a tab is what it previews when the user comes back.
        tabs->setCurrentWidget(form.findChild<QWidget*>("foldingBoxTab"));
        form.findChild<QPushButton*>("foldingLidButton")->click();
        edit(form, "boxTable", 4, "150");
        QVERIFY(settled(form));
        QCOMPARE(preview->drawing().partCount(), std::size_t{1});
        QCOMPARE(preview->drawing().extent().height(), expected(form, "top")->extent().height());
        tabs->setCurrentWidget(form.findChild<QWidget*>("spiralTab"));
        QVERIFY(settled(form));
        tabs->setCurrentWidget(form.findChild<QWidget*>("foldingBoxTab"));
        QVERIFY(settled(form));
        QCOMPARE(preview->drawing().partCount(), std::size_t{1});
    }

    // A bad cell keeps the last good drawing, dimmed, names the row under it, and in the
    // large view's drawing page; mending the cell brings the drawing back.
    void aBadCellDimsTheLastDrawingAndNamesItsRow() {
        MainWindow form(fakes->ports());
        auto* preview = form.findChild<PreviewWidget*>("Preview");
        preview->openLargeWindow();
        auto* largeLine = preview->largeWindow()->findChild<QLabel*>("ExtentLabel");
        QVERIFY(settled(form));
        const std::size_t points = preview->drawing().pointCount();
        QVERIFY(points > 0);
        edit(form, "boxTable", 5, "0,1");
        QTRY_VERIFY(preview->dimmed());
        QCOMPARE(preview->drawing().pointCount(), points);
        QCOMPARE(preview->caption(), QString("Строка «Припуск отверстия на толщину зуба»: «0,1» — не число."));
        QCOMPARE(largeLine->text(), preview->caption());
        QVERIFY(fakes->messages.errors.empty());

        edit(form, "boxTable", 5, "0.1");
        QTRY_VERIFY(!preview->dimmed());
        QCOMPARE(preview->caption(), extentText(preview->drawing().extent()));
        QCOMPARE(largeLine->text(), extentText(preview->drawing().extent()));
    }

    // Every cell that holds no usable value is marked, in every table, with why as its
    // tooltip; a character no table file keeps is refused as a bad value is; each mark
    // goes when its cell is good again, and a division by zero is marked on its row.
    void everyBadCellIsMarkedUntilItIsGoodAgain() {
        MainWindow form(fakes->ports());
        const auto marked = [&](const char* tableView) {
            std::set<int> rows;
            for (const auto& [row, why] : modelOf(form, tableView)->marks()) {
                rows.insert(row);
            }
            return rows;
        };
        edit(form, "boxTable", 2, "2OO");
        edit(form, "boxTable", 6, "Ø0.2");
        edit(form, "spiralTable", 4, "8.5");
        QVERIFY(settled(form));
        QTRY_COMPARE(marked("boxTable"), (std::set<int>{2, 6}));
        QCOMPARE(marked("spiralTable"), std::set<int>{4});
        ParamTableModel* box = modelOf(form, "boxTable");
        QCOMPARE(box->data(box->index(6, 1), Qt::ToolTipRole).toString(),
                 QString("в «Ø0.2» есть знак «Ø», который файл таблицы не сохранит"));
        QVERIFY(box->data(box->index(2, 1), Qt::BackgroundRole).isValid());
        QVERIFY(!box->data(box->index(3, 1), Qt::BackgroundRole).isValid());

        edit(form, "boxTable", 2, "200");
        QVERIFY(settled(form));
        QTRY_COMPARE(marked("boxTable"), std::set<int>{6});
        QCOMPARE(marked("spiralTable"), std::set<int>{4});
        edit(form, "boxTable", 6, "0.2");
        edit(form, "spiralTable", 4, "8");
        QVERIFY(settled(form));
        QTRY_VERIFY(marked("boxTable").empty() && marked("spiralTable").empty());

        auto* tabs = form.findChild<QTabWidget*>("tabs");
        tabs->setCurrentWidget(form.findChild<QWidget*>("spiralTab"));
        edit(form, "spiralTable", 2, "0");
        QVERIFY(settled(form));
        QTRY_COMPARE(marked("spiralTable"), std::set<int>{2});
        QCOMPARE(form.findChild<PreviewWidget*>("Preview")->caption(),
                 QString("Строка «Шаг вектора, градусы  Fi (1,10,15,30)»: Деление на ноль."));
    }

    // At a button the error box keeps its text, and the cell that stopped the command
    // is selected and marked.
    void aButtonSelectsTheBadCell() {
        MainWindow form(fakes->ports());
        auto* tabs = form.findChild<QTabWidget*>("tabs");
        tabs->setCurrentWidget(form.findChild<QWidget*>("spiralTab"));
        edit(form, "spiralTable", 3, "шаг");
        form.findChild<QPushButton*>("spiralButton")->click();
        QCOMPARE(fakes->messages.errors, std::vector<std::string>{"'шаг' is not a valid floating point value."});
        auto* tableView = form.findChild<QTableView*>("spiralTable");
        QCOMPARE(tableView->currentIndex(), tableView->model()->index(3, 1));
        QVERIFY(tableView->selectionModel()->isSelected(tableView->model()->index(3, 1)));
        QVERIFY(modelOf(form, "spiralTable")->marks().count(3));
        QVERIFY(settled(form));
        QVERIFY(form.findChild<PreviewWidget*>("Preview")->dimmed());
        QVERIFY(modelOf(form, "spiralTable")->marks().count(3));
        QVERIFY(fakes->dialog.offered.empty());
    }

    // The status line says what was written and where; a text wider than the line is cut
    // short and shown whole as the tooltip; a failed save puts its error there instead.
    void statusLineSaysWhatWasWrittenAndWhere() {
        QTemporaryDir dir;
        const QString folder = QDir::toNativeSeparators(dir.path());
        MainWindow form(fakes->ports());
        auto* status = form.findChild<StatusLine*>("statusLine");
        form.findChild<QPushButton*>("foldingSetButton")->click();
        QVERIFY(status->fullText().isEmpty());  // cancelled: nothing written

        fakes->dialog.answer = SaveChoice{dir.filePath("box.dxf").toStdString(), FileType::Dxf};
        form.findChild<QPushButton*>("foldingSetButton")->click();
        QVERIFY(QFile::exists(dir.filePath("box.dxf")));
        const Drawing saved = form.workbench().drawing;
        QCOMPARE(status->fullText(), QString("Записан box.dxf: DXF, контуров: %1, %2; папка %3")
                                         .arg(saved.outlineCount())
                                         .arg(extentText(saved.extent()), folder));
        QCOMPARE(status->toolTip(), status->fullText());
        QVERIFY(!status->showsFailure());
        const bool fits = status->fontMetrics().horizontalAdvance(status->fullText()) <= status->contentsRect().width();
        QCOMPARE(status->text() == status->fullText(), fits);
        QVERIFY(status->fontMetrics().horizontalAdvance(status->text()) <= status->contentsRect().width());

        const QString missing = dir.filePath("gone/box.dxf");
        fakes->dialog.answer = SaveChoice{missing.toStdString(), FileType::Dxf};
        form.findChild<QPushButton*>("foldingSetButton")->click();
        QVERIFY(status->showsFailure());
        QVERIFY2(status->fullText().startsWith(QString("Не удалось создать файл «%1».").arg(missing)),
                 qPrintable(status->fullText()));

        form.findChild<QPushButton*>("englishButton")->click();
        fakes->dialog.answer = SaveChoice{dir.filePath("spiral.svg").toStdString(), FileType::Svg};
        form.findChild<QTabWidget*>("tabs")->setCurrentWidget(form.findChild<QWidget*>("spiralTab"));
        form.findChild<QPushButton*>("spiralButton")->click();
        QCOMPARE(status->fullText(),
                 QString("Wrote spiral.svg: SVG, outlines: 1, 94.45 × 96.94 mm; folder %1").arg(folder));
    }

    // Under English the preview's words are English too; the large window opens over
    // the main window.
    // After a redraw that took long (the largest spiral), an edit says "drawing…" under the
    // last drawing until the new one is there.
    void aSlowRedrawSaysItIsComing() {
        MainWindow form(fakes->ports());
        form.findChild<QTabWidget*>("tabs")->setCurrentWidget(form.findChild<QWidget*>("spiralTab"));
        auto* preview = form.findChild<PreviewWidget*>("Preview");
        edit(form, "spiralTable", 2, "1");
        edit(form, "spiralTable", 4, "1000");
        QVERIFY(settled(form));
        const QString extent = preview->caption();
        QVERIFY(extent.endsWith(" мм"));
        edit(form, "spiralTable", 4, "999");
        QVERIFY(preview->redrawPending());
        QCOMPARE(preview->caption(), QString("построение…"));
        QVERIFY(settled(form));
        QVERIFY(!preview->redrawPending());
        QVERIFY(preview->caption().endsWith(" мм") && preview->caption() != extent);
    }

    void englishWordsAndTheLargeWindowOverTheMainWindow() {
        MainWindow form(fakes->ports());
        form.move(200, 150);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(settled(form));
        auto* preview = form.findChild<PreviewWidget*>("Preview");
        form.findChild<QPushButton*>("englishButton")->click();
        QCOMPARE(preview->toolTip(), QString("Double-click opens the large preview"));
        QVERIFY(settled(form));
        QVERIFY(preview->caption().endsWith(" mm"));
        edit(form, "boxTable", 1, "x");
        QTRY_VERIFY(preview->dimmed());
        QCOMPARE(preview->caption(), QString("Row \"Material thickness\": 'x' is not a valid floating point value."));

        // The pictures with words are drawn again with English ones, those of other tabs when
        // their tab is shown.
        auto* tabs = form.findChild<QTabWidget*>("tabs");
        for (const auto& [worded, tab] : {std::pair{"foldingBoxPicture", "foldingBoxTab"},
                                          {"simpleBoxPicture", "simpleBoxTab"},
                                          {"jumperPicture", "foldingBoxTab"},
                                          {"tabAndGapPicture", "tabSlotTab"},
                                          {"spiralPicture", "spiralTab"},
                                          {"bobbinPicture", "bobbinTab"}}) {
            tabs->setCurrentWidget(form.findChild<QWidget*>(tab));
            const QImage shown = form.findChild<QLabel*>(worded)->pixmap().toImage();
            QVERIFY2(shown == picture(worded, true).toImage(), worded);
            QVERIFY2(shown != picture(worded, false).toImage(), worded);
        }

        // Back on its tab the preview redraws; on a busy machine it says "drawing…" until then.
        tabs->setCurrentWidget(form.findChild<QWidget*>("foldingBoxTab"));
        QVERIFY(settled(form));
        QTest::mouseDClick(preview, Qt::LeftButton, {}, QPoint(100, 100));
        PreviewWindow* large = preview->largeWindow();
        QVERIFY(large && large->isVisible());
        QCOMPARE(large->windowTitle(), QString("Template preview"));
        QCOMPARE(large->findChild<QPushButton*>("FitButton")->text(), QString("Fit"));
        QCOMPARE(large->findChild<QLabel*>("ExtentLabel")->text(),
                 preview->caption());  // the bad row, as under the preview
        const QPoint offCentre = large->frameGeometry().center() - form.frameGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 4, qPrintable(QString("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
    }
};

// A screen with room for the large window over the main one.
TESSARO_TEST_MAIN_ON_SCREEN(LivePreviewTest, "1920x1080")
#include "test_live_preview.moc"
