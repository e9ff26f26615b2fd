#include "device/send_isp_command.h"

#include "app/quill_pcisp_dlg.h"
#include "device/send_scsi_command.h"

bool SendIspCommand(CQuillPCISPDlg& dlg, platform::DeviceHandle& device, const IspCommand& command,
                    Tail tail, std::uint8_t argument, const std::uint8_t* image) {
    std::uint8_t* buffer = nullptr;
    switch (command.data) {
        case DataSource::None:
            break;
        case DataSource::ReplyBuffer:
            buffer = dlg.g_ReplyBuffer.data();
            break;
        case DataSource::MainImageHead:
            // The transport only reads a data-out buffer.
            buffer = const_cast<std::uint8_t*>(image);
            break;
        case DataSource::MainImageBody:
        case DataSource::InfoImagePage:
            buffer = image ? const_cast<std::uint8_t*>(image + kImageBodyOffset) : nullptr;
            break;
    }
    if (command.data != DataSource::None && command.data != DataSource::ReplyBuffer &&
        image == nullptr)
        return false;
    auto cdb = BuildCdb(command, tail, argument);
    return SendSCSICommand(dlg, device, cdb.data(), command.cdbLength, buffer,
                           command.transferLength, command.direction);
}
