#include "app/design_file.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <initializer_list>

#include "app/mended_toml.h"
#include "model/about.h"
#include "model/number_parse.h"
#include "output/files.h"

namespace tessaro {
namespace {

constexpr std::size_t kLargestDesignMebibytes = 1;

// The keys, as the command line's options are named.
namespace key {
constexpr std::string_view version = "version";
constexpr std::string_view templates = "templates";
constexpr std::string_view captions = "table-captions";
constexpr std::string_view material = "material";
constexpr std::string_view kerf = "kerf";
constexpr std::string_view comb = "comb";
constexpr std::string_view cutouts = "cutouts";
constexpr std::string_view switches = "switches";
constexpr std::string_view sheet = "sheet";
constexpr std::string_view tables = "tables";
constexpr std::string_view size = "size";
constexpr std::string_view gap = "gap";
constexpr std::string_view noRotation = "no-rotation";
constexpr std::string_view feet = "feet";
constexpr std::string_view openLast = "open-last";
constexpr std::string_view closedLast = "closed-last";
constexpr std::string_view innerFirst = "inner-first";
}  // namespace key

constexpr std::string_view kEnglish = "english";
constexpr std::string_view kRussian = "russian";

// The switches that are a flag of their own; feet is a choice of three.
struct SwitchKey {
    std::string_view name;
    bool Options::*flag;
    bool flagMeansOff;  // --no-jumper: the flag turns the switch off
};
constexpr SwitchKey kSwitchKeys[] = {
    {"relief", &Options::cornerRelief, false},
    {"screws", &Options::screwJoints, false},
    {"one-tooth", &Options::singleSupportTooth, false},
    {"no-jumper", &Options::supportJumper, true},
    {"no-lid-corners", &Options::roundedLidCorners, true},
    {"tab-relief", &Options::tabSlotRelief, false},
};

// --- Writing ---

void appendHex(std::string& out, unsigned value) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    out += "\\u00";
    out += kDigits[value >> 4];
    out += kDigits[value & 0xF];
}

// A TOML basic string: the text between quotes, its quotes, backslashes and control
// characters escaped.
std::string tomlString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            appendHex(out, byte);
        } else {
            out += c;
        }
    }
    return out + '"';
}

// A key bare where TOML allows it, quoted otherwise.
std::string keyText(std::string_view name) {
    const bool bare = !name.empty() && std::ranges::all_of(name, [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
    });
    return bare ? std::string(name) : tomlString(name);
}

std::string line(std::string_view name, std::string_view value) {
    return keyText(name) + " = " + std::string(value) + "\n";
}

std::string flagText(bool on) { return on ? "true" : "false"; }

std::string listText(const std::vector<std::string>& items) {
    std::string text = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        text += (i == 0 ? "" : ", ") + tomlString(items[i]);
    }
    return text + "]";
}

std::string cutoutsText(const std::vector<FaceCutout>& cutouts) {
    std::string text = "[\n";
    for (const FaceCutout& cutout : cutouts) {
        text += "    " + tomlString(cutoutLine(cutout)) + ",\n";
    }
    return text + "]";
}

std::string switchesText(const Design& design) {
    std::string text = "\n[switches]\n";
    for (const SwitchKey& entry : kSwitchKeys) {
        text += line(entry.name, flagText(design.switches.*entry.flag != entry.flagMeansOff));
    }
    text += line(key::feet, tomlString(feetName(design.switches.feet)));
    text += line(key::openLast, flagText(design.lastOutlineClosed == false));
    text += line(key::closedLast, flagText(design.lastOutlineClosed == true));
    text += line(key::innerFirst, flagText(design.innerCutsFirst));
    return text;
}

std::string sheetText(const DesignSheet& sheet) {
    std::string text = "\n[sheet]\n" + line(key::size, tomlString(sheet.size));
    if (!sheet.gap.empty()) {
        text += line(key::gap, tomlString(sheet.gap));
    }
    return text + line(key::noRotation, flagText(sheet.noRotation));
}

