// The language switch and the saved tables, through the window.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include "app/table_files.h"
#include "gui/fakes.h"
#include "gui/quarnel_form.h"

using namespace tessaro;
using namespace tessaro::gui;

class LanguageWindowTest : public QObject {
    Q_OBJECT

    testing::FakeSaveDialog dialog;
    testing::FakeMessageBox messages;
    testing::FakeClock clock;
    std::unique_ptr<testing::FakeFolders> folders;

    QString programFile(const char* name) const {
        return QString::fromStdString((folders->programFolder() / name).string());
    }
    QString workingFile(const char* name) const {
        return QString::fromStdString((folders->workingFolder() / name).string());
    }
    static QString text(const TQuarnelForm& form, const char* button) {
        return form.findChild<QPushButton*>(button)->text();
    }
    static QString tabText(const TQuarnelForm& form, const char* tab) {
        auto* tabs = form.findChild<QTabWidget*>("PageControl1");
        return tabs->tabText(tabs->indexOf(form.findChild<QWidget*>(tab)));
    }

private slots:
    void init() {
        dialog = {};
        messages = {};
        folders = std::make_unique<testing::FakeFolders>();
    }

    void englishSwitchesAtOnceAndLeavesTheTransformerRussian() {
        TQuarnelForm form({dialog, messages, clock, *folders});
        QTest::mouseClick(form.findChild<QPushButton*>("toEng"), Qt::LeftButton);
        QCOMPARE(tabText(form, "TabSheet1"), QString("Folding box"));
        QCOMPARE(tabText(form, "TabSheet2"), QString("Simple box"));
        QCOMPARE(tabText(form, "TabSheet4"), QString("Tab-slot"));
        QCOMPARE(tabText(form, "TabSheet5"), QString("Archimedean spiral"));
        QCOMPARE(tabText(form, "TabSheet7"), QString("Трансформатор"));
        QCOMPARE(text(form, "CreateFasad"), QString("Front"));
        QCOMPARE(text(form, "CreateDown"), QString("Bottom"));
        QCOMPARE(text(form, "CreateSide"), QString("Side"));
        QCOMPARE(text(form, "CreateTop"), QString("Lid"));
        QCOMPARE(text(form, "Button2"), QString("Rear"));
        QCOMPARE(text(form, "FullCase"), QString("Make all"));
        QCOMPARE(text(form, "FullTrans"), QString("Создать каркас"));
        QCOMPARE(form.findChild<QGroupBox*>("PinSel")->title(), QString("Feet on the sidewall"));
        QCOMPARE(form.findChild<QGroupBox*>("GroupBox1")->title(), QString("Archimedean spiral"));
        QCOMPARE(form.findChild<QCheckBox*>("ScrewCheck")->text(), QString("пазы под винты"));
        QCOMPARE(form.findChild<QCheckBox*>("ExtAngle")->text().replace('\n', ' '),
                 QString("Cut straight inside corners"));
        auto* grid = form.findChild<QTableView*>("ParamGrid")->model();
        QCOMPARE(grid->data(grid->index(0, 1)).toString(), QString("Value"));
        QCOMPARE(grid->data(grid->index(2, 0)).toString(), QString("Inner width"));
        QCOMPARE(grid->data(grid->index(2, 1)).toString(), QString("200"));
        QCOMPARE(form.workbench().TransGrid.caption(1), std::string("Толщина материала"));
    }

    void closingWritesTheTablesNextToTheProgramAndTheNextStartIsEnglish() {
        {
            TQuarnelForm form({dialog, messages, clock, *folders});
            QTest::mouseClick(form.findChild<QPushButton*>("toEng"), Qt::LeftButton);
            form.workbench().TransGrid.setCell(1, 2, "31");
            form.close();
        }
        for (const char* name : {"ParamGrid.txt", "ParamZub.txt", "TransGrid.txt"}) {
            QVERIFY2(QFile::exists(programFile(name)), name);
            QVERIFY(QFile::copy(programFile(name), workingFile(name)));
        }
        TQuarnelForm next({dialog, messages, clock, *folders});
        QCOMPARE(text(next, "CreateFasad"), QString("Front"));
        QCOMPARE(next.workbench().ParamGrid.cell(1, 0), std::string("Value"));
        QCOMPARE(next.workbench().ArhimedGrid.cell(0, 0), std::string("Parametr"));
        QCOMPARE(next.workbench().TransGrid.text(2), std::string("31"));
        QVERIFY(messages.errors.empty());
    }

    void russianAsksForARestartAndSuppressesTheSave() {
        saveTables(TQuarnelForm({dialog, messages, clock, *folders}).workbench(), folders->workingFolder());
        TQuarnelForm form({dialog, messages, clock, *folders});
        QTest::mouseClick(form.findChild<QPushButton*>("toEng"), Qt::LeftButton);
        QTest::mouseClick(form.findChild<QPushButton*>("toRus"), Qt::LeftButton);
        QCOMPARE(messages.shown, std::vector<std::string>{"Перезапустите программу!"});
        QCOMPARE(text(form, "CreateFasad"), QString("Front"));  // English until the restart
        QVERIFY(!QFile::exists(workingFile("ParamGrid.txt")));
        QVERIFY(!QFile::exists(workingFile("ParamZub.txt")));
        QVERIFY(QFile::exists(workingFile("TransGrid.txt")));
        form.close();
        QVERIFY(QDir(QString::fromStdString(folders->programFolder().string())).isEmpty());
    }

    void aLargerMainTableIsShownWhole() {
        QFile file(workingFile("ParamGrid.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (int row = 0; row < 12; ++row) {
            file.write(QString("c%1\tv%1\t\r\n").arg(row).toLatin1());
        }
        file.close();
        TQuarnelForm form({dialog, messages, clock, *folders});
        QCOMPARE(form.findChild<QTableView*>("ParamGrid")->model()->rowCount(), 12);
    }

    void aTableFileThatCannotBeOpenedIsReportedAndTheWindowOpens() {
        QVERIFY(QDir().mkpath(workingFile("ParamGrid.txt")));
        TQuarnelForm form({dialog, messages, clock, *folders});
        QCOMPARE(messages.errors.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(messages.errors[0]).startsWith("Cannot open file \""));
        QCOMPARE(text(form, "CreateFasad"), QString("Фасад"));
    }
};

QTEST_MAIN(LanguageWindowTest)
#include "test_language_window.moc"
