#include "gui/window_messages.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <array>
#include <vector>

namespace tessaro::gui {
namespace {

// The forms of the core's messages, %1... where they vary, as the core words them.
constexpr std::array kForms = {
    QT_TRANSLATE_NOOP("CoreMessage", "'%1' is not a valid floating point value"),
    QT_TRANSLATE_NOOP("CoreMessage", "'%1' is not a valid integer value"),
    QT_TRANSLATE_NOOP("CoreMessage", "'%1' holds \"%2\", which a table file cannot keep"),
    QT_TRANSLATE_NOOP("CoreMessage", "Floating point division by zero"),
    QT_TRANSLATE_NOOP("CoreMessage", "Cannot create file \"%1\". %2"),
    QT_TRANSLATE_NOOP("CoreMessage", "Cannot open file \"%1\". %2"),
    QT_TRANSLATE_NOOP("CoreMessage", "\"%1\" is not a table file (%2); it was not loaded"),
    QT_TRANSLATE_NOOP("CoreMessage",
                      "\"%1\" was not loaded at start, so it was not overwritten: it is kept as \"%2\", and the "
                      "new one was saved in its place"),
    QT_TRANSLATE_NOOP("CoreMessage", "\"%1\" cannot keep \"%2\": it was saved as \"?\""),
    QT_TRANSLATE_NOOP("CoreMessage",
                      "The tables could not be saved in \"%1\", so they were saved in \"%2\", where the next start "
                      "reads them:"),
    QT_TRANSLATE_NOOP("CoreMessage",
                      "Part %1 (%2, %3 x %4 mm) does not fit on a %5 x %6 mm sheet with a gap of %7 mm, turned or not"),
    QT_TRANSLATE_NOOP("CoreMessage", "Part %1 (%2, %3 x %4 mm) does not fit on a %5 x %6 mm sheet with a gap of %7 mm"),
    QT_TRANSLATE_NOOP("CoreMessage", "Part %1 could not be placed on a sheet"),
    QT_TRANSLATE_NOOP("CoreMessage",
                      "The kerf fills a gap or notch narrower than it in %1: the part would not come out as drawn"),
    QT_TRANSLATE_NOOP("CoreMessage", "The kerf closes or splits %1: the cut is narrower than the kerf somewhere"),
    QT_TRANSLATE_NOOP("CoreMessage",
                      "The kerf is wider than the room between %1 and %2: the beam along one would cut into the other"),
    QT_TRANSLATE_NOOP("CoreMessage", "The kerf is a width: more than 0, or 0 for none"),
    QT_TRANSLATE_NOOP("CoreMessage", "The kerf '%1' is not a width from 0 to %2 mm"),
    QT_TRANSLATE_NOOP("CoreMessage",
                      "The kerf leaves %1 as drawn: it is an open cut, and which side of it is material is not known"),
    QT_TRANSLATE_NOOP("CoreMessage", "outline %1 (an outer cut) of %2"),
    QT_TRANSLATE_NOOP("CoreMessage", "outline %1 (an inner cut) of %2"),
    QT_TRANSLATE_NOOP("CoreMessage",
                      "The nesting took longer than %1 seconds and was stopped: try a larger sheet, or fewer or "
                      "coarser pieces"),
    QT_TRANSLATE_NOOP("CoreMessage", "The vector step Fi must be greater than 0 degrees"),
    QT_TRANSLATE_NOOP("CoreMessage", "The vector step Fi is too small to draw with; choose a larger vector step Fi"),
    QT_TRANSLATE_NOOP(
        "CoreMessage",
        "The spiral would have more than 10 000 000 lines; choose a larger vector step Fi or fewer turns"),
    QT_TRANSLATE_NOOP("CoreMessage",
                      "The spiral's numbers are too large to write; choose a smaller radius R or step St"),
    QT_TRANSLATE_NOOP("CoreMessage",
                      "The bounding box of the drawing is too large to be written; check the table values"),
    QT_TRANSLATE_NOOP("CoreMessage", "A coordinate of the drawing is too large to be written; check the table values"),
    QT_TRANSLATE_NOOP("CoreMessage", "A coordinate lies beyond a thousand kilometres, too far to cut or nest"),
    QT_TRANSLATE_NOOP("CoreMessage", "There is not enough memory for this template; nothing was written."),
    QT_TRANSLATE_NOOP("CoreMessage", "It is a link to \"%1\", which does not exist"),
    QT_TRANSLATE_NOOP("CoreMessage",
                      "The table would make a file the next start refuses (%1), so it was not saved and the file "
                      "was left as it was"),
    QT_TRANSLATE_NOOP("CoreMessage", "It was not loaded at start and could not be kept under another name: %1"),
    QT_TRANSLATE_NOOP("CoreMessage", "larger than %1 MiB"),
    QT_TRANSLATE_NOOP("CoreMessage", "more than %1 lines"),
    QT_TRANSLATE_NOOP("CoreMessage", "a line of more than %1 cells"),
    QT_TRANSLATE_NOOP("CoreMessage", "Cannot read the cut-outs \"%1\": %2"),
    QT_TRANSLATE_NOOP("CoreMessage", "line %1: %2"),
    QT_TRANSLATE_NOOP("CoreMessage", "%1: it reaches outside the %2 face, %3 x %4 mm"),
    QT_TRANSLATE_NOOP("CoreMessage", "%1: a label needs the engraving fonts"),
    QT_TRANSLATE_NOOP("CoreMessage",
                      "%1: the cut-outs and vents make %2 openings in all, more than the %3 a list may make"),
    QT_TRANSLATE_NOOP("CoreMessage", "%1: '%2' is not a valid floating point value"),
    QT_TRANSLATE_NOOP("CoreMessage", "%1 %2 is beyond a kilometre"),
    QT_TRANSLATE_NOOP("CoreMessage", "%1 must be more than 0, not %2"),
    QT_TRANSLATE_NOOP("CoreMessage", "%1 %2 is less than 0.000001 mm, the finest size drawn"),
    QT_TRANSLATE_NOOP("CoreMessage", "%1 takes FACE,%2"),
    QT_TRANSLATE_NOOP("CoreMessage", "%1 takes %2, not %3 numbers"),
    QT_TRANSLATE_NOOP("CoreMessage", "unknown face %1: front, rear, left, right, bottom or lid"),
    QT_TRANSLATE_NOOP("CoreMessage", "unknown shape %1: circle, rect or slot"),
    QT_TRANSLATE_NOOP("CoreMessage", "unknown vent pattern %1: slots or holes"),
    QT_TRANSLATE_NOOP("CoreMessage", "a line begins with cutout, vent or label, not %1"),
    QT_TRANSLATE_NOOP("CoreMessage", "The material \"%1\": %2"),
    QT_TRANSLATE_NOOP("CoreMessage", "%1 '%2' is not from %3 to %4 mm"),
    QT_TRANSLATE_NOOP("CoreMessage",
                      "\"%1\" cannot name a material: a name is not blank and holds no control character and no "
                      "character that Windows-1251 lacks"),
    QT_TRANSLATE_NOOP("CoreMessage", "Cannot read the design \"%1\": %2"),
    QT_TRANSLATE_NOOP("CoreMessage", "'%1' is not a key of a design"),
    QT_TRANSLATE_NOOP("CoreMessage",
                      "'%1' is not a key of Tessaro %2: the design was written by Tessaro %3, which is newer"),
    QT_TRANSLATE_NOOP("CoreMessage", "'%1' takes a text in quotes, as typed: %2 = \"...\""),
    QT_TRANSLATE_NOOP("CoreMessage", "'%1' takes true or false"),
    QT_TRANSLATE_NOOP("CoreMessage", "'%1' takes a table: [%2]"),
    QT_TRANSLATE_NOOP("CoreMessage", "'%1' takes a list in brackets: %2 = [%3]"),
    QT_TRANSLATE_NOOP("CoreMessage", "'%1' is not a command: the commands are listed by tessaro-cli --help"),
    QT_TRANSLATE_NOOP("CoreMessage", "'feet' is \"none\", \"1\" or \"2\", not \"%1\""),
    QT_TRANSLATE_NOOP("CoreMessage", "'table-captions' is \"russian\" or \"english\", not \"%1\""),
    QT_TRANSLATE_NOOP("CoreMessage", "'%1' is the program's version, such as \"%2\", not \"%3\""),
    QT_TRANSLATE_NOOP("CoreMessage", "'open-last' and 'closed-last' exclude each other"),
    QT_TRANSLATE_NOOP("CoreMessage", "[sheet] needs its size: size = \"600x400\""),
    QT_TRANSLATE_NOOP("CoreMessage", "%1: the text is not UTF-8, which a design file holds"),
    QT_TRANSLATE_NOOP("CoreMessage", "\"%1\": %2"),
    QT_TRANSLATE_NOOP("CoreMessage", "Перезапустите программу!"),
    QT_TRANSLATE_NOOP("CoreMessage", "Дно будет выпадать!"),
    QT_TRANSLATE_NOOP("CoreMessage", " рекомендуется выбрать вариант с ножками"),
};

// The parts of a message that are themselves worded by the core: the reason a file
// could not be made or read.
constexpr std::array kReasons = {
    QT_TRANSLATE_NOOP("CoreMessage", "It is not a regular file"),
    QT_TRANSLATE_NOOP("CoreMessage", "not a regular file"),
    QT_TRANSLATE_NOOP("CoreMessage", "it holds binary bytes"),
    QT_TRANSLATE_NOOP("CoreMessage", "it holds control characters"),
    QT_TRANSLATE_NOOP("CoreMessage", "No space left on device"),
    QT_TRANSLATE_NOOP("CoreMessage", "Permission denied"),
    QT_TRANSLATE_NOOP("CoreMessage", "Is a directory"),
    QT_TRANSLATE_NOOP("CoreMessage", "No such file or directory"),
    QT_TRANSLATE_NOOP("CoreMessage", "Read-only file system"),
    QT_TRANSLATE_NOOP("CoreMessage", "the front panel"),
    QT_TRANSLATE_NOOP("CoreMessage", "the rear panel"),
    QT_TRANSLATE_NOOP("CoreMessage", "the bottom"),
    QT_TRANSLATE_NOOP("CoreMessage", "the lid"),
    QT_TRANSLATE_NOOP("CoreMessage", "the left side panel"),
    QT_TRANSLATE_NOOP("CoreMessage", "the right side panel"),
    QT_TRANSLATE_NOOP("CoreMessage", "the side panel"),
    QT_TRANSLATE_NOOP("CoreMessage", "the spiral"),
    QT_TRANSLATE_NOOP("CoreMessage", "the bobbin frame"),
    QT_TRANSLATE_NOOP("CoreMessage", "the tab-slot piece"),
    QT_TRANSLATE_NOOP("CoreMessage", "the cut-outs of the tab-slot piece"),
    QT_TRANSLATE_NOOP("CoreMessage", "the corner radius is more than half the rectangle's smaller side"),
    QT_TRANSLATE_NOOP("CoreMessage", "the pitch must exceed the size by at least 1 mm, the least bar between openings"),
    QT_TRANSLATE_NOOP("CoreMessage", "the vent is smaller than one opening"),
    QT_TRANSLATE_NOOP("CoreMessage", "the vent would have more than 10000 openings"),
    QT_TRANSLATE_NOOP("CoreMessage", "the text is not UTF-8"),
    QT_TRANSLATE_NOOP("CoreMessage", "the label has no text"),
    QT_TRANSLATE_NOOP("CoreMessage", "the text is longer than 200 characters"),
    QT_TRANSLATE_NOOP("CoreMessage", "the text holds a control character"),
    QT_TRANSLATE_NOOP("CoreMessage", "not UTF-8"),
    QT_TRANSLATE_NOOP("CoreMessage", "the diameter"),
    QT_TRANSLATE_NOOP("CoreMessage", "the width"),
    QT_TRANSLATE_NOOP("CoreMessage", "the height"),
    QT_TRANSLATE_NOOP("CoreMessage", "the length"),
    QT_TRANSLATE_NOOP("CoreMessage", "the corner radius"),
    QT_TRANSLATE_NOOP("CoreMessage", "the pitch"),
    QT_TRANSLATE_NOOP("CoreMessage", "the size"),
    QT_TRANSLATE_NOOP("CoreMessage", "the thickness"),
    QT_TRANSLATE_NOOP("CoreMessage", "the slot allowance"),
    QT_TRANSLATE_NOOP("CoreMessage", "the tab length allowance"),
};

QString translated(const char* source) { return QCoreApplication::translate("CoreMessage", source); }

QString translatedLine(const QString& line);

// A part of a message: a reason the core words, itself of a known form, or a name or
// value shown as it is.
QString translatedReason(const QString& reason) {
    for (const char* known : kReasons) {
        if (reason == QLatin1String(known)) {
            return translated(known);
        }
    }
    return translatedLine(reason);
}

struct Form {
    const char* source;
    QRegularExpression pattern;
};

// "%1" and the like become groups that take anything; the rest is matched as it stands.
std::vector<Form> compiledForms() {
    std::vector<Form> forms;
    static const QRegularExpression placeholder("%(\\d)");
    for (const char* source : kForms) {
        const QString text = QString::fromUtf8(source);
        QString pattern = "^";
        qsizetype from = 0;
        for (const QRegularExpressionMatch& m : placeholder.globalMatch(text)) {
            pattern += QRegularExpression::escape(text.mid(from, m.capturedStart() - from)) + "(.*)";
            from = m.capturedEnd();
        }
        pattern += QRegularExpression::escape(text.mid(from)) + "$";
        forms.push_back({source, QRegularExpression(pattern)});
    }
    return forms;
}

// The form with each "%N" replaced by the Nth value, in one pass, so that a value that
// holds a "%2" of its own stays as it is.
QString filled(const QString& form, const QStringList& values) {
    static const QRegularExpression placeholder("%(\\d)");
    QString text;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(form)) {
        const qsizetype n = m.captured(1).toInt();
        text +=
            form.mid(from, m.capturedStart() - from) + (n >= 1 && n <= values.size() ? values[n - 1] : m.captured());
        from = m.capturedEnd();
    }
    return text + form.mid(from);
}

QString translatedLine(const QString& line) {
    static const std::vector<Form> forms = compiledForms();
    for (const Form& form : forms) {
        const QRegularExpressionMatch match = form.pattern.match(line);
        if (!match.hasMatch()) {
            continue;
        }
        QStringList values;
        for (int group = 1; group <= match.lastCapturedIndex(); ++group) {
            values << translatedReason(match.captured(group));
        }
        return filled(translated(form.source), values);
    }
    // A message the error box ends with a full stop: the form without it.
    if (line.endsWith('.') && line.size() > 1) {
        const QString bare = translatedReason(line.chopped(1));
        if (bare != line.chopped(1)) {
            return bare + '.';
        }
    }
    return line;
}

}  // namespace

QString windowMessage(std::string_view message) {
    const QString text = QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
    static const QRegularExpression lineBreak("(\r\n|\r|\n)");
    QStringList lines;
    qsizetype from = 0;
    QStringList breaks;
    for (const QRegularExpressionMatch& m : lineBreak.globalMatch(text)) {
        lines << text.mid(from, m.capturedStart() - from);
        breaks << m.captured();
        from = m.capturedEnd();
    }
    lines << text.mid(from);
    QString result = translatedLine(lines.front());
    for (qsizetype i = 1; i < lines.size(); ++i) {
        result += breaks[i - 1] + translatedLine(lines[i]);
    }
    return result;
}

}  // namespace tessaro::gui
