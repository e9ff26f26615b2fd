#pragma once

#include "platform/dialog_template.h"

namespace platform::qt {

// Dialog units to pixels at the fixed base units of the dialog font (8 pt "MS Shell Dlg":
// 6 x 13 pixels per 4 x 8 dialog units), each value rounded to the nearest pixel as the
// dialog manager does.
inline constexpr int kBaseUnitX = 6;
inline constexpr int kBaseUnitY = 13;

// The frame a Windows dialog puts around its client area: outer size = client size + this.
inline constexpr int kFrameWidth = 6;
inline constexpr int kFrameHeight = 29;

constexpr int mulDiv(int value, int numerator, int denominator) {
    long long product = static_cast<long long>(value) * numerator;
    long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

constexpr int dluToPxX(int x) {
    return mulDiv(x, kBaseUnitX, 4);
}
constexpr int dluToPxY(int y) {
    return mulDiv(y, kBaseUnitY, 8);
}

struct PixelRect {
    int x, y, width, height;
    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

constexpr PixelRect toPixels(const DlgRect& r) {
    return {dluToPxX(r.x), dluToPxY(r.y), dluToPxX(r.width), dluToPxY(r.height)};
}

}  // namespace platform::qt
