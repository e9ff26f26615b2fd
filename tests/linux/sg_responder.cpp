#include "linux/sg_responder.h"

#include <gtest/gtest.h>
#include <scsi/sg.h>
#include <umockdev.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>

namespace linux_testing {

namespace {

constexpr std::uint16_t kDriverSense = 0x08;

UMockdevIoctlData* resolve(UMockdevIoctlData* data, std::size_t offset, std::size_t length) {
    GError* error = nullptr;
    UMockdevIoctlData* resolved = umockdev_ioctl_data_resolve(data, offset, length, &error);
    if (resolved == nullptr) {
        ADD_FAILURE() << "cannot read the caller's memory: " << (error ? error->message : "?");
        g_clear_error(&error);
    }
    return resolved;
}

}  // namespace

SgResponder::SgResponder(UMockdevTestbed* testbed, const std::string& devnode, Handler handler)
    : testbed_(testbed),
      devnode_(devnode),
      base_(umockdev_ioctl_base_new()),
      handler_(std::move(handler)) {
    g_signal_connect(base_, "handle-ioctl", G_CALLBACK(onIoctl), this);
    GError* error = nullptr;
    if (!umockdev_testbed_attach_ioctl(testbed_, devnode_.c_str(), base_, &error)) {
        ADD_FAILURE() << "cannot answer on " << devnode_ << ": " << (error ? error->message : "?");
        g_clear_error(&error);
    }
}

SgResponder::~SgResponder() {
    umockdev_testbed_detach_ioctl(testbed_, devnode_.c_str(), nullptr);
    g_signal_handlers_disconnect_by_data(base_, this);
    g_object_unref(base_);
}

void SgResponder::setHandler(Handler handler) {
    std::lock_guard lock(mutex_);
    handler_ = std::move(handler);
}

std::vector<SgCall> SgResponder::calls() const {
    std::lock_guard lock(mutex_);
    return calls_;
}

int SgResponder::onIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, void* self) {
    return static_cast<SgResponder*>(self)->answer(client) ? TRUE : FALSE;
}

bool SgResponder::answer(UMockdevIoctlClient* client) {
    if (umockdev_ioctl_client_get_request(client) != SG_IO) {
        umockdev_ioctl_client_complete(client, -1, ENOTTY);
        return true;
    }
    UMockdevIoctlData* arg = umockdev_ioctl_client_get_arg(client);
    UMockdevIoctlData* headerData = resolve(arg, 0, sizeof(sg_io_hdr_t));
    if (headerData == nullptr) {
        umockdev_ioctl_client_complete(client, -1, EFAULT);
        return true;
    }
    // Each resolve rewrites a pointer in the local copy: read the header afresh afterwards.
    auto header = [&] { return reinterpret_cast<sg_io_hdr_t*>(headerData->data); };
    SgCall call{header()->interface_id,
                header()->dxfer_direction,
                header()->cmd_len,
                header()->mx_sb_len,
                header()->dxfer_len,
                header()->timeout,
                {},
                {}};
    unsigned cmdLen = call.cmdLen;
    unsigned dxferLen = call.dxferLen;
    unsigned senseCapacity = call.mxSbLen;

    platform::PassThroughRequest request;
    UMockdevIoctlData* cdb =
        cmdLen ? resolve(headerData, offsetof(sg_io_hdr_t, cmdp), cmdLen) : nullptr;
    if (cdb != nullptr) {
        call.cdb.assign(cdb->data, cdb->data + cmdLen);
        std::copy_n(cdb->data, std::min<std::size_t>(cmdLen, request.cdb.size()),
                    request.cdb.begin());
    }
    request.cdbLength = static_cast<std::uint8_t>(cmdLen);
    request.dataIn = call.direction == SG_DXFER_FROM_DEV ? 1 : 0;
    request.dataTransferLength = dxferLen;
    request.timeOutValue = call.timeoutMs / 1000;
    UMockdevIoctlData* data =
        dxferLen ? resolve(headerData, offsetof(sg_io_hdr_t, dxferp), dxferLen) : nullptr;
    if (data != nullptr) {
        request.dataBuffer = data->data;
        if (call.direction == SG_DXFER_TO_DEV)
            call.dataOut.assign(data->data, data->data + dxferLen);
    }

    Handler handler;
    {
        std::lock_guard lock(mutex_);
        calls_.push_back(call);
        handler = handler_;
    }
    SgAnswer outcome;
    if (handler) {
        outcome = handler(request);
    } else {
        request.bytesTransferred = dxferLen;
    }
    if (outcome.error != 0) {
        umockdev_ioctl_client_complete(client, -1, outcome.error);
        return true;
    }

    unsigned senseLength = 0;
    for (unsigned i = 0; i < request.sense.size(); ++i)
        if (request.sense[i] != 0) senseLength = i + 1;
    senseLength = std::min(senseLength, senseCapacity);
    if (senseLength != 0) {
        UMockdevIoctlData* sense = resolve(headerData, offsetof(sg_io_hdr_t, sbp), senseLength);
        if (sense != nullptr) std::copy_n(request.sense.begin(), senseLength, sense->data);
    }
    std::uint32_t moved = std::min(request.bytesTransferred, dxferLen);
    header()->status = request.scsiStatus;
    header()->masked_status = static_cast<unsigned char>((request.scsiStatus >> 1) & 0x7f);
    header()->host_status = outcome.hostStatus;
    header()->driver_status =
        static_cast<unsigned short>(outcome.driverStatus | (senseLength ? kDriverSense : 0));
    header()->sb_len_wr = static_cast<unsigned char>(senseLength);
    header()->resid = outcome.resid.value_or(static_cast<int>(dxferLen - moved));
    umockdev_ioctl_client_complete(client, 0, 0);
    return true;
}

}  // namespace linux_testing
