#include "gui/qt_ports.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

#include "app/design_file.h"
#include "gui/window_messages.h"
#include "model/about.h"

namespace tessaro::gui {

namespace {

// The core's message in the window's language; its lines break at a carriage return,
// which a Qt label ignores.
QString boxText(std::string_view text) { return windowMessage(text).replace("\r\n", "\n").replace('\r', '\n'); }

// Where the save dialog opened last, kept between runs.
const QString kFolderKey = "saveDialog/folder";
// Where a design was last opened or saved, apart from the templates' files.
const QString kDesignFolderKey = "designs/folder";

QString boxTitle() { return QString::fromUtf8(kProgramTitle.data(), static_cast<qsizetype>(kProgramTitle.size())); }

// A filter's caption names its type: two share the extension ".dxf".
std::optional<FileType> typeOfCaption(const QString& caption) {
    for (const FileFormat& format : fileFormats()) {
        if (caption.toStdString() == format.caption) {
            return format.type;
        }
    }
    return std::nullopt;
}

QString fileNames(const std::vector<std::string>& paths) {
    QStringList names;
    for (const std::string& path : paths) {
        names << QDir::toNativeSeparators(QString::fromStdString(path));
    }
    return names.join('\n');
}

// One question before anything is replaced or removed: Qt's own (and its translation)
// for a single file, else one that names every file of the set, every stale sheet and
// every file named as a sheet that stays.
bool confirmReplacing(QWidget* parent, const FilesInTheWay& files) {
    QString question;
    if (files.removed.empty() && files.left.empty() && files.replaced.size() == 1) {
        question = QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?")
                       .arg(fileNames(files.replaced));
    } else {
        if (!files.replaced.empty()) {
            question += QtSavePrompt::tr("These sheets already exist and will be replaced:\n%1\n\n")
                            .arg(fileNames(files.replaced));
        }
        if (!files.removed.empty()) {
            question += QtSavePrompt::tr("These sheets of an earlier, larger set will be removed:\n%1\n\n")
                            .arg(fileNames(files.removed));
        }
        if (!files.left.empty()) {
            question += QtSavePrompt::tr(
                            "These files are named as sheets of the set but are not provably its sheets, so they will "
                            "be left as they are:\n%1\n\n")
                            .arg(fileNames(files.left));
        }
        question += QtSavePrompt::tr("Do you want to save the set?");
    }
    return QMessageBox::warning(parent, boxTitle(), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

}  // namespace

QtSavePrompt::QtSavePrompt(QWidget* parent, const QString& filter, int presetType)
    : parent_(parent), presetFilter_(presetType - 1), lastFolder_(QSettings().value(kFolderKey).toString()) {
    if (lastFolder_.isEmpty() || !QFileInfo(lastFolder_).isDir()) {
        lastFolder_ = QDir::homePath();
    }
    const QStringList parts = filter.split('|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        nameFilters_ << parts[i] + " (" + parts[i + 1] + ")";
        filterTypes_.push_back(typeOfCaption(parts[i]));
    }
}

constexpr std::optional<FileType> kNoType;

// Names hold dots of their own ("spiral R10.0mm …"), so only one of our extensions counts.
// Two types share ".dxf": a name typed with the chosen filter's extension keeps its type.
std::optional<SaveChoice> QtSavePrompt::choiceFor(const QString& path, const QString& nameFilter) const {
    const qsizetype chosen = nameFilters_.indexOf(nameFilter);
    // By reference: a copy of the optional trips GCC's uninitialised-use warning at -O3.
    const std::optional<FileType>& filtered = chosen < 0 ? kNoType : filterTypes_[static_cast<std::size_t>(chosen)];
    const std::string suffix = QFileInfo(path).suffix().toLower().toStdString();
    if (filtered.has_value() && suffix == extensionOf(filtered.value())) {
        return SaveChoice{path.toStdString(), filtered.value()};
    }
    // Only the flat drawing's types: the assembled box is no save of a template.
    if (const auto typed = flatFileTypeOfExtension(suffix)) {
        return SaveChoice{path.toStdString(), *typed};
    }
    if (!filtered.has_value()) {
        return std::nullopt;
    }
    return SaveChoice{path.toStdString() + "." + std::string(extensionOf(filtered.value())), filtered.value()};
}

// Qt's own overwrite question is off: it would ask about the name before the extension
// is added. "No" opens the dialog again, as Qt's question does.
std::optional<SaveChoice> QtSavePrompt::ask(const std::string& proposedName, const FilesInTheWayOf& inTheWay) {
    QString name = QString::fromStdString(proposedName);
    for (;;) {
        QFileDialog dialog(parent_);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setNameFilters(nameFilters_);
        dialog.selectNameFilter(nameFilters_.value(presetFilter_));
        dialog.setDirectory(lastFolder_);
        dialog.selectFile(name);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        const QString path = dialog.selectedFiles().constFirst();
        lastFolder_ = QFileInfo(path).absolutePath();
        QSettings().setValue(kFolderKey, lastFolder_);
        const auto choice = choiceFor(path, dialog.selectedNameFilter());
        if (!choice) {
            return std::nullopt;
        }
        if (const FilesInTheWay files = inTheWay(*choice); !files.empty() && !confirmReplacing(parent_, files)) {
            name = QFileInfo(QString::fromStdString(choice->path)).fileName();
            continue;
        }
        const auto saved = std::find(filterTypes_.begin(), filterTypes_.end(), choice->type);
        if (saved != filterTypes_.end()) {
            presetFilter_ = saved - filterTypes_.begin();
        }
        return choice;
    }
}

void QtSavePrompt::presetType(FileType type) {
    const auto preset = std::find(filterTypes_.begin(), filterTypes_.end(), type);
    if (preset != filterTypes_.end()) {
        presetFilter_ = preset - filterTypes_.begin();
    }
}

namespace {

QString designFilter() {
    return QtDesignPrompt::tr("Tessaro designs (*.%1)").arg(QString::fromUtf8(kDesignExtension.data()));
}

QString designFolder() {
    const QString folder = QSettings().value(kDesignFolderKey).toString();
    return folder.isEmpty() || !QFileInfo(folder).isDir() ? QDir::homePath() : folder;
}

std::optional<std::string> chosenDesign(QFileDialog& dialog, const QString& proposedName = {}) {
    dialog.setNameFilter(designFilter());
    dialog.setDirectory(designFolder());
    if (!proposedName.isEmpty()) {
        dialog.selectFile(proposedName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString path = dialog.selectedFiles().constFirst();
    QSettings().setValue(kDesignFolderKey, QFileInfo(path).absolutePath());
    return path.toStdString();
}

}  // namespace

std::optional<std::string> QtDesignPrompt::askOpen() {
    QFileDialog dialog(parent_, tr("Open design"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenDesign(dialog);
}

// Qt adds the extension to a name typed without it before asking about replacing it.
std::optional<std::string> QtDesignPrompt::askSaveAs(const std::string& proposedName) {
    QFileDialog dialog(parent_, tr("Save design"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromUtf8(kDesignExtension.data()));
    return chosenDesign(dialog, QString::fromStdString(proposedName));
}

DesignPrompt::Unsaved QtDesignPrompt::askUnsaved(const std::string& designName) {
    const auto answer =
        QMessageBox::warning(parent_, boxTitle(),
                             tr("The design \"%1\" has changes that are not saved.\nDo you want to save them?")
                                 .arg(QString::fromStdString(designName)),
                             QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    return answer == QMessageBox::Save      ? Unsaved::Save
           : answer == QMessageBox::Discard ? Unsaved::Discard
                                            : Unsaved::Cancel;
}

void QtMessageBox::show(std::string_view text) { QMessageBox::information(parent_, boxTitle(), boxText(text)); }

void QtMessageBox::showError(std::string_view text) { QMessageBox::critical(parent_, boxTitle(), boxText(text)); }

std::filesystem::path QtFolders::programFolder() const { return QCoreApplication::applicationDirPath().toStdString(); }

std::filesystem::path QtFolders::workingFolder() const { return QDir::currentPath().toStdString(); }

std::filesystem::path QtFolders::userDataFolder() const {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
}

}  // namespace tessaro::gui
