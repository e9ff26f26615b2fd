#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tools/block_cipher.h"
#include "tools/demo_set.h"
#include "tools/firmware_layout.h"
#include "tools/image_builder.h"
#include "tools/key_slots.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class TempDir {
  public:
    TempDir() {
        char name[] = "/tmp/quill-images-XXXXXX";
        path_ = mkdtemp(name) ? fs::path(name) : fs::path();
    }
    ~TempDir() {
        std::error_code ec;
        if (!path_.empty()) fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

TEST(ImageBuilder, BuildsAreByteIdenticalAndMatchTheCommittedSet) {
    TempDir first, second;
    ASSERT_FALSE(first.path().empty());
    ASSERT_FALSE(second.path().empty());
    std::string error;
    ASSERT_TRUE(sim::writeDemoSet(first.path(), error)) << error;
    ASSERT_TRUE(sim::writeDemoSet(second.path(), error)) << error;

    const fs::path committed = fs::path(QUILL_SOURCE_DIR) / "res" / "firmware";
    std::size_t files = 0;
    for (const auto& file : sim::buildDemoSet()) {
        SCOPED_TRACE(std::string(file.fileName));
        auto a = readFile(first.path() / file.fileName);
        ASSERT_FALSE(a.empty());
        EXPECT_EQ(a, readFile(second.path() / file.fileName));
        EXPECT_EQ(a, readFile(committed / file.fileName));
        ++files;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(committed), fs::directory_iterator()),
              static_cast<std::ptrdiff_t>(files));
}

TEST(ImageBuilder, MainImageCarriesItsRecordAndIntegrityUnderTheMainKey) {
    sim::Firmware firmware{{1, 2, 3, 4}, {99, 7, 0, 1}, "SOME_OTHER_NAME_123", {}};
    auto image = sim::buildMainImage(firmware);
    ASSERT_EQ(image.size(), sim::kMainImageFileSize);

    auto body = std::span<const std::uint8_t>(image).subspan(sim::kLeadInSize);
    auto plain = sim::decipher(*sim::keyOfSlot(sim::kSlotMainImage), body);
    ASSERT_TRUE(plain);
    EXPECT_EQ(*plain, sim::plainMainBody(firmware));
    EXPECT_TRUE(sim::mainBodyIntact(*plain));
    EXPECT_EQ(sim::recordOf(*plain), sim::identityRecord(firmware));
    EXPECT_EQ(sim::recordOf(*plain)[11], 99);

    // The same bytes under another slot's key are garbage to the integrity check.
    auto wrong = sim::decipher(*sim::keyOfSlot(sim::kSlotInfoPage), body);
    ASSERT_TRUE(wrong);
    EXPECT_FALSE(sim::mainBodyIntact(*wrong));
}

TEST(ImageBuilder, IntegrityCheckCatchesOneFlippedBitAndErasedAreas) {
    auto body = sim::plainMainBody(sim::demoFirmware(sim::FlashMemory::EF64, 1));
    auto page = sim::plainInfoPage(sim::FlashMemory::EF32_0);
    ASSERT_TRUE(sim::mainBodyIntact(body));
    ASSERT_TRUE(sim::infoPageIntact(page));
    for (std::size_t at : {std::size_t{0}, std::size_t{40000}, sim::kMainBodySize - 1}) {
        auto damaged = body;
        damaged[at] ^= 0x04;
        EXPECT_FALSE(sim::mainBodyIntact(damaged)) << at;
    }
    page[3] ^= 0x80;
    EXPECT_FALSE(sim::infoPageIntact(page));
    EXPECT_FALSE(sim::mainBodyIntact(std::vector<std::uint8_t>(sim::kMainBodySize, 0xFF)));
    EXPECT_FALSE(sim::infoPageIntact(std::vector<std::uint8_t>(sim::kInfoPageSize, 0xFF)));
}

TEST(ImageBuilder, DemoSetNamesAndVersions) {
    for (int set = 1; set <= sim::kDemoSetCount; ++set) {
        SCOPED_TRACE(set);
        auto ef64 = sim::demoFirmware(sim::FlashMemory::EF64, set);
        auto ef32 = sim::demoFirmware(sim::FlashMemory::EF32_0, set);
        EXPECT_EQ(ef64.version, (std::array<std::uint8_t, 4>{100, 2, 0, 0}));
        EXPECT_EQ(ef32.version, (std::array<std::uint8_t, 4>{1, 2, 0, 0}));
        EXPECT_EQ(ef32.tag, (std::array<std::uint8_t, 4>{7, 8, 9, 10}));
        std::string group = set == 1 ? "" : "_00" + std::to_string(set - 1);
        EXPECT_EQ(ef64.name, "QPL_F_TR52_64_APP" + group);
        EXPECT_EQ(ef32.name, "QPL_F_TR52_64_OTA" + group);
        EXPECT_LE(ef64.name.size(), sim::kRecordNameLength);
    }
}

}  // namespace
