#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/pass_through.h"

typedef struct _UMockdevTestbed UMockdevTestbed;
typedef struct _UMockdevIoctlBase UMockdevIoctlBase;
typedef struct _UMockdevIoctlClient UMockdevIoctlClient;

namespace linux_testing {

// How the mocked sg driver finishes one SG_IO request, beyond what the device answered.
struct SgAnswer {
    int error = 0;  // non-zero: the ioctl fails with this errno
    std::uint16_t hostStatus = 0;
    std::uint16_t driverStatus = 0;     // the sense flag is added whenever sense was written
    std::optional<std::int32_t> resid;  // default: what the device left unmoved
};

// What a request header carried, as the driver saw it.
struct SgCall {
    int interfaceId;
    int direction;
    unsigned cmdLen;
    unsigned mxSbLen;
    unsigned dxferLen;
    unsigned timeoutMs;
    std::vector<std::uint8_t> cdb;
    std::vector<std::uint8_t> dataOut;  // the bytes sent to the device
};

// Answers SG_IO on a mocked node. Each request is handed to the handler as a pass-through
// request: the handler fills the status, the sense data, the bytes moved and, for data-in,
// the buffer, and may add a transport outcome. Without a handler every request completes
// with GOOD status and moves everything. The handler runs on umockdev's own thread.
class SgResponder {
  public:
    using Handler = std::function<SgAnswer(platform::PassThroughRequest& request)>;

    SgResponder(UMockdevTestbed* testbed, const std::string& devnode, Handler handler = {});
    ~SgResponder();
    SgResponder(const SgResponder&) = delete;
    SgResponder& operator=(const SgResponder&) = delete;

    void setHandler(Handler handler);
    std::vector<SgCall> calls() const;

  private:
    static int onIoctl(UMockdevIoctlBase* base, UMockdevIoctlClient* client, void* self);
    bool answer(UMockdevIoctlClient* client);

    UMockdevTestbed* testbed_;
    std::string devnode_;
    UMockdevIoctlBase* base_;
    mutable std::mutex mutex_;
    Handler handler_;
    std::vector<SgCall> calls_;
};

}  // namespace linux_testing
