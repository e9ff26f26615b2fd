#include "device/send_scsi_command.h"

#include <algorithm>
#include <cstdio>

#include "app/quill_pcisp_dlg.h"
#include "device/isp_commands.h"

bool SendSCSICommand(CQuillPCISPDlg& dlg, platform::DeviceHandle& device, const std::uint8_t* cdb,
                     std::uint8_t cdbLength, std::uint8_t* buffer, std::uint32_t transferLength,
                     std::uint8_t direction) {
    platform::PassThroughRequest request;
    std::copy_n(cdb, std::min<std::size_t>(cdbLength, request.cdb.size()), request.cdb.begin());
    request.cdbLength = cdbLength;
    request.dataIn = direction;
    request.dataBuffer = buffer;
    request.dataTransferLength = transferLength;

    // A data phase needs data: never hand the device a transfer without a buffer.
    if (buffer == nullptr && transferLength != 0) {
        dlg.LogAppend("SendSCSICommand FAIL : no data buffer");
        return false;
    }
    for (int attempt = 1; attempt <= 3; ++attempt) {
        bool completed = device.passThrough(request);
        bool complete = direction != SCSI_IOCTL_DATA_IN || transferLength == 0 ||
                        request.bytesTransferred == transferLength;
        if (completed && request.scsiStatus == platform::kScsiStatusGood && complete) return true;
        char line[48];
        std::snprintf(line, sizeof line, "SendSCSICommand FAIL : >0x%x<", request.scsiStatus);
        dlg.LogAppend(line);
    }
    return false;
}

void SendISPExecute(CQuillPCISPDlg& dlg, platform::DeviceHandle& device) {
    auto cdb = BuildCdb(ISP_CMD_EXECUTE, Tail::Zero);
    SendSCSICommand(dlg, device, cdb.data(), ISP_CMD_EXECUTE.cdbLength, nullptr, 0,
                    ISP_CMD_EXECUTE.direction);
}
