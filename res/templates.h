#pragma once

#include <string_view>

#include "platform/dialog_template.h"

namespace res {

const platform::DialogTemplate& mainDialog();
const platform::DialogTemplate& aboutDialog();
const platform::DialogTemplate& helpDialog();
// Null for an unknown id.
const platform::DialogTemplate* dialogTemplate(int id);

// The string table; empty for an unknown id.
std::string_view loadString(int id);

// The picture text drawn into each banner bitmap; empty for an unknown id.
std::string_view bannerText(int bitmapId);

}  // namespace res
