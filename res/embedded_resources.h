#pragma once

#include "platform/resource_provider.h"

namespace res {

// The resources compiled into the executable: the firmware image set from res/firmware/ and
// the string table. Loaded data points into read-only memory and is never copied.
class EmbeddedResources final : public platform::ResourceProvider {
  public:
    std::optional<platform::ResourceHandle> find(int id) const override;
    std::optional<platform::ResourceData> load(platform::ResourceHandle handle) const override;
    std::string loadString(int id) const override;
};

}  // namespace res
