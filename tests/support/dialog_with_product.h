#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sim/product.h"
#include "support/dialog_fixture.h"

namespace testing_support {

// The dialog over a simulated product of a scenario, with the embedded images as resources.
class DialogWithProduct {
  public:
    explicit DialogWithProduct(std::string_view scenario);

    CQuillPCISPDlg& dlg() { return fixture.dlg(); }
    sim::Product& product() { return *product_; }
    platform::DeviceHandle open() { return fixture.devices.open(product_->options().diskPath); }
    // Log lines added since the last call.
    std::vector<std::string> newLogLines();

    DialogFixture fixture;

  private:
    std::shared_ptr<sim::Product> product_;
    std::size_t seen_ = 0;
};

}  // namespace testing_support
