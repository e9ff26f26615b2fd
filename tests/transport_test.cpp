#include <gtest/gtest.h>

#include "device/send_scsi_command.h"
#include "support/product_fixture.h"

namespace {

using testing_support::ProductFixture;

TEST(Transport, CarriesSixteenAndElevenByteCdbsAsGiven) {
    ProductFixture bench("application-old");
    bench.startQuiet();
    auto device = bench.openProduct();
    auto select = BuildCdb(ISP_CMD_SELECT_AES_KEY, Tail::Sequence, 0x23);
    EXPECT_TRUE(SendSCSICommand(bench.dlg(), device, select.data(), 16,
                                bench.dlg().g_ReplyBuffer.data(), 0, 1));
    std::array<std::uint8_t, 16> execute{0xFF, 0xA0, 0x02, 0,    0,    0,    0,    0,
                                         0,    0,    0,    0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_TRUE(SendSCSICommand(bench.dlg(), device, execute.data(), 11, nullptr, 0, 1));

    const auto& trace = bench.product->trace().entries();
    ASSERT_EQ(trace.size(), 2u);
    EXPECT_EQ(trace[0].cdbLength, 16);
    EXPECT_EQ(trace[0].cdb, select);
    EXPECT_EQ(trace[1].cdbLength, 11);
    EXPECT_EQ(sim::formatTraceLine(trace[1]), "cdb: FF A0 02 00 00 00 00 00 00 00 00 dir=in len=0");
    EXPECT_TRUE(bench.newLogLines().empty());
}

TEST(Transport, ZeroLengthDataInLeavesTheReplyBufferAlone) {
    ProductFixture bench("application-old");
    bench.startQuiet();
    auto device = bench.openProduct();
    auto& buffer = bench.dlg().g_ReplyBuffer;
    for (std::size_t i = 0; i < buffer.size(); ++i) buffer[i] = static_cast<std::uint8_t>(i * 7);
    auto before = buffer;
    auto cdb = BuildCdb(ISP_CMD_SELECT_AES_KEY, Tail::Zero, 0x23);
    EXPECT_TRUE(SendSCSICommand(bench.dlg(), device, cdb.data(), 16, buffer.data(), 0, 1));
    EXPECT_EQ(buffer, before);
}

TEST(Transport, RetriesAndReportsEachFailedAttempt) {
    struct Case {
        const char* what;
        const IspCommand* command;
        sim::FaultKind kind;
        std::optional<unsigned> count;
        bool result;
        std::vector<std::string> lines;
    };
    const std::string fail0 = "SendSCSICommand FAIL : >0x0<";
    const std::string fail2 = "SendSCSICommand FAIL : >0x2<";
    const Case cases[] = {
        {"two transport failures",
         &ISP_CMD_SELECT_AES_KEY,
         sim::FaultKind::Transport,
         2,
         true,
         {fail0, fail0}},
        {"three transport failures",
         &ISP_CMD_SELECT_AES_KEY,
         sim::FaultKind::Transport,
         3,
         false,
         {fail0, fail0, fail0}},
        {"time-outs",
         &ISP_CMD_SELECT_AES_KEY,
         sim::FaultKind::Timeout,
         std::nullopt,
         false,
         {fail0, fail0, fail0}},
        {"check condition",
         &ISP_CMD_SELECT_AES_KEY,
         sim::FaultKind::CheckCondition,
         std::nullopt,
         false,
         {fail2, fail2, fail2}},
        {"one check condition",
         &ISP_CMD_READ_FW_INFO,
         sim::FaultKind::CheckCondition,
         1,
         true,
         {fail2}},
        {"short data-in",
         &ISP_CMD_READ_FW_INFO,
         sim::FaultKind::Short,
         std::nullopt,
         false,
         {fail0, fail0, fail0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProductFixture bench("application-old");
        bench.startQuiet();
        bench.product->faults().add({std::string(c.command->name), c.kind, c.count});
        auto device = bench.openProduct();
        auto cdb = BuildCdb(*c.command, Tail::Zero, 0x23);
        bool ok = SendSCSICommand(bench.dlg(), device, cdb.data(), 16,
                                  bench.dlg().g_ReplyBuffer.data(), c.command->transferLength, 1);
        EXPECT_EQ(ok, c.result);
        EXPECT_EQ(bench.newLogLines(), c.lines);
        EXPECT_EQ(bench.product->trace().entries().size(), c.lines.size() + (c.result ? 1 : 0));
    }
}

TEST(Transport, DeviceRejectionFailsWithItsStatus) {
    // The antique firmware has no key slots: a real CHECK CONDITION, not an injected one.
    ProductFixture bench("application-antique");
    bench.startQuiet();
    auto device = bench.openProduct();
    auto cdb = BuildCdb(ISP_CMD_SELECT_AES_KEY, Tail::Zero, 0x23);
    EXPECT_FALSE(SendSCSICommand(bench.dlg(), device, cdb.data(), 16,
                                 bench.dlg().g_ReplyBuffer.data(), 0, 1));
    EXPECT_EQ(bench.newLogLines(), std::vector<std::string>(3, "SendSCSICommand FAIL : >0x2<"));
}

}  // namespace
