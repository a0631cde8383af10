// The File menu's designs: Save as, New and Open give the window's tables, switches,
// cut-outs, kerf and sheet back; what the window saves the command line's core draws as
// the window drew it; the title names the design and marks changes not saved; New, Open
// and closing ask before losing them; a file that is no design is refused with its line
// and changes nothing; the recent designs open again.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include "app/design_arguments.h"
#include "app/design_file.h"
#include "app/kerf_setting.h"
#include "app/materials.h"
#include "app/saving.h"
#include "app/table_folders.h"
#include "app/table_keys.h"
#include "gui/cutout_table_model.h"
#include "gui/fakes.h"
#include "gui/main_window.h"
#include "gui/material_box.h"
#include "gui/sheet_group.h"
#include "gui/window_steps.h"

using namespace tessaro;
using namespace tessaro::gui;

namespace {

using testing::buttonOf;
using testing::contentsOf;
using testing::text;

void trigger(MainWindow& form, const char* action) { form.findChild<QAction*>(action)->trigger(); }

// A user's design: values typed, switches turned, a cut-out, a kerf, a sheet.
void makeADesign(MainWindow& form) {
    Workbench& wb = form.workbench();
    auto* model = form.findChild<QTableView*>("boxTable")->model();
    model->setData(model->index(rowNumber(MainRow::Width), 1), "240.0");
    model->setData(model->index(rowNumber(MainRow::Thickness), 1), "4");
    form.findChild<QCheckBox*>("cornerRelief")->setChecked(true);
    form.findChild<QCheckBox*>("supportJumper")->setChecked(false);
    form.findChild<QAbstractButton*>("feet1")->click();
    form.findChild<CutoutTableModel*>()->setList({"cutout front,circle,30,20,12", "vent lid,slots,100,55,80,40,6,3"});
    auto* kerf = form.findChild<QLineEdit*>("kerfEdit");
    kerf->selectAll();
    QTest::keyClicks(kerf, "0.2");
    form.findChild<QGroupBox*>("sheet")->setChecked(true);
    form.findChild<QLineEdit*>("sheetWidth")->setText("700");
    form.findChild<QLineEdit*>("sheetGap")->setText("4");
    QCOMPARE(wb.boxTable.text(MainRow::Width), std::string("240.0"));
}

// The tables, the switches and the rest of what a design holds, as the window has them.
QStringList stateOf(MainWindow& form) {
    QStringList state;
    for (const TableRow& row : tableRows(form.workbench())) {
        state << text(row.key + "=" + row.value);
    }
    // simpleCornerRelief shows cornerRelief on its own tab, and takes its state there.
    for (QCheckBox* box : form.findChildren<QCheckBox*>()) {
        if (box->objectName() != "simpleCornerRelief") {
            state << box->objectName() + (box->isChecked() ? "+" : "-");
        }
    }
    for (QAbstractButton* radio : form.findChild<QGroupBox*>("feet")->findChildren<QAbstractButton*>()) {
        state << radio->objectName() + (radio->isChecked() ? "+" : "-");
    }
    for (const std::string& line : form.findChild<CutoutTableModel*>()->list()) {
        state << text(line);
    }
    for (QLineEdit* field : form.findChildren<QLineEdit*>()) {
        state << field->objectName() + "=" + field->text();
    }
    state << QString("sheet %1").arg(form.findChild<QGroupBox*>("sheet")->isChecked());
    return state;
}

}  // namespace

class DesignWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::FakeWindowPorts> fakes;
    std::unique_ptr<QTemporaryDir> folder;

    std::string fileIn(const char* name) const { return QDir(folder->path()).filePath(name).toStdString(); }

