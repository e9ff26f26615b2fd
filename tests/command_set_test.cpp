#include <gtest/gtest.h>

#include <sstream>

#include "device/send_isp_command.h"
#include "res/resource.h"
#include "sim/request_trace.h"
#include "support/product_fixture.h"
#include "tools/demo_set.h"

namespace {

using testing_support::ProductFixture;

std::string hex(const sim::TraceEntry& entry) {
    std::string line = sim::formatTraceLine(entry);
    return line.substr(5, line.find(" dir=") - 5);
}

TEST(CommandSet, EveryCommandReachesTheProductByteForByte) {
    struct Case {
        const IspCommand* command;
        Tail tail;
        std::uint8_t argument;
        const char* cdb;
        std::uint8_t dataIn;
        std::uint32_t length;
    };
    // clang-format off
    const Case cases[] = {
        {&ISP_CMD_MASK_QUERY,          Tail::Zero, 0,    "FF 44 00 00 00 00 00 00 00 00 00 00 00 00 00 00", 1, 128},
        {&ISP_CMD_SELECT_AES_KEY,      Tail::Zero, 0x23, "FF 62 23 00 00 00 00 00 00 00 00 00 00 00 00 00", 1, 0},
        {&ISP_CMD_SELECT_AES_KEY,      Tail::Sequence, 0x1C, "FF 62 1C 00 00 00 00 01 02 03 04 05 06 07 08 09", 1, 0},
        {&ISP_CMD_EXECUTE,             Tail::Zero, 0,    "FF A0 02 00 00 00 00 00 00 00 00", 1, 0},
        {&ISP_CMD_READ_FW_INFO,        Tail::Zero, 0,    "FF A0 04 00 00 00 00 00 00 00 00 00 00 00 00 00", 1, 64},
        {&ISP_CMD_READ_EF32_0_INFO,    Tail::Zero, 0,    "FF A0 05 00 00 00 00 00 00 00 00 00 00 00 00 00", 1, 64},
        {&ISP_CMD_SEND_IMAGE_HEAD,     Tail::Zero, 0,    "FF A0 06 00 00 00 00 00 00 00 00 00 00 00 00 00", 0, 2048},
        {&ISP_CMD_READ_IMAGE_INFO,     Tail::Zero, 0,    "FF A0 07 00 00 00 00 00 00 00 00 00 00 00 00 00", 1, 64},
        {&ISP_CMD_ERASE_EF64_MAIN,     Tail::Zero, 0,    "FF 52 00 00 00 00 00 00 00 00 00 00 00 00 00 00", 1, 0},
        {&ISP_CMD_ERASE_EF64_INFO,     Tail::Zero, 0,    "FF 53 00 00 00 00 00 00 00 00 00 00 00 00 00 00", 1, 0},
        {&ISP_CMD_CHECKSUM_EF64_MAIN,  Tail::Zero, 0,    "FF 58 00 00 00 00 00 00 00 00 00 00 00 00 00 00", 1, 0},
        {&ISP_CMD_CHECKSUM_EF64_MAIN,  Tail::Sequence, 0, "FF 58 00 00 00 00 00 01 02 03 04 05 06 07 08 09", 1, 0},
        {&ISP_CMD_CHECKSUM_EF64_INFO,  Tail::Sequence, 0, "FF 59 00 00 00 00 00 01 02 03 04 05 06 07 08 09", 1, 0},
        {&ISP_CMD_JUMP_EF64,           Tail::Zero, 0,    "FF 56 00 00 00 00 00 00 00 00 00 00 00 00 00 00", 0, 0},
        {&ISP_CMD_PROGRAM_EF32_0_MAIN, Tail::Sequence, 0, "FF 29 00 00 00 00 00 01 02 03 04 05 06 07 08 09", 0, 65536},
        {&ISP_CMD_CHECKSUM_EF32_0_MAIN, Tail::Sequence, 0, "FF 24 00 00 00 00 00 01 02 03 04 05 06 07 08 09", 0, 0},
        {&ISP_CMD_PROGRAM_EF32_INFO,   Tail::Sequence, 1, "FF 2A 01 00 00 00 00 01 02 03 04 05 06 07 08 09", 0, 128},
        {&ISP_CMD_CHECKSUM_EF32_INFO,  Tail::Sequence, 1, "FF 25 01 00 00 00 00 01 02 03 04 05 06 07 08 09", 0, 0},
        {&ISP_CMD_JUMP_EF32,           Tail::Sequence, 0, "FF 27 01 00 00 00 00 01 02 03 04 05 06 07 08 09", 0, 0},
        {&ISP_CMD_PROGRAM_EF64_MAIN_PROTECT, Tail::Sequence, 0, "FF 50 00 00 00 00 00 01 02 03 04 05 06 07 08 09", 0, 65536},
        {&ISP_CMD_PROGRAM_EF64_INFO_PROTECT, Tail::Sequence, 0, "FF 5A 00 00 00 00 00 01 02 03 04 05 06 07 08 09", 0, 128},
        {&ISP_CMD_PROGRAM_EF64_MAIN_MASK_OTA, Tail::Zero, 0, "FF 5A 00 00 00 00 00 00 00 00 00 00 00 00 00 00", 0, 65536},
        {&ISP_CMD_PROGRAM_EF64_INFO_MASK_OTA, Tail::Zero, 0, "FF 5B 00 00 00 00 00 00 00 00 00 00 00 00 00 00", 0, 128},
    };
    // clang-format on
    ProductFixture bench("mask0210");
    bench.startQuiet();
    auto& dlg = bench.dlg();
    std::size_t covered = 0;
    for (const IspCommand& command : AllIspCommands()) {
        bool listed = false;
        for (const Case& c : cases)
            listed |= c.command->name == command.name && c.command->opcode == command.opcode;
        EXPECT_TRUE(listed) << command.name;
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cdb);
        const std::uint8_t* image = nullptr;
        if (c.command->data == DataSource::InfoImagePage) image = dlg.g_pEF32_0_Info;
        if (c.command->data == DataSource::MainImageHead ||
            c.command->data == DataSource::MainImageBody)
            image = dlg.g_pEF64_Main_1;
        ASSERT_TRUE(image != nullptr || c.length == 0 || c.dataIn);
        std::size_t before = bench.product->trace().entries().size();
        auto device = bench.openProduct();
        SendIspCommand(dlg, device, *c.command, c.tail, c.argument, image);
        const auto& trace = bench.product->trace().entries();
        ASSERT_GT(trace.size(), before);
        const sim::TraceEntry& sent = trace[before];
        EXPECT_EQ(hex(sent), c.cdb);
        EXPECT_EQ(sent.dataIn, c.dataIn);
        EXPECT_EQ(sent.transferLength, c.length);
        if (!c.dataIn && c.length != 0) {
            std::size_t offset =
                c.command->data == DataSource::MainImageHead ? 0 : kImageBodyOffset;
            EXPECT_TRUE(std::equal(sent.dataOut.begin(), sent.dataOut.end(), image + offset));
            EXPECT_EQ(sent.dataOut.size(), c.length);
        }
        ++covered;
        // Jumps and EXECUTE restart the product; bring it back where it was.
        device.close();
        if (!bench.product->onBus()) {
            bench.product->unplug();
            bench.product->plugIn();
        }
    }
    EXPECT_EQ(covered, std::size(cases));
}

