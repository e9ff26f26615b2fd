#include <gtest/gtest.h>

#include "sim/request_trace.h"
#include "sim/scenario.h"
#include "support/product_bench.h"
#include "tools/demo_set.h"
#include "tools/image_builder.h"

namespace {

using testing_support::ProductBench;

enum class Held { Erased, Firmware, ProtectedLoader, AntiqueFirmware };

void hold(sim::EFlash& memory, sim::FlashMemory kind, Held what) {
    auto page = sim::plainInfoPage(kind);
    switch (what) {
        case Held::Erased:
            return;
        case Held::Firmware:
            return sim::installFirmware(memory, sim::plainMainBody(sim::demoFirmware(kind, 1)),
                                        page);
        case Held::ProtectedLoader:
            return sim::installFirmware(memory, sim::plainProtectedLoaderBody(), page);
        case Held::AntiqueFirmware: {
            auto firmware = sim::demoFirmware(kind, 1);
            firmware.level = sim::CommandLevel::Antique;
            return sim::installFirmware(memory, sim::plainMainBody(firmware), page);
        }
    }
}

TEST(ProductRestart, JumpsLandWhereTheMemoriesSay) {
    using L = sim::CodeLocation;
    struct Case {
        Held ef64, ef32;
        L start;
        const IspCommand* jump;
        L after;
    };
    const Case cases[] = {
        {Held::Erased, Held::Erased, L::MaskCode, &ISP_CMD_JUMP_EF64, L::MaskCode},
        {Held::Erased, Held::Erased, L::MaskCode, &ISP_CMD_JUMP_EF32, L::MaskCode},
        {Held::Erased, Held::Firmware, L::OtaCode, &ISP_CMD_JUMP_EF64, L::OtaCode},
        {Held::Erased, Held::ProtectedLoader, L::ProtectCode, &ISP_CMD_JUMP_EF64, L::ProtectCode},
        {Held::Firmware, Held::Firmware, L::ApplicationCode, &ISP_CMD_JUMP_EF32, L::OtaCode},
        {Held::Firmware, Held::Firmware, L::ApplicationCode, &ISP_CMD_EXECUTE, L::OtaCode},
        {Held::AntiqueFirmware, Held::Firmware, L::ApplicationCode, &ISP_CMD_EXECUTE, L::OtaCode},
        {Held::Firmware, Held::Erased, L::ApplicationCode, &ISP_CMD_EXECUTE, L::ApplicationCode},
        {Held::Firmware, Held::ProtectedLoader, L::ApplicationCode, &ISP_CMD_JUMP_EF32,
         L::ApplicationCode},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.jump->name << " from " << sim::codeLocationName(c.start));
        ProductBench bench;
        hold(bench.product->ef64(), sim::FlashMemory::EF64, c.ef64);
        hold(bench.product->ef32_0(), sim::FlashMemory::EF32_0, c.ef32);
        bench.product->plugIn();
        ASSERT_EQ(bench.product->location(), c.start);
        ASSERT_TRUE(bench.good(*c.jump));
        EXPECT_FALSE(bench.product->onBus());
        bench.clock.advance(bench.product->options().restartDelayMs);
        EXPECT_TRUE(bench.product->onBus());
        EXPECT_EQ(bench.product->location(), c.after);
    }
}

TEST(ProductRestart, EF64JumpFromTheBootRomStartsTheNewApplication) {
    ProductBench bench({.restartDelayMs = 500});
    hold(bench.product->ef32_0(), sim::FlashMemory::EF32_0, Held::Firmware);
    bench.product->plugIn();
    ASSERT_EQ(bench.product->location(), sim::CodeLocation::OtaCode);
    hold(bench.product->ef64(), sim::FlashMemory::EF64, Held::Firmware);
    ASSERT_TRUE(bench.good(ISP_CMD_JUMP_EF64));
    bench.clock.advance(499);
    EXPECT_FALSE(bench.parentId());
    bench.clock.advance(1);
    EXPECT_EQ(bench.parentId(), "USB\\VID_6E39&PID_7C15\\QP2612000001");
}

TEST(ProductRestart, UnplugCancelsAPendingComeback) {
    ProductBench bench;
    bench.product->plugIn();
    ASSERT_TRUE(bench.good(ISP_CMD_JUMP_EF64));
    bench.product->unplug();
    bench.clock.advance(10000);
    EXPECT_FALSE(bench.product->onBus());
    bench.product->plugIn();
    EXPECT_EQ(bench.parentId(), "USB\\VID_4D7B&PID_1B40\\QP2612000001");
}

struct Acceptance {
    const char* setup;
    const IspCommand* command;
    std::uint8_t argument;
    bool accepted;
};

