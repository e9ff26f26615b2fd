#include "app/quill_pcisp_dlg.h"
#include "device/send_isp_command.h"

void CQuillPCISPDlg::Check_Mask_Code() {
    platform::DeviceHandle device = OpenDevice();
    if (!device.valid()) LogAppend("Open USB device failed.");

    if (!SendIspCommand(*this, device, ISP_CMD_MASK_QUERY)) {
        m_bDeviceFound = 0;
        LogAppend("Command Fail");
        return;
    }
    // Only Mask Code 0210 accepts key slot 0.
    if (SendIspCommand(*this, device, ISP_CMD_SELECT_AES_KEY, Tail::Zero, KEY_SLOT_MASK_PROBE)) {
        LogAppend("Run Code at Mask Code 0210");
        g_MaskVariant0210 = 1;
    } else {
        LogAppend("Run Code at Mask Code 0110");
        g_MaskVariant0210 = 0;
    }
    m_bProjectMatched = 1;
    m_bDeviceFound = 1;
}