// "[tables.main]" and its values, a table a section, in the order the values come.
std::string tablesText(const std::vector<DesignValue>& values) {
    std::string text;
    std::string section;
    for (const DesignValue& value : values) {
        const std::size_t dot = value.key.find('.');
        const std::string table = value.key.substr(0, dot);
        if (table != section) {
            section = table;
            text += "\n[" + std::string(key::tables) + "." + keyText(table) + "]\n";
        }
        text += line(value.key.substr(dot + 1), tomlString(value.text));
    }
    return text;
}

// --- Reading ---

int lineOf(const toml::source_region& where) { return static_cast<int>(where.begin.line); }

// "2.6" as its numbers; none for a text that is not one.
std::optional<std::vector<int>> versionNumbers(std::string_view text) {
    std::vector<int> numbers;
    while (true) {
        const std::size_t dot = text.find('.');
        const std::string_view part = text.substr(0, dot);
        int number = 0;
        const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), number);
        if (part.empty() || ec != std::errc{} || end != part.data() + part.size()) {
            return std::nullopt;
        }
        numbers.push_back(number);
        if (dot == std::string_view::npos) {
            return numbers;
        }
        text.remove_prefix(dot + 1);
    }
}

// The row a key of the table names: its symbol's or its number; a checked key names one.
int rowNumberOf(const TableSchema& schema, std::string_view key) {
    for (const RowSchema& row : schema.rows) {
        if (row.symbol == key) {
            return row.row;
        }
    }
    int row = 0;
    std::from_chars(key.data(), key.data() + key.size(), row);
    return row;
}

class DesignReader {
public:
    DesignReader(const toml::table& root, const std::string& file) : root_(root), file_(file) {}

    Design read() {
        readVersion();
        refuseUnknownKeys(root_, "",
                          {key::version, key::templates, key::captions, key::material, key::kerf, key::comb,
                           key::cutouts, key::switches, key::sheet, key::tables});
        Design design;
        design.file = file_;
        readTemplates(design);
        if (const toml::node* node = root_.get(key::captions)) {
            const std::string captions = text(*node, key::captions);
            if (captions != kEnglish && captions != kRussian) {
                refuse(node->source(), "'table-captions' is \"russian\" or \"english\", not \"" + captions + "\"");
            }
            design.englishCaptions = captions == kEnglish;
        }
        if (const toml::node* node = root_.get(key::material)) {
            design.material = text(*node, key::material);
        }
        if (const toml::node* node = root_.get(key::kerf)) {
            design.kerf = text(*node, key::kerf);
            checked(*node, [&] { checkKerf(design.kerf); });
        }
        if (const toml::node* node = root_.get(key::comb)) {
            design.comb = text(*node, key::comb);
            checked(*node, [&] { checkComb(*design.comb); });
        }
        readCutouts(design);
        readSwitches(design);
        readSheet(design);
        readTables(design);
        return design;
    }

private:
    [[noreturn]] void refuse(const toml::source_region& where, const std::string& why) const {
        throw DesignFileError(file_, lineOf(where), why);
    }

    // Runs a check of the program's own, its message put after the entry's place.
    void checked(const toml::node& node, const std::function<void()>& check) const {
        try {
            check();
        } catch (const UsageError& e) {
            refuse(node.source(), e.what());
        } catch (const ConversionError& e) {
            refuse(node.source(), e.what());
        }
    }

    void readVersion() {
        const toml::node* node = root_.get(key::version);
        if (node == nullptr) {
            return;
        }
        version_ = text(*node, key::version);
        if (!versionNumbers(version_)) {
            refuse(node->source(), "'version' is the program's version, such as \"" + std::string(kVersion) +
                                       "\", not \"" + version_ + "\"");
        }
    }

    // A design of a later version may hold keys this one cannot draw: it is refused
    // whole rather than drawn without them.
    void refuseUnknownKeys(const toml::table& table, std::string_view prefix,
                           const std::vector<std::string_view>& known) const {
        for (const auto& [name, node] : table) {
            if (std::ranges::find(known, name.str()) != known.end()) {
                continue;
            }
            const std::string full = std::string(prefix) + std::string(name.str());
            const bool newer = !version_.empty() && *versionNumbers(version_) > *versionNumbers(kVersion);
            refuse(name.source(), newer ? "'" + full + "' is not a key of Tessaro " + std::string(kVersion) +
                                              ": the design was written by Tessaro " + version_ + ", which is newer"
                                        : "'" + full + "' is not a key of a design");
        }
    }

