#include "platform/headless/headless_window.h"

#include <algorithm>
#include <stdexcept>

#include "platform/cdialog.h"
#include "platform/headless/headless_window_system.h"

namespace platform::headless {

HeadlessWindow::HeadlessWindow(HeadlessWindowSystem& system, CDialog& dialog,
                               const DialogTemplate& tmpl)
    : system_(system), dialog_(dialog), tmpl_(tmpl) {
    for (const ControlTemplate& c : tmpl.controls) {
        if (c.id < 0) continue;
        ControlState state;
        state.cls = c.cls;
        state.text = std::string(c.caption);
        state.enabled = (c.style & kDisabled) == 0;
        state.visible = (c.style & kHidden) == 0;
        state.rect = c.rect;
        controls_[c.id] = state;
    }
}

ControlState* HeadlessWindow::find(int id) {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

const ControlState* HeadlessWindow::find(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

const ControlState& HeadlessWindow::control(int id) const {
    const ControlState* c = find(id);
    if (c == nullptr) throw std::out_of_range("no control " + std::to_string(id));
    return *c;
}

std::string HeadlessWindow::text(int id) const {
    const ControlState* c = find(id);
    return c ? c->text : std::string();
}

void HeadlessWindow::setText(int id, const std::string& text) {
    ControlState* c = find(id);
    if (c == nullptr) return;
    std::string before = std::move(c->text);
    c->text = text;
    if (c->firstVisibleLine >= lineCount(id)) c->firstVisibleLine = lineCount(id) - 1;
    system_.notify([&](Observer& o) { o.textChanged(id, before, c->text); });
}

void HeadlessWindow::enable(int id, bool enabled) {
    ControlState* c = find(id);
    if (c == nullptr || c->enabled == enabled) return;
    c->enabled = enabled;
    system_.notify([&](Observer& o) { o.enabledChanged(id, enabled); });
}

bool HeadlessWindow::isEnabled(int id) const {
    const ControlState* c = find(id);
    return c && c->enabled;
}

void HeadlessWindow::setBitmap(int id, int bitmapId) {
    ControlState* c = find(id);
    if (c == nullptr) return;
    c->bitmap = bitmapId;
    system_.notify([&](Observer& o) { o.bitmapChanged(id, bitmapId); });
}

void HeadlessWindow::setRange(int id, int low, int high) {
    ControlState* c = find(id);
    if (c == nullptr) return;
    c->low = low;
    c->high = high;
    c->pos = std::clamp(c->pos, low, high);
}

void HeadlessWindow::setPos(int id, int pos) {
    ControlState* c = find(id);
    if (c == nullptr) return;
    // A progress bar keeps its position within its range.
    int clamped = c->cls == ControlClass::ProgressBar ? std::clamp(pos, c->low, c->high) : pos;
    if (clamped == c->pos) return;
    c->pos = clamped;
    system_.notify([&](Observer& o) { o.posChanged(id, clamped); });
}

int HeadlessWindow::pos(int id) const {
    const ControlState* c = find(id);
    return c ? c->pos : 0;
}

int HeadlessWindow::lineCount(int id) const {
    const ControlState* c = find(id);
    if (c == nullptr) return 0;
    int lines = 1;
    for (std::size_t at = c->text.find("\r\n"); at != std::string::npos;
         at = c->text.find("\r\n", at + 2))
        ++lines;
    return lines;
}

void HeadlessWindow::lineScroll(int id, int lines) {
    ControlState* c = find(id);
    if (c == nullptr) return;
    c->firstVisibleLine = std::clamp(c->firstVisibleLine + lines, 0, lineCount(id) - 1);
}

void HeadlessWindow::invalidate(int id, bool /*erase*/) {
    if (id == 0) {
        ++windowInvalidations_;
        return;
    }
    if (ControlState* c = find(id)) ++c->invalidations;
}

void HeadlessWindow::redrawNow() {
    ++windowInvalidations_;
    int banner = 0;
    for (const auto& [id, c] : controls_)
        if (c.cls == ControlClass::OwnerDrawButton) banner = c.bitmap;
    redraws_.push_back(banner);
}

void HeadlessWindow::setWindowPos(int x, int y, int width, int height) {
    placement_.x = x;
    placement_.y = y;
    placement_.width = width;
    placement_.height = height;
    ++placement_.moves;
}

Size HeadlessWindow::clientSize() const {
    // The outer size less a thin frame and the caption.
    return {std::max(0, placement_.width - 6), std::max(0, placement_.height - 29)};
}

int HeadlessWindow::setTimer(int id, int periodMs) {
    system_.addTimer(*this, id, periodMs);
    return id;
}

void HeadlessWindow::postCommand(int controlId) {
    system_.enqueue([this, controlId] {
        if (!ended()) dialog_.Dispatch({MessageKind::Command, controlId});
    });
}

void HeadlessWindow::messageBox(const std::string& text) {
    system_.showMessageBox(text);
}

std::optional<std::string> HeadlessWindow::fileOpen(const FileDialogSpec& spec) {
    return system_.showFileDialog(spec);
}

void HeadlessWindow::endDialog(int result) {
    if (result_) return;
    result_ = result;
    system_.windowEnded(*this);
}

}  // namespace platform::headless
