#include "app/quill_pcisp_dlg.h"

#include "res/resource.h"

CQuillPCISPDlg::CQuillPCISPDlg(platform::Platform& platform)
    : CDialog(IDD_QUILLPCISP_DIALOG, platform), m_hIcon(IDR_MAINFRAME) {}

void CQuillPCISPDlg::DoDataExchange() {
    DDX_Control(IDC_FW_FILE, m_FwFileEdit);
    DDX_Control(IDC_LOG, m_LogEdit);
    DDX_Control(IDC_AUX_FILE, m_AuxFileEdit);
    DDX_Control(IDC_BANNER, m_StatusBanner);
    DDX_Control(IDC_PROGRESS, m_Progress);
    DDX_Control(IDC_UPDATE_FW, m_UpdateButton);
    DDX_Control(IDC_TEST, m_TestButton);
    DDX_Control(IDC_CLEAR, m_ClearButton);
    DDX_Control(IDC_TRACE, m_TraceEdit);
}

bool CQuillPCISPDlg::OnCommand(int controlId) {
    switch (controlId) {
        case IDC_BROWSE:
            OnBrowse();
            return true;
        case IDC_UPDATE_FW:
            OnUpdateFirmware();
            return true;
        case IDC_BROWSE_AUX:
            OnBrowseAux();
            return true;
        case IDC_TEST:
            OnTest();
            return true;
        case IDC_CLEAR:
            OnClear();
            return true;
        default:
            // Cancel (also the close box) goes to the base dialog.
            return CDialog::OnCommand(controlId);
    }
}

platform::DeviceHandle CQuillPCISPDlg::OpenDevice() {
    return GetPlatform().devices.open(m_szDevicePath);
}
