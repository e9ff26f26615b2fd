// quill-image-builder OUTPUT_DIR: writes the demo image set the updater embeds.

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "tools/demo_set.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 64;
    }
    std::filesystem::path directory(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(directory, ec);
    if (ec) {
        std::fprintf(stderr, "cannot create %s: %s\n", argv[1], ec.message().c_str());
        return 1;
    }
    std::string error;
    if (!sim::writeDemoSet(directory, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}
