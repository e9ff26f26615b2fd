#include "app/quill_pcisp_dlg.h"
#include "device/usb_ids.h"

bool CQuillPCISPDlg::OnDeviceChange(int eventType, std::uintptr_t /*data*/) {
    if (eventType == platform::kDeviceArrival || eventType == platform::kDeviceRemoveComplete) {
        m_wDevicePID = USBFound();
        g_MaskVariant0210 = 0;
        g_EF64_Verdict = EF64_NOT_JUDGED;
        g_EF32_0_Verdict = EF32_0_NOT_JUDGED;
        if (m_wDevicePID != 0 && m_wDevicePID != PID_MASK_CODE) {
            m_bDeviceFound = 1;
        } else {
            m_bDeviceFound = 0;
            m_UpdateButton.EnableWindow(false);
        }
    }
    return true;
}
