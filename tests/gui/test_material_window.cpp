// The material box: it lists the presets of Materials.txt, choosing one sets the thickness,
// kerf and allowances of both tables as one step to undo, and "save as…" keeps the shown
// tab's values beside the tables under the name given.
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QUndoStack>
#include <QtTest>

#include "app/materials.h"
#include "app/table_folders.h"
#include "app/table_keys.h"
#include "gui/fakes.h"
#include "gui/main_window.h"
#include "gui/material_box.h"
#include "gui/window_messages.h"

using namespace tessaro;
using namespace tessaro::gui;

namespace {

const Material kBirch{"Берёза 4", "4", "0.15", "0.12", "0.25"};
const Material kAcrylic{"Acrylic 3", "3", "0.1", "-0.05", "0"};

QComboBox* materialList(MainWindow& form) { return form.findChild<QComboBox*>("material"); }

QStringList itemsOf(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items << list->itemText(i);
    }
    return items;
}

std::vector<Material> savedIn(const std::filesystem::path& folder) {
    MaterialStore store;
    store.load(folder / kMaterialsFile);
    return store.materials();
}

}  // namespace

class MaterialWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::FakeWindowPorts> fakes;

    // Presets in the folder the window reads its tables from.
    void keepPresets(const std::vector<Material>& materials) {
        MaterialStore store;
        for (const Material& material : materials) {
            store.save(material, tableFolders(fakes->folders).readFrom / kMaterialsFile);
        }
    }

