#include <gtest/gtest.h>
#include <scsi/sg.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "device/send_scsi_command.h"
#include "linux/linux_dialog.h"
#include "linux/mock_testbed.h"
#include "linux/sg_responder.h"

namespace linux_testing {
namespace {

constexpr std::uint8_t kFill = 0x5A;

// An Application Code product on a mocked sg node, opened through the real backend.
class SgTransport : public testing::Test {
  protected:
    SgTransport() : disk(bed.addUsbDisk(Usb("6e39", "7c15"))), responder(bed.get(), disk.devnode) {}

    platform::DeviceHandle openProduct() { return harness.devices.open(disk.devnode); }

    MockTestbed bed;
    MockDisk disk;
    SgResponder responder;
    LinuxDialog harness;
};

struct HeaderCase {
    const char* name;
    std::uint8_t cdbLength;
    std::uint8_t dataIn;
    std::uint32_t length;
    int direction;
};

void PrintTo(const HeaderCase& c, std::ostream* os) {
    *os << c.name;
}

class SgHeader : public SgTransport, public testing::WithParamInterface<HeaderCase> {};

// The header the driver receives, and the data moved each way.
TEST_P(SgHeader, CarriesTheRequest) {
    const HeaderCase& c = GetParam();
    responder.setHandler([](platform::PassThroughRequest& request) {
        if (request.dataIn && request.dataBuffer)
            std::fill_n(request.dataBuffer, request.dataTransferLength, kFill);
        request.bytesTransferred = request.dataTransferLength;
        return SgAnswer{};
    });
    platform::DeviceHandle handle = openProduct();
    ASSERT_TRUE(handle.valid());

    std::vector<std::uint8_t> buffer(c.length + 8);
    for (std::size_t i = 0; i < buffer.size(); ++i) buffer[i] = static_cast<std::uint8_t>(i);
    platform::PassThroughRequest request;
    for (std::size_t i = 0; i < request.cdb.size(); ++i)
        request.cdb[i] = static_cast<std::uint8_t>(0xF0 + i);
    request.cdbLength = c.cdbLength;
    request.dataIn = c.dataIn;
    request.dataBuffer = buffer.data();
    request.dataTransferLength = c.length;
    std::vector<std::uint8_t> sent(buffer.begin(), buffer.begin() + c.length);

    ASSERT_TRUE(handle.passThrough(request));
    EXPECT_EQ(request.scsiStatus, 0);
    EXPECT_EQ(request.bytesTransferred, c.length);

    auto calls = responder.calls();
    ASSERT_EQ(calls.size(), 1u);
    const SgCall& call = calls[0];
    EXPECT_EQ(call.interfaceId, 'S');
    EXPECT_EQ(call.direction, c.direction);
    EXPECT_EQ(call.cmdLen, c.cdbLength);
    EXPECT_EQ(std::vector<std::uint8_t>(request.cdb.begin(), request.cdb.begin() + c.cdbLength),
              call.cdb);
    EXPECT_EQ(call.mxSbLen, 96u);
    EXPECT_EQ(call.timeoutMs, 30000u);
    EXPECT_EQ(call.dxferLen, c.length);
    if (c.direction == SG_DXFER_TO_DEV) {
        EXPECT_EQ(call.dataOut, sent);
    }
    for (std::size_t i = 0; i < buffer.size(); ++i) {
        bool filled = c.direction == SG_DXFER_FROM_DEV && i < c.length;
        ASSERT_EQ(buffer[i], filled ? kFill : static_cast<std::uint8_t>(i)) << "byte " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Requests, SgHeader,
                         testing::Values(HeaderCase{"DataIn", 16, 1, 64, SG_DXFER_FROM_DEV},
                                         HeaderCase{"DataOut", 16, 0, 2048, SG_DXFER_TO_DEV},
                                         HeaderCase{"NoDataAskedAsIn", 16, 1, 0, SG_DXFER_NONE},
                                         HeaderCase{"ShortCdbNoData", 11, 1, 0, SG_DXFER_NONE}),
                         [](const testing::TestParamInfo<HeaderCase>& info) {
                             return info.param.name;
                         });

// A refused vendor command comes back as it does through usb-storage: the ioctl succeeds with
// CHECK CONDITION and fixed sense data. The request completed; the status and the sense data
// reach the caller.
TEST_F(SgTransport, CheckConditionCompletesWithStatusAndSense) {
    responder.setHandler([](platform::PassThroughRequest& request) {
        request.scsiStatus = platform::kScsiStatusCheckCondition;
        request.sense[0] = 0x70;
        request.sense[2] = 0x05;
        request.sense[7] = 0x0A;
        request.sense[12] = 0x20;
        return SgAnswer{};
    });
    platform::DeviceHandle handle = openProduct();
    std::uint8_t reply[64] = {};
    platform::PassThroughRequest request;
    request.cdb = {0xFF, 0x62};
    request.cdbLength = 16;
    request.dataIn = 1;
    request.dataBuffer = reply;
    request.dataTransferLength = sizeof reply;

    EXPECT_TRUE(handle.passThrough(request));
    EXPECT_EQ(request.scsiStatus, platform::kScsiStatusCheckCondition);
    EXPECT_EQ(request.sense[0], 0x70);
    EXPECT_EQ(request.sense[2], 0x05);
    EXPECT_EQ(request.sense[12], 0x20);
    EXPECT_EQ(request.bytesTransferred, 0u);
}

struct OutcomeCase {
    const char* name;
    // Answers the n-th request (from 0).
    std::function<SgAnswer(platform::PassThroughRequest&, int)> answer;
    bool succeeds;
    std::vector<std::string> lines;
    std::size_t requests;
};

void PrintTo(const OutcomeCase& c, std::ostream* os) {
    *os << c.name;
}

class SgOutcome : public SgTransport, public testing::WithParamInterface<OutcomeCase> {};

// What the tool makes of each way a request can end, through its own transport.
TEST_P(SgOutcome, ReachesTheTool) {
    const OutcomeCase& c = GetParam();
    std::atomic<int> n{0};
    responder.setHandler([&](platform::PassThroughRequest& request) {
        int index = n++;
        request.bytesTransferred = request.dataTransferLength;
        return c.answer(request, index);
    });
    CQuillPCISPDlg& dlg = harness.start();
    std::size_t before = harness.logLines().size();
    platform::DeviceHandle handle = openProduct();
    std::uint8_t cdb[16] = {0xFF, 0x62, 0x23};
    std::uint8_t reply[64] = {};

    EXPECT_EQ(SendSCSICommand(dlg, handle, cdb, 16, reply, sizeof reply, SCSI_IOCTL_DATA_IN),
              c.succeeds);
    auto lines = harness.logLines();
    EXPECT_EQ(std::vector<std::string>(lines.begin() + static_cast<long>(before), lines.end()),
              c.lines);
    EXPECT_EQ(responder.calls().size(), c.requests);
}

const std::string kFail0 = "SendSCSICommand FAIL : >0x0<";
const std::string kFail2 = "SendSCSICommand FAIL : >0x2<";

INSTANTIATE_TEST_SUITE_P(
    Outcomes, SgOutcome,
    testing::Values(OutcomeCase{"Good", [](auto&, int) { return SgAnswer{}; }, true, {}, 1},
                    OutcomeCase{"RecoveredErrorSenseWithGoodStatus",
                                [](platform::PassThroughRequest& r, int) {
                                    r.sense[0] = 0x70;
                                    r.sense[2] = 0x01;
                                    return SgAnswer{};
                                },
                                true,
                                {},
                                1},
                    OutcomeCase{"CheckCondition",
                                [](platform::PassThroughRequest& r, int) {
                                    r.scsiStatus = platform::kScsiStatusCheckCondition;
                                    r.bytesTransferred = 0;
                                    r.sense[0] = 0x70;
                                    r.sense[2] = 0x05;
                                    r.sense[12] = 0x20;
                                    return SgAnswer{};
                                },
                                false,
                                {kFail2, kFail2, kFail2},
                                3},
                    OutcomeCase{"HostAdapterError",
                                [](auto&, int) {
                                    SgAnswer a;
                                    a.hostStatus = 0x07;  // DID_ERROR
                                    return a;
                                },
                                false,
                                {kFail0, kFail0, kFail0},
                                3},
                    OutcomeCase{"DriverTimeout",
                                [](auto&, int) {
                                    SgAnswer a;
                                    a.driverStatus = 0x06;  // DRIVER_TIMEOUT
                                    return a;
                                },
                                false,
                                {kFail0, kFail0, kFail0},
                                3},
                    OutcomeCase{"ShortRead",
                                [](platform::PassThroughRequest& r, int) {
                                    r.bytesTransferred = r.dataTransferLength - 4;
                                    return SgAnswer{};
                                },
                                false,
                                {kFail0, kFail0, kFail0},
                                3},
                    OutcomeCase{"DeviceGoneDuringTransfer",
                                [](auto&, int) {
                                    SgAnswer a;
                                    a.error = ENODEV;
                                    return a;
                                },
                                false,
                                {kFail0, kFail0, kFail0},
                                3},
                    OutcomeCase{"InterruptedCallIsRetriedWithinTheAttempt",
                                [](auto&, int n) {
                                    SgAnswer a;
                                    if (n == 0) a.error = EINTR;
                                    return a;
                                },
                                true,
                                {},
                                2}),
    [](const testing::TestParamInfo<OutcomeCase>& info) { return info.param.name; });

}  // namespace
}  // namespace linux_testing
