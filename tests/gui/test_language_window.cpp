// The language switch and the saved tables, through the window.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include "app/commands.h"
#include "app/table_files.h"
#include "gui/fakes.h"
#include "gui/main_window.h"

using namespace tessaro;
using namespace tessaro::gui;

class LanguageWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::FakeWindowPorts> fakes;

    QString programFile(const char* name) const {
        return QString::fromStdString((fakes->folders.programFolder() / name).string());
    }
    QString workingFile(const char* name) const {
        return QString::fromStdString((fakes->folders.workingFolder() / name).string());
    }
    static QString text(const MainWindow& form, const char* button) {
        return form.findChild<QPushButton*>(button)->text();
    }
    static QString tabText(const MainWindow& form, const char* tab) {
        auto* tabs = form.findChild<QTabWidget*>("tabs");
        return tabs->tabText(tabs->indexOf(form.findChild<QWidget*>(tab)));
    }

private slots:
    void init() { fakes = std::make_unique<testing::FakeWindowPorts>(); }

    // Every caption outside the tables turns English at once; the transformer's table, whose
    // captions are data the switch leaves, stays Russian.
    void englishSwitchesEveryCaptionAtOnce() {
        MainWindow form(fakes->ports());
        QTest::mouseClick(form.findChild<QPushButton*>("englishButton"), Qt::LeftButton);
        QCOMPARE(tabText(form, "foldingBoxTab"), QString("Folding box"));
        QCOMPARE(tabText(form, "simpleBoxTab"), QString("Simple box"));
        QCOMPARE(tabText(form, "tabSlotTab"), QString("Tab-slot"));
        QCOMPARE(tabText(form, "spiralTab"), QString("Archimedean spiral"));
        QCOMPARE(tabText(form, "bobbinTab"), QString("Transformer"));
        QCOMPARE(text(form, "foldingFrontButton"), QString("Front"));
        QCOMPARE(text(form, "foldingBottomButton"), QString("Bottom"));
        QCOMPARE(text(form, "foldingRightSideButton"), QString("Side"));
        QCOMPARE(text(form, "foldingLidButton"), QString("Lid"));
        QCOMPARE(text(form, "foldingRearButton"), QString("Rear"));
        QCOMPARE(text(form, "foldingSetButton"), QString("Make all"));
        QCOMPARE(text(form, "bobbinButton"), QString("Make bobbin frame"));
        // Every template button shows the command table's English caption.
        const auto qstring = [](std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); };
        for (const TemplateCommand& command : templateCommands()) {
            for (const TemplateButton& entry : command.buttons) {
                QCOMPARE(form.findChild<QPushButton*>(qstring(entry.objectName))->text(), qstring(entry.caption));
            }
        }
        QCOMPARE(form.findChild<QGroupBox*>("feet")->title(), QString("Feet on the sidewall"));
        QCOMPARE(form.findChild<QGroupBox*>("spiralGroup")->title(), QString("Archimedean spiral"));
        QCOMPARE(form.findChild<QCheckBox*>("screwJoints")->text(), QString("Screw slots"));
        QCOMPARE(form.findChild<QCheckBox*>("cornerRelief")->text().replace('\n', ' '),
                 QString("Cut straight inside corners"));
        auto* tableView = form.findChild<QTableView*>("boxTable")->model();
        QCOMPARE(tableView->data(tableView->index(0, 1)).toString(), QString("Value"));
        QCOMPARE(tableView->data(tableView->index(2, 0)).toString(), QString("Inner width"));
        QCOMPARE(tableView->data(tableView->index(2, 1)).toString(), QString("200"));
        QCOMPARE(form.workbench().bobbinTable.caption(1), std::string("Толщина материала"));
    }

    void closingWritesTheTablesNextToTheProgramAndTheNextStartIsEnglish() {
        {
            MainWindow form(fakes->ports());
            QTest::mouseClick(form.findChild<QPushButton*>("englishButton"), Qt::LeftButton);
            form.workbench().bobbinTable.setCell(1, 2, "31");
            form.close();
        }
        for (const char* name : {"ParamGrid.txt", "ParamZub.txt", "TransGrid.txt"}) {
            QVERIFY2(QFile::exists(programFile(name)), name);
            QVERIFY(QFile::copy(programFile(name), workingFile(name)));
        }
        MainWindow next(fakes->ports());
        QCOMPARE(text(next, "foldingFrontButton"), QString("Front"));
        QCOMPARE(next.workbench().boxTable.cell(1, 0), std::string("Value"));
        QCOMPARE(next.workbench().spiralTable.cell(0, 0), std::string("Parametr"));
        QCOMPARE(next.workbench().bobbinTable.text(2), std::string("31"));
        QVERIFY(fakes->messages.errors.empty());
    }

    // Russian after English asks for a restart and loses nothing: the tables turn Russian at
    // once, the close saves every value, and the next start is Russian with them.
    void russianAfterEnglishKeepsEveryValueAcrossARestart() {
        {
            MainWindow form(fakes->ports());
            QTest::mouseClick(form.findChild<QPushButton*>("englishButton"), Qt::LeftButton);
            form.workbench().boxTable.setCell(1, 2, "150");
            form.workbench().tabSlotTable.setCell(1, 2, "12");
            form.workbench().bobbinTable.setCell(1, 2, "31");
            QTest::mouseClick(form.findChild<QPushButton*>("russianButton"), Qt::LeftButton);
            QCOMPARE(fakes->messages.shown, std::vector<std::string>{"Перезапустите программу!"});
            QCOMPARE(text(form, "foldingFrontButton"), QString("Front"));  // English until the restart
            auto* tableView = form.findChild<QTableView*>("boxTable")->model();
            QCOMPARE(tableView->data(tableView->index(2, 0)).toString(), QString("Ширина между стенками"));
            QCOMPARE(tableView->data(tableView->index(2, 1)).toString(), QString("150"));
            form.close();
        }
        for (const char* name : {"ParamGrid.txt", "ParamZub.txt", "TransGrid.txt"}) {
            QVERIFY2(QFile::copy(programFile(name), workingFile(name)), name);
        }
        MainWindow next(fakes->ports());
        QCOMPARE(text(next, "foldingFrontButton"), QString("Фасад"));
        QCOMPARE(tabText(next, "foldingBoxTab"), QString("Разборный корпус"));
        QCOMPARE(next.workbench().boxTable.text(2), std::string("150"));
        QCOMPARE(next.workbench().tabSlotTable.text(2), std::string("12"));
        QCOMPARE(next.workbench().bobbinTable.text(2), std::string("31"));
        QVERIFY(fakes->messages.errors.empty());
    }

    void aLargerMainTableIsShownWhole() {
        QFile file(workingFile("ParamGrid.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (int row = 0; row < 12; ++row) {
            file.write(QString("c%1\tv%1\t\r\n").arg(row).toLatin1());
        }
        file.close();
        MainWindow form(fakes->ports());
        QCOMPARE(form.findChild<QTableView*>("boxTable")->model()->rowCount(), 12);
    }

    void aTableFileThatCannotBeOpenedIsReportedAndTheWindowOpens() {
        QVERIFY(QDir().mkpath(workingFile("ParamGrid.txt")));
        MainWindow form(fakes->ports());
        QCOMPARE(fakes->messages.errors.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(fakes->messages.errors[0]).startsWith("Cannot open file \""));
        QCOMPARE(text(form, "foldingFrontButton"), QString("Фасад"));
    }
};

QTEST_MAIN(LanguageWindowTest)
#include "test_language_window.moc"
