#include "linux/product_on_testbed.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cerrno>

namespace linux_testing {

namespace {

std::string lowercase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// USB\VID_vvvv&PID_pppp\serial as sysfs shows it.
UsbDiskLayout layoutOf(const std::string& parentId) {
    auto vid = parentId.find("VID_");
    auto pid = parentId.find("PID_");
    if (vid == std::string::npos || pid == std::string::npos || parentId.size() < pid + 9) {
        ADD_FAILURE() << "unexpected product identity " << parentId;
        return Usb("0000", "0000");
    }
    return Usb(lowercase(parentId.substr(vid + 4, 4)), lowercase(parentId.substr(pid + 4, 4)),
               parentId.substr(pid + 9));
}

}  // namespace

ProductOnTestbed::~ProductOnTestbed() {
    detach();
}

void ProductOnTestbed::detach() {
    if (!disk_) return;
    requests_ += static_cast<int>(responder_->calls().size());
    responder_.reset();
    bed_.remove(*disk_);
    disk_.reset();
}

bool ProductOnTestbed::sync() {
    bool on = product_->onBus();
    std::string id = on ? product_->parentDeviceId() : std::string();
    bool changed = false;
    if (disk_ && (!on || id != shownId_)) {
        detach();
        changed = true;
    }
    if (on && !disk_) {
        UsbDiskLayout layout = layoutOf(id);
        layout.number = nextNumber_++;
        disk_ = bed_.addUsbDisk(layout);
        std::weak_ptr<sim::Product> product = product_;
        responder_ = std::make_unique<SgResponder>(
            bed_.get(), disk_->devnode, [product](platform::PassThroughRequest& request) {
                auto target = product.lock();
                SgAnswer answer;
                if (!target || !target->passThrough(request)) answer.error = ENODEV;
                return answer;
            });
        shownId_ = id;
        changed = true;
    }
    return changed;
}

}  // namespace linux_testing
