#include "platform/cdialog.h"

CDialog::CDialog(int templateId, platform::Platform& platform)
    : templateId_(templateId), platform_(platform) {}

int CDialog::DoModal() {
    return platform_.windows.runModal(*this);
}

void CDialog::EndDialog(int result) {
    if (host_ != nullptr) host_->endDialog(result);
}

bool CDialog::OnInitDialog() {
    DoDataExchange();
    return true;
}

bool CDialog::PreTranslateMessage(const platform::Message&) {
    return false;
}

bool CDialog::OnCommand(int controlId) {
    switch (controlId) {
        case platform::kIdOk:
            OnOK();
            return true;
        case platform::kIdCancel:
            OnCancel();
            return true;
        default:
            return false;
    }
}

void CDialog::Dispatch(const platform::Message& message) {
    using platform::MessageKind;
    switch (message.kind) {
        case MessageKind::Timer:
            OnTimer(message.id);
            break;
        case MessageKind::DeviceChange:
            OnDeviceChange(message.id, message.param);
            break;
        case MessageKind::Command:
            OnCommand(message.id);
            break;
        case MessageKind::SysCommand:
            OnSysCommand(message.id);
            break;
        case MessageKind::Paint:
            OnPaint();
            break;
        case MessageKind::KeyDown:
            // The dialog manager's default: Enter is OK, Escape is Cancel.
            if (PreTranslateMessage(message)) break;
            if (message.id == platform::kKeyReturn) OnOK();
            if (message.id == platform::kKeyEscape) OnCancel();
            break;
    }
}
