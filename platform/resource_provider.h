#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// Raw data resources by integer id. Finding and loading are separate steps that can fail on
// their own; a loaded resource stays valid and unchanged for the life of the provider.
struct ResourceHandle {
    int id;
};

struct ResourceData {
    const std::uint8_t* data;
    std::size_t size;
};

class ResourceProvider {
  public:
    virtual ~ResourceProvider() = default;
    virtual std::optional<ResourceHandle> find(int id) const = 0;
    virtual std::optional<ResourceData> load(ResourceHandle handle) const = 0;
    // An entry of the string table; empty when there is none.
    virtual std::string loadString(int id) const = 0;
};

}  // namespace platform