    // `key` is the name as the line spells it: a table's value is named by its row alone.
    std::string text(const toml::node& node, std::string_view name, std::string_view key = {}) const {
        if (const auto* value = node.as_string()) {
            return value->get();
        }
        refuse(node.source(), "'" + std::string(name) + "' takes a text in quotes, as typed: " +
                                  std::string(key.empty() ? name : key) + " = \"...\"");
    }

    bool flag(const toml::node& node, std::string_view name) const {
        if (const auto* value = node.as_boolean()) {
            return value->get();
        }
        refuse(node.source(), "'" + std::string(name) + "' takes true or false");
    }

    const toml::table* section(std::string_view name) const {
        const toml::node* node = root_.get(name);
        if (node == nullptr) {
            return nullptr;
        }
        if (const toml::table* table = node->as_table()) {
            return table;
        }
        refuse(node->source(), "'" + std::string(name) + "' takes a table: [" + std::string(name) + "]");
    }

    const toml::array* list(std::string_view name, std::string_view example) const {
        const toml::node* node = root_.get(name);
        if (node == nullptr) {
            return nullptr;
        }
        if (const toml::array* items = node->as_array()) {
            return items;
        }
        refuse(node->source(), "'" + std::string(name) + "' takes a list in brackets: " + std::string(name) + " = [" +
                                   std::string(example) + "]");
    }

    void readTemplates(Design& design) const {
        if (const toml::array* verbs = list(key::templates, "\"full\"")) {
            for (const toml::node& node : *verbs) {
                design.templates.push_back(text(node, key::templates));
                checked(node, [&] { checkTemplate(design.templates.back()); });
            }
        }
    }

    void readCutouts(Design& design) const {
        if (const toml::array* lines = list(key::cutouts, "\"cutout front,circle,30,20,12\"")) {
            for (const toml::node& node : *lines) {
                const std::string entry = text(node, key::cutouts);
                try {
                    design.cutouts.push_back(parseCutoutLine(entry));
                } catch (const CutoutLineError& e) {
                    refuse(node.source(), "\"" + entry + "\": " + e.what());
                }
            }
        }
    }

    void readSwitches(Design& design) const {
        const toml::table* switches = section(key::switches);
        if (switches == nullptr) {
            return;
        }
        std::vector<std::string_view> known = {key::feet, key::openLast, key::closedLast, key::innerFirst};
        for (const SwitchKey& entry : kSwitchKeys) {
            known.push_back(entry.name);
            if (const toml::node* node = switches->get(entry.name)) {
                design.switches.*entry.flag = flag(*node, entry.name) != entry.flagMeansOff;
            }
        }
        refuseUnknownKeys(*switches, "switches.", known);
        if (const toml::node* node = switches->get(key::feet)) {
            const std::string feet = text(*node, key::feet);
            const std::optional<Feet> named = feetNamed(feet);
            if (!named) {
                refuse(node->source(), "'feet' is \"none\", \"1\" or \"2\", not \"" + feet + "\"");
            }
            design.switches.feet = *named;
        }
        const toml::node* open = switches->get(key::openLast);
        const toml::node* closed = switches->get(key::closedLast);
        if (open != nullptr && flag(*open, key::openLast)) {
            design.lastOutlineClosed = false;
        }
        if (closed != nullptr && flag(*closed, key::closedLast)) {
            if (design.lastOutlineClosed) {
                refuse(closed->source(), "'open-last' and 'closed-last' exclude each other");
            }
            design.lastOutlineClosed = true;
        }
        if (const toml::node* node = switches->get(key::innerFirst)) {
            design.innerCutsFirst = flag(*node, key::innerFirst);
        }
    }

