// One language at a time: walking every widget of the window and of the large preview,
// its texts, titles and tooltips, and the messages it raises, Russian shows no English
// word and English no Cyrillic letter. The tables' captions and the documents are data,
// and each language button names its language in that language.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/commands.h"
#include "app/error_text.h"
#include "app/kerf_setting.h"
#include "app/materials.h"
#include "app/table_files.h"
#include "box/bottom_warning.h"
#include "gui/fakes.h"
#include "gui/live_preview.h"
#include "gui/main_window.h"
#include "gui/param_table_view.h"
#include "gui/preview_widget.h"
#include "gui/preview_window.h"
#include "gui/status_line.h"
#include "gui/window_language.h"
#include "gui/window_messages.h"
#include "model/default_tables.h"

using namespace tessaro;
using namespace tessaro::gui;

namespace {

// Names that read the same in both languages: file formats and the spiral's symbols.
const QRegularExpression kNames("\\b(EPS|DXF|SVG|STL|PDF|eps|dxf|svg|Fi|St|R12|Windows|Materials\\.txt)\\b");
const QRegularExpression kEnglishWord("[A-Za-z]{2,}");
const QRegularExpression kCyrillic("[\\x{0400}-\\x{04FF}]");

// Data, not words of the window: the tables, the documents, the template's label, the
// program's name and address in the title, and the two language buttons.
bool isData(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (qobject_cast<const ParamTableView*>(w) || qobject_cast<const QListView*>(w)) {
            return true;
        }
    }
    const QString name = widget->objectName();
    return name == "templateLabel" || name == "englishButton" || name == "russianButton";
}

// Every text of the widget and its children that a user can see or hover.
QStringList textsOf(QWidget* root) {
    QStringList texts;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        if (isData(widget)) {
            continue;
        }
        texts << widget->toolTip();
        if (widget->isWindow() && widget->objectName() != "mainWindow") {
            texts << widget->windowTitle();
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            texts << button->text();
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            texts << label->text();
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            texts << group->title();
        } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
            texts << field->placeholderText();
        } else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                texts << tabs->tabText(i) << tabs->tabToolTip(i);
            }
        }
    }
    texts.removeAll(QString());
    return texts;
}

// The texts with a foreign word; the folder and the files saved there are data too.
QStringList foreignIn(const QStringList& texts, bool english, const QString& folder) {
    static const QRegularExpression savedFile("\\bbox(-\\d+)?\\.");
    QStringList foreign;
    for (QString text : texts) {
        text.remove(folder).remove(savedFile).remove(kNames);
        if (english ? text.contains(kCyrillic) : text.contains(kEnglishWord)) {
            foreign << text;
        }
    }
    return foreign;
}

}  // namespace

class OneLanguageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::FakeWindowPorts> fakes;
    QTemporaryDir folder;

    // Drives the window through what raises its words: a save, the large preview on
    // both pages, a bad cell, a sheet too small for a part, the bottom's warning and the
    // Russian switch; returns every text it showed and every message it raised, as the
    // message box shows them.
    QStringList everythingShown(MainWindow& form) {
        form.show();
        const auto settled = [&form] {
            const auto* live = form.findChild<LivePreview*>();
            return QTest::qWaitFor([live] { return !live->busy(); }, 10000);
        };
        fakes->dialog.answer = SaveChoice{QDir(folder.path()).filePath("box.dxf").toStdString(), FileType::Dxf};
        form.findChild<QPushButton*>("foldingSetButton")->click();
        auto* preview = form.findChild<PreviewWidget*>("Preview");
        preview->openLargeWindow();
        // The 3D page's words are there before it is shown; showing it needs OpenGL.
        QStringList texts = textsOf(&form) + textsOf(preview->largeWindow());

        form.workbench().boxTable.setCell(1, 7, "0");  // no frame allowance and no feet
        form.findChild<QPushButton*>("foldingLeftSideButton")->click();
        auto* sheet = form.findChild<QGroupBox*>("sheet");
        sheet->setChecked(true);
        form.findChild<QLineEdit*>("sheetWidth")->setText("100,5");
        form.findChild<QPushButton*>("foldingFrontButton")->click();
        form.findChild<QLineEdit*>("sheetWidth")->setText("100");
        form.findChild<QPushButton*>("foldingFrontButton")->click();
        sheet->setChecked(false);
        auto* tableView = form.findChild<ParamTableView*>("boxTable");
        tableView->model()->setData(tableView->model()->index(2, 1), "2.0.0");
        [&] { QVERIFY2(settled(), "the preview did not settle"); }();
        texts << preview->caption() << preview->largeWindow()->problem();
        form.findChild<QPushButton*>("foldingFrontButton")->click();
        texts << textsOf(&form) << form.findChild<StatusLine*>("statusLine")->fullText();
        form.findChild<QPushButton*>("russianButton")->click();

        for (const std::vector<std::string>* raised : {&fakes->messages.shown, &fakes->messages.errors}) {
            for (const std::string& message : *raised) {
                texts << windowMessage(message);
            }
        }
        [&] { QVERIFY(fakes->messages.errors.size() >= 3); }();
        return texts;
    }

    // Qt's own buttons, as its dialogs show them.
    static QStringList qtButtons() {
        QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        return {box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text(),
                box.button(QMessageBox::Cancel)->text()};
    }

