#include <gtest/gtest.h>

#include "assess/ef32_0_record.h"
#include "res/embedded_resources.h"
#include "res/resource.h"
#include "sim/scenario.h"
#include "support/product_bench.h"
#include "tools/demo_set.h"
#include "tools/image_builder.h"

namespace {

using testing_support::ProductBench;
using testing_support::slice;

std::vector<std::uint8_t> embedded(int id) {
    res::EmbeddedResources resources;
    auto data = resources.load(*resources.find(id));
    return {data->data, data->data + data->size};
}

// A product running its Application Code from a current EF64 firmware.
void startInApplication(ProductBench& bench) {
    sim::installFirmware(bench.product->ef64(),
                         sim::plainMainBody(sim::demoFirmware(sim::FlashMemory::EF64, 1)),
                         sim::plainInfoPage(sim::FlashMemory::EF64));
    bench.product->plugIn();
    ASSERT_EQ(bench.product->location(), sim::CodeLocation::ApplicationCode);
}

struct EmbeddedImage {
    int id;
    sim::FlashMemory memory;
    int set;
};

TEST(ProductIdentity, HeadOfEachEmbeddedImageGivesTheBuiltRecord) {
    ProductBench bench;
    startInApplication(bench);
    const EmbeddedImage images[] = {
        {IDR_EF64_MAIN_1, sim::FlashMemory::EF64, 1},
        {IDR_EF64_MAIN_2, sim::FlashMemory::EF64, 2},
        {IDR_EF64_MAIN_3, sim::FlashMemory::EF64, 3},
        {IDR_EF64_MAIN_4, sim::FlashMemory::EF64, 4},
        {IDR_EF64_MAIN_5, sim::FlashMemory::EF64, 5},
        {IDR_EF32_0_MAIN_1, sim::FlashMemory::EF32_0, 1},
        {IDR_EF32_0_MAIN_2, sim::FlashMemory::EF32_0, 2},
        {IDR_EF32_0_MAIN_3, sim::FlashMemory::EF32_0, 3},
        {IDR_EF32_0_MAIN_4, sim::FlashMemory::EF32_0, 4},
        {IDR_EF32_0_MAIN_5, sim::FlashMemory::EF32_0, 5},
    };
    for (const EmbeddedImage& image : images) {
        SCOPED_TRACE(image.id);
        auto bytes = embedded(image.id);
        ASSERT_TRUE(bench.good(ISP_CMD_SELECT_AES_KEY, KEY_SLOT_MAIN));
        ASSERT_TRUE(bench.good(ISP_CMD_SEND_IMAGE_HEAD, 0, slice(bytes, 0, kImageHeadLength)));
        auto reply = bench.send(ISP_CMD_READ_IMAGE_INFO);
        ASSERT_EQ(reply.request.scsiStatus, platform::kScsiStatusGood);
        auto expected = sim::identityRecord(sim::demoFirmware(image.memory, image.set));
        EXPECT_EQ(reply.dataIn, std::vector<std::uint8_t>(expected.begin(), expected.end()));
    }
}

TEST(ProductIdentity, MemoryRecordsAsTheyAreHeld) {
    ProductBench bench;
    startInApplication(bench);
    // Erased EF32_0.
    auto erased = bench.send(ISP_CMD_READ_EF32_0_INFO);
    EXPECT_EQ(erased.dataIn, std::vector<std::uint8_t>(64, 0xFF));

    // The protected loader: the updater's own test recognises its signature.
    sim::installFirmware(bench.product->ef32_0(), sim::plainProtectedLoaderBody(),
                         sim::plainInfoPage(sim::FlashMemory::EF32_0));
    auto loader = bench.send(ISP_CMD_READ_EF32_0_INFO);
    ASSERT_EQ(loader.dataIn.size(), 64u);
    FwIdentity record = FwIdentity::FromBytes(loader.dataIn.data());
    EXPECT_TRUE(HasProtectSignature(record));
    EXPECT_FALSE(IsErasedRecord(record));

    auto running = bench.send(ISP_CMD_READ_FW_INFO);
    auto expected = sim::identityRecord(sim::demoFirmware(sim::FlashMemory::EF64, 1));
    EXPECT_EQ(running.dataIn, std::vector<std::uint8_t>(expected.begin(), expected.end()));
}

TEST(ProductProgramming, ProgramsEF32_0AndComesBackRunningIt) {
    ProductBench bench;
    bench.product->plugIn();
    ASSERT_EQ(bench.product->location(), sim::CodeLocation::MaskCode);
    auto main = embedded(IDR_EF32_0_MAIN_3);
    auto info = embedded(IDR_EF32_0_INFO);

    ASSERT_TRUE(bench.good(ISP_CMD_SELECT_AES_KEY, KEY_SLOT_MAIN));
    ASSERT_TRUE(bench.good(ISP_CMD_PROGRAM_EF32_0_MAIN, 0, slice(main, 0x200, kMainBodyLength)));
    ASSERT_TRUE(bench.good(ISP_CMD_CHECKSUM_EF32_0_MAIN));
    ASSERT_TRUE(bench.good(ISP_CMD_SELECT_AES_KEY, KEY_SLOT_INFO));
    for (std::uint8_t page : {0, 1}) {
        EXPECT_FALSE(bench.good(ISP_CMD_CHECKSUM_EF32_INFO, page)) << "before programming";
        ASSERT_TRUE(
            bench.good(ISP_CMD_PROGRAM_EF32_INFO, page, slice(info, 0x200, kInfoPageLength)));
        ASSERT_TRUE(bench.good(ISP_CMD_CHECKSUM_EF32_INFO, page));
    }
    ASSERT_TRUE(bench.good(ISP_CMD_JUMP_EF32));

    EXPECT_FALSE(bench.parentId());
    bench.clock.advance(2999);
    EXPECT_FALSE(bench.parentId());
    bench.clock.advance(1);
    EXPECT_EQ(bench.parentId(), "USB\\VID_6E39&PID_7C15\\00000000EF32QP01");
    auto record = bench.send(ISP_CMD_READ_FW_INFO);
    auto expected = sim::identityRecord(sim::demoFirmware(sim::FlashMemory::EF32_0, 3));
    EXPECT_EQ(record.dataIn, std::vector<std::uint8_t>(expected.begin(), expected.end()));
}

TEST(ProductProgramming, DamagedDataOrWrongKeyFailsTheDeviceCheck) {
    auto image = embedded(IDR_EF32_0_MAIN_1);
    auto underProbeKey = sim::mainImage(
        sim::plainMainBody(sim::demoFirmware(sim::FlashMemory::EF32_0, 1)), KEY_SLOT_MASK_PROBE);
    struct Case {
        const char* what;
        std::uint8_t slot;
        const std::vector<std::uint8_t>* image;
        bool corruptTransfer;
    };
    const Case cases[] = {
        {"intact", KEY_SLOT_MAIN, &image, false},
        {"corrupted transfer", KEY_SLOT_MAIN, &image, true},
        {"information-page slot selected", KEY_SLOT_INFO, &image, false},
        {"image for another slot", KEY_SLOT_MAIN, &underProbeKey, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProductBench bench;
        bench.product->plugIn();
        if (c.corruptTransfer)
            bench.product->faults().add({"PROGRAM_EF32_0_MAIN", sim::FaultKind::Corrupt, 1});
        ASSERT_TRUE(bench.good(ISP_CMD_SELECT_AES_KEY, c.slot));
        ASSERT_TRUE(
            bench.good(ISP_CMD_PROGRAM_EF32_0_MAIN, 0, slice(*c.image, 0x200, kMainBodyLength)));
        auto check = bench.send(ISP_CMD_CHECKSUM_EF32_0_MAIN);
        ASSERT_TRUE(check.completed);
        bool intact = !c.corruptTransfer && c.slot == KEY_SLOT_MAIN && c.image == &image;
        EXPECT_EQ(check.request.scsiStatus, intact ? 0 : 2);
        if (!intact) {
            EXPECT_EQ(check.request.sense[0], 0x70);
            EXPECT_EQ(check.request.sense[2], 0x0E);
        }
    }
}

TEST(ProductProgramming, EF64ProgrammedWithoutEraseDoesNotCheckOut) {
    ProductBench bench;
    sim::installFirmware(bench.product->ef32_0(),
                         sim::plainMainBody(sim::demoFirmware(sim::FlashMemory::EF32_0, 1)),
                         sim::plainInfoPage(sim::FlashMemory::EF32_0));
    sim::installFirmware(bench.product->ef64(),
                         sim::plainMainBody(sim::Firmware{{1, 2, 3, 4}, {100, 1, 0, 0}, "OLD", {}}),
                         sim::plainInfoPage(sim::FlashMemory::EF64));
    bench.product->ef64().eraseInfoPages();  // EF64 no longer valid: the OTA code runs
    bench.product->plugIn();
    ASSERT_EQ(bench.product->location(), sim::CodeLocation::OtaCode);
    auto image = embedded(IDR_EF64_MAIN_1);

    ASSERT_TRUE(bench.good(ISP_CMD_SELECT_AES_KEY, KEY_SLOT_MAIN));
    ASSERT_TRUE(
        bench.good(ISP_CMD_PROGRAM_EF64_MAIN_MASK_OTA, 0, slice(image, 0x200, kMainBodyLength)));
    EXPECT_FALSE(bench.good(ISP_CMD_CHECKSUM_EF64_MAIN));

    ASSERT_TRUE(bench.good(ISP_CMD_ERASE_EF64_MAIN));
    ASSERT_TRUE(
        bench.good(ISP_CMD_PROGRAM_EF64_MAIN_MASK_OTA, 0, slice(image, 0x200, kMainBodyLength)));
    EXPECT_TRUE(bench.good(ISP_CMD_CHECKSUM_EF64_MAIN));
}

TEST(ProductProgramming, PowerLossKeepsWhatWasWrittenAndBootsWhatTheMemoriesSelect) {
    testing_support::ManualScheduler clock;
    sim::SimulatedDeviceSystem bus;
    std::string error;
    auto product = *sim::makeScenario("ota", bus, clock, error);
    auto image = embedded(IDR_EF64_MAIN_3);
    auto info = embedded(IDR_EF64_INFO);
    auto plain = sim::plainMainBody(sim::demoFirmware(sim::FlashMemory::EF64, 3));

    auto send = [&](const IspCommand& command, std::uint8_t arg,
                    std::span<const std::uint8_t> out) {
        platform::PassThroughRequest r;
        auto cdb = BuildCdb(command, Tail::Zero, arg);
        std::copy(cdb.begin(), cdb.end(), r.cdb.begin());
        r.cdbLength = 16;
        r.dataIn = command.direction;
        std::vector<std::uint8_t> data(out.begin(), out.end());
        r.dataBuffer = data.data();
        r.dataTransferLength = static_cast<std::uint32_t>(data.size());
        auto handle = bus.open("sim:/dev/sg240");
        return handle.passThrough(r) && r.scsiStatus == 0;
    };

    product->faults().add({"PROGRAM_EF64_MAIN", sim::FaultKind::Unplug, 1});
    ASSERT_TRUE(send(ISP_CMD_ERASE_EF64_MAIN, 0, {}));
    ASSERT_TRUE(send(ISP_CMD_ERASE_EF64_INFO, 0, {}));
    ASSERT_TRUE(send(ISP_CMD_SELECT_AES_KEY, KEY_SLOT_MAIN, {}));
    EXPECT_FALSE(send(ISP_CMD_PROGRAM_EF64_MAIN_MASK_OTA, 0, slice(image, 0x200, kMainBodyLength)));
    EXPECT_FALSE(bus.attached("sim:/dev/sg240"));
    clock.advance(60000);
    EXPECT_FALSE(bus.attached("sim:/dev/sg240")) << "a lost product stays away";

    auto memory = product->ef64().main();
    const std::size_t half = kMainBodyLength / 2;
    EXPECT_TRUE(std::equal(plain.begin(), plain.begin() + half, memory.begin()));
    EXPECT_TRUE(std::all_of(memory.begin() + half, memory.end(), [](auto b) { return b == 0xFF; }));

    product->plugIn();
    EXPECT_EQ(product->location(), sim::CodeLocation::OtaCode);

    // Main memory complete, information page not yet written: still not a valid EF64.
    ASSERT_TRUE(send(ISP_CMD_ERASE_EF64_MAIN, 0, {}));
    ASSERT_TRUE(send(ISP_CMD_SELECT_AES_KEY, KEY_SLOT_MAIN, {}));
    ASSERT_TRUE(send(ISP_CMD_PROGRAM_EF64_MAIN_MASK_OTA, 0, slice(image, 0x200, kMainBodyLength)));
    ASSERT_TRUE(send(ISP_CMD_CHECKSUM_EF64_MAIN, 0, {}));
    product->unplug();
    product->plugIn();
    EXPECT_EQ(product->location(), sim::CodeLocation::OtaCode);

    ASSERT_TRUE(send(ISP_CMD_SELECT_AES_KEY, KEY_SLOT_INFO, {}));
    ASSERT_TRUE(send(ISP_CMD_PROGRAM_EF64_INFO_MASK_OTA, 0, slice(info, 0x200, kInfoPageLength)));
    product->unplug();
    product->plugIn();
    EXPECT_EQ(product->location(), sim::CodeLocation::ApplicationCode);
}

}  // namespace
