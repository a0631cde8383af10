#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/fakes.h"
#include "gui/quarnel_form.h"

using namespace tessaro;
using namespace tessaro::gui;

class SpiralWindowTest : public QObject {
    Q_OBJECT

    testing::FakeSaveDialog dialog;
    testing::FakeMessageBox messages;
    testing::FakeClock clock;
    testing::FakeFolders folders;

    static QByteArray readFile(const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

private slots:
    void init() {
        dialog = {};
        messages = {};
    }

    void windowHasItsTablesAndTabs() {
        TQuarnelForm form({dialog, messages, clock, folders});
        QCOMPARE(form.size(), QSize(1317, 605));
        for (const char* grid : {"ParamGrid", "GridScrewL", "ZubPazGrid", "ArhimedGrid", "TransGrid"}) {
            QVERIFY2(form.findChild<QTableView*>(grid), grid);
        }
        auto* tabs = form.findChild<QTabWidget*>("PageControl1");
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->isTabVisible(i)) {
                captions << tabs->tabText(i);
            }
        }
        QCOMPARE(captions, QStringList({"Разборный корпус", "Простой корпус", "Зуб-Паз", "Спираль Архимеда",
                                        "Трансформатор", "dxf"}));
        QCOMPARE(tabs->currentWidget()->objectName(), QString("TabSheet1"));
        QVERIFY(form.workbench().CloseLastOutline);
    }

    void spiralButtonSavesTheChosenType() {
        QTemporaryDir dir;
        TQuarnelForm form({dialog, messages, clock, folders});
        form.findChild<QTabWidget*>("PageControl1")->setCurrentWidget(form.findChild<QWidget*>("TabSheet5"));
        dialog.answer = SaveChoice{dir.filePath("s.dxf").toStdString(), FileType::Dxf};
        QTest::mouseClick(form.findChild<QPushButton*>("Arhimed"), Qt::LeftButton);

        QCOMPARE(dialog.offered, std::vector<std::string>{"spiral R10mm Fi15 step5 rev8"});
        const QByteArray dxf = readFile(dir.filePath("s.dxf"));
        QVERIFY(dxf.startsWith("  0\r\nSECTION\r\n"));
        QCOMPARE(dxf.count("VERTEX\r\n"), 195);
        QVERIFY(dxf.contains(" 70\r\n  2\r\n"));  // the spiral tab leaves the last polyline open
        QCOMPARE(form.findChild<QLabel*>("tShablon")->text(), QString("Spiral"));
        QCOMPARE(form.findChild<QListView*>("OUTeps")->model()->rowCount(), 213);
        QCOMPARE(form.findChild<QListView*>("MemoDXF")->model()->rowCount(), 55 + 10 + 195 * 8 + 5);

        dialog.answer = SaveChoice{dir.filePath("s.eps").toStdString(), FileType::Eps};
        QTest::mouseClick(form.findChild<QPushButton*>("Arhimed"), Qt::LeftButton);
        QVERIFY(readFile(dir.filePath("s.eps")).startsWith("%!PS-Adobe-3.0 EPSF-3.0\r\n"));
        QVERIFY(messages.errors.empty());
    }

    void badCellShowsTheErrorBoxAndNoDialog() {
        TQuarnelForm form({dialog, messages, clock, folders});
        auto* grid = form.findChild<QTableView*>("ArhimedGrid");
        grid->model()->setData(grid->model()->index(2, 1), "15,5");
        QTest::mouseClick(form.findChild<QPushButton*>("Arhimed"), Qt::LeftButton);
        QCOMPARE(messages.errors, std::vector<std::string>{"'15,5' is not a valid floating point value."});
        QVERIFY(dialog.offered.empty());
    }

    void captionCellsAreFixed() {
        TQuarnelForm form({dialog, messages, clock, folders});
        auto* model = form.findChild<QTableView*>("ParamGrid")->model();
        QVERIFY(!model->setData(model->index(1, 0), "changed"));
        QVERIFY(!model->setData(model->index(0, 1), "changed"));
        QVERIFY(model->setData(model->index(1, 1), "6"));
        QCOMPARE(form.workbench().ParamGrid.text(1), std::string("6"));
    }

    void tabsSetTheClosingFlag() {
        TQuarnelForm form({dialog, messages, clock, folders});
        auto* tabs = form.findChild<QTabWidget*>("PageControl1");
        tabs->setCurrentWidget(form.findChild<QWidget*>("TabSheet5"));
        QVERIFY(!form.workbench().CloseLastOutline);
        tabs->setCurrentWidget(form.findChild<QWidget*>("TabSheet7"));
        QVERIFY(!form.workbench().CloseLastOutline);
        tabs->setCurrentWidget(form.findChild<QWidget*>("TabSheet2"));
        QVERIFY(form.workbench().CloseLastOutline);
        tabs->setCurrentWidget(form.findChild<QWidget*>("TabSheet4"));
        QVERIFY(!form.workbench().CloseLastOutline);
        tabs->setCurrentWidget(form.findChild<QWidget*>("TabSheet1"));
        QVERIFY(form.workbench().CloseLastOutline);
    }

    void reliefSwitchesStayInStep() {
        TQuarnelForm form({dialog, messages, clock, folders});
        auto* tabs = form.findChild<QTabWidget*>("PageControl1");
        form.findChild<QCheckBox*>("SimpChAgl")->setChecked(true);
        QVERIFY(form.findChild<QCheckBox*>("ExtAngle")->isChecked());
        QVERIFY(form.workbench().options.ExtAngle);
        form.findChild<QCheckBox*>("ExtAngle")->setChecked(false);
        tabs->setCurrentWidget(form.findChild<QWidget*>("TabSheet2"));
        QVERIFY(!form.findChild<QCheckBox*>("SimpChAgl")->isChecked());
        form.findChild<QCheckBox*>("ExtAngle2")->setChecked(true);
        QVERIFY(!form.workbench().options.ExtAngle);
        QVERIFY(form.workbench().options.ExtAngle2);
    }
};

QTEST_MAIN(SpiralWindowTest)
#include "test_spiral_window.moc"
