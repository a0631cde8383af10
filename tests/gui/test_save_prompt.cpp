// The save dialog over Qt's own file dialog, driven as the user drives it: the type
// follows a typed extension, replacing a file is asked about the name that is written,
// and a filter of no type writes nothing.
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>

#include "app/saving.h"
#include "app/sheets.h"
#include "gui/fakes.h"  // the dialog keeps its history in settings of the test's own
#include "gui/qt_ports.h"

using namespace tessaro;
using namespace tessaro::gui;

namespace {

const QString kFilter = QString::fromStdString(tessaro::saveDialogFilter());

// Acts on the modal dialogs as they open, one step each, in order. A dialog that no
// step expects is closed and counted, so a wrong dialog fails the test instead of
// waiting for a user.
class ModalScript {
public:
    // A step acts on the open modal widget and tells whether it was the one it expects.
    using Step = std::function<bool(QWidget*)>;

    explicit ModalScript(std::deque<Step> steps) : steps_(std::move(steps)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(20);
    }

    [[nodiscard]] bool finished() const { return steps_.empty() && unexpected_ == 0; }

private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            return;
        }
        if (steps_.empty()) {
            ++unexpected_;
            modal->close();
        } else if (steps_.front()(modal)) {
            steps_.pop_front();
        }
    }

    QTimer timer_;
    std::deque<Step> steps_;
    int unexpected_ = 0;
};

// Chooses the filter, then types the name and presses Save.
ModalScript::Step save(const QString& filter, const QString& name) {
    return [=](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog == nullptr) {
            return false;
        }
        dialog->selectNameFilter(filter);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
        dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Save)->click();
        return true;
    };
}

// Presses Cancel, noting the filter the dialog was opened with.
ModalScript::Step cancel(QString* presetFilter = nullptr) {
    return [presetFilter](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog == nullptr) {
            return false;
        }
        if (presetFilter != nullptr) {
            *presetFilter = dialog->selectedNameFilter();
        }
        dialog->reject();
        return true;
    };
}

// Presses Cancel, noting the file types the dialog offered.
ModalScript::Step cancelNoting(QStringList& offered) {
    return [&offered](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog == nullptr) {
            return false;
        }
        offered = dialog->nameFilters();
        dialog->reject();
        return true;
    };
}

// Answers a question box that names the file; the default answer must be No.
ModalScript::Step answer(QMessageBox::StandardButton button, const QString& naming, QStringList& asked) {
    return [=, &asked](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            return false;
        }
        asked << box->text();
        if (box->text().contains(naming) && box->defaultButton() == box->button(QMessageBox::No)) {
            box->button(button)->click();
        } else {
            box->button(QMessageBox::No)->click();
            asked << "unexpected question";
        }
        return true;
    };
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class SavePromptTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    std::optional<SaveChoice> askWith(QtSavePrompt& dialog, std::deque<ModalScript::Step> steps,
                                      const FilesInTheWayOf& inTheWay = chosenFileInTheWay) {
        ModalScript script(std::move(steps));
        auto choice = dialog.ask("box", inTheWay);
        [&] { QVERIFY2(script.finished(), "the dialogs did not open as expected"); }();
        return choice;
    }

    QString at(const QString& name) const { return dir.filePath(name); }

