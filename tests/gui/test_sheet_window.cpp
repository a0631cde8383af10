// The sheet group: off at first and then every output as without it; on, a template
// button nests the template onto sheets, writes one file per sheet and lists them, and
// the preview shows the sheets side by side. Its values are kept between runs.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/preview_drawing.h"
#include "app/saving.h"
#include "app/sheets.h"
#include "gui/fakes.h"
#include "gui/live_preview.h"
#include "gui/main_window.h"
#include "gui/preview_widget.h"
#include "gui/status_line.h"
#include "gui/window_steps.h"

using namespace tessaro;
using namespace tessaro::gui;

namespace {

using testing::buttonOf;
using testing::contentsOf;
using testing::settled;
using testing::text;

QGroupBox* sheetGroup(MainWindow& form) { return form.findChild<QGroupBox*>("sheet"); }

QLineEdit* field(MainWindow& form, const char* name) { return form.findChild<QLineEdit*>(name); }

void setSheet(MainWindow& form, double width, double height) {
    sheetGroup(form)->setChecked(true);
    field(form, "sheetWidth")->setText(QString::number(width));
    field(form, "sheetHeight")->setText(QString::number(height));
}

}  // namespace

class SheetWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::FakeWindowPorts> fakes;
    std::unique_ptr<QTemporaryDir> folder;

    void answer(const char* name) {
        fakes->dialog.answer = SaveChoice{QDir(folder->path()).filePath(name).toStdString(), FileType::Dxf};
    }

