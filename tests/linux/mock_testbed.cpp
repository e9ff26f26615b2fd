#include "linux/mock_testbed.h"

#include <gtest/gtest.h>
#include <umockdev.h>

#include <string>

namespace linux_testing {

namespace {

std::string scsiChain(const std::string& above, int n, const std::string& type,
                      std::vector<std::string>& devpaths, std::string& record) {
    std::string num = std::to_string(n);
    std::string host = above + "/host" + num;
    std::string target = host + "/target" + num + ":0:0";
    std::string device = target + "/" + num + ":0:0:0";
    std::string sg = device + "/scsi_generic/sg" + num;
    record += "P: " + host + "\nE: SUBSYSTEM=scsi\nE: DEVTYPE=scsi_host\n\n";
    record += "P: " + target + "\nE: SUBSYSTEM=scsi\nE: DEVTYPE=scsi_target\n\n";
    record +=
        "P: " + device + "\nE: SUBSYSTEM=scsi\nE: DEVTYPE=scsi_device\nA: type=" + type + "\n\n";
    record += "P: " + sg + "\nN: sg" + num + "\nE: SUBSYSTEM=scsi_generic\nE: DEVNAME=/dev/sg" +
              num + "\n\n";
    devpaths.insert(devpaths.end(), {host, target, device, sg});
    return sg;
}

}  // namespace

UsbDiskLayout Usb(std::string idVendor, std::string idProduct, std::string serial,
                  std::string driver, std::string scsiType, int number) {
    UsbDiskLayout layout;
    layout.number = number;
    layout.idVendor = std::move(idVendor);
    layout.idProduct = std::move(idProduct);
    layout.serial = std::move(serial);
    layout.driver = std::move(driver);
    layout.scsiType = std::move(scsiType);
    return layout;
}

MockTestbed::MockTestbed() : testbed_(umockdev_testbed_new()) {}

MockTestbed::~MockTestbed() {
    g_object_unref(testbed_);
}

MockDisk MockTestbed::addUsbDisk(const UsbDiskLayout& layout) {
    std::string port = "1-" + std::to_string(layout.number);
    std::string usb = "/devices/pci0000:00/0000:00:14.0/usb1/" + port;
    std::string interface = usb + "/" + port + ":1.0";
    std::string record =
        "P: " + usb + "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\nA: idVendor=" + layout.idVendor +
        "\nA: idProduct=" + layout.idProduct + "\n";
    if (!layout.serial.empty()) record += "A: serial=" + layout.serial + "\n";
    record += "\nP: " + interface + "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_interface\n";
    if (!layout.driver.empty())
        record += "L: driver=../../../../../../bus/usb/drivers/" + layout.driver + "\n";
    record += "\n";
    std::vector<std::string> devpaths{usb, interface};
    scsiChain(interface, layout.number, layout.scsiType, devpaths, record);
    return addRecord(std::move(devpaths), record, layout.number);
}

MockDisk MockTestbed::addSataDisk(int number) {
    std::string port = "/devices/pci0000:00/0000:00:01.1/ata" + std::to_string(number);
    std::string record;
    std::vector<std::string> devpaths;
    scsiChain(port, number, "0", devpaths, record);
    return addRecord(std::move(devpaths), record, number);
}

MockDisk MockTestbed::addRecord(std::vector<std::string> devpaths, const std::string& record,
                                int number) {
    GError* error = nullptr;
    if (!umockdev_testbed_add_from_string(testbed_, record.c_str(), &error)) {
        ADD_FAILURE() << "mocked sysfs rejected: " << (error ? error->message : "?");
        g_clear_error(&error);
    }
    MockDisk disk;
    for (auto& path : devpaths) disk.syspaths.push_back("/sys" + path);
    disk.devnode = "/dev/sg" + std::to_string(number);
    return disk;
}

void MockTestbed::announceChange(const MockDisk& disk) {
    umockdev_testbed_uevent(testbed_, disk.sgSyspath().c_str(), "change");
}

void MockTestbed::remove(const MockDisk& disk) {
    umockdev_testbed_uevent(testbed_, disk.sgSyspath().c_str(), "remove");
    for (auto it = disk.syspaths.rbegin(); it != disk.syspaths.rend(); ++it)
        umockdev_testbed_remove_device(testbed_, it->c_str());
}

}  // namespace linux_testing
