#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <vector>

class QDialog;

namespace platform::qt {
class QtWindowSystem;
}

namespace qt_testing {

// What a modal box showed when it opened.
struct SeenBox {
    QString kind;  // "message", "file" or "dialog"
    QString title;
    QString text;         // a message box's text
    QStringList labels;   // a dialog's static texts, top to bottom
    QStringList filters;  // a file dialog's name filters
    int icon = -1;        // a message box's icon
    int buttons = 0;      // a message box's standard buttons
};

// Answers every modal box the window system opens, so that no check can leave a nested loop
// running: records what the box shows, waits (pumping the nested loop) until `ready` holds or
// the time limit passes, then answers: OK for a message box, the next path (or Cancel) for a
// file dialog, the close box for a dialog.
class ModalCloser final : public QObject {
    Q_OBJECT
  public:
    explicit ModalCloser(platform::qt::QtWindowSystem& windows, int limitMs = 5000);

    void setReady(std::function<bool()> ready) { ready_ = std::move(ready); }
    // Paths given to the next file dialogs, in order; an empty string cancels.
    void answerFiles(QStringList paths) { files_ = std::move(paths); }
    const std::vector<SeenBox>& seen() const { return seen_; }
    // Whether `ready` held when the last box was answered (false: the time limit did).
    bool lastReady() const { return lastReady_; }

  private:
    void opened(QDialog* box);
    void answer(QDialog* box);

    int limitMs_;
    std::function<bool()> ready_;
    QStringList files_;
    std::vector<SeenBox> seen_;
    bool lastReady_ = false;
};

}  // namespace qt_testing
