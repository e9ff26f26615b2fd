#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sim/product.h"
#include "support/dialog_fixture.h"

namespace testing_support {

// The dialog over the simulated product in one of its scenarios, with the tool's own images.
class ProductFixture : public DialogFixture {
  public:
    explicit ProductFixture(const std::string& scenario, sim::ProductOptions options = {});

    // Starts the dialog and empties the log, so that tests see only what follows.
    CQuillPCISPDlg& startQuiet();
    // Each request the product received since the last call, as trace lines.
    std::vector<std::string> takeTrace();
    // Log lines added since the last call.
    std::vector<std::string> newLogLines();
    platform::DeviceHandle openProduct() { return devices.open(product->options().diskPath); }

    std::shared_ptr<sim::Product> product;

  private:
    std::size_t seenLines_ = 0;
};

// Writes a raw 64-byte identity record at the start of a memory's main area.
void PlaceRecord(sim::EFlash& memory, const std::array<std::uint8_t, 64>& record);

// A record with the given tag, version and name; every other byte zero.
std::array<std::uint8_t, 64> MakeRecord(std::array<std::uint8_t, 4> tag,
                                        std::array<std::uint8_t, 4> version,
                                        const std::string& name);

}  // namespace testing_support
