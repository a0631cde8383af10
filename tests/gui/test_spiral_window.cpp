#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/fakes.h"
#include "gui/main_window.h"

using namespace tessaro;
using namespace tessaro::gui;

class SpiralWindowTest : public QObject {
    Q_OBJECT

    testing::FakeWindowPorts fakes;

    static QByteArray readFile(const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

private slots:
    void init() {
        fakes.dialog = {};
        fakes.messages = {};
    }

    void windowHasItsTablesAndTabs() {
        MainWindow form(fakes.ports());
        QCOMPARE(form.centralWidget()->size(), QSize(1317, 605));  // under the menu bar
        for (const char* tableView : {"boxTable", "screwTable", "tabSlotTable", "spiralTable", "bobbinTable"}) {
            QVERIFY2(form.findChild<QTableView*>(tableView), tableView);
        }
        auto* tabs = form.findChild<QTabWidget*>("tabs");
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->isTabVisible(i)) {
                captions << tabs->tabText(i);
            }
        }
        QCOMPARE(captions, QStringList({"Разборный корпус", "Простой корпус", "Зуб-Паз", "Спираль Архимеда",
                                        "Трансформатор", "Вырезы", "dxf"}));
        QCOMPARE(tabs->currentWidget()->objectName(), QString("foldingBoxTab"));
        QVERIFY(form.workbench().lastPolylineClosed);
    }

    // The tables, buttons and radios inside a frame stand within it, clear of its title and lines.
    void controlsStandInsideTheirFrames() {
        MainWindow form(fakes.ports());
        auto* tabs = form.findChild<QTabWidget*>("tabs");
        form.show();
        int framed = 0;
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);  // a frame is laid out once its page is shown
            QCoreApplication::processEvents();
            for (QGroupBox* group : tabs->widget(tab)->findChildren<QGroupBox*>()) {
                for (QWidget* control : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                    if (qobject_cast<QAbstractItemView*>(control) || qobject_cast<QAbstractButton*>(control)) {
                        QVERIFY2(group->contentsRect().contains(control->geometry()),
                                 qPrintable(group->objectName() + " " + control->objectName()));
                        ++framed;
                    }
                }
            }
        }
        QCOMPARE(framed, 5);  // the spiral's button and table, the three feet radios
    }

    void spiralButtonSavesTheChosenType() {
        QTemporaryDir dir;
        MainWindow form(fakes.ports());
        form.findChild<QTabWidget*>("tabs")->setCurrentWidget(form.findChild<QWidget*>("spiralTab"));
        fakes.dialog.answer = SaveChoice{dir.filePath("s.dxf").toStdString(), FileType::Dxf};
        QTest::mouseClick(form.findChild<QPushButton*>("spiralButton"), Qt::LeftButton);

        QCOMPARE(fakes.dialog.offered, std::vector<std::string>{"spiral R10mm Fi15 step5 rev8"});
        const QByteArray dxf = readFile(dir.filePath("s.dxf"));
        QVERIFY(dxf.startsWith("  0\r\nSECTION\r\n"));
        QCOMPARE(dxf.count("VERTEX\r\n"), 195);
        QVERIFY(dxf.contains(" 70\r\n  2\r\n"));  // the spiral tab leaves the last polyline open
        QCOMPARE(form.findChild<QLabel*>("templateLabel")->text(), QString("Spiral"));
        QCOMPARE(form.findChild<QListView*>("epsDocument")->model()->rowCount(), 213);
        QCOMPARE(form.findChild<QListView*>("dxfDocument")->model()->rowCount(), 55 + 10 + 195 * 8 + 5);

        fakes.dialog.answer = SaveChoice{dir.filePath("s.eps").toStdString(), FileType::Eps};
        QTest::mouseClick(form.findChild<QPushButton*>("spiralButton"), Qt::LeftButton);
        QVERIFY(readFile(dir.filePath("s.eps")).startsWith("%!PS-Adobe-3.0 EPSF-3.0\r\n"));
        QVERIFY(fakes.messages.errors.empty());
    }

    void badCellShowsTheErrorBoxAndNoDialog() {
        MainWindow form(fakes.ports());
        auto* tableView = form.findChild<QTableView*>("spiralTable");
        tableView->model()->setData(tableView->model()->index(2, 1), "15,5");
        QTest::mouseClick(form.findChild<QPushButton*>("spiralButton"), Qt::LeftButton);
        QCOMPARE(fakes.messages.errors, std::vector<std::string>{"'15,5' is not a valid floating point value."});
        QVERIFY(fakes.dialog.offered.empty());
    }

    void captionCellsAreFixed() {
        MainWindow form(fakes.ports());
        auto* model = form.findChild<QTableView*>("boxTable")->model();
        QVERIFY(!model->setData(model->index(1, 0), "changed"));
        QVERIFY(!model->setData(model->index(0, 1), "changed"));
        QVERIFY(model->setData(model->index(1, 1), "6"));
        QCOMPARE(form.workbench().boxTable.text(1), std::string("6"));
    }

    void tabsSetTheClosingFlag() {
        MainWindow form(fakes.ports());
        auto* tabs = form.findChild<QTabWidget*>("tabs");
        tabs->setCurrentWidget(form.findChild<QWidget*>("spiralTab"));
        QVERIFY(!form.workbench().lastPolylineClosed);
        tabs->setCurrentWidget(form.findChild<QWidget*>("bobbinTab"));
        QVERIFY(!form.workbench().lastPolylineClosed);
        tabs->setCurrentWidget(form.findChild<QWidget*>("simpleBoxTab"));
        QVERIFY(form.workbench().lastPolylineClosed);
        tabs->setCurrentWidget(form.findChild<QWidget*>("tabSlotTab"));
        QVERIFY(!form.workbench().lastPolylineClosed);
        tabs->setCurrentWidget(form.findChild<QWidget*>("foldingBoxTab"));
        QVERIFY(form.workbench().lastPolylineClosed);
    }

    void reliefSwitchesStayInStep() {
        MainWindow form(fakes.ports());
        auto* tabs = form.findChild<QTabWidget*>("tabs");
        form.findChild<QCheckBox*>("simpleCornerRelief")->setChecked(true);
        QVERIFY(form.findChild<QCheckBox*>("cornerRelief")->isChecked());
        QVERIFY(form.workbench().options.cornerRelief);
        form.findChild<QCheckBox*>("cornerRelief")->setChecked(false);
        tabs->setCurrentWidget(form.findChild<QWidget*>("simpleBoxTab"));
        QVERIFY(!form.findChild<QCheckBox*>("simpleCornerRelief")->isChecked());
        form.findChild<QCheckBox*>("tabSlotRelief")->setChecked(true);
        QVERIFY(!form.workbench().options.cornerRelief);
        QVERIFY(form.workbench().options.tabSlotRelief);
    }
};

QTEST_MAIN(SpiralWindowTest)
#include "test_spiral_window.moc"
