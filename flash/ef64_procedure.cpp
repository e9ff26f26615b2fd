#include "flash/ef64_procedure.h"

#include "app/quill_pcisp_dlg.h"
#include "device/send_isp_command.h"
#include "firmware/log_fw_identity.h"
#include "flash/flash_step.h"

bool RunEf64Procedure(CQuillPCISPDlg& dlg, platform::DeviceHandle& device,
                      const std::uint8_t* ef64Main, const Ef64Dialect& dialect) {
    // Refused before the erases: never erase what cannot be programmed again.
    if (ef64Main == nullptr || dlg.g_pEF64_Info == nullptr) {
        dlg.LogAppend(MissingImageLine(ef64Main == nullptr ? "EF64_Main" : "EF64_Info"));
        dlg.LogAppend("FAIL.");
        return false;
    }
    // A failed erase is logged and passed over.
    FlashStep(dlg, device, "Erase EF64*8 Main Memory", ISP_CMD_ERASE_EF64_MAIN, Tail::Zero);
    FlashStep(dlg, device, "Erase EF64*8 Information Page", ISP_CMD_ERASE_EF64_INFO, Tail::Zero);

    if (!FlashStep(dlg, device, "Select AES Key", ISP_CMD_SELECT_AES_KEY, Tail::Zero,
                   KEY_SLOT_MAIN))
        return false;
    dlg.ProgressAdvance();

    const Tail tail = dialect.tailFromProgram;
    if (!FlashStep(dlg, device, "Program EF64K*8 Main Memory", dialect.programMain, tail, 0,
                   ef64Main))
        return false;
    dlg.ProgressAdvance();
    if (!FlashStep(dlg, device, "EF64K*8 Main Memory Checksum", ISP_CMD_CHECKSUM_EF64_MAIN, tail))
        return false;
    if (!FlashStep(dlg, device, "Select AES Key", ISP_CMD_SELECT_AES_KEY, tail, KEY_SLOT_INFO))
        return false;
    dlg.ProgressAdvance();
    if (!FlashStep(dlg, device, "Program EF64K*8 Information Page", dialect.programInfo, tail, 0,
                   dlg.g_pEF64_Info))
        return false;
    dlg.ProgressAdvance();
    if (!FlashStep(dlg, device, "EF64K*8 Information Page Checksum", ISP_CMD_CHECKSUM_EF64_INFO,
                   tail))
        return false;
    dlg.ProgressAdvance();

    dlg.LogAppend(std::string(dialect.jumpLine));
    SendIspCommand(dlg, device, ISP_CMD_JUMP_EF64, tail);
    return true;
}
