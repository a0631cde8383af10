// Every template button: its place, caption and hint, and the command it runs.
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QFileInfo>
#include <QtTest>

#include "app/commands.h"
#include "gui/fakes.h"
#include "gui/main_window.h"

using namespace tessaro;
using namespace tessaro::gui;

namespace {

struct ButtonLayout {
    const char* name;
    const char* tab;
    QRect geometry;  // on its tab (the tab-slot button on its panel, the spiral's in its group box)
    const char* caption;
    const char* hint;
    const char* command;
    const char* nameEnding;  // of the proposed file name
};

const ButtonLayout kButtons[] = {
    {"foldingLidButton", "foldingBoxTab", {310, 34, 70, 45}, "Крышка", "Lid", "top", " top"},
    {"foldingRearButton", "foldingBoxTab", {310, 81, 70, 36}, "Тыл", "Rear", "facade", " facade"},
    {"foldingBottomButton", "foldingBoxTab", {311, 121, 70, 36}, "Дно", "Bottom", "bottom", " bottom"},
    {"foldingLeftSideButton", "foldingBoxTab", {240, 121, 70, 36}, "Боковина", "Side", "side", " side"},
    {"foldingRightSideButton", "foldingBoxTab", {382, 121, 70, 36}, "Боковина", "Side", "side", " side"},
    {"foldingFrontButton", "foldingBoxTab", {310, 160, 70, 49}, "Фасад", "Front", "facade", " facade"},
    {"foldingSetButton", "foldingBoxTab", {470, 111, 93, 54}, "Все элементы", "Make all", "full", " full leg 2"},
    {"simpleLidButton", "simpleBoxTab", {314, 35, 70, 45}, "Крышка", "Lid", "top", " top"},
    {"simpleRearButton", "simpleBoxTab", {314, 82, 70, 36}, "Тыл", "Rear", "facade", " facade"},
    {"simpleBottomButton", "simpleBoxTab", {315, 122, 70, 36}, "Дно", "Bottom", "top", " top"},
    {"simpleLeftSideButton", "simpleBoxTab", {244, 122, 70, 36}, "Боковина", "Side", "simple-side", " side"},
    {"simpleRightSideButton", "simpleBoxTab", {386, 122, 70, 36}, "Боковина", "Side", "simple-side", " side"},
    {"simpleFrontButton", "simpleBoxTab", {314, 161, 70, 49}, "Фасад", "Front", "facade", " facade"},
    {"simpleSetButton", "simpleBoxTab", {475, 113, 89, 54}, "Все элементы", "Make all", "simple-full", " fullsimpl"},
    {"tabSlotButton", "tabSlotTab", {309, 146, 164, 25}, "Создать шаблон Зуб - паз", "Make template", "tab-slot", " tab"},
    {"spiralButton", "spiralTab", {16, 24, 169, 73}, "Построить спираль", "Make Archimedean spiral", "spiral", " rev8"},
    {"bobbinButton", "bobbinTab", {290, 280, 119, 25}, "Создать каркас", "", "bobbin", " trans"},
};

}  // namespace

class ButtonsWindowTest : public QObject {
    Q_OBJECT

    testing::FakeSaveDialog dialog;
    testing::FakeMessageBox messages;
    testing::FakeClock clock;
    testing::FakeFolders folders;

private slots:
    void init() {
        dialog = {};
        messages = {};
    }

    void everyButtonHasItsPlaceCaptionAndHint() {
        MainWindow form({dialog, messages, clock, folders});
        for (const ButtonLayout& expected : kButtons) {
            auto* button = form.findChild<QPushButton*>(expected.name);
            QVERIFY2(button, expected.name);
            QVERIFY2(form.findChild<QWidget*>(expected.tab)->isAncestorOf(button), expected.name);
            QCOMPARE(button->geometry(), expected.geometry);
            QCOMPARE(button->text(), QString::fromUtf8(expected.caption));
            QCOMPARE(button->toolTip(), QString::fromUtf8(expected.hint));
            // The caption fits the button.
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) + 8 <= button->width(), expected.name);
        }
        QCOMPARE(form.findChild<QPushButton*>("englishButton")->geometry(), QRect(63, 0, 57, 25));
        QCOMPARE(form.findChild<QPushButton*>("russianButton")->geometry(), QRect(122, 0, 57, 25));
    }

    // Every button runs its command: it proposes the command's file name and saves the file.
    void everyButtonRunsItsCommand() {
        QTemporaryDir dir;
        MainWindow form({dialog, messages, clock, folders});
        auto* tabs = form.findChild<QTabWidget*>("tabs");
        for (const ButtonLayout& expected : kButtons) {
            dialog = {};
            messages = {};
            const QString path = dir.filePath(QString(expected.name) + ".dxf");
            dialog.answer = SaveChoice{path.toStdString(), FileType::Dxf};
            tabs->setCurrentWidget(form.findChild<QWidget*>(expected.tab));
            QTest::mouseClick(form.findChild<QPushButton*>(expected.name), Qt::LeftButton);
            QVERIFY2(messages.errors.empty(), expected.name);
            QCOMPARE(dialog.offered.size(), std::size_t{1});
            QVERIFY2(QString::fromStdString(dialog.offered[0]).endsWith(expected.nameEnding), expected.name);
            QVERIFY2(QFileInfo(path).size() > 0, expected.name);
        }
    }

    void rearRunsTheFrontPanelCommand() {
        if (findCommand("facade") == nullptr) {
            QSKIP("no front panel in this build");
        }
        MainWindow form({dialog, messages, clock, folders});
        QTest::mouseClick(form.findChild<QPushButton*>("foldingRearButton"), Qt::LeftButton);
        QCOMPARE(dialog.offered, std::vector<std::string>{"5mm 200x100x110 facade"});
        QCOMPARE(form.workbench().templateLabel, std::string("facade"));
    }
};

QTEST_MAIN(ButtonsWindowTest)
#include "test_buttons_window.moc"
