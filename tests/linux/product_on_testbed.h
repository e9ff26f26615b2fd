#pragma once

#include <memory>
#include <optional>
#include <string>

#include "linux/mock_testbed.h"
#include "linux/sg_responder.h"
#include "sim/product.h"

namespace linux_testing {

// Keeps the mocked sysfs in step with a simulated product: while the product is on its bus, a
// USB disk with the product's identity is in the testbed and its sg node answers from the
// product; when it leaves or changes identity, the node's removal is announced and the disk
// removed. The product may leave during a request (on umockdev's thread); the testbed follows
// at the next sync, on the test's thread.
class ProductOnTestbed {
  public:
    ProductOnTestbed(MockTestbed& bed, std::shared_ptr<sim::Product> product)
        : bed_(bed), product_(std::move(product)) {}
    ~ProductOnTestbed();

    // True when the testbed changed.
    bool sync();
    int requests() const { return requests_; }

  private:
    void detach();

    MockTestbed& bed_;
    std::shared_ptr<sim::Product> product_;
    std::optional<MockDisk> disk_;
    std::unique_ptr<SgResponder> responder_;
    std::string shownId_;
    int requests_ = 0;  // answered by earlier nodes
    // Each appearance gets a node of its own, as the kernel hands out the next free sg number.
    int nextNumber_ = 250;
};

}  // namespace linux_testing
