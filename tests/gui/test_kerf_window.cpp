// The "Пропил / Kerf" field: 0 at first; a width typed there is the kerf of what a button
// saves and of what the preview shows, and a text the number rule refuses is kept, shown
// under the preview and refused by a button, which then writes nothing. The preview
// strokes inner cuts blue and outer cuts black.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/saving.h"
#include "gui/fakes.h"
#include "gui/live_preview.h"
#include "gui/main_window.h"
#include "gui/preview_widget.h"
#include "gui/window_messages.h"
#include "gui/window_steps.h"

using namespace tessaro;
using namespace tessaro::gui;

namespace {

using testing::buttonOf;
using testing::contentsOf;
using testing::settled;
using testing::text;

QLineEdit* kerfEdit(MainWindow& form) { return form.findChild<QLineEdit*>("kerfEdit"); }

void typeKerf(MainWindow& form, const QString& typed) {
    kerfEdit(form)->selectAll();
    QTest::keyClicks(kerfEdit(form), typed);
}

}  // namespace

class KerfWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::FakeWindowPorts> fakes;
    std::unique_ptr<QTemporaryDir> folder;

private slots:
    void init() {
        testing::scratchSettings.clear();
        fakes = std::make_unique<testing::FakeWindowPorts>();
        folder = std::make_unique<QTemporaryDir>();
        fakes->dialog.answer = SaveChoice{QDir(folder->path()).filePath("box.dxf").toStdString(), FileType::Dxf2000};
    }

    void startsAtNoneAndStandsClearOfTheOtherControls() {
        MainWindow form(fakes->ports());
        auto* field = form.findChild<QWidget*>("kerf");
        QVERIFY(field);
        QCOMPARE(field->findChild<QLabel*>()->text(), QString("Пропил, мм"));
        QCOMPARE(kerfEdit(form)->text(), QString("0"));
        QCOMPARE(form.workbench().kerf, 0.0);
        for (const QWidget* other : form.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other != field && other->isVisibleTo(&form)) {
                QVERIFY2(!other->geometry().intersects(field->geometry()), qPrintable(other->objectName()));
            }
        }
    }

    // What the button saves is the core's template with that kerf; the preview follows it.
    void aTypedKerfIsTheKerfOfTheSavedTemplateAndOfThePreview() {
        MainWindow form(fakes->ports());
        QVERIFY(settled(form, 20000));
        const Drawing before = form.findChild<PreviewWidget*>("Preview")->drawing();
        typeKerf(form, "0.3");
        QCOMPARE(form.workbench().kerf, 0.3);
        QVERIFY(settled(form, 20000));
        QVERIFY(form.findChild<PreviewWidget*>("Preview")->drawing() != before);

        buttonOf(form, "full")->click();
        QVERIFY(fakes->messages.errors.empty());
        testing::FakeClock clock;
        testing::FakeMessageBox messages;
        Workbench core(clock, messages);
        core.kerf = 0.3;
        findCommand("full")->run(core);
        QCOMPARE(contentsOf(folder->filePath("box.dxf")),
                 QByteArray::fromStdString(templateBytes(core, FileType::Dxf2000)));
    }

    void aKerfTheNumberRuleRefusesIsKeptShownAndWritesNothing() {
        MainWindow form(fakes->ports());
        QVERIFY(settled(form, 20000));
        typeKerf(form, "0,3");
        QCOMPARE(kerfEdit(form)->text(), QString("0,3"));
        // The preview words the number rule's refusal in the window's language.
        const std::string refused = "'0,3' is not a valid floating point value.";
        QCOMPARE(form.findChild<PreviewWidget*>("Preview")->problem(), windowMessage(refused));
        buttonOf(form, "full")->click();
        QCOMPARE(fakes->messages.errors, std::vector<std::string>{refused});
        QVERIFY(QDir(folder->path()).entryList(QDir::Files).isEmpty());
        QCOMPARE(kerfEdit(form)->text(), QString("0,3"));
    }

    void thePreviewStrokesInnerCutsBlueAndOuterCutsBlack() {
        MainWindow form(fakes->ports());
        buttonOf(form, "bottom")->click();
        QVERIFY(settled(form, 20000));
        const QImage shown = form.findChild<PreviewWidget*>("Preview")->grab().toImage();
        int blue = 0;
        int black = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QColor c = shown.pixelColor(x, y);
                blue += c.blue() > 150 && c.red() < 100 && c.green() < 100 ? 1 : 0;
                black += c.blue() < 80 && c.red() < 80 && c.green() < 80 ? 1 : 0;
            }
        }
        QVERIFY2(blue > 100, qPrintable(QString::number(blue)));
        QVERIFY2(black > 100, qPrintable(QString::number(black)));
    }
};

QTEST_MAIN(KerfWindowTest)
#include "test_kerf_window.moc"
