#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/pass_through.h"

namespace platform {

// An open device. Carries pass-through requests; closed when destroyed.
class DeviceConnection {
  public:
    virtual ~DeviceConnection() = default;
    // True when the request completed at the transport level; status, sense and byte count
    // are then in the request. False when it never reached the device or was aborted.
    virtual bool passThrough(PassThroughRequest& request) = 0;
};

// Owning handle of an open device; empty when the open failed. Every request on an empty
// handle fails, as on an invalid handle.
class DeviceHandle {
  public:
    DeviceHandle() = default;
    explicit DeviceHandle(std::unique_ptr<DeviceConnection> connection)
        : connection_(std::move(connection)) {}

    bool valid() const { return connection_ != nullptr; }
    void close() { connection_.reset(); }
    bool passThrough(PassThroughRequest& request) {
        return connection_ && connection_->passThrough(request);
    }

  private:
    std::unique_ptr<DeviceConnection> connection_;
};

// A snapshot of the present disk interfaces, read one index at a time; each read can fail on
// its own.
class DiskInterfaceSet {
  public:
    virtual ~DiskInterfaceSet() = default;
    virtual bool exists(std::size_t index) const = 0;
    virtual std::optional<std::string> interfacePath(std::size_t index) const = 0;
    // The first of the device's compatible identifiers.
    virtual std::optional<std::string> compatibleId(std::size_t index) const = 0;
    virtual bool hasParent(std::size_t index) const = 0;
    // The parent's device instance identifier, in the form USB\VID_vvvv&PID_pppp\serial.
    virtual std::optional<std::string> parentDeviceId(std::size_t index) const = 0;
};

enum class DeviceEvent { Arrival, Removal };

class DeviceSystem {
  public:
    using Listener = std::function<void(DeviceEvent)>;

    virtual ~DeviceSystem() = default;
    // Null when the set cannot be obtained.
    virtual std::unique_ptr<DiskInterfaceSet> presentDiskInterfaces() = 0;
    // Read and write access, exclusive. An empty handle when the open fails.
    virtual DeviceHandle open(const std::string& path) = 0;
    // Arrivals and removals go to the listener, on the host's thread.
    virtual void setListener(Listener listener) = 0;
    // For backends fed by a file descriptor: the descriptor to watch (-1 for none) and the
    // call that reads what is ready on it and reports events to the listener.
    virtual int eventFd() const { return -1; }
    virtual void processEvents() {}
};

}  // namespace platform
