#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/device_system.h"

namespace sim {

// Whatever answers the requests sent to a simulated disk.
class RequestTarget {
  public:
    virtual ~RequestTarget() = default;
    // True when the request completed; status, sense and byte count are then in the request.
    virtual bool passThrough(platform::PassThroughRequest& request) = 0;
};

// One disk interface as the platform shows it. A missing value makes that read fail.
struct DiskEntry {
    std::string path;
    std::optional<std::string> compatibleId = std::string("USBSTOR\\Disk");
    bool hasParent = true;
    std::optional<std::string> parentDeviceId;
    bool interfacePathReadable = true;
    bool openable = true;
    std::shared_ptr<RequestTarget> target;  // null: every request fails
};

// A device system of simulated disks, each attached and detached at will. Products attach
// themselves as disks and answer requests; opening is exclusive as on the real platform.
class SimulatedDeviceSystem final : public platform::DeviceSystem {
  public:
    // Attaches a disk at the end of the enumeration order; announces an arrival.
    void attach(DiskEntry entry, bool announce = true);
    // Detaches the disk with this path; open handles on it fail from now on. Announces a
    // removal.
    void detach(const std::string& path, bool announce = true);
    bool attached(const std::string& path) const;
    void setEnumerationFails(bool fails) { enumerationFails_ = fails; }

    // How many requests reached each path, and how many opens.
    std::size_t requestCount(const std::string& path) const;
    std::size_t openCount(const std::string& path) const;
    bool isOpen(const std::string& path) const { return open_.count(path) != 0; }

    // platform::DeviceSystem
    std::unique_ptr<platform::DiskInterfaceSet> presentDiskInterfaces() override;
    platform::DeviceHandle open(const std::string& path) override;
    void setListener(Listener listener) override { listener_ = std::move(listener); }

  private:
    class Connection;
    struct Slot {
        DiskEntry entry;
        std::uint64_t generation;
    };

    const Slot* findSlot(const std::string& path) const;
    void notify(platform::DeviceEvent event);

    std::vector<Slot> slots_;
    std::uint64_t nextGeneration_ = 1;
    bool enumerationFails_ = false;
    std::set<std::string> open_;
    std::map<std::string, std::size_t> requests_;
    std::map<std::string, std::size_t> opens_;
    Listener listener_;
};

}  // namespace sim