private slots:
    // A known extension in the typed name decides the type, whatever the filter says;
    // a name without one gets the chosen filter's extension (names hold dots of their own).
    void typedExtensionDecidesTheType() {
        QtSavePrompt dialog(nullptr, kFilter, 2);
        const struct {
            const char* filter;
            const char* typed;
            const char* written;
            FileType type;
        } cases[] = {
            {"EPS (*.eps)", "box.dxf", "box.dxf", FileType::Dxf},
            {"DXF R12 (*.dxf)", "box.SVG", "box.SVG", FileType::Svg},
            {"SVG (*.svg)", "box.eps", "box.eps", FileType::Eps},
            {"EPS (*.eps)", "box", "box.eps", FileType::Eps},
            {"SVG (*.svg)", "spiral R10.0mm rev8", "spiral R10.0mm rev8.svg", FileType::Svg},
            // Both DXF types write ".dxf": the chosen filter tells them apart.
            {"DXF 2000 (*.dxf)", "box.dxf", "box.dxf", FileType::Dxf2000},
            {"DXF 2000 (*.dxf)", "box", "box.dxf", FileType::Dxf2000},
            {"DXF R12 (*.dxf)", "box.dxf", "box.dxf", FileType::Dxf},
            {"PDF (*.pdf)", "box", "box.pdf", FileType::Pdf},
        };
        for (const auto& c : cases) {
            const auto choice = askWith(dialog, {save(c.filter, at(c.typed))});
            QVERIFY2(choice, c.typed);
            QCOMPARE(QString::fromStdString(choice->path), at(c.written));
            QCOMPARE(choice->type, c.type);
        }
    }

    // The window's file types read as their names, DXF with its version.
    void theFileTypesAreNamed() {
        QtSavePrompt dialog(nullptr, kFilter, 2);
        QStringList offered;
        QVERIFY(!askWith(dialog, {cancelNoting(offered)}));
        QCOMPARE(offered,
                 QStringList({"EPS (*.eps)", "DXF R12 (*.dxf)", "SVG (*.svg)", "DXF 2000 (*.dxf)", "PDF (*.pdf)"}));
    }

    // The next dialog opens with the type that was saved last.
    void savedTypeIsTheNextPreset() {
        QtSavePrompt dialog(nullptr, kFilter, 2);
        QString preset;
        QVERIFY(!askWith(dialog, {cancel(&preset)}));
        QCOMPARE(preset, QString("DXF R12 (*.dxf)"));
        QVERIFY(askWith(dialog, {save("EPS (*.eps)", at("a.svg"))}));
        QVERIFY(!askWith(dialog, {cancel(&preset)}));
        QCOMPARE(preset, QString("SVG (*.svg)"));
    }

    // Replacing a file is asked about the name that will be written: "box" typed with
    // the DXF filter replaces box.dxf. No goes back to the dialog; Yes replaces.
    void replacingAsksAboutTheWrittenName() {
        QtSavePrompt dialog(nullptr, kFilter, 2);
        writeFile(at("box.dxf"), "old");
        QStringList asked;
        QVERIFY(!askWith(dialog,
                         {save("DXF R12 (*.dxf)", at("box")), answer(QMessageBox::No, "box.dxf", asked), cancel()}));
        QCOMPARE(asked.size(), 1);
        const auto choice =
            askWith(dialog, {save("DXF R12 (*.dxf)", at("box")), answer(QMessageBox::Yes, "box.dxf", asked)});
        QCOMPARE(asked.size(), 2);
        QVERIFY(choice);
        QCOMPARE(QString::fromStdString(choice->path), at("box.dxf"));

        // A new name asks nothing.
        QVERIFY(askWith(dialog, {save("DXF R12 (*.dxf)", at("new"))}));
        QCOMPARE(asked.size(), 2);
    }

    // A set of sheets asks once, naming every sheet it replaces, every sheet of an earlier,
    // larger set it removes (box-3, ours, right after the set) and every file named as a
    // sheet that it leaves (box-4, the user's own), not the plain name, which it does not
    // write; No goes back to the dialog, and a set that touches nothing asks nothing.
    void aSheetSetAsksOnceAboutEverySheetItTouches() {
        QtSavePrompt dialog(nullptr, kFilter, 2);
        for (const char* name : {"box.dxf", "box-1.dxf", "box-2.dxf", "box-4.dxf"}) {
            writeFile(at(name), "old");
        }
        writeFile(at("box-3.dxf"), QByteArray::fromStdString(drawingBytes(Drawing{}, FileType::Dxf, {})));
        const FilesInTheWayOf twoSheets = [](const SaveChoice& choice) {
            return sheetsInTheWay(choice.path, choice.type, 2);
        };
        QStringList asked;
        QVERIFY(!askWith(dialog,
                         {save("DXF R12 (*.dxf)", at("box")), answer(QMessageBox::No, "box-4.dxf", asked), cancel()},
                         twoSheets));
        QCOMPARE(asked.size(), 1);
        const QStringList sections = asked.front().split("\n\n");
        for (const char* name : {"box-1.dxf", "box-2.dxf", "box-3.dxf", "box-4.dxf"}) {
            QCOMPARE(sections.filter(name).size(), 1);
        }
        QCOMPARE(sections.filter("box-3.dxf"), sections.filter("will be removed"));
        QCOMPARE(sections.filter("box-4.dxf"), sections.filter("will be left as they are"));
        QVERIFY2(!asked.front().contains(QDir::toNativeSeparators(at("box.dxf")) + "\n"), qPrintable(asked.front()));
        const auto choice = askWith(
            dialog, {save("DXF R12 (*.dxf)", at("box")), answer(QMessageBox::Yes, "box-1.dxf", asked)}, twoSheets);
        QVERIFY(choice);
        QCOMPARE(asked.size(), 2);
        QVERIFY(askWith(dialog, {save("DXF R12 (*.dxf)", at("other"))}, twoSheets));
        QCOMPARE(asked.size(), 2);
    }

    // The dialog opens in the folder saved into last, in the next run too; a folder that
    // has gone since opens the home folder.
    void theFolderIsKeptBetweenRuns() {
        const auto folderShown = [](QString& folder) {
            return [&folder](QWidget* modal) {
                auto* dialog = qobject_cast<QFileDialog*>(modal);
                if (dialog != nullptr) {
                    folder = dialog->directory().absolutePath();
                    dialog->reject();
                }
                return dialog != nullptr;
            };
        };
        QTemporaryDir elsewhere;
        {
            QtSavePrompt dialog(nullptr, kFilter, 2);
            QVERIFY(askWith(dialog, {save("DXF R12 (*.dxf)", QDir(elsewhere.path()).filePath("a.dxf"))}));
        }
        QString folder;
        QtSavePrompt nextRun(nullptr, kFilter, 2);
        QVERIFY(!askWith(nextRun, {folderShown(folder)}));
        QCOMPARE(folder, QDir(elsewhere.path()).absolutePath());
        QVERIFY(elsewhere.remove());
        QtSavePrompt afterItWent(nullptr, kFilter, 2);
        QVERIFY(!askWith(afterItWent, {folderShown(folder)}));
        QCOMPARE(folder, QDir::homePath());
    }

    // A filter that names no type of ours gives no choice; a typed extension still does.
    void filterOfNoTypeGivesNoChoice() {
        QtSavePrompt dialog(nullptr, kFilter + "|All files|*", 2);
        QVERIFY(!askWith(dialog, {save("All files (*)", at("box"))}));
        const auto choice = askWith(dialog, {save("All files (*)", at("box.svg"))});
        QVERIFY(choice);
        QCOMPARE(choice->type, FileType::Svg);
    }
};

QTEST_MAIN(SavePromptTest)
#include "test_save_prompt.moc"
