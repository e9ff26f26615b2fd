#include "app/quill_pcisp_dlg.h"
#include "device/usb_ids.h"
#include "res/resource.h"

namespace {
// The tick counters are bytes compared as signed values.
bool AtLeast(std::uint8_t counter, int limit) {
    return static_cast<std::int8_t>(counter) >= limit;
}
}  // namespace

void CQuillPCISPDlg::OnTimer(int /*timerId*/) {
    ++g_RediscoverTicks;
    ++m_nMaskProbeDelay;

    bool devicePresent = true;
    if (m_bDeviceFound == 0) {
        if (AtLeast(g_RediscoverTicks, 11)) {
            g_RediscoverTicks = 0;
            m_wDevicePID = USBFound();
            if (m_wDevicePID != 0 && m_wDevicePID != PID_MASK_CODE) {
                m_bDeviceFound = 1;
            } else {
                m_bDeviceFound = 0;
                m_UpdateButton.EnableWindow(false);
            }
        }
        devicePresent = m_bDeviceFound != 0;
    }

    if (devicePresent) {
        g_RediscoverTicks = 0;
        if (g_FirmwareFileOk == 0) {
            m_UpdateButton.EnableWindow(false);
        } else {
            if (m_wDeviceVID == VID_APPLICATION) {
                if (m_bApplicationCode == 1) {
                    g_ResumeAfterReconnect = 0;
                    if (g_EF64_Verdict == EF64_NOT_JUDGED) {
                        Check_Application_Version_Combine();
                        if (g_EF64_Verdict > EF64_ANTIQUE) Check_OTA_Version_at_Application();
                    }
                } else if (g_EF32_0_Verdict == EF32_0_NOT_JUDGED) {
                    Check_OTA_Version_at_OTA();
                }
            }
            // A check that rejected the image has disabled the button itself.
            if (g_FirmwareFileOk != 0) m_UpdateButton.EnableWindow(true);
        }

        // The automatic start of a second update stage.
        if (m_AutoStartTicks != 0) {
            m_UpdateButton.EnableWindow(false);
            --m_AutoStartTicks;
            if (m_AutoStartTicks == 0) Host()->postCommand(IDC_UPDATE_FW);
        }
    }

    // The mask probe gate.
    if (m_wDevicePID != PID_MASK_CODE) {
        m_nMaskProbeDelay = 0;
    } else if (AtLeast(m_nMaskProbeDelay, 5)) {
        m_nMaskProbeDelay = 5;
        if (m_bDeviceFound == 0) Check_Mask_Code();
    }

    // A device back in its OTA Code after a first stage: arm the automatic start.
    if (g_ResumeAfterReconnect == 1 && m_bDeviceFound == 1 && m_bApplicationCode == 0) {
        m_AutoStartTicks = 2;
        m_UpdateButton.EnableWindow(false);
        g_ResumeAfterReconnect = 0;
    }

    if (g_BannerHoldTicks != 0) {
        --g_BannerHoldTicks;
        return;
    }

    if (g_UpdateWatchdogTicks != 0) {
        ++g_UpdateWatchdogTicks;
        SetBanner(IDB_UPDATING);
        if (AtLeast(g_UpdateWatchdogTicks, 40)) {
            m_AutoStartTicks = 0;
            g_UpdateWatchdogTicks = 0;
            LogAppend("Updat FW.... FAIL !!");
            SetBanner(IDB_FAIL);
            m_StatusBanner.Invalidate(true);
            m_Progress.SetPos(0);
            m_Progress.Invalidate(true);
            g_BannerHoldTicks = 5;
            Host()->messageBox(
                "Please disconnect and reconnect the device to your PC, \r\ntry the update again.");
        }
    } else {
        SetBanner(m_bDeviceFound != 0 && m_bProjectMatched == 1 ? IDB_READY : IDB_STANDBY);
    }
    m_StatusBanner.Invalidate(true);
}
