#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

// These tests need umockdev's preload library, which redirects sysfs, /dev and the ioctls on
// mocked nodes into the test's own testbed. Without it they would look at the real machine,
// so they are skipped instead.
int main(int argc, char** argv) {
    const char* preload = std::getenv("LD_PRELOAD");
    if (preload == nullptr ||
        std::string_view(preload).find("libumockdev-preload") == std::string_view::npos) {
        std::fprintf(stderr, "not under umockdev-wrapper: skipped\n");
        return 77;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
