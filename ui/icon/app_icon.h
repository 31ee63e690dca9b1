#pragma once

#include "ui/framework/resources.h"

namespace vantry::app {

// The application icon's images, 32 and 16 pixels square, 16 colours, largest first.
inline constexpr int kAppIconImageCount = 2;
extern const framework::IconImage kAppIconImages[kAppIconImageCount];

}  // namespace vantry::app
