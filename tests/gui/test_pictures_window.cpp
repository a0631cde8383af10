// The fifteen pictures: present, decoded, of their size, and shown as the switches say.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTabWidget>
#include <QtTest>

#include "gui/drawn_pictures.h"
#include "gui/fakes.h"
#include "gui/main_window.h"
#include "gui/photographs.h"
#include "gui/pictures.h"

using namespace tessaro;
using namespace tessaro::gui;

class PicturesWindowTest : public QObject {
    Q_OBJECT

    testing::FakeWindowPorts fakes;

    static bool shown(MainWindow& form, const char* picture) {
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
        MainWindow form(fakes.ports());
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
        for (const char* resource :
             {":/pictures/screw_nut.jpg", ":/pictures/transformer.jpg", ":/pictures/transformer_en.jpg"}) {
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
        const QByteArray whole = file.readAll();
        // A cut file does not crash: libjpeg gives the whole picture, grey where the bytes ran out.
        const QImage cut = decodeJpeg(whole.left(2000));
        const QImage full = decodeJpeg(whole);
        QCOMPARE(cut.size(), full.size());
        QCOMPARE(cut.pixel(cut.width() / 2, cut.height() - 1), qRgb(128, 128, 128));
        QVERIFY(cut.pixel(full.width() / 2, full.height() - 1) != full.pixel(full.width() / 2, full.height() - 1));
        QVERIFY(picture("unknownPicture").isNull());
    }

    // The radios stand right to left; the third of the feet picture under each radio is the
    // side panel drawn with that radio's choice, and the three choices look different.
    void eachFeetPictureStandsUnderItsRadio() {
        MainWindow form(fakes.ports());
        form.show();
        auto* label = form.findChild<QLabel*>("feetPicture");
        const QImage whole = label->pixmap().toImage();
        const int width = whole.width() / 3;
        QSet<int> thirds;
        for (const Feet feet : {Feet::None, Feet::One, Feet::Two}) {
            auto* radio = form.findChild<QRadioButton*>(QString("feet%1").arg(static_cast<int>(feet)));
            QCOMPARE(radio->text(), feet == Feet::None ? QString("Нет") : QString(feetText(feet)));
            const int x = radio->mapTo(label->parentWidget(), radio->rect().center()).x() - label->x();
            QVERIFY2(x >= 0 && x < 3 * width, qPrintable(radio->text()));
            const QImage own = drawFeetChoice({width, whole.height()}, feet).toImage();
            QCOMPARE(whole.copy(x / width * width, 0, width, whole.height()), own);
            thirds.insert(x / width);
            for (const Feet other : {Feet::None, Feet::One, Feet::Two}) {
                QVERIFY(other == feet || drawFeetChoice({width, whole.height()}, other).toImage() != own);
            }
        }
        QCOMPARE(thirds.size(), 3);
    }

    // The window starts without drawing the pictures of the tabs not shown, the photographs
    // among them: each comes whole when its tab is first shown, in the window's language.
    void aPictureIsDrawnWhenItsTabIsFirstShown() {
        MainWindow form(fakes.ports());
        form.show();
        auto* tabs = form.findChild<QTabWidget*>("tabs");
        QVERIFY(form.findChild<QLabel*>("foldingBoxPicture")->pixmap().toImage() ==
                picture("foldingBoxPicture").toImage());
        form.findChild<QPushButton*>("englishButton")->click();
        const std::pair<const char*, const char*> elsewhere[] = {{"bobbinPicture", "bobbinTab"},
                                                                 {"screwNutPicture", "simpleBoxTab"},
                                                                 {"simpleBoxPicture", "simpleBoxTab"},
                                                                 {"spiralPicture", "spiralTab"}};
        for (const auto& [shown, tab] : elsewhere) {
            QVERIFY2(form.findChild<QLabel*>(shown)->pixmap().isNull(), shown);
        }
        for (const auto& [shown, tab] : elsewhere) {
            tabs->setCurrentWidget(form.findChild<QWidget*>(tab));
            QVERIFY2(form.findChild<QLabel*>(shown)->pixmap().toImage() == picture(shown, true).toImage(), shown);
        }
    }

    void atStartThePicturesFollowTheDefaultSwitches() {
        MainWindow form(fakes.ports());
        for (const char* on : {"foldingSquareCornersPicture", "jumperPicture", "simpleSquareCornersPicture",
                               "tabSlotSquareCornersPicture", "foldingBoxPicture", "feetPicture", "screwNutPicture"}) {
            QVERIFY2(shown(form, on), on);
        }
        for (const char* off : {"foldingReliefCornersPicture", "noJumperPicture", "simpleReliefCornersPicture",
                                "tabSlotReliefCornersPicture"}) {
            QVERIFY2(!shown(form, off), off);
        }
    }

    void reliefOnTheSimpleTabShowsReliefOnBothBoxTabs() {
        MainWindow form(fakes.ports());
        form.findChild<QTabWidget*>("tabs")->setCurrentWidget(form.findChild<QWidget*>("simpleBoxTab"));
        form.findChild<QCheckBox*>("simpleCornerRelief")->click();
        QVERIFY(form.findChild<QCheckBox*>("cornerRelief")->isChecked());
        QVERIFY(shown(form, "simpleReliefCornersPicture") && !shown(form, "simpleSquareCornersPicture"));
        QVERIFY(shown(form, "foldingReliefCornersPicture") && !shown(form, "foldingSquareCornersPicture"));
        QVERIFY(!shown(form, "tabSlotReliefCornersPicture"));  // the tab-slot switch is its own
    }

    void theJumperAndTabSlotSwitchesSwapTheirPictures() {
        MainWindow form(fakes.ports());
        form.findChild<QCheckBox*>("supportJumper")->click();
        QVERIFY(!form.workbench().options.supportJumper);
        QVERIFY(shown(form, "noJumperPicture") && !shown(form, "jumperPicture"));
        form.findChild<QCheckBox*>("tabSlotRelief")->click();
        QVERIFY(form.workbench().options.tabSlotRelief);
        QVERIFY(shown(form, "tabSlotReliefCornersPicture") && !shown(form, "tabSlotSquareCornersPicture"));
        QVERIFY(!form.workbench().options.cornerRelief);
    }
};

QTEST_MAIN(PicturesWindowTest)
#include "test_pictures_window.moc"
