#pragma once

#include <optional>
#include <string>

class CDialog;

namespace platform {

struct FileDialogSpec {
    std::string defaultExt;
    std::string fileName;
    unsigned flags = 0;
    std::string filter;  // "Name|pattern|Name|pattern||"
};

struct Size {
    int width = 0;
    int height = 0;
};

// The window of one dialog, as the host shows it. Control ids are those of the template.
class WindowHost {
  public:
    virtual ~WindowHost() = default;

    virtual std::string text(int id) const = 0;
    virtual void setText(int id, const std::string& text) = 0;
    virtual void enable(int id, bool enabled) = 0;
    virtual bool isEnabled(int id) const = 0;
    // The only picture of a bitmap button, in every button state.
    virtual void setBitmap(int id, int bitmapId) = 0;
    virtual void setRange(int id, int low, int high) = 0;
    virtual void setPos(int id, int pos) = 0;
    virtual int pos(int id) const = 0;
    virtual int lineCount(int id) const = 0;
    virtual void lineScroll(int id, int lines) = 0;
    // id 0 is the whole window.
    virtual void invalidate(int id, bool erase) = 0;
    // Redraw the whole window at once (invalidate, erase, update now).
    virtual void redrawNow() = 0;

    virtual void setWindowPos(int x, int y, int width, int height) = 0;
    virtual bool hasSystemMenu() const = 0;
    virtual void appendMenuSeparator() = 0;
    virtual void appendMenuItem(int command, const std::string& text) = 0;
    virtual void setIcon(int iconId, bool big) = 0;
    virtual bool isIconic() const = 0;
    virtual Size clientSize() const = 0;
    virtual Size iconSize() const = 0;
    virtual void eraseIconBackground() = 0;
    virtual void drawIcon(int x, int y, int iconId) = 0;

    // A periodic timer whose ticks arrive as timer messages; returns its id.
    virtual int setTimer(int id, int periodMs) = 0;
    // Queue a button-clicked command for the dialog itself.
    virtual void postCommand(int controlId) = 0;
    // Modal, OK only; runs a nested message loop until answered.
    virtual void messageBox(const std::string& text) = 0;
    // Modal file-open dialog with a nested message loop; the chosen path, or none on Cancel.
    virtual std::optional<std::string> fileOpen(const FileDialogSpec& spec) = 0;
    virtual void endDialog(int result) = 0;
};

// Creates dialog windows and runs them.
class WindowSystem {
  public:
    virtual ~WindowSystem() = default;
    virtual void initCommonControls(unsigned size, unsigned classes) = 0;
    // Builds the window from the dialog's template, runs OnInitDialog and then the modal
    // loop until the dialog ends; returns the end result.
    virtual int runModal(::CDialog& dialog) = 0;
};

}  // namespace platform
