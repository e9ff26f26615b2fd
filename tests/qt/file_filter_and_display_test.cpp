#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "platform/qt/display_check.h"
#include "platform/qt/file_filter.h"

namespace {

using platform::qt::nameFilters;

TEST(FileFilters, TranslateEachNameAndPatternPair) {
    using Filters = std::vector<std::string>;
    EXPECT_EQ(nameFilters("Image file(*.BINX)|*.BINX|All files(*.*)|*.*||"),
              (Filters{"Image file(*.BINX) (*.BINX)", "All files(*.*) (*)"}));
    EXPECT_EQ(nameFilters("All files(*.*)|*.*||"), (Filters{"All files(*.*) (*)"}));
    EXPECT_EQ(nameFilters("Images|*.bin;*.binx||Never|*.x|"), (Filters{"Images (*.bin *.binx)"}));
    EXPECT_EQ(nameFilters("No pattern||"), Filters{});
    EXPECT_EQ(nameFilters("Dangling"), Filters{});
    EXPECT_EQ(nameFilters(""), Filters{});
}

TEST(DisplayCheck, RefusesOnlyWhenNoDisplayAndNoTerminalWasAskedFor) {
    struct Case {
        std::map<std::string, std::string> env;
        bool headless;
        bool refused;
    };
    const Case cases[] = {
        {{}, false, true},
        {{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}, false, true},
        {{}, true, false},
        {{{"DISPLAY", ":0"}}, false, false},
        {{{"WAYLAND_DISPLAY", "wayland-0"}}, false, false},
        {{{"QT_QPA_PLATFORM", "offscreen"}}, false, false},
    };
    for (const Case& c : cases) {
        std::ostringstream err;
        auto env = [&](const char* name) -> const char* {
            auto it = c.env.find(name);
            return it == c.env.end() ? nullptr : it->second.c_str();
        };
        auto status = platform::qt::checkDisplay(c.headless, err, env);
        EXPECT_EQ(status.has_value(), c.refused) << c.env.size() << c.headless;
        if (c.refused) {
            EXPECT_EQ(*status, 64);
            EXPECT_NE(err.str().find("--headless"), std::string::npos);
        } else {
            EXPECT_EQ(err.str(), "");
        }
    }
}

}  // namespace
