#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

#include "app/design.h"
#include "gui/design_prompt.h"
#include "model/ports.h"

class QMainWindow;

namespace tessaro::gui {

// The design the window shows, kept in a file: the File menu's New, Open…, Save, Save as…
// and recent designs (the last five opened or saved, kept in the settings). The title
// names the design and marks it while it has changes not saved; New, Open and closing ask
// before losing them. The tables beside the program stay the window's own, as before.
class DesignFiles final : public QObject {
    Q_OBJECT
public:
    // What the window gives and takes.
    struct Window {
        // The design the window shows; throws, with why, for one that cannot be saved.
        std::function<Design()> current;
        // Shows a design in the window; New shows the empty one, the built-in tables.
        std::function<void(const Design&)> show;
        // The name Save as offers for a design never saved.
        std::function<std::string()> proposedName;
    };

    DesignFiles(QMainWindow& window, DesignPrompt& prompt, MessageBox& messages, Window access);

    void newDesign();
    // Asks for the file; a file that is no design is reported and the window left as it was.
    void open();
    void openFile(const QString& path);
    // False when nothing was saved: cancelled, or refused with a message.
    bool save();
    bool saveAs();
    // Whether the window may close: nothing to lose, or the user saved or discarded it.
    [[nodiscard]] bool mayClose();
    // The window changed its design.
    void markChanged();
    // The title in the window's language.
    void retitle();

    // The recent designs, the last opened or saved first.
    [[nodiscard]] static QStringList recentDesigns();

signals:
    void recentDesignsChanged();

private:
    [[nodiscard]] bool mayLoseChanges();
    void load(const QString& path);
    [[nodiscard]] bool saveTo(const QString& path);
    void show(const Design& design);
    // The window now shows this file, as saved: titled, unmarked, first of the recent designs.
    void take(const QString& path);
    [[nodiscard]] QString name() const;

    QMainWindow& window_;
    DesignPrompt& prompt_;
    MessageBox& messages_;
    Window access_;
    QString path_;          // empty for a design never saved
    bool showing_ = false;  // the window's edits while a design is shown are not the user's
};

}  // namespace tessaro::gui
