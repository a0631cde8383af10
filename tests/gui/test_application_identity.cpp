// The names the desktop knows the window by agree with its menu entry, and the window
// carries the program's icon at the sizes a panel or a task switcher asks for.
#include <QSettings>
#include <QtTest>

#include "gui/application_identity.h"
#include "gui/fakes.h"
#include "gui/main_window.h"

using namespace tessaro;
using namespace tessaro::gui;

class ApplicationIdentityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { identifyApplication(); }

    // The menu entry is found by the desktop file name, and a started window is matched to
    // it by its class, which X11 takes from the application name.
    void theMenuEntryNamesTheApplicationTheProgramSaysItIs() {
        QSettings entry(TESSARO_DESKTOP_FILE, QSettings::IniFormat);
        entry.beginGroup("Desktop Entry");
        QCOMPARE(QGuiApplication::desktopFileName() + ".desktop", QFileInfo(TESSARO_DESKTOP_FILE).fileName());
        QCOMPARE(entry.value("StartupWMClass").toString(), QCoreApplication::applicationName());
        QCOMPARE(entry.value("Icon").toString(), QGuiApplication::desktopFileName());
        QCOMPARE(entry.value("Exec").toString(), QString("tessaro"));
    }

    // The settings and the tables stay where earlier versions kept them.
    void theSettingsKeepTheirFolder() {
        QCOMPARE(QCoreApplication::organizationName(), QString("Tessaro"));
        QCOMPARE(QCoreApplication::applicationName(), QString("Tessaro"));
    }

    void theWindowHasTheIconFromSmallToLarge() {
        testing::FakeWindowPorts fakes;
        MainWindow form(fakes.ports());
        const QIcon icon = form.windowIcon();
        QVERIFY(!icon.isNull());
        const QList<QSize> sizes = icon.availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(256, 256)));
        for (const QSize& size : sizes) {
            QCOMPARE(size.width(), size.height());
            const QImage drawn = icon.pixmap(size).toImage();
            QCOMPARE(drawn.size(), size);
            // Drawn, not blank: the panel's outline leaves both its fill and transparent corners.
            QCOMPARE(qAlpha(drawn.pixel(0, 0)), 0);
            QVERIFY(qAlpha(drawn.pixel(size.width() / 2, size.height() / 2)) > 0);
        }
    }
};

QTEST_MAIN(ApplicationIdentityTest)
#include "test_application_identity.moc"