    void readSheet(Design& design) const {
        const toml::table* sheet = section(key::sheet);
        if (sheet == nullptr) {
            return;
        }
        refuseUnknownKeys(*sheet, "sheet.", {key::size, key::gap, key::noRotation});
        const toml::node* size = sheet->get(key::size);
        if (size == nullptr) {
            refuse(root_.get(key::sheet)->source(), "[sheet] needs its size: size = \"600x400\"");
        }
        DesignSheet read{text(*size, key::size), {}, false};
        checked(*size, [&] { checkSheet(read); });
        if (const toml::node* gap = sheet->get(key::gap)) {
            read.gap = text(*gap, key::gap);
            checked(*gap, [&] { checkSheet(read); });
        }
        if (const toml::node* turning = sheet->get(key::noRotation)) {
            read.noRotation = flag(*turning, key::noRotation);
        }
        design.sheet = read;
    }

    // [tables.main] W = "260": each value set as --set main.W=260 sets it.
    void readTables(Design& design) const {
        const toml::table* tables = section(key::tables);
        if (tables == nullptr) {
            return;
        }
        std::vector<std::string_view> known;
        for (const TableSchema* schema : kTableSchemas) {
            known.push_back(schema->name);
        }
        refuseUnknownKeys(*tables, "tables.", known);
        // In the tables' order and each table's row order, as they are written, whatever
        // order the file gives them in.
        for (const TableSchema* schema : kTableSchemas) {
            const toml::node* node = tables->get(schema->name);
            if (node == nullptr) {
                continue;
            }
            const std::string table = std::string(key::tables) + "." + std::string(schema->name);
            const toml::table* values = node->as_table();
            if (values == nullptr) {
                refuse(node->source(), "'" + table + "' takes a table: [" + table + "]");
            }
            std::vector<DesignValue> read;
            for (const auto& [row, value] : *values) {
                const std::string tableKey = std::string(schema->name) + "." + std::string(row.str());
                const std::string typed = text(value, tableKey, row.str());
                checked(value, [&] { checkValue(tableKey, typed); });
                read.push_back({tableKey, typed, lineOf(value.source())});
            }
            std::ranges::stable_sort(read, {}, [schema](const DesignValue& value) {
                return rowNumberOf(*schema, std::string_view(value.key).substr(schema->name.size() + 1));
            });
            design.values.insert(design.values.end(), read.begin(), read.end());
        }
    }

    const toml::table& root_;
    const std::string& file_;
    std::string version_;
};

}  // namespace

std::string designText(const Design& design) {
    std::string text =
        "# A Tessaro design: the templates, the table values that differ from the built-in ones, the\n"
        "# switches, the cut-outs, the material, the kerf and the sheet, each as typed.\n"
        "# Draw it with tessaro-cli --design FILE, or open it from the window's File menu.\n";
    text += line(key::version, tomlString(kVersion));
    text += line(key::templates, listText(design.templates));
    text += line(key::captions, tomlString(design.englishCaptions ? kEnglish : kRussian));
    if (design.material) {
        text += line(key::material, tomlString(*design.material));
    }
    if (!design.kerf.empty()) {
        text += line(key::kerf, tomlString(design.kerf));
    }
    if (design.comb) {
        text += line(key::comb, tomlString(*design.comb));
    }
    if (!design.cutouts.empty()) {
        text += line(key::cutouts, cutoutsText(design.cutouts));
    }
    text += switchesText(design);
    if (design.sheet) {
        text += sheetText(*design.sheet);
    }
    return text + tablesText(design.values);
}

Design parseDesign(std::string_view text, const std::string& file) {
    toml::table root;
    try {
        root = toml::parse(text, file);
    } catch (const toml::parse_error& e) {
        throw DesignFileError(file, lineOf(e.source()), std::string(e.description()));
    }
    return DesignReader(root, file).read();
}

Design readDesignFile(const std::string& path) {
    std::string text;
    try {
        text = readRegularFile(path, kLargestDesignMebibytes);
    } catch (const FileRefused& e) {
        throw FileError("Cannot read the design \"" + path + "\": " + e.what());
    }
    return parseDesign(text, path);
}

void saveDesignFile(const std::string& path, const Design& design) {
    saveFileAtomically(path, designText(design), SaveTarget::RegularFile);
}

}  // namespace tessaro
