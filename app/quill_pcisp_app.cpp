#include "app/quill_pcisp_app.h"

#include "app/quill_pcisp_dlg.h"

bool CQuillPCISPApp::InitInstance() {
    GetPlatform().windows.initCommonControls(8, 0xFF);
    CWinApp::InitInstance();
    EnableControlContainer();
    SetRegistryKey("Local AppWizard-Generated Applications");

    CQuillPCISPDlg dlg(GetPlatform());
    m_pMainWnd = &dlg;
    dialogResult_ = dlg.DoModal();
    m_pMainWnd = nullptr;
    // No message loop of our own: the program ends with the dialog.
    return false;
}
