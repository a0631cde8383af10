// The sheet group's job: "Add to job" ("Добавить в задание") takes the template the preview
// shows, with the tables and switches as they are; while the job holds templates a button
// saves them nested together, and once it is cleared a button saves its own again.
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "app/job.h"
#include "app/table_keys.h"
#include "gui/fakes.h"
#include "gui/live_preview.h"
#include "gui/main_window.h"
#include "gui/status_line.h"
#include "gui/window_steps.h"

using namespace tessaro;
using namespace tessaro::gui;

namespace {

using testing::buttonOf;
using testing::settled;
using testing::text;

void edit(MainWindow& form, const char* tableView, int row, const QString& value) {
    auto* view = form.findChild<QTableView*>(tableView);
    view->model()->setData(view->model()->index(row, 1), value);
}

void showTab(MainWindow& form, const char* tab) {
    form.findChild<QTabWidget*>("tabs")->setCurrentWidget(form.findChild<QWidget*>(tab));
}

QString jobList(MainWindow& form) { return form.findChild<QLabel*>("jobList")->text(); }

QByteArray shown(const std::vector<std::string>& errors) {
    QByteArray all;
    for (const std::string& error : errors) {
        all += QByteArray::fromStdString(error) + '\n';
    }
    return all;
}

}  // namespace

class JobWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::FakeWindowPorts> fakes;
    std::unique_ptr<QTemporaryDir> folder;

    void answer(const char* name) {
        fakes->dialog.answer = SaveChoice{QDir(folder->path()).filePath(name).toStdString(), FileType::Dxf};
    }

    // The sheets the core nests a job of these templates onto, each drawn on tables as
    // given: what the window must have saved.
    std::vector<Drawing> expectedSheets(
        const std::vector<std::pair<const char*, std::vector<std::string>>>& templates) {
        SilentMessages silent;
        Workbench wb(fakes->clock, silent);
        Job job;
        for (const auto& [verb, assignments] : templates) {
            Workbench tables(fakes->clock, silent);
            for (const std::string& assignment : assignments) {
                assignTableValue(tables, assignment);
            }
            addToJob(job, *findCommand(verb), tables);
        }
        drawJob(wb, job);
        return nestOntoSheets(wb.drawing, {600, 400}, defaultJobGap(job));
    }

private slots:
    void init() {
        testing::scratchSettings.clear();
        fakes = std::make_unique<testing::FakeWindowPorts>();
        folder = std::make_unique<QTemporaryDir>();
    }

    void aButtonSavesTheJobsTemplatesAsTheyWereAddedAndNothingElse() {
        MainWindow form(fakes->ports());
        auto* group = form.findChild<QGroupBox*>("sheet");
        auto* add = form.findChild<QPushButton*>("addToJob");
        QVERIFY(add && group->isAncestorOf(add) && group->isAncestorOf(form.findChild<QLabel*>("jobList")));
        QCOMPARE(add->text(), QString("Добавить в задание"));
        group->setChecked(true);

        // The folding tab previews its whole set; the width is changed once it is added.
        edit(form, "boxTable", 2, "150");
        QCOMPARE(form.workbench().boxTable.text(MainRow::Width), std::string("150"));
        QVERIFY(settled(form));
        add->click();
        edit(form, "boxTable", 2, "250");
        showTab(form, "bobbinTab");
        QVERIFY(settled(form));
        add->click();
        QVERIFY(fakes->messages.errors.empty());
        QCOMPARE(jobList(form), QString("full, bobbin"));

        answer("job.dxf");
        buttonOf(form, "spiral")->click();
        QVERIFY2(fakes->messages.errors.empty(), shown(fakes->messages.errors).constData());
        const std::vector<Drawing> expected = expectedSheets({{"full", {"main.W=150"}}, {"bobbin", {"main.W=250"}}});
        QVERIFY(form.workbench().sheetDrawings == expected);
        QCOMPARE(fakes->dialog.offered.back(), std::string("5mm 150x100x110 full leg 2 job"));
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files).size(), static_cast<qsizetype>(expected.size()));
        const QString status = form.findChild<StatusLine*>("statusLine")->fullText();
        QVERIFY2(status.contains(QString("листов: %1, использовано материала ").arg(expected.size())),
                 qPrintable(status));

        // Cleared, a button saves its own template once more.
        form.findChild<QPushButton*>("clearJob")->click();
        QCOMPARE(jobList(form), QString("пусто"));
        answer("spiral.dxf");
        buttonOf(form, "spiral")->click();
        QVERIFY(fakes->messages.errors.empty());
        QCOMPARE(form.workbench().sheetDrawings, nestOntoSheets(form.workbench().drawing, {600, 400}, 2 * 3.175));
        QVERIFY(QFile::exists(folder->filePath("spiral-1.dxf")));
    }

    // A template whose cell is not a number is not added: the error box names it.
    void aTemplateThatCannotBeDrawnIsRefused() {
        MainWindow form(fakes->ports());
        form.findChild<QGroupBox*>("sheet")->setChecked(true);
        edit(form, "boxTable", 2, "abc");
        form.findChild<QPushButton*>("addToJob")->click();
        QCOMPARE(fakes->messages.errors.size(), std::size_t{1});
        QVERIFY2(fakes->messages.errors.front().find("abc") != std::string::npos,
                 shown(fakes->messages.errors).constData());
        QCOMPARE(jobList(form), QString("пусто"));
    }
};

QTEST_MAIN(JobWindowTest)
#include "test_job_window.moc"
