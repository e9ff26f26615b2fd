#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/resource_provider.h"

namespace testing_support {

// Resources held in memory, with gaps on demand: ids that cannot be found, ids that cannot be
// loaded, and string-table entries.
class TestResources final : public platform::ResourceProvider {
  public:
    // Every image of the set, filled with a byte pattern of its id, and the string table.
    TestResources();
    // Serves the data of another provider for every id it has.
    explicit TestResources(const platform::ResourceProvider& base);

    void set(int id, std::vector<std::uint8_t> data) { data_[id] = std::move(data); }
    void makeUnfindable(int id) { unfindable_.insert(id); }
    void makeUnloadable(int id) { unloadable_.insert(id); }
    void setString(int id, std::string text) { strings_[id] = std::move(text); }
    const std::uint8_t* dataOf(int id) const;

    std::optional<platform::ResourceHandle> find(int id) const override;
    std::optional<platform::ResourceData> load(platform::ResourceHandle handle) const override;
    std::string loadString(int id) const override;

  private:
    std::map<int, std::vector<std::uint8_t>> data_;
    std::set<int> unfindable_, unloadable_;
    std::map<int, std::string> strings_;
};

}  // namespace testing_support
