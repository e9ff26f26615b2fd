#include <gtest/gtest.h>

#include <cstring>

#include "sim/scenario.h"
#include "support/manual_scheduler.h"
#include "tools/firmware_layout.h"

namespace {

std::string nameOf(const sim::IdentityRecord& record) {
    const char* name = reinterpret_cast<const char*>(&record[sim::kRecordNameOffset]);
    return std::string(name, strnlen(name, sim::kRecordNameLength));
}

TEST(Scenarios, EachStartsTheProductInItsState) {
    using L = sim::CodeLocation;
    struct Case {
        std::string_view name;
        L location;
        const char* parentId;
        int ef64Version1;  // -1: erased
        int ef32Version1;  // -1: erased, -2: protected loader
        const char* ef64Name;
    };
    const Case cases[] = {
        {"mask0210", L::MaskCode, "USB\\VID_4D7B&PID_1B40\\QP2612000001", -1, -1, ""},
        {"mask0110", L::MaskCode, "USB\\VID_4D7B&PID_1B40\\QP2612000001", -1, -1, ""},
        {"protect", L::ProtectCode, "USB\\VID_4D7B&PID_1B41\\QP2612000001", -1, -2, ""},
        {"application-old", L::ApplicationCode, "USB\\VID_6E39&PID_7C15\\QP2612000001", 1, 1,
         "QPL_F_TR52_64_APP_001"},
        {"application-current", L::ApplicationCode, "USB\\VID_6E39&PID_7C15\\QP2612000001", 2, 1,
         "QPL_F_TR52_64_APP_001"},
        {"application-new", L::ApplicationCode, "USB\\VID_6E39&PID_7C15\\QP2612000001", 3, 1,
         "QPL_F_TR52_64_APP_001"},
        {"application-antique", L::ApplicationCode, "USB\\VID_6E39&PID_7C15\\QP2612000001", 0, 1,
         "QPL_F_TR52_64_APP_001"},
        {"application-nomatch", L::ApplicationCode, "USB\\VID_6E39&PID_7C15\\QP2612000001", 1, -1,
         "OTHER_PRODUCT_APP_001"},
        {"ota", L::OtaCode, "USB\\VID_6E39&PID_7C15\\00000000EF32QP01", -1, 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim::SimulatedDeviceSystem bus;
        testing_support::ManualScheduler clock;
        std::string error;
        auto made = sim::makeScenario(c.name, bus, clock, error);
        ASSERT_TRUE(made && *made);
        const sim::Product& product = **made;
        EXPECT_EQ(product.location(), c.location);
        auto disks = bus.presentDiskInterfaces();
        ASSERT_TRUE(disks->exists(0));
        EXPECT_FALSE(disks->exists(1));
        EXPECT_EQ(disks->compatibleId(0), "USBSTOR\\Disk");
        EXPECT_EQ(disks->parentDeviceId(0), c.parentId);
        EXPECT_EQ(product.options().maskVariant,
                  c.name == "mask0110" ? sim::MaskVariant::V0110 : sim::MaskVariant::V0210);

        auto ef64 = product.ef64().record();
        if (c.ef64Version1 < 0) {
            EXPECT_EQ(std::count(ef64.begin(), ef64.end(), 0xFF), 64);
        } else {
            EXPECT_EQ(ef64[11], 100);
            EXPECT_EQ(ef64[12], c.ef64Version1);
            EXPECT_EQ(nameOf(ef64), c.ef64Name);
        }
        auto ef32 = product.ef32_0().record();
        if (c.ef32Version1 == -2) {
            EXPECT_TRUE(sim::isProtectedLoaderRecord(ef32));
        }
        if (c.ef32Version1 == -1) {
            EXPECT_EQ(std::count(ef32.begin(), ef32.end(), 0xFF), 64);
        }
        if (c.ef32Version1 >= 0) {
            EXPECT_EQ(ef32[7], 7);
            EXPECT_EQ(ef32[10], 10);
            EXPECT_EQ(ef32[11], 1);
            EXPECT_EQ(ef32[12], c.ef32Version1);  // below the carried 1.2.0.0
            std::string name = nameOf(ef32);
            EXPECT_EQ(name, c.name == "ota" ? "QPL_F_TR52_64_OTA_002" : "QPL_F_TR52_64_OTA_001");
        }
    }
}

TEST(Scenarios, NoneAttachesNothingAndUnknownNamesAreRefused) {
    sim::SimulatedDeviceSystem bus;
    testing_support::ManualScheduler clock;
    std::string error;
    auto none = sim::makeScenario("none", bus, clock, error);
    ASSERT_TRUE(none);
    EXPECT_FALSE(*none);
    EXPECT_FALSE(bus.presentDiskInterfaces()->exists(0));

    EXPECT_FALSE(sim::makeScenario("application", bus, clock, error));
    EXPECT_NE(error.find("unknown scenario 'application'"), std::string::npos);
    EXPECT_EQ(sim::scenarioNames().size(), 10u);
    EXPECT_EQ(sim::scenarioNames().front(), "none");
}

}  // namespace
