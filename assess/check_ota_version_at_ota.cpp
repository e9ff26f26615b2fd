#include <cstdio>

#include "app/quill_pcisp_dlg.h"
#include "device/send_isp_command.h"
#include "firmware/log_fw_identity.h"

void CQuillPCISPDlg::Check_OTA_Version_at_OTA() {
    LogAppend("Check_OTA_Version_at_OTA -------------------------------------------");
    platform::DeviceHandle device = OpenDevice();
    if (!device.valid()) LogAppend("Open USB device failed.");

    if (!SendIspCommand(*this, device, ISP_CMD_READ_FW_INFO)) {
        LogAppend("CMD FAIL.");
    } else {
        FwIdentity own = FwIdentity::FromBytes(g_ReplyBuffer.data());
        std::string nameLine = LogFwIdentity(*this, RecordSource::DeviceEF32_0, own);
        std::int32_t deviceNumber = VersionNumber(own);
        Compare_DUT_FW_Name(nameLine, 2);
        char line[64];
        std::snprintf(line, sizeof line, "Device EF32_0 FW Version:   %d", deviceNumber);
        LogAppend(line);
    }
    device.close();
    m_AutoStartTicks = 0;
}
