#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog_template.h"
#include "platform/window_host.h"

class CDialog;

namespace platform::headless {

class HeadlessWindowSystem;

struct ControlState {
    ControlClass cls = ControlClass::Static;
    std::string text;
    bool enabled = true;
    bool visible = true;
    DlgRect rect{};
    int bitmap = 0;
    int low = 0, high = 100, pos = 0;
    int firstVisibleLine = 0;
    int invalidations = 0;
};

// A dialog window with no screen: its controls are plain state that tests and front-ends read.
class HeadlessWindow final : public WindowHost {
  public:
    HeadlessWindow(HeadlessWindowSystem& system, CDialog& dialog, const DialogTemplate& tmpl);

    CDialog& dialog() const { return dialog_; }
    const DialogTemplate& dialogTemplate() const { return tmpl_; }
    const ControlState& control(int id) const;
    bool hasControl(int id) const { return controls_.count(id) != 0; }
    bool ended() const { return result_.has_value(); }
    std::optional<int> result() const { return result_; }

    struct Placement {
        int x = 0, y = 0, width = 0, height = 0;
        int moves = 0;
    };
    const Placement& placement() const { return placement_; }
    const std::vector<std::pair<int, std::string>>& systemMenuItems() const { return menu_; }
    void setSystemMenu(bool present) { systemMenu_ = present; }
    const std::vector<std::pair<int, bool>>& iconsSet() const { return icons_; }
    void setIconic(bool iconic) { iconic_ = iconic; }
    const std::vector<std::pair<int, int>>& iconsDrawn() const { return iconsDrawn_; }
    int iconBackgroundErases() const { return iconErases_; }
    int windowInvalidations() const { return windowInvalidations_; }
    // The banner picture at each immediate redraw.
    const std::vector<int>& redraws() const { return redraws_; }

    // WindowHost
    std::string text(int id) const override;
    void setText(int id, const std::string& text) override;
    void enable(int id, bool enabled) override;
    bool isEnabled(int id) const override;
    void setBitmap(int id, int bitmapId) override;
    void setRange(int id, int low, int high) override;
    void setPos(int id, int pos) override;
    int pos(int id) const override;
    int lineCount(int id) const override;
    void lineScroll(int id, int lines) override;
    void invalidate(int id, bool erase) override;
    void redrawNow() override;
    void setWindowPos(int x, int y, int width, int height) override;
    bool hasSystemMenu() const override { return systemMenu_; }
    void appendMenuSeparator() override { menu_.emplace_back(0, std::string()); }
    void appendMenuItem(int command, const std::string& text) override {
        menu_.emplace_back(command, text);
    }
    void setIcon(int iconId, bool big) override { icons_.emplace_back(iconId, big); }
    bool isIconic() const override { return iconic_; }
    Size clientSize() const override;
    Size iconSize() const override { return {32, 32}; }
    void eraseIconBackground() override { ++iconErases_; }
    void drawIcon(int x, int y, int /*iconId*/) override { iconsDrawn_.emplace_back(x, y); }
    int setTimer(int id, int periodMs) override;
    void postCommand(int controlId) override;
    void messageBox(const std::string& text) override;
    std::optional<std::string> fileOpen(const FileDialogSpec& spec) override;
    void endDialog(int result) override;

  private:
    ControlState* find(int id);
    const ControlState* find(int id) const;

    HeadlessWindowSystem& system_;
    CDialog& dialog_;
    const DialogTemplate& tmpl_;
    std::map<int, ControlState> controls_;
    Placement placement_;
    std::vector<std::pair<int, std::string>> menu_;
    bool systemMenu_ = true;
    std::vector<std::pair<int, bool>> icons_;
    bool iconic_ = false;
    std::vector<std::pair<int, int>> iconsDrawn_;
    int iconErases_ = 0;
    int windowInvalidations_ = 0;
    std::vector<int> redraws_;
    std::optional<int> result_;
};

}  // namespace platform::headless
