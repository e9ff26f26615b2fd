#pragma once

#include <QDialog>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog_template.h"
#include "platform/message.h"
#include "platform/window_host.h"

class CDialog;
class QAction;
class QPainter;
class QTimer;

namespace platform::qt {

class QtWindowSystem;

// A dialog window built from its template: one widget per control at its pixel rectangle.
// Every message goes to the dialog through CDialog::Dispatch: button clicks, timer ticks,
// Enter and Escape, the close box (a Cancel command) and the context-menu items the dialog
// appended to its system menu.
class QtWindow final : public QDialog, public WindowHost {
    Q_OBJECT
  public:
    QtWindow(QtWindowSystem& system, CDialog& dialog, const DialogTemplate& tmpl, QWidget* parent);
    ~QtWindow() override;

    CDialog& dialog() const { return dialog_; }
    const DialogTemplate& dialogTemplate() const { return tmpl_; }
    // The widget of a control; null when the template has no such id.
    QWidget* control(int id) const;
    bool ended() const { return result_.has_value(); }
    std::optional<int> endResult() const { return result_; }
    // What the context menu offers, in order; separators included.
    QList<QAction*> contextActions() const;

    // WindowHost
    std::string text(int id) const override;
    void setText(int id, const std::string& text) override;
    void enable(int id, bool enabled) override;
    bool isEnabled(int id) const override;
    void setBitmap(int id, int bitmapId) override;
    void setRange(int id, int low, int high) override;
    void setPos(int id, int pos) override;
    int pos(int id) const override;
    using QDialog::pos;
    int lineCount(int id) const override;
    void lineScroll(int id, int lines) override;
    void invalidate(int id, bool erase) override;
    void redrawNow() override;
    void setWindowPos(int x, int y, int width, int height) override;
    bool hasSystemMenu() const override;
    void appendMenuSeparator() override;
    void appendMenuItem(int command, const std::string& text) override;
    void setIcon(int iconId, bool big) override;
    bool isIconic() const override { return isMinimized(); }
    Size clientSize() const override { return {width(), height()}; }
    Size iconSize() const override { return {32, 32}; }
    void eraseIconBackground() override;
    void drawIcon(int x, int y, int iconId) override;
    int setTimer(int id, int periodMs) override;
    void postCommand(int controlId) override;
    void messageBox(const std::string& text) override;
    std::optional<std::string> fileOpen(const FileDialogSpec& spec) override;
    void endDialog(int result) override;

  public slots:
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Control {
        const ControlTemplate* tmpl;
        QWidget* widget;
        std::string text;  // exactly as set, line ends included
    };

    void buildControls();
    void addExtraActions();
    void dispatch(const Message& message);
    bool handleKey(int key);
    Control* find(int id);
    const Control* find(int id) const;

    QtWindowSystem& system_;
    CDialog& dialog_;
    const DialogTemplate& tmpl_;
    std::map<int, Control> controls_;
    std::map<int, QTimer*> timers_;
    std::vector<QAction*> menu_;    // what the dialog appended to its system menu
    std::vector<QAction*> extras_;  // the front-end's own items, after a separator
    bool settingText_ = false;
    QPainter* painter_ = nullptr;
    std::optional<int> result_;
};

}  // namespace platform::qt
