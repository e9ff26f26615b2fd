#include "app/quill_pcisp_dlg.h"
#include "res/resource.h"

void CQuillPCISPDlg::OnSysCommand(int id) {
    // 17 first: with its low four bits cleared it also reads 16.
    if (id == IDM_HELP) {
        CHelpIntroDlg help(GetPlatform());
        help.DoModal();
    } else if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about(GetPlatform());
        about.DoModal();
    }
}

void CQuillPCISPDlg::OnPaint() {
    platform::WindowHost* host = Host();
    if (host == nullptr || !host->isIconic()) return;
    host->eraseIconBackground();
    platform::Size client = host->clientSize();
    platform::Size icon = host->iconSize();
    int x = (client.width - icon.width + 1) / 2;
    int y = (client.height - icon.height + 1) / 2;
    host->drawIcon(x, y, m_hIcon);
}

bool CQuillPCISPDlg::PreTranslateMessage(const platform::Message& message) {
    if (message.kind == platform::MessageKind::KeyDown &&
        (message.id == platform::kKeyReturn || message.id == platform::kKeyEscape))
        return true;
    return CDialog::PreTranslateMessage(message);
}

CAboutDlg::CAboutDlg(platform::Platform& platform) : CDialog(IDD_ABOUTBOX, platform) {}

CHelpIntroDlg::CHelpIntroDlg(platform::Platform& platform) : CDialog(IDD_HELP_INTRO, platform) {}
