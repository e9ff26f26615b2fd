#include <cstdio>

#include "app/quill_pcisp_dlg.h"
#include "assess/ef32_0_record.h"
#include "device/send_isp_command.h"
#include "firmware/log_fw_identity.h"

void CQuillPCISPDlg::Check_OTA_Version_at_Application() {
    LogAppend("\r");
    LogAppend("Check_OTA_Version_at_Application ------------------------------------");
    platform::DeviceHandle device = OpenDevice();
    if (!device.valid()) LogAppend("Open USB device failed.");

    auto end = [&] {
        device.close();
        m_AutoStartTicks = 0;
    };

    if (!SendIspCommand(*this, device, ISP_CMD_READ_EF32_0_INFO)) {
        LogAppend("CMD FAIL.");
        g_EF32_0_Verdict = EF32_0_NO_CODE;
        return end();
    }
    FwIdentity own = FwIdentity::FromBytes(g_ReplyBuffer.data());
    LogFwIdentity(*this, RecordSource::DeviceEF32_0, own);
    std::int32_t deviceNumber = VersionNumber(own);

    if (IsErasedRecord(own)) {
        g_EF32_0_Verdict = EF32_0_NO_CODE;
        LogAppend("Device EF32_0 is  'No_Code'");
        return end();
    }
    if (HasProtectSignature(own)) {
        g_EF32_0_Verdict = EF32_0_PROTECT;
        LogAppend("Device EF32_0 FW is  'Protect'");
        return end();
    }
    if (!HasEF32_0Tag(own)) {
        g_EF32_0_Verdict = EF32_0_NO_CODE;
        LogAppend("EF32_0 Tag FAIL, Set Device EF32_0 is  'No_Code'");
        return end();
    }
    LogAppend("EF32_0 FW Tag PASS");

    if (g_pEF32_0_Main_1 == nullptr) {
        LogAppend(MissingImageLine("EF32_0_Main_1"));
        LogAppend("CMD FAIL.");
        return end();
    }
    if (!SendIspCommand(*this, device, ISP_CMD_SELECT_AES_KEY, Tail::Zero, KEY_SLOT_MAIN) ||
        !SendIspCommand(*this, device, ISP_CMD_SEND_IMAGE_HEAD, Tail::Zero, 0, g_pEF32_0_Main_1) ||
        !SendIspCommand(*this, device, ISP_CMD_READ_IMAGE_INFO)) {
        LogAppend("CMD FAIL.");
        return end();
    }
    FwIdentity image = FwIdentity::FromBytes(g_ReplyBuffer.data());
    std::string nameLine = LogFwIdentity(*this, RecordSource::Image, image);
    std::int32_t imageNumber = VersionNumber(image);

    char line[64];
    std::snprintf(line, sizeof line, "GUI EF32_0 BINX FW Version: %d", imageNumber);
    LogAppend(line);
    std::snprintf(line, sizeof line, "Device EF32_0 FW Version:   %d", deviceNumber);
    LogAppend(line);

    if (imageNumber > deviceNumber) {
        LogAppend("Device EF32_0 FW Version is  'Old'");
        g_EF32_0_Verdict = EF32_0_OLD;
    } else if (imageNumber == deviceNumber) {
        LogAppend("Device EF32_0 FW Version is  'Current'");
        g_EF32_0_Verdict = EF32_0_CURRENT;
    } else {
        LogAppend("Device EF32_0 FW Version is  'New'");
        g_EF32_0_Verdict = EF32_0_NEW;
    }
    Compare_DUT_FW_Name(nameLine, 1);
    end();
}