private slots:
    void init() {
        testing::scratchSettings.clear();
        fakes = std::make_unique<testing::FakeWindowPorts>();
        folder = std::make_unique<QTemporaryDir>();
    }

    void saveAsThenNewThenOpenGivesTheDesignBack() {
        MainWindow form(fakes->ports());
        makeADesign(form);
        const QStringList made = stateOf(form);
        fakes->designs.saveAnswer = fileIn("box.toml");
        trigger(form, "saveDesignAsAction");
        QVERIFY2(fakes->messages.errors.empty(),
                 fakes->messages.errors.empty() ? "" : fakes->messages.errors[0].c_str());
        const TemplateCommand& set = *findCommand(tabRule(TemplateTab::FoldingBox).wholeTemplate);
        QCOMPARE(fakes->designs.offered, std::vector<std::string>{set.proposedName(form.workbench()) + ".toml"});

        trigger(form, "newDesignAction");
        QVERIFY(fakes->designs.askedUnsaved.empty());  // saved: nothing to lose
        QCOMPARE(form.workbench().boxTable.text(MainRow::Width), std::string("200"));
        QVERIFY(!form.findChild<QCheckBox*>("cornerRelief")->isChecked());
        QVERIFY(!form.findChild<QGroupBox*>("sheet")->isChecked());
        QVERIFY(form.findChild<CutoutTableModel*>()->list().empty());
        QCOMPARE(form.findChild<QLineEdit*>("kerfEdit")->text(), QString("0"));
        QVERIFY(stateOf(form) != made);

        fakes->designs.openAnswer = fileIn("box.toml");
        trigger(form, "openDesignAction");
        QVERIFY(fakes->messages.errors.empty());
        QCOMPARE(stateOf(form), made);
        QCOMPARE(form.workbench().kerf, 0.2);
        QVERIFY(!form.isWindowModified());
    }

    // The file the window saves is one the command line draws as the window drew it.
    void whatTheWindowSavesDrawsAsTheWindowDrewIt() {
        MainWindow form(fakes->ports());
        makeADesign(form);
        form.findChild<QGroupBox*>("sheet")->setChecked(false);
        fakes->dialog.answer = SaveChoice{fileIn("window.dxf"), FileType::Dxf};
        buttonOf(form, "full")->click();
        fakes->designs.saveAnswer = fileIn("box.toml");
        trigger(form, "saveDesignAsAction");
        QVERIFY(fakes->messages.errors.empty());

        DesignArguments a;
        a.designFile = fileIn("box.toml");
        takeDesign(a);
        QCOMPARE(a.commands, std::vector<std::string>{"full"});
        testing::FakeClock clock;
        testing::FakeMessageBox messages;
        Workbench wb(clock, messages);
        applyDesignTables(*a.design, wb);
        wb.options = a.design->switches;
        wb.cutouts = a.design->cutouts;
        wb.kerf = parseKerf(a.kerf);
        showTab(wb, TemplateTab::FoldingBox);
        findCommand("full")->run(wb);
        QCOMPARE(QByteArray::fromStdString(templateBytes(wb, FileType::Dxf)), contentsOf(text(fileIn("window.dxf"))));
    }

    void theTitleNamesTheDesignAndMarksChanges() {
        MainWindow form(fakes->ports());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowHandle()->title(), QString("Без имени — Tessaro"));
        QVERIFY(!form.isWindowModified());
        auto* model = form.findChild<QTableView*>("boxTable")->model();
        model->setData(model->index(rowNumber(MainRow::Height), 1), "90");
        QVERIFY(form.isWindowModified());
        QCOMPARE(form.windowHandle()->title(), QString("Без имени* — Tessaro"));
        fakes->designs.saveAnswer = fileIn("shelf unit.toml");
        QTest::keySequence(&form, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));  // Save, which asks the first time
        QCOMPARE(form.windowHandle()->title(), QString("shelf unit — Tessaro"));
        form.findChild<QCheckBox*>("screwJoints")->setChecked(true);
        QCOMPARE(form.windowHandle()->title(), QString("shelf unit* — Tessaro"));
        fakes->designs.saveAnswer.reset();
        trigger(form, "saveDesignAction");  // saved where it was, without asking
        QCOMPARE(fakes->designs.offered.size(), std::size_t{1});
        QVERIFY(!form.isWindowModified());
        QVERIFY(contentsOf(text(fileIn("shelf unit.toml"))).contains("screws = true"));

        form.findChild<QPushButton*>("englishButton")->click();
        trigger(form, "newDesignAction");
        QCOMPARE(form.windowHandle()->title(), QString("Untitled — Tessaro"));
    }

    // Save / Discard / Cancel, before closing, New and Open.
    void closingNewAndOpenAskBeforeLosingChanges() {
        MainWindow form(fakes->ports());
        form.show();
        QVERIFY(form.close());  // nothing to lose: not asked
        QVERIFY(fakes->designs.askedUnsaved.empty());

        form.show();
        form.findChild<QCheckBox*>("screwJoints")->setChecked(true);
        fakes->designs.unsavedAnswer = DesignPrompt::Unsaved::Cancel;
        QVERIFY(!form.close());
        QCOMPARE(fakes->designs.askedUnsaved, std::vector<std::string>{"Без имени"});
        trigger(form, "newDesignAction");
        fakes->designs.openAnswer = fileIn("none.toml");
        trigger(form, "openDesignAction");
        QCOMPARE(fakes->designs.askedUnsaved.size(), std::size_t{3});
        QVERIFY(form.findChild<QCheckBox*>("screwJoints")->isChecked());
        QVERIFY(fakes->messages.errors.empty());  // cancelled before the file was read

        // Save, and the design is kept before the window closes; a save that is cancelled
        // keeps the window open.
        fakes->designs.unsavedAnswer = DesignPrompt::Unsaved::Save;
        QVERIFY(!form.close());
        fakes->designs.saveAnswer = fileIn("kept.toml");
        QVERIFY(form.close());
        QVERIFY(contentsOf(text(fileIn("kept.toml"))).contains("screws = true"));
    }

    // Read whole before anything is shown: the window stays as it was, the message names
    // the file and the line.
    void aFileThatIsNoDesignChangesNothing() {
        QFile bad(text(fileIn("bad.toml")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("templates = [\"full\"]\n[tables.main]\nW = \"250\"\nQ = \"1\"\n");
        bad.close();
        MainWindow form(fakes->ports());
        auto* model = form.findChild<QTableView*>("boxTable")->model();
        model->setData(model->index(rowNumber(MainRow::Height), 1), "90");
        const QStringList before = stateOf(form);
        fakes->designs.openAnswer = fileIn("bad.toml");
        trigger(form, "openDesignAction");
        QCOMPARE(stateOf(form), before);
        QVERIFY(form.isWindowModified());
        QCOMPARE(fakes->messages.errors.size(), std::size_t{1});
        const QString error = text(fakes->messages.errors[0]);
        QVERIFY2(error.startsWith("«" + text(fileIn("bad.toml")) + "», строка 4: "), qPrintable(error));
        QVERIFY2(error.contains("Q"), qPrintable(error));

        // A cut-out row that does not read would be lost from the file: nothing is saved.
        form.findChild<CutoutTableModel*>()->setList({"cutout front,circle,30,20"});
        fakes->designs.saveAnswer = fileIn("lost.toml");
        trigger(form, "saveDesignAsAction");
        QCOMPARE(fakes->messages.errors.size(), std::size_t{2});
        QVERIFY(!QFile::exists(text(fileIn("lost.toml"))));
    }

    // Several templates are the job, each drawn as it is added; a cell that is no number
    // leaves the job empty and is named, the design shown all the same.
    void aDesignOfSeveralTemplatesIsTheJob() {
        MainWindow form(fakes->ports());
        for (const auto& [name, width] : {std::pair{"job.toml", "4"}, {"bad job.toml", "2x"}}) {
            QFile file(text(fileIn(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("templates = [\"tab-slot\", \"bobbin\", \"bobbin\"]\n[tables.tabslot]\nT = \"") +
                       width + "\"\n");
            file.close();
        }
        fakes->designs.openAnswer = fileIn("job.toml");
        trigger(form, "openDesignAction");
        QVERIFY(fakes->messages.errors.empty());
        QCOMPARE(form.findChild<QTabWidget*>("tabs")->currentWidget()->objectName(), QString("tabSlotTab"));
        std::vector<std::string> verbs;
        for (const JobTemplate& item : form.findChild<SheetGroup*>()->job()) {
            verbs.emplace_back(item.command().name);
        }
        QCOMPARE(verbs, (std::vector<std::string>{"tab-slot", "bobbin", "bobbin"}));
        fakes->designs.saveAnswer = fileIn("again.toml");
        trigger(form, "saveDesignAsAction");
        QVERIFY(contentsOf(text(fileIn("again.toml"))).contains("templates = [\"tab-slot\", \"bobbin\", \"bobbin\"]"));

        fakes->designs.openAnswer = fileIn("bad job.toml");
        trigger(form, "openDesignAction");
        QCOMPARE(form.workbench().tabSlotTable.text(TabSlotTableRow::Thickness), std::string("2x"));
        QVERIFY(form.findChild<SheetGroup*>()->job().empty());
        QCOMPARE(fakes->messages.errors.size(), std::size_t{1});
    }

    void theRecentDesignsOpenAgain() {
        MainWindow form(fakes->ports());
        for (const char* name : {"a.toml", "b.toml", "c.toml", "d.toml", "e.toml", "f.toml"}) {
            fakes->designs.saveAnswer = fileIn(name);
            trigger(form, "saveDesignAsAction");
        }
        auto* recent = form.findChild<QMenu*>("recentDesignsMenu");
        QCOMPARE(recent->actions().size(), 5);
        QVERIFY(recent->actions().front()->text().contains("f.toml"));
        QVERIFY(recent->actions().back()->text().contains("b.toml"));

        auto* model = form.findChild<QTableView*>("boxTable")->model();
        model->setData(model->index(rowNumber(MainRow::Height), 1), "90");
        trigger(form, "saveDesignAction");  // into f.toml
        trigger(form, "newDesignAction");
        form.findChild<QAction*>("recentDesign0")->trigger();
        QCOMPARE(form.workbench().boxTable.text(MainRow::Height), std::string("90"));
        QCOMPARE(form.windowTitle(), QString("f[*] — Tessaro"));

        // Kept in the settings: the next window lists them too.
        MainWindow next(fakes->ports());
        QCOMPARE(next.findChild<QMenu*>("recentDesignsMenu")->actions().size(), 5);
    }

    // A preset's kerf is shown in the field, where a button reads the kerf again.
    void aMaterialsKerfIsTheKerfAButtonSaves() {
        const std::filesystem::path folder = tableFolders(fakes->folders).readFrom;
        std::filesystem::create_directories(folder);
        MaterialStore store;
        (void)store.save({"Birch 4", "4", "0.15", "0.12", "0.25"}, folder / kMaterialsFile);
        MainWindow form(fakes->ports());
        auto* presets = form.findChild<QComboBox*>("material");
        presets->setCurrentIndex(0);
        emit presets->activated(0);
        QCOMPARE(form.findChild<QLineEdit*>("kerfEdit")->text(), QString("0.15"));
        fakes->dialog.answer = SaveChoice{fileIn("front.dxf"), FileType::Dxf};
        buttonOf(form, "facade")->click();
        QCOMPARE(form.workbench().kerf, 0.15);

        fakes->designs.saveAnswer = fileIn("birch.toml");
        trigger(form, "saveDesignAsAction");
        const QByteArray saved = contentsOf(text(fileIn("birch.toml")));
        QVERIFY2(saved.contains("material = \"Birch 4\"") && saved.contains("kerf = \"0.15\""), saved.constData());
    }
};

QTEST_MAIN(DesignWindowTest)
#include "test_design_window.moc"
