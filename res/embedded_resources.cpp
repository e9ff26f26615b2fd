#include "res/embedded_resources.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "res/resource.h"
#include "res/templates.h"

#define QUILL_DECLARE_IMAGE(symbol)             \
    extern const std::uint8_t symbol##_start[]; \
    extern const std::uint8_t symbol##_end[];

extern "C" {
QUILL_DECLARE_IMAGE(quill_reserved_134)
QUILL_DECLARE_IMAGE(quill_ef64_info)
QUILL_DECLARE_IMAGE(quill_ef32_0_info)
QUILL_DECLARE_IMAGE(quill_ef64_main_1)
QUILL_DECLARE_IMAGE(quill_ef64_main_2)
QUILL_DECLARE_IMAGE(quill_ef64_main_3)
QUILL_DECLARE_IMAGE(quill_ef64_main_4)
QUILL_DECLARE_IMAGE(quill_ef64_main_5)
QUILL_DECLARE_IMAGE(quill_ef32_0_main_1)
QUILL_DECLARE_IMAGE(quill_ef32_0_main_2)
QUILL_DECLARE_IMAGE(quill_ef32_0_main_3)
QUILL_DECLARE_IMAGE(quill_ef32_0_main_4)
QUILL_DECLARE_IMAGE(quill_ef32_0_main_5)
}

namespace res {

namespace {

struct Entry {
    int id;
    const std::uint8_t* start;
    const std::uint8_t* end;
};

#define QUILL_ENTRY(id, symbol)          \
    Entry {                              \
        id, symbol##_start, symbol##_end \
    }

const std::array kEntries{
    QUILL_ENTRY(IDR_RESERVED_134, quill_reserved_134),
    QUILL_ENTRY(IDR_EF64_INFO, quill_ef64_info),
    QUILL_ENTRY(IDR_EF32_0_INFO, quill_ef32_0_info),
    QUILL_ENTRY(IDR_EF64_MAIN_1, quill_ef64_main_1),
    QUILL_ENTRY(IDR_EF64_MAIN_2, quill_ef64_main_2),
    QUILL_ENTRY(IDR_EF64_MAIN_3, quill_ef64_main_3),
    QUILL_ENTRY(IDR_EF64_MAIN_4, quill_ef64_main_4),
    QUILL_ENTRY(IDR_EF64_MAIN_5, quill_ef64_main_5),
    QUILL_ENTRY(IDR_EF32_0_MAIN_1, quill_ef32_0_main_1),
    QUILL_ENTRY(IDR_EF32_0_MAIN_2, quill_ef32_0_main_2),
    QUILL_ENTRY(IDR_EF32_0_MAIN_3, quill_ef32_0_main_3),
    QUILL_ENTRY(IDR_EF32_0_MAIN_4, quill_ef32_0_main_4),
    QUILL_ENTRY(IDR_EF32_0_MAIN_5, quill_ef32_0_main_5),
};

const Entry* entryOf(int id) {
    auto it =
        std::find_if(kEntries.begin(), kEntries.end(), [id](const Entry& e) { return e.id == id; });
    return it == kEntries.end() ? nullptr : &*it;
}

}  // namespace

std::optional<platform::ResourceHandle> EmbeddedResources::find(int id) const {
    if (entryOf(id) == nullptr) return std::nullopt;
    return platform::ResourceHandle{id};
}

std::optional<platform::ResourceData> EmbeddedResources::load(
    platform::ResourceHandle handle) const {
    const Entry* entry = entryOf(handle.id);
    if (entry == nullptr) return std::nullopt;
    return platform::ResourceData{entry->start,
                                  static_cast<std::size_t>(entry->end - entry->start)};
}

std::string EmbeddedResources::loadString(int id) const {
    return std::string(res::loadString(id));
}

}  // namespace res
