#include "support/product_fixture.h"

#include <algorithm>
#include <stdexcept>

#include "res/embedded_resources.h"
#include "sim/scenario.h"

namespace testing_support {

ProductFixture::ProductFixture(const std::string& scenario, sim::ProductOptions options) {
    resources = TestResources(res::EmbeddedResources());
    std::string error;
    auto made = sim::makeScenario(scenario, devices, windows, error, std::move(options));
    if (!made) throw std::invalid_argument(error);
    product = *made;
    // The arrival of the product happened before the dialog existed.
    windows.processPending();
}

CQuillPCISPDlg& ProductFixture::startQuiet() {
    CQuillPCISPDlg& d = start();
    d.OnClear();
    seenLines_ = 0;
    takeTrace();
    return d;
}

std::vector<std::string> ProductFixture::newLogLines() {
    std::vector<std::string> lines = logLines();
    std::size_t from = std::min(seenLines_, lines.size());
    seenLines_ = lines.size();
    return {lines.begin() + static_cast<std::ptrdiff_t>(from), lines.end()};
}

std::vector<std::string> ProductFixture::takeTrace() {
    std::vector<std::string> lines;
    if (!product) return lines;
    for (const auto& entry : product->trace().entries())
        lines.push_back(sim::formatTraceLine(entry));
    product->trace().clear();
    return lines;
}

void PlaceRecord(sim::EFlash& memory, const std::array<std::uint8_t, 64>& record) {
    memory.eraseMain();
    memory.writeMain(record, sim::EFlash::WriteMode::EraseAndWrite);
}

std::array<std::uint8_t, 64> MakeRecord(std::array<std::uint8_t, 4> tag,
                                        std::array<std::uint8_t, 4> version,
                                        const std::string& name) {
    std::array<std::uint8_t, 64> r{};
    std::copy(tag.begin(), tag.end(), r.begin() + 7);
    std::copy(version.begin(), version.end(), r.begin() + 11);
    std::copy_n(name.begin(), std::min<std::size_t>(name.size(), 24), r.begin() + 32);
    return r;
}

}  // namespace testing_support
