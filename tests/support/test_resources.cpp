#include "support/test_resources.h"

#include "device/isp_commands.h"
#include "res/resource.h"
#include "res/templates.h"

namespace testing_support {

namespace {

const int kImageIds[] = {IDR_RESERVED_134,  IDR_EF64_INFO,     IDR_EF32_0_INFO,   IDR_EF64_MAIN_1,
                         IDR_EF64_MAIN_2,   IDR_EF64_MAIN_3,   IDR_EF64_MAIN_4,   IDR_EF64_MAIN_5,
                         IDR_EF32_0_MAIN_1, IDR_EF32_0_MAIN_2, IDR_EF32_0_MAIN_3, IDR_EF32_0_MAIN_4,
                         IDR_EF32_0_MAIN_5};

std::size_t SizeOf(int id) {
    if (id == IDR_RESERVED_134) return 256;
    if (id == IDR_EF64_INFO || id == IDR_EF32_0_INFO) return kInfoImageSize;
    return kMainImageSize;
}

}  // namespace

TestResources::TestResources() {
    for (int id : kImageIds)
        data_[id] = std::vector<std::uint8_t>(SizeOf(id), static_cast<std::uint8_t>(id));
    strings_[IDS_ABOUTBOX] = std::string(res::loadString(IDS_ABOUTBOX));
    strings_[IDS_HELP] = std::string(res::loadString(IDS_HELP));
}

TestResources::TestResources(const platform::ResourceProvider& base) : TestResources() {
    for (int id : kImageIds) {
        auto handle = base.find(id);
        if (!handle) continue;
        if (auto data = base.load(*handle)) data_[id].assign(data->data, data->data + data->size);
    }
}

const std::uint8_t* TestResources::dataOf(int id) const {
    auto it = data_.find(id);
    return it == data_.end() ? nullptr : it->second.data();
}

std::optional<platform::ResourceHandle> TestResources::find(int id) const {
    if (unfindable_.count(id) || !data_.count(id)) return std::nullopt;
    return platform::ResourceHandle{id};
}

std::optional<platform::ResourceData> TestResources::load(platform::ResourceHandle handle) const {
    if (unloadable_.count(handle.id)) return std::nullopt;
    auto it = data_.find(handle.id);
    if (it == data_.end()) return std::nullopt;
    return platform::ResourceData{it->second.data(), it->second.size()};
}

std::string TestResources::loadString(int id) const {
    auto it = strings_.find(id);
    return it == strings_.end() ? std::string() : it->second;
}

}  // namespace testing_support
