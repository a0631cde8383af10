#include "gui/qt_ports.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "model/about.h"

namespace tessaro::gui {

QtSaveDialog::QtSaveDialog(QWidget* parent, const QString& filter, int presetType)
    : parent_(parent), lastType_(presetType), lastFolder_(QDir::homePath()) {
    const QStringList parts = filter.split('|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        nameFilters_ << parts[i] + " (" + parts[i + 1] + ")";
        extensions_ << QString(parts[i + 1]).remove("*.");
    }
}

// Names hold dots of their own ("spiral R10.0mm …"), so only a known extension counts.
QString QtSaveDialog::withExtension(const QString& path) const {
    for (const QString& extension : extensions_) {
        if (path.endsWith("." + extension, Qt::CaseInsensitive)) {
            return path;
        }
    }
    return path + "." + extensions_.value(lastType_ - 1);
}

std::optional<SaveChoice> QtSaveDialog::ask(const std::string& proposedName) {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(nameFilters_);
    dialog.selectNameFilter(nameFilters_.value(lastType_ - 1));
    dialog.setDirectory(lastFolder_);
    dialog.selectFile(QString::fromStdString(proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    lastType_ = static_cast<int>(nameFilters_.indexOf(dialog.selectedNameFilter())) + 1;
    lastFolder_ = QFileInfo(dialog.selectedFiles().constFirst()).absolutePath();
    return SaveChoice{withExtension(dialog.selectedFiles().constFirst()).toStdString(),
                      static_cast<FileType>(lastType_)};
}

namespace {

// The program's messages break lines with a carriage return, which a Qt label ignores.
QString boxText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
        .replace("\r\n", "\n")
        .replace('\r', '\n');
}

QString boxTitle() { return QString::fromUtf8(kProgramTitle.data(), static_cast<qsizetype>(kProgramTitle.size())); }

}  // namespace

void QtMessageBox::show(std::string_view text) { QMessageBox::information(parent_, boxTitle(), boxText(text)); }

void QtMessageBox::showError(std::string_view text) { QMessageBox::critical(parent_, boxTitle(), boxText(text)); }

std::filesystem::path QtFolders::programFolder() const {
    return QCoreApplication::applicationDirPath().toStdString();
}

std::filesystem::path QtFolders::workingFolder() const { return QDir::currentPath().toStdString(); }

}  // namespace tessaro::gui
