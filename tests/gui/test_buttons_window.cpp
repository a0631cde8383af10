// Every template button as the command table has it: its tab, place, caption and hint,
// and the command it runs; and the closing rule of every template tab.
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "app/commands.h"
#include "app/saving.h"
#include "gui/fakes.h"
#include "gui/main_window.h"
#include "gui/window_steps.h"

using namespace tessaro;
using namespace tessaro::gui;

namespace {

using testing::text;

QWidget* tabPage(MainWindow& form, TemplateTab tab) { return form.findChild<QWidget*>(text(tabRule(tab).objectName)); }

}  // namespace

class ButtonsWindowTest : public QObject {
    Q_OBJECT

    testing::FakeWindowPorts fakes;

private slots:
    void init() {
        fakes.dialog = {};
        fakes.messages = {};
    }

    void everyButtonHasItsTabPlaceCaptionAndHint() {
        MainWindow form(fakes.ports());
        QSet<QString> names;
        for (const TemplateCommand& command : templateCommands()) {
            for (const TemplateButton& entry : command.buttons) {
                const QString name = text(entry.objectName);
                names.insert(name);
                auto* button = form.findChild<QPushButton*>(name);
                QVERIFY2(button, qPrintable(name));
                QVERIFY2(tabPage(form, command.tab)->isAncestorOf(button), qPrintable(name));
                const ButtonGeometry g = entry.geometry;
                QCOMPARE(button->geometry(), QRect(g.x, g.y, g.width, g.height));
                // Russian at start: the command table's English caption, translated, and as the hint.
                const QString russian = QCoreApplication::translate("TemplateButton", entry.caption.data());
                QVERIFY2(russian != text(entry.caption), qPrintable(name));
                QCOMPARE(button->text(), russian);
                QCOMPARE(button->toolTip(), russian);
                // The caption fits the button.
                QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) + 8 <= button->width(),
                         qPrintable(name));
            }
        }
        QCOMPARE(names.size(), 17);
        // Every button on a template tab comes from the table.
        for (const TabRule& tab : templateTabs()) {
            for (const QPushButton* button : tabPage(form, tab.tab)->findChildren<QPushButton*>()) {
                QVERIFY2(names.contains(button->objectName()), qPrintable(button->objectName()));
            }
        }
        QCOMPARE(form.findChild<QPushButton*>("englishButton")->geometry(), QRect(63, 0, 57, 25));
        QCOMPARE(form.findChild<QPushButton*>("russianButton")->geometry(), QRect(122, 0, 57, 25));
    }

    // A tab page shows no hint of its own: the box and spiral tabs carry theirs on the tab,
    // in the window's language as every hint.
    void tabPagesHaveNoTooltip() {
        MainWindow form(fakes.ports());
        auto* tabs = form.findChild<QTabWidget*>("tabs");
        for (int i = 0; i < tabs->count(); ++i) {
            QVERIFY2(tabs->widget(i)->toolTip().isEmpty(), qPrintable(tabs->widget(i)->objectName()));
        }
        QCOMPARE(tabs->tabToolTip(tabs->indexOf(form.findChild<QWidget*>("simpleBoxTab"))), QString("Простой корпус"));
        QCOMPARE(tabs->tabToolTip(tabs->indexOf(form.findChild<QWidget*>("foldingBoxTab"))), QString());
        QCOMPARE(form.findChild<QWidget*>("cornerRelief")->toolTip(), QString("Прорезать прямые внутренние углы"));
    }

    // Every button runs its command: it labels the template as the table says, proposes the
    // command's file name and saves what the command makes, byte for byte.
    void everyButtonRunsItsCommand() {
        QTemporaryDir dir;
        MainWindow form(fakes.ports());
        auto* tabs = form.findChild<QTabWidget*>("tabs");
        for (const TemplateCommand& command : templateCommands()) {
            for (const TemplateButton& entry : command.buttons) {
                const QString name = text(entry.objectName);
                fakes.dialog = {};
                fakes.messages = {};
                const QString path = dir.filePath(name + ".dxf");
                fakes.dialog.answer = SaveChoice{path.toStdString(), FileType::Dxf};
                tabs->setCurrentWidget(tabPage(form, command.tab));
                QTest::mouseClick(form.findChild<QPushButton*>(name), Qt::LeftButton);
                QVERIFY2(fakes.messages.errors.empty(), qPrintable(name));
                QCOMPARE(form.workbench().templateLabel, std::string(command.label));
                QCOMPARE(fakes.dialog.offered, std::vector<std::string>{command.proposedName(form.workbench())});

                Workbench fresh(fakes.clock, fakes.messages);
                fresh.lastPolylineClosed = form.workbench().lastPolylineClosed;
                command.run(fresh);
                QFile saved(path);
                QVERIFY2(saved.open(QIODevice::ReadOnly), qPrintable(name));
                QVERIFY2(saved.readAll().toStdString() == templateBytes(fresh, FileType::Dxf), qPrintable(name));
            }
        }
    }

    // A thin frame that the relief notches cut through: the window shows which panels fall
    // apart, once, as it shows the bottom's warning, and still offers the set to save.
    void aPanelThatFallsApartIsWarnedOf() {
        MainWindow form(fakes.ports());
        QAbstractItemModel* table = form.findChild<QTableView*>("boxTable")->model();
        for (const auto& [row, value] : {std::pair{1, "6"}, std::pair{7, "2"}, std::pair{9, "4.5"}}) {
            QVERIFY(table->setData(table->index(row, 1), QString(value)));
        }
        form.findChild<QCheckBox*>("simpleCornerRelief")->setChecked(true);
        auto* tabs = form.findChild<QTabWidget*>("tabs");
        tabs->setCurrentWidget(tabPage(form, TemplateTab::SimpleBox));
        QTest::mouseClick(form.findChild<QPushButton*>("simpleSetButton"), Qt::LeftButton);
        QVERIFY(fakes.messages.errors.empty());
        QCOMPARE(fakes.messages.shown.size(), std::size_t{1});
        for (const char* panel : {"lid", "left side", "right side", "bottom"}) {
            QVERIFY2(fakes.messages.shown.front().find(std::string("The ") + panel + " falls apart into ") !=
                         std::string::npos,
                     panel);
        }
        QCOMPARE(fakes.dialog.offered.size(), std::size_t{1});
    }

    void rearRunsTheFrontPanelCommand() {
        MainWindow form(fakes.ports());
        QTest::mouseClick(form.findChild<QPushButton*>("foldingRearButton"), Qt::LeftButton);
        QCOMPARE(fakes.dialog.offered, std::vector<std::string>{"5mm 200x100x110 facade"});
        QCOMPARE(form.workbench().templateLabel, std::string("facade"));
    }

    // Showing a template tab flags the last outline as its rule says, whatever it was before.
    void everyTabFlagsTheLastOutlineByItsRule() {
        MainWindow form(fakes.ports());
        auto* tabs = form.findChild<QTabWidget*>("tabs");
        for (const TabRule& rule : templateTabs()) {
            for (const TemplateTab before : {TemplateTab::FoldingBox, TemplateTab::Spiral}) {
                tabs->setCurrentWidget(tabPage(form, before));
                const bool flagBefore = form.workbench().lastPolylineClosed;
                QCOMPARE(flagBefore, before == TemplateTab::FoldingBox);
                tabs->setCurrentWidget(tabPage(form, rule.tab));
                const bool expected =
                    rule.lastOutline == LastOutline::AsBefore ? flagBefore : rule.lastOutline == LastOutline::Closed;
                QCOMPARE(form.workbench().lastPolylineClosed, expected);
            }
        }
    }
};

QTEST_MAIN(ButtonsWindowTest)
#include "test_buttons_window.moc"
