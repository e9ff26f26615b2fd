#include "app/quill_pcisp_dlg.h"
#include "res/resource.h"

void CQuillPCISPDlg::OnBrowse() {
    platform::FileDialogSpec spec{".binx|", "*.binx", 6,
                                  "Image file(*.BINX)|*.BINX|All files(*.*)|*.*||"};
    if (auto path = Host()->fileOpen(spec)) {
        m_FwFileEdit.SetWindowText(*path);
        g_FirmwareFileOk = 1;
    }
    // OK or Cancel: assess the device again on the next tick.
    g_EF64_Verdict = 0;
    g_EF32_0_Verdict = 0;
}

void CQuillPCISPDlg::OnBrowseAux() {
    platform::FileDialogSpec spec{"", "*.*", 6, "All files(*.*)|*.*||"};
    if (auto path = Host()->fileOpen(spec)) m_AuxFileEdit.SetWindowText(*path);
}

void CQuillPCISPDlg::OnTest() {
    SetBanner(IDB_UPDATING);
    m_StatusBanner.Invalidate(true);
}

void CQuillPCISPDlg::OnClear() {
    m_LogEdit.SetWindowText("");
}
