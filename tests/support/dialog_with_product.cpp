#include "support/dialog_with_product.h"

#include "res/embedded_resources.h"
#include "sim/scenario.h"

namespace testing_support {

DialogWithProduct::DialogWithProduct(std::string_view scenario) {
    fixture.resources = TestResources(res::EmbeddedResources{});
    std::string error;
    if (auto product = sim::makeScenario(scenario, fixture.devices, fixture.windows, error))
        product_ = *product;
    fixture.start();
    newLogLines();
}

std::vector<std::string> DialogWithProduct::newLogLines() {
    auto lines = fixture.logLines();
    std::vector<std::string> fresh(
        lines.begin() + static_cast<std::ptrdiff_t>(std::min(seen_, lines.size())), lines.end());
    seen_ = lines.size();
    return fresh;
}

}  // namespace testing_support
