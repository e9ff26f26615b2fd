#include "flash/flash_step.h"

#include <string>

#include "app/quill_pcisp_dlg.h"
#include "device/send_isp_command.h"

bool FlashStep(CQuillPCISPDlg& dlg, platform::DeviceHandle& device, std::string_view line,
               const IspCommand& command, Tail tail, std::uint8_t argument,
               const std::uint8_t* image) {
    dlg.LogAppend(std::string(line));
    if (SendIspCommand(dlg, device, command, tail, argument, image)) return true;
    dlg.LogAppend("FAIL.");
    return false;
}
