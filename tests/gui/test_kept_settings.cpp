// The switches, the feet choice and the window's place are kept between runs, in
// settings of the test's own.
#include <QCheckBox>
#include <QRadioButton>
#include <QSettings>
#include <QTabWidget>
#include <QtTest>

#include "gui/fakes.h"
#include "gui/kept_settings.h"
#include "gui/main_window.h"

using namespace tessaro;
using namespace tessaro::gui;

namespace {

const char* const kKeptSwitches[] = {"cornerRelief",  "roundedLidCorners",       "singleSupportTooth",
                                     "supportJumper", "simpleRoundedLidCorners", "screwJoints",
                                     "tabSlotRelief"};

bool checked(const MainWindow& form, const char* name) { return form.findChild<QCheckBox*>(name)->isChecked(); }

}  // namespace

class KeptSettingsTest : public QObject {
    Q_OBJECT

    testing::FakeWindowPorts fakes;

private slots:
    void init() { testing::scratchSettings.clear(); }

    void theTestsKeepTheirSettingsInTheirOwnFolder() {
        QVERIFY2(QSettings().fileName().startsWith(testing::scratchSettings.path()),
                 qPrintable(QSettings().fileName()));
    }

    // Every switch turned from its default, and the feet choice, are there in the next window,
    // in the controls and in the options the templates read.
    void switchesAndFeetSurviveANewWindow() {
        QMap<QString, bool> turned;
        {
            MainWindow form(fakes.ports());
            for (const char* name : kKeptSwitches) {
                form.findChild<QCheckBox*>(name)->click();
                turned[name] = checked(form, name);
            }
            form.findChild<QRadioButton*>("feet1")->click();
            form.close();
        }
        MainWindow next(fakes.ports());
        for (const char* name : kKeptSwitches) {
            QCOMPARE(checked(next, name), turned[name]);
        }
        QVERIFY(next.findChild<QRadioButton*>("feet1")->isChecked());
        const Options& o = next.workbench().options;
        QCOMPARE(o.feet, Feet::One);
        QCOMPARE(o.cornerRelief, turned["cornerRelief"]);
        QCOMPARE(o.supportJumper, turned["supportJumper"]);
        QCOMPARE(o.singleSupportTooth, turned["singleSupportTooth"]);
        QCOMPARE(o.roundedLidCorners, turned["roundedLidCorners"]);
        QCOMPARE(o.screwJoints, turned["screwJoints"]);
        QCOMPARE(o.tabSlotRelief, turned["tabSlotRelief"]);
        next.findChild<QTabWidget*>("tabs")->setCurrentWidget(next.findChild<QWidget*>("simpleBoxTab"));
        QCOMPARE(checked(next, "simpleCornerRelief"), turned["cornerRelief"]);
    }

    // A window closed without changes keeps the defaults; a kept value that is no choice
    // leaves the default.
    void unreadableSettingsLeaveTheDefaults() {
        const Options defaults = MainWindow(fakes.ports()).workbench().options;
        for (const QVariant& feet : {QVariant(7), QVariant(-1), QVariant("two")}) {
            QSettings().setValue("switches/feet", feet);
            MainWindow form(fakes.ports());
            QCOMPARE(form.workbench().options.feet, defaults.feet);
        }
    }

    // The next window opens where the last one was closed, not centred anew.
    void thePlaceSurvivesANewWindow() {
        QRect closedAt;
        {
            MainWindow form(fakes.ports());
            QVERIFY(!restorePlace(form));
            form.move(23, 17);
            form.show();
            closedAt = form.geometry();
            form.close();
        }
        MainWindow next(fakes.ports());
        QVERIFY(restorePlace(next));
        next.show();
        // The offscreen platform's made-up window frame may shift the place by a pixel.
        QVERIFY2((next.geometry().topLeft() - closedAt.topLeft()).manhattanLength() <= 2,
                 qPrintable(QString("%1,%2").arg(next.geometry().x()).arg(next.geometry().y())));
        QCOMPARE(next.size(), closedAt.size());
    }
};

// A screen that holds the window, so that the kept place is one the window may take.
TESSARO_TEST_MAIN_ON_SCREEN(KeptSettingsTest, "1920x1080")
#include "test_kept_settings.moc"
