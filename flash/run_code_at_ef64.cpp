#include "app/quill_pcisp_dlg.h"
#include "flash/ef64_procedure.h"

bool CQuillPCISPDlg::Run_Code_at_Protect_ISP_EF64(platform::DeviceHandle& device) {
    return RunEf64Procedure(*this, device, g_pEF64_Selected, kProtectDialect);
}

bool CQuillPCISPDlg::Run_Code_at_Mask0210_or_OTA_ISP_EF64(platform::DeviceHandle& device,
                                                          const std::uint8_t* ef64Main) {
    LogAppend("Run Code at Mask0210 or OTA ISP EF64");
    return RunEf64Procedure(*this, device, ef64Main, kMaskOtaDialect);
}
