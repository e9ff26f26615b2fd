#include "platform/controls.h"

#include "platform/cdialog.h"

void CWnd::Bind(CDialog& owner, int id) {
    owner_ = &owner;
    id_ = id;
}

platform::WindowHost* CWnd::host() const {
    return owner_ ? owner_->Host() : nullptr;
}

void CWnd::EnableWindow(bool enable) {
    if (auto* h = host()) h->enable(id_, enable);
}

bool CWnd::IsWindowEnabled() const {
    auto* h = host();
    return h && h->isEnabled(id_);
}

void CWnd::SetWindowText(const std::string& text) {
    if (auto* h = host()) h->setText(id_, text);
}

std::string CWnd::GetWindowText() const {
    auto* h = host();
    return h ? h->text(id_) : std::string();
}

void CWnd::Invalidate(bool erase) {
    if (auto* h = host()) h->invalidate(id_, erase);
}

int CEdit::GetLineCount() const {
    auto* h = host();
    return h ? h->lineCount(GetDlgCtrlID()) : 0;
}

void CEdit::LineScroll(int lines) {
    if (auto* h = host()) h->lineScroll(GetDlgCtrlID(), lines);
}

bool CBitmapButton::LoadBitmaps(int bitmapId) {
    auto* h = host();
    if (!h) return false;
    h->setBitmap(GetDlgCtrlID(), bitmapId);
    return true;
}

void CProgressCtrl::SetRange(int low, int high) {
    if (auto* h = host()) h->setRange(GetDlgCtrlID(), low, high);
}

void CProgressCtrl::SetPos(int pos) {
    if (auto* h = host()) h->setPos(GetDlgCtrlID(), pos);
}

int CProgressCtrl::GetPos() const {
    auto* h = host();
    return h ? h->pos(GetDlgCtrlID()) : 0;
}
