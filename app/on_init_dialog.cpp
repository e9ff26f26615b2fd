#include "app/quill_pcisp_dlg.h"
#include "device/usb_ids.h"
#include "firmware/load_firmware_images.h"
#include "res/resource.h"

bool CQuillPCISPDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    platform::WindowHost* host = Host();

    // About and Help on the system menu.
    if (host->hasSystemMenu()) {
        std::string about = GetPlatform().resources.loadString(IDS_ABOUTBOX);
        if (!about.empty()) {
            host->appendMenuSeparator();
            host->appendMenuItem(IDM_ABOUTBOX, about);
            host->appendMenuSeparator();
            host->appendMenuItem(IDM_HELP, GetPlatform().resources.loadString(IDS_HELP));
        }
    }

    host->setIcon(m_hIcon, true);
    host->setIcon(m_hIcon, false);

    m_AutoStartTicks = 0;
    SetBanner(IDB_STANDBY);
    m_Progress.SetRange(0, 7);
    m_Progress.SetPos(0);
    m_UpdateButton.EnableWindow(false);

    m_wDevicePID = USBFound();
    m_bDeviceFound = (m_wDevicePID != 0 && m_wDevicePID != PID_MASK_CODE) ? 1 : 0;

    LoadFirmwareImages(*this);

    g_FirmwareFileOk = 1;
    g_UpdateWatchdogTicks = 0;

    m_TestButton.EnableWindow(false);
    m_ClearButton.EnableWindow(false);
    m_LogEdit.EnableWindow(false);

    host->setWindowPos(0, 0, 595, 210);
    m_TimerId = host->setTimer(1, 1000);

    m_nMaskProbeDelay = 3;
    g_ResumeAfterReconnect = 0;
    return true;
}
