#include "gui/window_language.h"

#include <QApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>
#include <array>

namespace tessaro::gui {
namespace {

WindowLanguage current = WindowLanguage::English;

// Ours for each language; Qt's own (its dialogs, its buttons) for Russian, from the
// system's Qt translations.
struct Translators {
    QTranslator russian;
    QTranslator qtRussian;
    QTranslator english;
    Translators() {
        static_cast<void>(russian.load(":/translations/tessaro_ru.qm"));
        static_cast<void>(qtRussian.load("qtbase_ru", QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        static_cast<void>(english.load(":/translations/tessaro_en.qm"));
    }
};

Translators& translators() {
    static Translators loaded;
    return loaded;
}

}  // namespace

void setWindowLanguage(WindowLanguage language) {
    Translators& t = translators();
    const bool russian = language == WindowLanguage::Russian;
    for (QTranslator* translator : std::array{&t.russian, &t.qtRussian, &t.english}) {
        QCoreApplication::removeTranslator(translator);
    }
    if (russian) {
        QCoreApplication::installTranslator(&t.qtRussian);
        QCoreApplication::installTranslator(&t.russian);
    } else {
        QCoreApplication::installTranslator(&t.english);
    }
    current = language;
    // Qt posts the change to the windows; they are told at once, so that the words have
    // changed when the switch returns.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        QEvent changed(QEvent::LanguageChange);
        QCoreApplication::sendEvent(window, &changed);
    }
}

WindowLanguage windowLanguage() { return current; }

}  // namespace tessaro::gui
