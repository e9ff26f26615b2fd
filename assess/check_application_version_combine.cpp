#include <cstdio>

#include "app/quill_pcisp_dlg.h"
#include "device/send_isp_command.h"
#include "firmware/log_fw_identity.h"

namespace {

// The tool's own EF64 image is unusable: no update until a file is chosen again.
void RejectImage(CQuillPCISPDlg& dlg, platform::DeviceHandle& device) {
    dlg.g_FirmwareFileOk = 0;
    dlg.g_EF64_Verdict = EF64_NOT_JUDGED;
    dlg.g_EF32_0_Verdict = EF32_0_NOT_JUDGED;
    dlg.m_UpdateButton.EnableWindow(false);
    device.close();
    dlg.m_AutoStartTicks = 0;
    dlg.m_FwFileEdit.SetWindowText("");
    dlg.Host()->messageBox("Firmware file(Binx) is not supported,\r\nPlease select another file.");
}

}  // namespace

void CQuillPCISPDlg::Check_Application_Version_Combine() {
    LogAppend("Check_Application_Version_Combine -----------------------------------------");
    platform::DeviceHandle device;
    if (g_pEF64_Main_1 == nullptr) {
        LogAppend(MissingImageLine("EF64_Main_1"));
        RejectImage(*this, device);
        return;
    }
    device = OpenDevice();
    if (!device.valid()) LogAppend("Open USB device failed.");

    auto commandFailed = [&] {
        LogAppend("CMD FAIL.");
        g_EF64_Verdict = EF64_ANTIQUE;
        LogAppend("Device EF64 FW Version is  'Antique'");
        device.close();
        m_AutoStartTicks = 0;
    };

    if (!SendIspCommand(*this, device, ISP_CMD_SELECT_AES_KEY, Tail::Zero, KEY_SLOT_MAIN) ||
        !SendIspCommand(*this, device, ISP_CMD_SEND_IMAGE_HEAD, Tail::Zero, 0, g_pEF64_Main_1) ||
        !SendIspCommand(*this, device, ISP_CMD_READ_IMAGE_INFO))
        return commandFailed();

    FwIdentity image = FwIdentity::FromBytes(g_ReplyBuffer.data());
    LogFwIdentity(*this, RecordSource::Image, image);
    std::int32_t imageNumber = VersionNumber(image);
    if (image.Version(0) != 100) return RejectImage(*this, device);

    if (!SendIspCommand(*this, device, ISP_CMD_READ_FW_INFO)) return commandFailed();
    FwIdentity own = FwIdentity::FromBytes(g_ReplyBuffer.data());
    std::string nameLine = LogFwIdentity(*this, RecordSource::DeviceEF64, own);
    std::int32_t deviceNumber = VersionNumber(own);

    char line[64];
    std::snprintf(line, sizeof line, "BinX File FW Version:   %d", imageNumber);
    LogAppend(line);
    std::snprintf(line, sizeof line, "Device EF64 FW Version: %d", deviceNumber);
    LogAppend(line);

    if (imageNumber > deviceNumber) {
        LogAppend("Device EF64 FW Version is  'Old'");
        g_EF64_Verdict = EF64_OLD;
    } else if (imageNumber == deviceNumber) {
        LogAppend("Device EF64 FW Version is  'Current'");
        g_EF64_Verdict = EF64_CURRENT;
    } else {
        LogAppend("Device EF64 FW Version is  'New'");
        g_EF64_Verdict = EF64_NEW;
    }
    Compare_DUT_FW_Name(nameLine, 0);
    device.close();
    m_AutoStartTicks = 0;
}
