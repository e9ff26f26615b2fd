#include "sim/simulated_device_system.h"

#include <algorithm>

namespace sim {

namespace {

class Snapshot final : public platform::DiskInterfaceSet {
  public:
    explicit Snapshot(std::vector<DiskEntry> entries) : entries_(std::move(entries)) {}

    bool exists(std::size_t index) const override { return index < entries_.size(); }
    std::optional<std::string> interfacePath(std::size_t index) const override {
        const DiskEntry& e = entries_.at(index);
        return e.interfacePathReadable ? std::optional(e.path) : std::nullopt;
    }
    std::optional<std::string> compatibleId(std::size_t index) const override {
        return entries_.at(index).compatibleId;
    }
    bool hasParent(std::size_t index) const override { return entries_.at(index).hasParent; }
    std::optional<std::string> parentDeviceId(std::size_t index) const override {
        return entries_.at(index).parentDeviceId;
    }

  private:
    std::vector<DiskEntry> entries_;
};

}  // namespace

// An open simulated disk; closing it releases the exclusive open.
class SimulatedDeviceSystem::Connection final : public platform::DeviceConnection {
  public:
    Connection(SimulatedDeviceSystem& system, std::string path, std::uint64_t generation)
        : system_(system), path_(std::move(path)), generation_(generation) {}
    ~Connection() override { system_.open_.erase(path_); }

    bool passThrough(platform::PassThroughRequest& request) override {
        const Slot* slot = system_.findSlot(path_);
        // A disk that left the bus, even if it came back since, is gone for this handle.
        if (slot == nullptr || slot->generation != generation_) return false;
        ++system_.requests_[path_];
        std::shared_ptr<RequestTarget> target = slot->entry.target;
        return target && target->passThrough(request);
    }

  private:
    SimulatedDeviceSystem& system_;
    std::string path_;
    std::uint64_t generation_;
};

void SimulatedDeviceSystem::attach(DiskEntry entry, bool announce) {
    std::erase_if(slots_, [&](const Slot& s) { return s.entry.path == entry.path; });
    slots_.push_back({std::move(entry), nextGeneration_++});
    if (announce) notify(platform::DeviceEvent::Arrival);
}

void SimulatedDeviceSystem::detach(const std::string& path, bool announce) {
    auto removed = std::erase_if(slots_, [&](const Slot& s) { return s.entry.path == path; });
    if (removed != 0 && announce) notify(platform::DeviceEvent::Removal);
}

bool SimulatedDeviceSystem::attached(const std::string& path) const {
    return findSlot(path) != nullptr;
}

std::size_t SimulatedDeviceSystem::requestCount(const std::string& path) const {
    auto it = requests_.find(path);
    return it == requests_.end() ? 0 : it->second;
}

std::size_t SimulatedDeviceSystem::openCount(const std::string& path) const {
    auto it = opens_.find(path);
    return it == opens_.end() ? 0 : it->second;
}

const SimulatedDeviceSystem::Slot* SimulatedDeviceSystem::findSlot(const std::string& path) const {
    auto it = std::find_if(slots_.begin(), slots_.end(),
                           [&](const Slot& s) { return s.entry.path == path; });
    return it == slots_.end() ? nullptr : &*it;
}

void SimulatedDeviceSystem::notify(platform::DeviceEvent event) {
    if (listener_) listener_(event);
}

std::unique_ptr<platform::DiskInterfaceSet> SimulatedDeviceSystem::presentDiskInterfaces() {
    if (enumerationFails_) return nullptr;
    std::vector<DiskEntry> entries;
    for (const Slot& s : slots_) entries.push_back(s.entry);
    return std::make_unique<Snapshot>(std::move(entries));
}

platform::DeviceHandle SimulatedDeviceSystem::open(const std::string& path) {
    const Slot* slot = findSlot(path);
    if (slot == nullptr || !slot->entry.openable || open_.count(path) != 0) return {};
    open_.insert(path);
    ++opens_[path];
    return platform::DeviceHandle(std::make_unique<Connection>(*this, path, slot->generation));
}

}  // namespace sim
