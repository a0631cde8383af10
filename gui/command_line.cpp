#include "gui/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <iostream>

#include "model/about.h"

namespace tessaro::gui {
namespace {

constexpr char kDescription[] =
    "Tessaro draws cutting templates for laser cutters and CNC mills: the six panels of a\n"
    "folding box and of a simple box, a tab/slot test piece, an Archimedean spiral and the\n"
    "flat parts of a transformer bobbin. The window shows each drawing as its table is\n"
    "edited and saves it in millimetres as EPS, DXF or SVG, on one drawing or nested onto\n"
    "sheets of the machine's size; its 3D page shows the box assembled, the joints whose\n"
    "parts overlap in red. tessaro-cli makes the same templates without a window, writes\n"
    "the assembled box as STL and prints its fit report (the room in every joint, the\n"
    "overlaps).";

QCommandLineOption hidden(QCommandLineOption option) {
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

// Qt's own options, which QApplication reads after us (-platform offscreen, -style fusion):
// accepted, and left out of the help.
void acceptQtOptions(QCommandLineParser& parser) {
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "style", "stylesheet",
                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "display", "session"}) {
        parser.addOption(hidden({name, "", "value"}));
    }
    parser.addOption(hidden({"reverse", ""}));
}

}  // namespace

std::variant<WindowRequest, int> readCommandLine(int argc, char** argv) {
    // An application core of its own, which loads no platform: the help needs no display.
    QCoreApplication core(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(kDescription);
    // Qt's options have one dash and a whole word.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({"h", "help"}, "Prints this help and exits.");
    const QCommandLineOption version({"v", "version"}, "Prints the version and exits.");
    parser.addOption(help);
    parser.addOption(version);
    acceptQtOptions(parser);
    const QCommandLineOption screenshot = hidden({"screenshot", "Writes a PNG of the window.", "file"});
    const QCommandLineOption assembly = hidden({"screenshot-assembly", "Writes a PNG of the 3D page.", "file"});
    parser.addOption(screenshot);
    parser.addOption(assembly);
    if (!parser.parse(QCoreApplication::arguments())) {
        std::cerr << "tessaro: " << parser.errorText().toStdString() << "\nTry: tessaro --help\n";
        return 2;
    }
    const QStringList rest = parser.positionalArguments();
    if (rest.size() > (parser.isSet(screenshot) ? 1 : 0)) {
        std::cerr << "tessaro: unexpected argument \"" << rest.back().toStdString() << "\"\nTry: tessaro --help\n";
        return 2;
    }
    if (parser.isSet(help)) {
        std::cout << parser.helpText().toStdString();
        return 0;
    }
    if (parser.isSet(version)) {
        std::cout << "tessaro " << kVersion << '\n';
        return 0;
    }
    if (parser.isSet(screenshot)) {
        return WindowRequest{WindowRequest::Kind::Screenshot, parser.value(screenshot), rest.value(0)};
    }
    if (parser.isSet(assembly)) {
        return WindowRequest{WindowRequest::Kind::AssemblyScreenshot, parser.value(assembly), {}};
    }
    return WindowRequest{};
}

}  // namespace tessaro::gui
