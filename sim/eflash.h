#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "tools/firmware_layout.h"

namespace sim {

// One eFlash memory of the controller: a 64 KB main area and 128-byte information pages,
// holding deciphered firmware. Erased bytes read 0xFF. What was written stays through resets
// and power loss.
class EFlash {
  public:
    // How a write lands: flash cells can only be cleared, so writing over cells that were not
    // erased gives the AND of old and new; the OTA memory's controller erases before it writes.
    enum class WriteMode { ClearBits, EraseAndWrite };

    explicit EFlash(std::size_t infoPages);

    std::span<const std::uint8_t> main() const { return main_; }
    std::span<const std::uint8_t> infoPage(std::size_t page) const;
    std::size_t infoPageCount() const { return pages_.size(); }

    void eraseMain();
    void eraseInfoPages();
    // Writes `data` from the start of the area; bytes past it keep their value.
    void writeMain(std::span<const std::uint8_t> data, WriteMode mode);
    void writeInfoPage(std::size_t page, std::span<const std::uint8_t> data, WriteMode mode);

    bool mainIntact() const;
    bool infoPageIntact(std::size_t page) const;
    // The main area and every information page carry valid integrity data.
    bool valid() const;
    IdentityRecord record() const { return recordOf(main_); }

  private:
    std::vector<std::uint8_t> main_;
    std::vector<std::vector<std::uint8_t>> pages_;
};

}  // namespace sim