private slots:
    void init() {
        testing::scratchSettings.clear();
        fakes = std::make_unique<testing::FakeWindowPorts>();
    }

    // Both languages in its words, clear of every other control, the presets listed in order.
    void theBoxListsThePresetsBesideTheTables() {
        keepPresets({kBirch, kAcrylic});
        MainWindow form(fakes->ports());
        auto* box = form.findChild<MaterialBox*>("materialBox");
        QVERIFY(box);
        QCOMPARE(materialList(form)->placeholderText(), QString("Материал"));
        QCOMPARE(form.findChild<QPushButton*>("saveMaterialButton")->text(), QString("Сохранить как…"));
        QCOMPARE(itemsOf(materialList(form)), (QStringList{"Берёза 4", "Acrylic 3"}));
        QCOMPARE(materialList(form)->currentIndex(), -1);
        for (const QWidget* other : form.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other != box && other->isVisibleTo(&form)) {
                QVERIFY2(!other->geometry().intersects(box->geometry()), qPrintable(other->objectName()));
            }
        }
        QVERIFY(fakes->messages.errors.empty());
    }

    void choosingAPresetSetsBothTablesAsOneStepToUndo() {
        keepPresets({kAcrylic, kBirch});
        MainWindow form(fakes->ports());
        const Workbench& wb = form.workbench();
        const ParamTable box = wb.boxTable;
        const ParamTable tabSlot = wb.tabSlotTable;
        emit materialList(form)->activated(1);
        QCOMPARE(wb.boxTable.text(MainRow::Thickness), std::string("4"));
        QCOMPARE(wb.boxTable.text(MainRow::SlotAllowance), std::string("0.12"));
        QCOMPARE(wb.boxTable.text(MainRow::TabLengthAllowance), std::string("0.25"));
        QCOMPARE(wb.tabSlotTable.text(TabSlotTableRow::Thickness), std::string("4"));
        QCOMPARE(wb.tabSlotTable.text(TabSlotTableRow::SlotAllowance), std::string("0.12"));
        QCOMPARE(wb.kerf, 0.15);
        form.findChild<QUndoStack*>()->undo();
        QVERIFY(wb.boxTable == box);
        QVERIFY(wb.tabSlotTable == tabSlot);
    }

    // On the tab-slot tab the preset is the tab-slot table's; elsewhere the main table's.
    void saveAsKeepsTheShownTabsValuesUnderTheNameGiven() {
        keepPresets({kAcrylic});
        MainWindow form(fakes->ports());
        auto* box = form.findChild<MaterialBox*>("materialBox");
        QString answer = "Фанера";
        box->setNameQuestion([&answer](QWidget&) { return std::optional(answer); });
        assignTableValue(form.workbench(), "tabslot.A=0.08");
        form.findChild<QTabWidget*>("tabs")->setCurrentWidget(form.findChild<QWidget*>("tabSlotTab"));
        QTest::mouseClick(form.findChild<QPushButton*>("saveMaterialButton"), Qt::LeftButton);
        QVERIFY2(fakes->messages.errors.empty(),
                 fakes->messages.errors.empty() ? "" : fakes->messages.errors[0].c_str());
        const std::filesystem::path program = tableFolders(fakes->folders).writeTo;
        QCOMPARE(savedIn(program), (std::vector<Material>{kAcrylic, {"Фанера", "5", "0", "0.08", "0.2"}}));
        QCOMPARE(itemsOf(materialList(form)), (QStringList{"Acrylic 3", "Фанера"}));
        QCOMPARE(materialList(form)->currentText(), QString("Фанера"));

        form.findChild<QTabWidget*>("tabs")->setCurrentWidget(form.findChild<QWidget*>("foldingBoxTab"));
        QTest::mouseClick(form.findChild<QPushButton*>("saveMaterialButton"), Qt::LeftButton);
        QCOMPARE(savedIn(program).back().slotAllowance, std::string("0.1"));

        // A name the file cannot keep is an error, and nothing changes.
        answer = "   ";
        QTest::mouseClick(form.findChild<QPushButton*>("saveMaterialButton"), Qt::LeftButton);
        QCOMPARE(fakes->messages.errors.size(), std::size_t{1});
        QCOMPARE(savedIn(program).size(), std::size_t{2});
    }

    // A preset no drawing could be made with (written by hand, or before values were
    // checked) is refused, in the window's language, before any cell is set; and the values
    // of the tables are not saved as one.
    void aPresetOutOfRangeIsNeitherAppliedNorSaved() {
        keepPresets({{"Huge", "1e308", "0", "0.1", "0.2"}, {"Wide", "4", "100", "0.1", "0.2"}});
        MainWindow form(fakes->ports());
        const ParamTable box = form.workbench().boxTable;
        emit materialList(form)->activated(0);
        emit materialList(form)->activated(1);
        QCOMPARE(fakes->messages.errors.size(), std::size_t{2});
        QCOMPARE(windowMessage(fakes->messages.errors[0]),
                 QString("Материал «Huge»: толщина «1e308» — не от 0.000001 до 1000 мм."));
        QCOMPARE(windowMessage(fakes->messages.errors[1]),
                 QString("Материал «Wide»: Пропил «100» — не ширина от 0 до 50 мм."));
        QVERIFY(form.workbench().boxTable == box);
        QCOMPARE(form.workbench().kerf, 0.0);

        auto* materials = form.findChild<MaterialBox*>("materialBox");
        materials->setNameQuestion([](QWidget&) { return std::optional<QString>("Фанера"); });
        assignTableValue(form.workbench(), "main.M=1e308");
        QTest::mouseClick(form.findChild<QPushButton*>("saveMaterialButton"), Qt::LeftButton);
        QCOMPARE(fakes->messages.errors.size(), std::size_t{3});
        QVERIFY(!std::filesystem::exists(tableFolders(fakes->folders).writeTo / kMaterialsFile) ||
                savedIn(tableFolders(fakes->folders).writeTo).size() == 2);
    }

    // A file refused at start is reported, and the one at the target is kept beside before
    // the save.
    void refusedFilesAreReportedAndKeptBeside() {
        const QByteArray binary("\x00\x01 no table", 11);
        for (const auto& folder : {fakes->folders.workingFolder(), fakes->folders.programFolder()}) {
            QFile bad(QString::fromStdString((folder / kMaterialsFile).string()));
            QVERIFY(bad.open(QIODevice::WriteOnly));
            bad.write(binary);
        }
        MainWindow form(fakes->ports());
        QCOMPARE(fakes->messages.errors.size(), std::size_t{1});
        QCOMPARE(materialList(form)->count(), 0);
        form.findChild<MaterialBox*>("materialBox")->setNameQuestion([](QWidget&) {
            return std::optional<QString>("MDF");
        });
        QTest::mouseClick(form.findChild<QPushButton*>("saveMaterialButton"), Qt::LeftButton);
        const std::filesystem::path program = tableFolders(fakes->folders).writeTo;
        QCOMPARE(savedIn(program).size(), std::size_t{1});
        QFile kept(QString::fromStdString((program / "Materials.refused.txt").string()));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), binary);
        QCOMPARE(fakes->messages.shown.size(), std::size_t{1});
    }
};

QTEST_MAIN(MaterialWindowTest)
#include "test_material_window.moc"
