#include "app/quill_pcisp_dlg.h"
#include "device/send_scsi_command.h"
#include "device/usb_ids.h"
#include "firmware/log_fw_identity.h"
#include "res/resource.h"
#include "update/update_images.h"

namespace {

constexpr const char* kReconnectMessage =
    "Please disconnect and reconnect the device to your PC, \r\ntry the update again.";
constexpr const char* kNotSupportedMessage =
    "Your device's current firmware is not supported to update. \r\nPlease return the product to "
    "manufacturer.";
constexpr const char* kAlreadyUpdatedMessage = "Your device is already updated.";

// Shows the "Updating..." banner before the blocking work starts.
void StartStage(CQuillPCISPDlg& dlg) {
    dlg.g_UpdateWatchdogTicks = 1;
    dlg.SetBanner(IDB_UPDATING);
    dlg.m_StatusBanner.Invalidate(true);
    dlg.Host()->redrawNow();
}

void Pass(CQuillPCISPDlg& dlg, platform::DeviceHandle& device) {
    dlg.LogAppend("PASS.");
    dlg.LogAppend("Test...........4");
    device.close();
    dlg.g_ResumeAfterReconnect = 0;
    dlg.g_UpdateWatchdogTicks = 0;
    dlg.LogAppend("Updat FW.... Update complete !!");
    dlg.SetBanner(IDB_UPDATE_COMPLETE);
    dlg.m_StatusBanner.Invalidate(true);
    dlg.m_Progress.SetPos(0);
    dlg.m_Progress.Invalidate(true);
    dlg.g_BannerHoldTicks = 5;
}

void Fail(CQuillPCISPDlg& dlg, platform::DeviceHandle& device, const std::string& message) {
    dlg.LogAppend(message);
    dlg.m_bDeviceFound = 0;
    device.close();
    dlg.m_AutoStartTicks = 0;
    dlg.g_ResumeAfterReconnect = 0;
    dlg.g_UpdateWatchdogTicks = 0;
    dlg.LogAppend("Updat FW.... FAIL !!");
    dlg.LogAppend("");
    dlg.SetBanner(IDB_FAIL);
    dlg.m_StatusBanner.Invalidate(true);
    dlg.m_Progress.SetPos(0);
    dlg.m_Progress.Invalidate(true);
    dlg.g_BannerHoldTicks = 5;
    dlg.Host()->messageBox(kReconnectMessage);
}

void Refuse(CQuillPCISPDlg& dlg, platform::DeviceHandle& device) {
    device.close();
    dlg.SetBanner(IDB_FAIL);
    dlg.m_StatusBanner.Invalidate(true);
    dlg.Host()->redrawNow();
    dlg.g_BannerHoldTicks = 20;
    dlg.Host()->messageBox(kNotSupportedMessage);
}

void AlreadyUpdated(CQuillPCISPDlg& dlg, platform::DeviceHandle& device, const char* line) {
    dlg.LogAppend(line);
    dlg.g_ResumeAfterReconnect = 0;
    // The device stays open while the box is shown.
    dlg.Host()->messageBox(kAlreadyUpdatedMessage);
    device.close();
}

}  // namespace

void CQuillPCISPDlg::OnUpdateFirmware() {
    m_LogEdit.SetWindowText("");
    LogAppend("Button2...");

    platform::DeviceHandle device;
    if (auto missing = MissingUpdateImage(*this))
        return Fail(*this, device, MissingImageLine(*missing));

    device = OpenDevice();
    if (!device.valid()) return Fail(*this, device, "Open USB device failed.");

    if (m_wDevicePID == PID_MASK_CODE) {
        LogAppend("Run Code at Mask...");
        if (g_MaskVariant0210 != 1) {
            LogAppend("Mask 0110....");
            return Refuse(*this, device);
        }
        LogAppend("Mask 0210....");
        StartStage(*this);
        LogAppend("ISP EF32_0");
        if (!Run_Code_at_EF64_ISP_EF32_0_OTA(device, g_pEF32_0_Main_1))
            return Fail(*this, device, "FAIL");
        LogAppend("ISP EF64");
        bool ok = Run_Code_at_Mask0210_or_OTA_ISP_EF64(device, g_pEF64_Main_1);
        g_MaskVariant0210 = 0;
        return ok ? Pass(*this, device) : Fail(*this, device, "FAIL.");
    }

    if (m_wDeviceVID == VID_APPLICATION && m_bProjectMatched == 1) {
        TraceAppend("DUT FW Updating...");
        if (m_bApplicationCode != 0) {
            LogAppend("Run Code at Application ");
            switch (g_EF64_Verdict) {
                case EF64_ANTIQUE:
                    LogAppend("EF64_Antique  -  ISP_CMD_EXECUTE");
                    g_ResumeAfterReconnect = 1;
                    m_bApplicationCode = 0;
                    StartStage(*this);
                    SendISPExecute(*this, device);
                    m_bDeviceFound = 0;
                    device.close();
                    return;
                case EF64_CURRENT:
                    return AlreadyUpdated(*this, device, "EF64_current");
                case EF64_NEW:
                    return AlreadyUpdated(*this, device, "EF64_New");
                case EF64_OLD:
                    LogAppend("EF64_Old");
                    g_ResumeAfterReconnect = 1;
                    m_bApplicationCode = 0;
                    StartStage(*this);
                    [[fallthrough]];
                default:
                    // First stage: rewrite EF32_0; its jump sends the device to its OTA Code.
                    LogAppend("Test...........2..");
                    g_UpdateWatchdogTicks = 1;
                    if (g_EF32_0_Verdict >= EF32_0_NO_CODE && g_EF32_0_Verdict <= EF32_0_NEW) {
                        LogAppend("ISP EF32_0");
                        if (!Run_Code_at_EF64_ISP_EF32_0_OTA(device, g_pEF32_0_Selected))
                            return Fail(*this, device, "FAIL.");
                    }
                    LogAppend("Test...........3");
                    m_bDeviceFound = 0;
                    device.close();
                    return;
            }
        }
        // Second stage: the device runs its OTA Code.
        LogAppend("Run Code at OTA ");
        StartStage(*this);
        LogAppend("ISP EF64");
        bool ok = Run_Code_at_Mask0210_or_OTA_ISP_EF64(device, g_pEF64_Selected);
        g_MaskVariant0210 = 0;
        return ok ? Pass(*this, device) : Fail(*this, device, "FAIL.");
    }

    if (m_wDevicePID == PID_PROTECT_CODE) {
        StartStage(*this);
        LogAppend("Run Code at Protect ISP EF64");
        return Run_Code_at_Protect_ISP_EF64(device) ? Pass(*this, device)
                                                    : Fail(*this, device, "FAIL.");
    }

    LogAppend("Other Code");
    Refuse(*this, device);
}