private slots:
    void init() {
        testing::scratchSettings.clear();
        fakes = std::make_unique<testing::FakeWindowPorts>();
    }

    void russianShowsNoEnglishWord() {
        MainWindow form(fakes->ports());
        const QStringList texts = everythingShown(form) + qtButtons();
        QVERIFY(texts.size() > 60);
        const QStringList foreign = foreignIn(texts, false, QDir::toNativeSeparators(folder.path()));
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join("\n")));
    }

    // The core's file messages, as real failures word them, reach a Russian user in Russian
    // but for the names of the files.
    void theCoresFileMessagesAreRussian() {
        setWindowLanguage(WindowLanguage::Russian);
        const QDir dir(folder.path());
        const auto failure = [](const std::function<void()>& work) {
            try {
                work();
            } catch (const std::exception& e) {
                return windowMessage(errorBoxText(e));
            }
            return QString("no failure");
        };
        ParamTable table = defaultMainTable();
        const auto at = [&dir](const char* name) { return std::filesystem::path(dir.filePath(name).toStdString()); };
        QFile binary(dir.filePath("binary.txt"));
        QVERIFY(binary.open(QIODevice::WriteOnly) && binary.write(QByteArray("\x01\x02", 2)) == 2);
        binary.close();
        QFile::link(dir.filePath("nowhere/x.txt"), dir.filePath("dangling.txt"));
        ParamTable huge = defaultMainTable();
        huge.setCell(1, 1, std::string(2 * 1024 * 1024, '7'));
        // A kerf of 6 mm closes the bottom's slots; 60 mm is no kerf at all.
        testing::FakeClock clock;
        testing::FakeMessageBox box;
        Workbench wb(clock, box);
        wb.kerf = 6;
        const QStringList messages = {
            failure([&] { saveTableFile(table, at("missing/ParamGrid.txt")); }),
            failure([&] { loadTableFile(table, at("binary.txt")); }),
            failure([&] { saveTableFile(table, at("dangling.txt")); }),
            failure([&] { saveTableFile(huge, at("huge.txt")); }),
            failure([&] { findCommand("full")->run(wb); }),
            failure([] { static_cast<void>(parseKerf("60")); }),
            failure([] {
                static_cast<void>(materialCells({"Фанера 4", "4,x", "0.2", "0", "0"}));
            }),
            failure([&] { static_cast<void>(currentMaterial(wb, "Tab\there", MaterialSource::MainTable)); }),
        };
        QStringList withoutNames;  // the files and parts, in quotes, are named as they are
        for (const QString& message : messages) {
            QVERIFY2(message.contains(kCyrillic), qPrintable(message));
            withoutNames << QString(message).remove(QRegularExpression("«[^»]*»|\"[^\"]*\""));
        }
        const QStringList foreign = foreignIn(withoutNames, false, QString());
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join("\n")));
    }

    // The falling-bottom warning is two lines parted by a lone carriage return; each is
    // worded in English.
    void theBottomWarningIsEnglishInEnglish() {
        setWindowLanguage(WindowLanguage::English);
        const QString warning = windowMessage(kBottomFallsOutWarning);
        setWindowLanguage(WindowLanguage::Russian);
        QVERIFY2(!warning.contains(kCyrillic), qPrintable(warning));
        QCOMPARE(warning.count('\r'), 1);
    }

    void englishShowsNoCyrillicOutsideTheTables() {
        MainWindow form(fakes->ports());
        form.findChild<QPushButton*>("englishButton")->click();
        const QStringList texts = everythingShown(form) + qtButtons();
        QVERIFY(texts.size() > 60);
        const QStringList foreign = foreignIn(texts, true, QDir::toNativeSeparators(folder.path()));
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join("\n")));
    }
};

QTEST_MAIN(OneLanguageTest)
#include "test_one_language.moc"
