#pragma once

#include <string>
#include <vector>

typedef struct _UMockdevTestbed UMockdevTestbed;

namespace linux_testing {

// A USB disk as the mocked sysfs shows it: its USB device, its interface and the SCSI host,
// target, device and generic node below. The number names host, SCSI address and node
// (sgN); tests use unlikely numbers so that nothing reaches a real device.
struct UsbDiskLayout {
    int number = 250;
    std::string idVendor = "6e39";
    std::string idProduct = "7c15";
    std::string serial = "0123456789AB";  // empty: no serial attribute
    std::string driver = "usb-storage";   // empty: interface bound to no driver
    std::string scsiType = "0";
};

// Shorthand for the table rows of the tests.
UsbDiskLayout Usb(std::string idVendor, std::string idProduct, std::string serial = "0123456789AB",
                  std::string driver = "usb-storage", std::string scsiType = "0", int number = 250);

struct MockDisk {
    std::vector<std::string> syspaths;  // from the top device down to the sg node
    std::string devnode;

    const std::string& sgSyspath() const { return syspaths.back(); }
};

// A umockdev testbed, alive as long as this object.
class MockTestbed {
  public:
    MockTestbed();
    ~MockTestbed();
    MockTestbed(const MockTestbed&) = delete;
    MockTestbed& operator=(const MockTestbed&) = delete;

    UMockdevTestbed* get() const { return testbed_; }

    // Adding a disk announces each of its devices as the kernel does, with an "add" event.
    MockDisk addUsbDisk(const UsbDiskLayout& layout);
    // A disk on a SATA port, with no USB device above it.
    MockDisk addSataDisk(int number);

    void announceChange(const MockDisk& disk);
    // Announces the removal of the node, then removes the disk's devices from the bottom up.
    void remove(const MockDisk& disk);

  private:
    MockDisk addRecord(std::vector<std::string> devpaths, const std::string& record, int number);

    UMockdevTestbed* testbed_;
};

}  // namespace linux_testing