private slots:
    void init() {
        testing::scratchSettings.clear();
        fakes = std::make_unique<testing::FakeWindowPorts>();
        folder = std::make_unique<QTemporaryDir>();
    }

    // Off by default: one file, byte for byte what saving the template writes, and the
    // group stands clear of every other control of the window.
    void offByDefaultAndTheOutputIsAsWithoutIt() {
        MainWindow form(fakes->ports());
        QGroupBox* group = sheetGroup(form);
        QVERIFY(group);
        QCOMPARE(group->title(), QString("Лист"));
        QVERIFY(group->isCheckable());
        QVERIFY(!group->isChecked());
        for (const QWidget* other : group->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other != group && other->isVisibleTo(&form)) {
                QVERIFY2(!other->geometry().intersects(group->geometry()), qPrintable(other->objectName()));
            }
        }

        answer("box.dxf");
        buttonOf(form, "full")->click();
        QVERIFY(fakes->messages.errors.empty());
        const QStringList written = QDir(folder->path()).entryList(QDir::Files);
        QCOMPARE(written, QStringList{"box.dxf"});
        QCOMPARE(contentsOf(folder->filePath("box.dxf")),
                 QByteArray::fromStdString(templateBytes(form.workbench(), FileType::Dxf)));
        QVERIFY(form.findChild<StatusLine*>("statusLine")->fullText().startsWith("Записан box.dxf: DXF"));
        QCOMPARE(form.findChild<PreviewWidget*>("Preview")->sheetCount(), std::size_t{0});
    }

    // On a 300 x 200 sheet the folding set takes several sheets: one numbered file each,
    // the bytes of the core's sheets, and the status line names every one.
    void aButtonWritesOneNumberedFilePerSheetAndListsThem() {
        MainWindow form(fakes->ports());
        setSheet(form, 300, 200);
        answer("box.dxf");
        buttonOf(form, "full")->click();
        QVERIFY(fakes->messages.errors.empty());

        const Workbench& wb = form.workbench();
        const std::vector<std::string> expected =
            sheetBytes(wb, FileType::Dxf, {{300, 200}, defaultSheetGap(wb, TemplateTab::FoldingBox)});
        QVERIFY(expected.size() > 1);
        QStringList names;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            names << QString("box-%1.dxf").arg(i + 1);
            QCOMPARE(contentsOf(folder->filePath(names.back())), QByteArray::fromStdString(expected[i]));
        }
        QStringList written = QDir(folder->path()).entryList(QDir::Files);
        written.sort();
        names.sort();
        QCOMPARE(written, names);
        const QString status = form.findChild<StatusLine*>("statusLine")->fullText();
        QVERIFY2(status.startsWith("Записаны листы, DXF: "), qPrintable(status));
        for (const QString& name : names) {
            QVERIFY2(status.contains(name), qPrintable(status));
        }
    }

    // The preview shows the sheets side by side, each framed: as many frames as sheets,
    // the row as wide as the sheets and the room between them, as high as one sheet.
    void thePreviewShowsTheSheetsSideBySide() {
        MainWindow form(fakes->ports());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* preview = form.findChild<PreviewWidget*>("Preview");
        QCOMPARE(preview->sheetCount(), std::size_t{0});
        setSheet(form, 300, 200);
        QVERIFY(settled(form));
        QTRY_VERIFY(preview->sheetCount() > 1);

        const Workbench& wb = form.workbench();
        PreviewBench bench(wb);
        findCommand("full")->run(bench.wb);
        const std::size_t sheets =
            nestOntoSheets(bench.wb.drawing, {300, 200}, defaultSheetGap(wb, TemplateTab::FoldingBox)).size();
        QCOMPARE(preview->sheetCount(), sheets);
        const Extent row = preview->drawing().extent();
        QCOMPARE(row.minX, 0.0);
        QCOMPARE(row.minY, 0.0);
        QCOMPARE(row.height(), 200.0);
        QVERIFY(qAbs(row.width() - (sheets * 300 + (sheets - 1) * 15)) < 1e-6);
        // Each frame is a part of its own, closed, and every part lies inside one frame.
        const Drawing& drawing = preview->drawing();
        std::size_t frames = 0;
        for (std::size_t part = 0; part < drawing.partCount(); ++part) {
            const Outline first = drawing.outline(drawing.part(part).firstOutline);
            const auto& p = first.points;
            if (p.size() == 5 && first.closed() && p[2].x - p[0].x == 300 && p[2].y == 200) {
                ++frames;
            }
        }
        QCOMPARE(frames, sheets);
        QVERIFY(preview->caption().startsWith(QString("Листов: %1, ").arg(sheets)));

        sheetGroup(form)->setChecked(false);
        QVERIFY(settled(form));
        QTRY_COMPARE(preview->sheetCount(), std::size_t{0});
        QCOMPARE(preview->drawing().extent().width(),
                 drawPreview(bench, *findCommand("full")).drawing->extent().width());
    }

    // A part larger than the sheet either way: the core's message in the error box, no
    // question asked, nothing written; the live preview says the same under its drawing.
    void aPartTooLargeIsRefusedAndNothingWritten() {
        MainWindow form(fakes->ports());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        setSheet(form, 200, 100);
        answer("box.dxf");
        buttonOf(form, "full")->click();
        QCOMPARE(fakes->messages.errors.size(), std::size_t{1});
        const QString error = QString::fromStdString(fakes->messages.errors.front());
        QVERIFY2(error.startsWith("Part ") && error.contains("does not fit on a 200 x 100 mm sheet"),
                 qPrintable(error));
        QVERIFY(fakes->dialog.offered.empty());
        QVERIFY(QDir(folder->path()).entryList(QDir::Files).isEmpty());

        auto* preview = form.findChild<PreviewWidget*>("Preview");
        QVERIFY(settled(form));
        QTRY_VERIFY(preview->dimmed());
        QVERIFY2(preview->problem().startsWith("Деталь 1 (фасад, ") &&
                     preview->problem().contains("не помещается на лист 200 x 100 мм"),
                 qPrintable(preview->problem()));
    }

    // "Не поворачивать / No rotation" keeps every part as drawn: the front panel on a sheet
    // it fits only turned is refused by its number and size, and nested once unchecked. The
    // choice comes back in the next window.
    void noRotationKeepsEveryPartAsDrawn() {
        {
            MainWindow form(fakes->ports());
            auto* noRotation = form.findChild<QCheckBox*>("sheetNoRotation");
            QVERIFY(noRotation);
            QCOMPARE(noRotation->text(), QString("Не поворачивать"));
            QVERIFY(!noRotation->isChecked());
            QVERIFY(sheetGroup(form)->isAncestorOf(noRotation));

            answer("front.dxf");
            buttonOf(form, "facade")->click();
            const Workbench& wb = form.workbench();
            const Extent drawn = wb.drawing.extent();
            const double margins = 2 * defaultSheetGap(wb, TemplateTab::FoldingBox) + 1;
            setSheet(form, drawn.height() + margins, drawn.width() + margins);
            noRotation->setChecked(true);
            answer("upright.dxf");
            buttonOf(form, "facade")->click();
            QCOMPARE(fakes->messages.errors.size(), std::size_t{1});
            const QString error = QString::fromStdString(fakes->messages.errors.front());
            QVERIFY2(error.startsWith("Part 1 (") && !error.contains("turned"), qPrintable(error));
            QVERIFY(!QFile::exists(folder->filePath("upright-1.dxf")));

            noRotation->setChecked(false);
            buttonOf(form, "facade")->click();
            QCOMPARE(fakes->messages.errors.size(), std::size_t{1});
            QVERIFY(QFile::exists(folder->filePath("upright-1.dxf")));
            noRotation->setChecked(true);
            form.close();
        }
        MainWindow next(fakes->ports());
        QVERIFY(next.findChild<QCheckBox*>("sheetNoRotation")->isChecked());
    }

    // The group's switch and values come back in the next window; a fresh one starts off,
    // 600 x 400, the gap automatic.
    void theSheetIsKeptBetweenRuns() {
        {
            MainWindow form(fakes->ports());
            QCOMPARE(field(form, "sheetWidth")->text(), QString("600"));
            QCOMPARE(field(form, "sheetHeight")->text(), QString("400"));
            QCOMPARE(field(form, "sheetGap")->text(), QString());
            QCOMPARE(field(form, "sheetGap")->placeholderText(), QString("авто"));
            setSheet(form, 450, 300.5);
            field(form, "sheetGap")->setText("5");
            form.close();
        }
        MainWindow next(fakes->ports());
        QVERIFY(sheetGroup(next)->isChecked());
        QCOMPARE(field(next, "sheetWidth")->text(), QString("450"));
        QCOMPARE(field(next, "sheetHeight")->text(), QString("300.5"));
        QCOMPARE(field(next, "sheetGap")->text(), QString("5"));
    }

    // The fields take numbers by the tables' rule under any locale and never change what
    // was typed: a bad one is marked, the preview names it, and a button shows why and
    // writes nothing.
    void theFieldsTakeNumbersByTheTablesRuleAndMarkABadOne() {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        MainWindow form(fakes->ports());
        form.show();
        auto* preview = form.findChild<PreviewWidget*>("Preview");
        sheetGroup(form)->setChecked(true);
        QLineEdit* width = field(form, "sheetWidth");
        for (const QString typed : {"300.5", "1e3", " 450 "}) {
            width->setText(typed);
            QVERIFY(settled(form));
            QCOMPARE(width->text(), typed);
            QVERIFY2(width->styleSheet().isEmpty(), qPrintable(typed));
            QTRY_VERIFY2(!preview->dimmed(), qPrintable(typed));
        }
        const struct {
            const char* typed;
            const char* why;
        } bad[] = {
            {"300,5", "Ширина листа: «300,5» — не число"},
            {"-5", "Ширина листа: -5 мм — нужно больше 0 и не больше 10000 мм"},
            {"0", "Ширина листа: 0 мм — нужно больше 0 и не больше 10000 мм"},
            {"", "Ширина листа: «» — не число"},
        };
        answer("box.dxf");
        for (const auto& c : bad) {
            width->setText(c.typed);
            QVERIFY(settled(form));
            QCOMPARE(width->text(), QString(c.typed));
            QVERIFY2(!width->styleSheet().isEmpty(), c.typed);
            QCOMPARE(width->toolTip(), QString(c.why));
            QTRY_COMPARE(preview->problem(), QString(c.why));
            buttonOf(form, "full")->click();
            QCOMPARE(fakes->messages.errors.back(), std::string(c.why) + ".");
        }
        QCOMPARE(fakes->messages.errors.size(), std::size(bad));
        QVERIFY(fakes->dialog.offered.empty());
        QVERIFY(QDir(folder->path()).entryList(QDir::Files).isEmpty());
        field(form, "sheetGap")->setText("101");
        width->setText("600");
        QVERIFY(settled(form));
        QTRY_COMPARE(preview->problem(), QString("Зазор: 101 мм — не от 0 до 100 мм"));
        QLocale::setDefault(before);
    }

    // Saving a set over an earlier, larger one asks once, naming the sheets it replaces and
    // the stale ones; "No" leaves every file as it was, "Yes" replaces the set and removes
    // the stale sheets, and the status line names them.
    void aSetOverAnEarlierLargerOneAsksOnceAndRemovesItsStaleSheets() {
        MainWindow form(fakes->ports());
        setSheet(form, 300, 200);
        answer("box.dxf");
        buttonOf(form, "full")->click();
        const QStringList first = QDir(folder->path()).entryList(QDir::Files);
        QVERIFY(first.size() > 1);
        QVERIFY(fakes->dialog.inTheWay.empty());

        setSheet(form, 600, 400);
        fakes->dialog.replace = false;
        buttonOf(form, "full")->click();
        QCOMPARE(fakes->dialog.inTheWay.size(), std::size_t{1});
        const FilesInTheWay asked = fakes->dialog.inTheWay.front();
        QCOMPARE(asked.replaced, std::vector<std::string>{QDir(folder->path()).filePath("box-1.dxf").toStdString()});
        QCOMPARE(asked.removed.size(), static_cast<std::size_t>(first.size() - 1));
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files), first);

        fakes->dialog.replace = true;
        buttonOf(form, "full")->click();
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList{"box-1.dxf"});
        const QString status = form.findChild<StatusLine*>("statusLine")->fullText();
        QVERIFY2(status.contains("удалены листы прежнего набора: box-2.dxf"), qPrintable(status));
        QVERIFY(fakes->messages.errors.empty());
    }
};

QTEST_MAIN(SheetWindowTest)
#include "test_sheet_window.moc"