void prepare(ProductBench& bench, std::string_view setup) {
    if (setup == "antique") {
        hold(bench.product->ef64(), sim::FlashMemory::EF64, Held::AntiqueFirmware);
        hold(bench.product->ef32_0(), sim::FlashMemory::EF32_0, Held::Firmware);
    } else if (setup == "application") {
        hold(bench.product->ef64(), sim::FlashMemory::EF64, Held::Firmware);
    } else if (setup == "ota") {
        hold(bench.product->ef32_0(), sim::FlashMemory::EF32_0, Held::Firmware);
    } else if (setup == "protect") {
        hold(bench.product->ef32_0(), sim::FlashMemory::EF32_0, Held::ProtectedLoader);
    }
    bench.product->plugIn();
}

TEST(ProductCommands, EachLocationAnswersItsOwnCommands) {
    const Acceptance cases[] = {
        {"mask0210", &ISP_CMD_MASK_QUERY, 0, true},
        {"mask0210", &ISP_CMD_SELECT_AES_KEY, 0x00, true},
        {"mask0110", &ISP_CMD_SELECT_AES_KEY, 0x00, false},
        {"mask0110", &ISP_CMD_SELECT_AES_KEY, 0x23, true},
        {"mask0210", &ISP_CMD_SELECT_AES_KEY, 0x24, false},
        {"mask0210", &ISP_CMD_READ_FW_INFO, 0, false},
        {"mask0210", &ISP_CMD_EXECUTE, 0, false},
        {"mask0210", &ISP_CMD_ERASE_EF64_MAIN, 0, true},
        {"protect", &ISP_CMD_SELECT_AES_KEY, 0x1C, true},
        {"protect", &ISP_CMD_ERASE_EF64_INFO, 0, true},
        {"protect", &ISP_CMD_MASK_QUERY, 0, false},
        {"protect", &ISP_CMD_CHECKSUM_EF32_0_MAIN, 0, false},
        {"application", &ISP_CMD_READ_FW_INFO, 0, true},
        {"application", &ISP_CMD_READ_EF32_0_INFO, 0, true},
        {"application", &ISP_CMD_ERASE_EF64_MAIN, 0, false},
        {"application", &ISP_CMD_MASK_QUERY, 0, false},
        {"antique", &ISP_CMD_SELECT_AES_KEY, 0x23, false},
        {"antique", &ISP_CMD_READ_FW_INFO, 0, false},
        {"antique", &ISP_CMD_READ_EF32_0_INFO, 0, false},
        {"antique", &ISP_CMD_READ_IMAGE_INFO, 0, false},
        {"ota", &ISP_CMD_READ_FW_INFO, 0, true},
        {"ota", &ISP_CMD_READ_EF32_0_INFO, 0, false},
        {"ota", &ISP_CMD_ERASE_EF64_MAIN, 0, true},
        {"ota", &ISP_CMD_CHECKSUM_EF32_0_MAIN, 0, false},
    };
    for (const Acceptance& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.setup << " " << c.command->name);
        ProductBench bench({.maskVariant = std::string_view(c.setup) == "mask0110"
                                               ? sim::MaskVariant::V0110
                                               : sim::MaskVariant::V0210});
        prepare(bench, c.setup);
        auto result = bench.send(*c.command, c.argument);
        ASSERT_TRUE(result.completed);
        EXPECT_EQ(result.request.scsiStatus, c.accepted ? 0 : 2);
        if (!c.accepted) {
            EXPECT_EQ(result.request.sense[0], 0x70);
        }
    }
}

TEST(ProductCommands, UnknownOrMisplacedCommandGivesInvalidOpcodeSense) {
    ProductBench bench;
    prepare(bench, "protect");
    // 0x5B programs the information page only in the boot ROM and OTA dialect.
    std::vector<std::uint8_t> page(kInfoPageLength);
    auto result = bench.send(ISP_CMD_PROGRAM_EF64_INFO_MASK_OTA, 0, page);
    ASSERT_TRUE(result.completed);
    EXPECT_EQ(result.request.scsiStatus, 2);
    EXPECT_EQ(result.request.sense[0], 0x70);
    EXPECT_EQ(result.request.sense[2], 0x05);
    EXPECT_EQ(result.request.sense[12], 0x20);
    EXPECT_EQ(result.request.sense[13], 0x00);
}

