#include <gtest/gtest.h>

#include "res/embedded_resources.h"
#include "res/resource.h"
#include "res/templates.h"
#include "tools/demo_set.h"

namespace {

TEST(EmbeddedResources, ServesTheImageSetInPlace) {
    res::EmbeddedResources resources;
    for (const auto& file : sim::buildDemoSet()) {
        SCOPED_TRACE(file.resourceId);
        auto handle = resources.find(file.resourceId);
        ASSERT_TRUE(handle);
        auto first = resources.load(*handle);
        auto second = resources.load(*handle);
        ASSERT_TRUE(first && second);
        EXPECT_EQ(std::vector<std::uint8_t>(first->data, first->data + first->size), file.bytes);
        // The same read-only bytes every time: nothing is copied.
        EXPECT_EQ(first->data, second->data);
    }
}

TEST(EmbeddedResources, UnknownIdsAreNotFoundAndStringsComeFromTheTable) {
    res::EmbeddedResources resources;
    for (int id : {0, 133, 135, 139, 155, 171, IDS_ABOUTBOX})
        EXPECT_FALSE(resources.find(id)) << id;
    EXPECT_FALSE(resources.load({137}));
    EXPECT_EQ(resources.loadString(IDS_HELP), res::loadString(IDS_HELP));
    EXPECT_FALSE(resources.loadString(IDS_HELP).empty());
}

}  // namespace