TEST(CommandSet, BootRomUpdateLeavesTheProductRunningTheWrittenFirmware) {
    ProductFixture bench("mask0210");
    bench.startQuiet();
    auto& dlg = bench.dlg();
    dlg.g_MaskVariant0210 = 1;
    auto device = bench.openProduct();
    ASSERT_TRUE(dlg.Run_Code_at_EF64_ISP_EF32_0_OTA(device, dlg.g_pEF32_0_Main_1));
    ASSERT_TRUE(dlg.Run_Code_at_Mask0210_or_OTA_ISP_EF64(device, dlg.g_pEF64_Main_1));
    device.close();
    auto lines = bench.newLogLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "FAIL."), 0);

    // Both information pages got the same 128 bytes.
    std::vector<std::vector<std::uint8_t>> pages;
    for (const auto& entry : bench.product->trace().entries())
        if (entry.cdb[1] == ISP_CMD_PROGRAM_EF32_INFO.opcode) pages.push_back(entry.dataOut);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0], pages[1]);

    EXPECT_FALSE(bench.product->onBus());
    bench.windows.tick(4);
    ASSERT_TRUE(bench.product->onBus());
    EXPECT_EQ(bench.product->location(), sim::CodeLocation::ApplicationCode);
    EXPECT_EQ(bench.product->ef64().record(),
              sim::identityRecord(sim::demoFirmware(sim::FlashMemory::EF64, 1)));
    EXPECT_EQ(bench.product->ef32_0().record(),
              sim::identityRecord(sim::demoFirmware(sim::FlashMemory::EF32_0, 1)));
    EXPECT_TRUE(bench.product->ef32_0().valid());
}

}  // namespace