TEST(ProductFaults, EachKindBehavesAsNamed) {
    struct Case {
        sim::FaultKind kind;
        bool completed;
        std::uint8_t status;
        std::uint32_t moved;
        bool replyIntact;
        bool stillOnBus;
    };
    const Case cases[] = {
        {sim::FaultKind::Transport, false, 0, 0, false, true},
        {sim::FaultKind::Timeout, false, 0, 0, false, true},
        {sim::FaultKind::CheckCondition, true, 2, 0, false, true},
        {sim::FaultKind::Unplug, false, 0, 0, false, false},
        {sim::FaultKind::Short, true, 0, 32, true, true},
        {sim::FaultKind::Corrupt, true, 0, 64, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(sim::faultKindName(c.kind));
        ProductBench bench;
        prepare(bench, "ota");
        bench.product->faults().add({"READ_FW_INFO", c.kind, 1});
        auto faulty = bench.send(ISP_CMD_READ_FW_INFO);
        EXPECT_EQ(faulty.completed, c.completed);
        if (c.completed) {
            EXPECT_EQ(faulty.request.scsiStatus, c.status);
            EXPECT_EQ(faulty.request.bytesTransferred, c.moved);
        }
        auto record = bench.product->ef32_0().record();
        std::vector<std::uint8_t> expected(record.begin(), record.begin() + c.moved);
        if (c.moved != 0) {
            EXPECT_EQ(faulty.dataIn == expected, c.replyIntact);
        }
        bench.clock.advance(10000);
        EXPECT_EQ(bench.product->onBus(), c.stillOnBus);
        if (!c.stillOnBus) bench.product->plugIn();
        // Used up: the next request is answered normally.
        auto next = bench.send(ISP_CMD_READ_FW_INFO);
        EXPECT_EQ(next.dataIn, std::vector<std::uint8_t>(record.begin(), record.end()));
    }
}

TEST(ProductFaults, CountsAndStandingFaults) {
    ProductBench bench;
    prepare(bench, "ota");
    bench.product->faults().add({"SELECT_AES_KEY", sim::FaultKind::CheckCondition, 2});
    bench.product->faults().add({"ERASE_EF64_MAIN", sim::FaultKind::Transport, std::nullopt});
    EXPECT_FALSE(bench.good(ISP_CMD_SELECT_AES_KEY, 0x23));
    EXPECT_FALSE(bench.good(ISP_CMD_SELECT_AES_KEY, 0x23));
    EXPECT_TRUE(bench.good(ISP_CMD_SELECT_AES_KEY, 0x23));
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(bench.good(ISP_CMD_ERASE_EF64_MAIN));
    // The 0x5A opcode is named by the location's dialect.
    bench.product->faults().add({"PROGRAM_EF64_MAIN", sim::FaultKind::Transport, 1});
    std::vector<std::uint8_t> body(kMainBodyLength);
    EXPECT_FALSE(bench.send(ISP_CMD_PROGRAM_EF64_MAIN_MASK_OTA, 0, body).completed);
}

TEST(Faults, ParseTheCommandLineForm) {
    std::string error;
    auto standing = sim::parseFault("CHECKSUM_EF64_MAIN:check-condition", error);
    ASSERT_TRUE(standing);
    EXPECT_EQ(standing->command, "CHECKSUM_EF64_MAIN");
    EXPECT_EQ(standing->kind, sim::FaultKind::CheckCondition);
    EXPECT_FALSE(standing->count);
    auto counted = sim::parseFault("SELECT_AES_KEY:unplug:3", error);
    ASSERT_TRUE(counted);
    EXPECT_EQ(counted->kind, sim::FaultKind::Unplug);
    EXPECT_EQ(counted->count, 3u);

    const struct {
        const char* text;
        const char* mentions;
    } bad[] = {
        {"SELECT_AES_KEY", "CMD:KIND"},
        {"ISP_CMD_SELECT_AES_KEY:transport", "unknown command"},
        {"select_aes_key:transport", "unknown command"},
        {"SELECT_AES_KEY:explode", "unknown kind"},
        {"SELECT_AES_KEY:transport:0", "count"},
        {"SELECT_AES_KEY:transport:two", "count"},
        {"SELECT_AES_KEY:transport:2:1", "count"},
    };
    for (const auto& b : bad) {
        error.clear();
        EXPECT_FALSE(sim::parseFault(b.text, error)) << b.text;
        EXPECT_NE(error.find(b.mentions), std::string::npos) << error;
    }
}

TEST(RequestTrace, RecordsEveryRequestAndFormatsItsLine) {
    ProductBench bench;
    prepare(bench, "application");
    std::vector<std::string> lines;
    bench.product->trace().setListener(
        [&](const sim::TraceEntry& entry) { lines.push_back(sim::formatTraceLine(entry)); });
    bench.send(ISP_CMD_SELECT_AES_KEY, 0x23);
    bench.send(ISP_CMD_EXECUTE);
    bench.clock.advance(bench.product->options().restartDelayMs);
    bench.product->faults().add({"MASK_QUERY", sim::FaultKind::Transport, std::nullopt});
    bench.send(ISP_CMD_MASK_QUERY);

    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "cdb: FF 62 23 00 00 00 00 00 00 00 00 00 00 00 00 00 dir=in len=0");
    EXPECT_EQ(lines[1], "cdb: FF A0 02 00 00 00 00 00 00 00 00 dir=in len=0");
    EXPECT_EQ(lines[2], "cdb: FF 44 00 00 00 00 00 00 00 00 00 00 00 00 00 00 dir=in len=128");
    EXPECT_EQ(bench.product->trace().entries().size(), 3u);
}

}  // namespace
