// The window installed system-wide: its own folder takes no tables, even when it may be
// written, so they go to the user's data folder; tables in the current folder are read
// and written back there.
#include <QStandardPaths>
#include <QTableView>
#include <QtTest>

#include "app/table_files.h"
#include "gui/fakes.h"
#include "gui/main_window.h"
#include "gui/qt_ports.h"
#include "model/default_tables.h"

using namespace tessaro;
using namespace tessaro::gui;

namespace {

constexpr int kWidthRow = 2;

QString shownWidth(MainWindow& form) {
    const QAbstractItemModel& model = *form.findChild<QTableView*>("boxTable")->model();
    return model.index(kWidthRow, 1).data().toString();
}

std::string savedWidth(const std::filesystem::path& folder) {
    ParamTable table = defaultMainTable();
    loadTableFile(table, folder / kMainTableFile);
    return table.text(kWidthRow);
}

}  // namespace

class InstalledTablesTest : public QObject {
    Q_OBJECT

private slots:
    // A width changed in the window outlives a restart where it was read, and the close
    // reports nothing: the current folder's tables, else the data folder's.
    void aChangedWidthIsKeptWhereItWasReadAcrossARestart() {
        testing::FakeSavePrompt dialog;
        testing::FakeMessageBox messages;
        testing::FakeClock clock;
        testing::FakeDesignPrompt designs;
        const testing::FakeFolders folders(testing::FakeFolders::Program::InstalledSystemWide);
        const auto changeWidth = [&](const QString& expected, const QString& typed) {
            MainWindow form({dialog, messages, clock, folders, designs});
            form.show();
            QCOMPARE(shownWidth(form), expected);
            QAbstractItemModel& model = *form.findChild<QTableView*>("boxTable")->model();
            QVERIFY(model.setData(model.index(kWidthRow, 1), typed, Qt::EditRole));
            form.close();
        };
        changeWidth(QString::fromStdString(defaultMainTable().text(kWidthRow)), "140");
        QCOMPARE(savedWidth(folders.userDataFolder()), std::string("140"));
        changeWidth("140", "150");
        QCOMPARE(savedWidth(folders.userDataFolder()), std::string("150"));

        ParamTable brought = defaultMainTable();
        brought.setCell(1, kWidthRow, "123");
        saveTableFile(brought, folders.workingFolder() / kMainTableFile);
        changeWidth("123", "124");
        QCOMPARE(savedWidth(folders.workingFolder()), std::string("124"));
        QCOMPARE(savedWidth(folders.userDataFolder()), std::string("150"));
        QVERIFY(std::filesystem::is_empty(folders.programFolder()));
        QVERIFY2(messages.errors.empty(), messages.errors.empty() ? "" : messages.errors.front().c_str());
        QVERIFY(messages.shown.empty());
    }

    // Run from its build but started in another folder, the window shows the tables of the
    // build's folder, where it writes them, rather than writing the defaults over them.
    void startedElsewhereTheBuildsOwnTablesAreShownAndKept() {
        testing::FakeSavePrompt dialog;
        testing::FakeMessageBox messages;
        testing::FakeClock clock;
        testing::FakeDesignPrompt designs;
        const testing::FakeFolders folders(testing::FakeFolders::Program::RunFromItsBuild);
        ParamTable own = defaultMainTable();
        own.setCell(1, kWidthRow, "321");
        saveTableFile(own, folders.programFolder() / kMainTableFile);
        {
            MainWindow form({dialog, messages, clock, folders, designs});
            QCOMPARE(shownWidth(form), QString("321"));
            form.close();
        }
        QCOMPARE(savedWidth(folders.programFolder()), std::string("321"));
        QVERIFY(std::filesystem::is_empty(folders.workingFolder()));
        QVERIFY(messages.errors.empty());
    }

    // The real data folder follows the user's XDG_DATA_HOME and is named after the application.
    void theUserDataFolderIsTheApplicationsInTheUsersDataHome() {
        const QTemporaryDir dataHome;
        qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
        QCoreApplication::setApplicationName("Tessaro");
        const std::filesystem::path folder = QtFolders().userDataFolder();
        qunsetenv("XDG_DATA_HOME");
        QCOMPARE(QString::fromStdString(folder.filename().string()), QString("Tessaro"));
        QVERIFY2(QString::fromStdString(folder.string()).startsWith(dataHome.path() + "/"), folder.c_str());
    }
};

QTEST_MAIN(InstalledTablesTest)
#include "test_installed_tables.moc"
