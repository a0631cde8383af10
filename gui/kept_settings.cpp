#include "gui/kept_settings.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include "gui/screen_placement.h"

namespace tessaro::gui {
namespace {

// simpleCornerRelief is not among them: it shows cornerRelief, which it follows.
constexpr const char* kSwitches[] = {"cornerRelief",  "roundedLidCorners",       "singleSupportTooth",
                                     "supportJumper", "simpleRoundedLidCorners", "screwJoints",
                                     "tabSlotRelief", "sheetNoRotation"};
// The sheet group, checkable, and its sizes in millimetres. Its "no rotation" box is kept
// with the switches.
constexpr const char* kSheetGroup = "sheet";
constexpr const char* kSheetValues[] = {"sheetWidth", "sheetHeight", "sheetGap"};
constexpr int kFeetChoices = 3;  // the radios feet0 (none), feet1, feet2

QString switchKey(const char* name) { return QString("switches/") + name; }
QString sheetKey(const char* name) { return QString("sheet/") + name; }
QString sheetTextKey(const char* name) { return QString("sheet/") + name + "Text"; }
const QString kFeetKey = "switches/feet";
const QString kPlaceKey = "window/geometry";

QAbstractButton* feetRadio(const QWidget& window, int choice) {
    return window.findChild<QAbstractButton*>(QString("feet%1").arg(choice));
}

}  // namespace

void restoreSwitches(QWidget& window) {
    const QSettings settings;
    for (const char* name : kSwitches) {
        auto* box = window.findChild<QCheckBox*>(name);
        if (box != nullptr && settings.contains(switchKey(name))) {
            box->setChecked(settings.value(switchKey(name)).toBool());
        }
    }
    if (auto* group = window.findChild<QGroupBox*>(kSheetGroup); group && settings.contains(sheetKey(kSheetGroup))) {
        group->setChecked(settings.value(sheetKey(kSheetGroup)).toBool());
    }
    // The texts as they were typed; a bad one comes back marked, as it was left. Before the
    // fields took text they kept numbers, the gap's 0 meaning automatic.
    for (const char* name : kSheetValues) {
        auto* field = window.findChild<QLineEdit*>(name);
        bool number = false;
        const double value = settings.value(sheetKey(name)).toDouble(&number);
        if (field && settings.contains(sheetTextKey(name))) {
            field->setText(settings.value(sheetTextKey(name)).toString());
        } else if (field && number) {
            field->setText(value == 0 && field->objectName() == "sheetGap" ? QString() : QString::number(value));
        }
    }
    bool readable = false;
    const int feet = settings.value(kFeetKey).toInt(&readable);
    if (readable && feet >= 0 && feet < kFeetChoices) {
        feetRadio(window, feet)->setChecked(true);
    }
}

bool restorePlace(QWidget& window) {
    const QByteArray place = QSettings().value(kPlaceKey).toByteArray();
    const bool kept = !place.isEmpty() && window.restoreGeometry(place);
    const QRect available = window.screen()->availableGeometry();
    if (kept && (window.isMaximized() || window.isFullScreen() || available.contains(window.geometry()))) {
        return true;
    }
    // First start, or kept on a larger screen than this one.
    QRect wanted = window.geometry();
    if (!kept) {
        wanted.moveCenter(available.center());
    }
    setGeometryOnScreen(window, wanted);
    return kept;
}

void keepSwitchesAndPlace(const QWidget& window) {
    QSettings settings;
    for (const char* name : kSwitches) {
        if (const auto* box = window.findChild<QCheckBox*>(name)) {
            settings.setValue(switchKey(name), box->isChecked());
        }
    }
    if (const auto* group = window.findChild<QGroupBox*>(kSheetGroup)) {
        settings.setValue(sheetKey(kSheetGroup), group->isChecked());
    }
    for (const char* name : kSheetValues) {
        if (const auto* field = window.findChild<QLineEdit*>(name)) {
            settings.setValue(sheetTextKey(name), field->text());
        }
    }
    for (int choice = 0; choice < kFeetChoices; ++choice) {
        if (feetRadio(window, choice)->isChecked()) {
            settings.setValue(kFeetKey, choice);
        }
    }
    settings.setValue(kPlaceKey, window.saveGeometry());
}

}  // namespace tessaro::gui
