#include "sim/eflash.h"

#include <algorithm>

namespace sim {

namespace {

void write(std::vector<std::uint8_t>& area, std::span<const std::uint8_t> data,
           EFlash::WriteMode mode) {
    std::size_t n = std::min(area.size(), data.size());
    if (mode == EFlash::WriteMode::EraseAndWrite) std::fill(area.begin(), area.end(), 0xFF);
    for (std::size_t i = 0; i < n; ++i) area[i] &= data[i];
}

}  // namespace

EFlash::EFlash(std::size_t infoPages)
    : main_(kMainBodySize, 0xFF),
      pages_(infoPages, std::vector<std::uint8_t>(kInfoPageSize, 0xFF)) {}

std::span<const std::uint8_t> EFlash::infoPage(std::size_t page) const {
    return page < pages_.size() ? std::span<const std::uint8_t>(pages_[page])
                                : std::span<const std::uint8_t>();
}

void EFlash::eraseMain() {
    std::fill(main_.begin(), main_.end(), 0xFF);
}

void EFlash::eraseInfoPages() {
    for (auto& page : pages_) std::fill(page.begin(), page.end(), 0xFF);
}

void EFlash::writeMain(std::span<const std::uint8_t> data, WriteMode mode) {
    write(main_, data, mode);
}

void EFlash::writeInfoPage(std::size_t page, std::span<const std::uint8_t> data, WriteMode mode) {
    if (page < pages_.size()) write(pages_[page], data, mode);
}

bool EFlash::mainIntact() const {
    return mainBodyIntact(main_);
}

bool EFlash::infoPageIntact(std::size_t page) const {
    return page < pages_.size() && sim::infoPageIntact(pages_[page]);
}

bool EFlash::valid() const {
    if (!mainIntact()) return false;
    for (std::size_t page = 0; page < pages_.size(); ++page)
        if (!infoPageIntact(page)) return false;
    return true;
}

}  // namespace sim
