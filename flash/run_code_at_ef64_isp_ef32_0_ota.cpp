#include <cstdio>

#include "app/quill_pcisp_dlg.h"
#include "device/send_isp_command.h"
#include "firmware/log_fw_identity.h"
#include "flash/flash_step.h"

bool CQuillPCISPDlg::Run_Code_at_EF64_ISP_EF32_0_OTA(platform::DeviceHandle& device,
                                                     const std::uint8_t* ef32Main) {
    LogAppend("Run_Code_at_EF64_ISP_EF32_0_OTA");
    // The update handler checks its images before it opens the device; nothing is ever sent
    // without one.
    if (ef32Main == nullptr || g_pEF32_0_Info == nullptr) {
        LogAppend(MissingImageLine(ef32Main == nullptr ? "EF32_0_Main" : "EF32_0_Info"));
        LogAppend("FAIL.");
        return false;
    }
    const Tail seq = Tail::Sequence;
    if (!FlashStep(*this, device, "Select AES Key", ISP_CMD_SELECT_AES_KEY, Tail::Zero,
                   KEY_SLOT_MAIN))
        return false;
    ProgressAdvance();

    // The main memory goes as one 64 KB chunk; from here on every command carries the
    // sequence tail.
    LogAppend("ISP EF32_0 Main Memory");
    char chunk[32];
    std::snprintf(chunk, sizeof chunk, "%ldth * 64KB", 0L);
    if (!FlashStep(*this, device, chunk, ISP_CMD_PROGRAM_EF32_0_MAIN, seq, 0, ef32Main) ||
        !FlashStep(*this, device, "Check EF32_0 Main Memory Checksum", ISP_CMD_CHECKSUM_EF32_0_MAIN,
                   seq) ||
        !FlashStep(*this, device, "Select AES Key", ISP_CMD_SELECT_AES_KEY, seq, KEY_SLOT_INFO))
        return false;
    ProgressAdvance();

    // Both information pages get the same 128 bytes.
    if (!FlashStep(*this, device, "ISP EF32 Information Page_0", ISP_CMD_PROGRAM_EF32_INFO, seq, 0,
                   g_pEF32_0_Info) ||
        !FlashStep(*this, device, "Check EF32 Information Page_0 Checksum",
                   ISP_CMD_CHECKSUM_EF32_INFO, seq, 0))
        return false;
    ProgressAdvance();
    if (!FlashStep(*this, device, "ISP EF32 Information Page_1", ISP_CMD_PROGRAM_EF32_INFO, seq, 1,
                   g_pEF32_0_Info) ||
        !FlashStep(*this, device, "Check EF32 Information Page_1 Checksum",
                   ISP_CMD_CHECKSUM_EF32_INFO, seq, 1))
        return false;

    // On Mask Code 0210 the EF64 procedure that follows makes the jump.
    if (g_MaskVariant0210 == 0) {
        LogAppend("Jump to EFlash");
        SendIspCommand(*this, device, ISP_CMD_JUMP_EF32, seq);
    }
    return true;
}
