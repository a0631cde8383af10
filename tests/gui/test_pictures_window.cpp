// The fifteen pictures: present, decoded, of their size, and shown as the switches say.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QSet>
#include <QTabWidget>
#include <QtTest>

#include "gui/fakes.h"
#include "gui/pictures.h"
#include "gui/quarnel_form.h"

using namespace tessaro;
using namespace tessaro::gui;

class PicturesWindowTest : public QObject {
    Q_OBJECT

    testing::FakeSaveDialog dialog;
    testing::FakeMessageBox messages;
    testing::FakeClock clock;
    testing::FakeFolders folders;

    static bool shown(TQuarnelForm& form, const char* picture) {
        auto* label = form.findChild<QLabel*>(picture);
        return !label->isHidden();
    }

    static int colourCount(const QImage& image) {
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                colours.insert(image.pixel(x, y));
            }
        }
        return static_cast<int>(colours.size());
    }

private slots:
    void everyPictureIsDrawnAtItsSize() {
        QCOMPARE(pictureTable().size(), std::size_t{15});
        TQuarnelForm form({dialog, messages, clock, folders});
        for (const PictureInfo& info : pictureTable()) {
            const QString name = QString::fromUtf8(info.name.data(), static_cast<qsizetype>(info.name.size()));
            const QPixmap pixmap = picture(info.name);
            QVERIFY2(!pixmap.isNull(), qPrintable(name));
            QCOMPARE(pixmap.size(), info.size);
            QVERIFY2(colourCount(pixmap.toImage()) >= 3, qPrintable(name));  // something is drawn
            auto* label = form.findChild<QLabel*>(name);
            QVERIFY2(label, qPrintable(name));
            QCOMPARE(label->size(), info.size);
        }
    }

    void thePhotographsAreJpegFilesThatDecode() {
        for (const char* resource : {":/pictures/screw_nut.jpg", ":/pictures/transformer.jpg"}) {
            QFile file(resource);
            QVERIFY2(file.open(QIODevice::ReadOnly), resource);
            const QByteArray bytes = file.readAll();
            QVERIFY(bytes.startsWith("\xFF\xD8\xFF"));
            QVERIFY2(!decodeJpeg(bytes).isNull(), resource);
        }
        QVERIFY(decodeJpeg(QByteArray()).isNull());
        QVERIFY(decodeJpeg("not a picture at all").isNull());
        QFile file(":/pictures/transformer.jpg");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QImage cut = decodeJpeg(file.readAll().left(2000));  // a cut file does not crash
        Q_UNUSED(cut);
        QVERIFY(picture("Image99").isNull());
    }

    void atStartThePicturesFollowTheDefaultSwitches() {
        TQuarnelForm form({dialog, messages, clock, folders});
        for (const char* on : {"Image11", "Image9", "Image6", "Image4", "Image1", "Image7", "Image14"}) {
            QVERIFY2(shown(form, on), on);
        }
        for (const char* off : {"Image3", "Image10", "Image12", "Image13"}) {
            QVERIFY2(!shown(form, off), off);
        }
    }

    void reliefOnTheSimpleTabShowsReliefOnBothBoxTabs() {
        TQuarnelForm form({dialog, messages, clock, folders});
        form.findChild<QTabWidget*>("PageControl1")->setCurrentWidget(form.findChild<QWidget*>("TabSheet2"));
        form.findChild<QCheckBox*>("SimpChAgl")->click();
        QVERIFY(form.findChild<QCheckBox*>("ExtAngle")->isChecked());
        QVERIFY(shown(form, "Image12") && !shown(form, "Image6"));
        QVERIFY(shown(form, "Image3") && !shown(form, "Image11"));
        QVERIFY(!shown(form, "Image13"));  // the tab-slot switch is its own
    }

    void theJumperAndTabSlotSwitchesSwapTheirPictures() {
        TQuarnelForm form({dialog, messages, clock, folders});
        form.findChild<QCheckBox*>("ShortOpora")->click();
        QVERIFY(!form.workbench().options.ShortOpora);
        QVERIFY(shown(form, "Image10") && !shown(form, "Image9"));
        form.findChild<QCheckBox*>("ExtAngle2")->click();
        QVERIFY(form.workbench().options.ExtAngle2);
        QVERIFY(shown(form, "Image13") && !shown(form, "Image4"));
        QVERIFY(!form.workbench().options.ExtAngle);
    }
};

QTEST_MAIN(PicturesWindowTest)
#include "test_pictures_window.moc"
