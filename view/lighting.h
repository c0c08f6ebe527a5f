#pragma once

#include <QtGlobal>

#include <array>

// The lighting page's effect, speed step and brightness step as the firmware's
// three bytes: mode, level and a speed (colour lighting) or variant byte.
namespace lighting {

using Triple = std::array<uchar, 3>;

// Mice with the extended colour lighting.
Triple colourfulEffect(uchar effect, uchar speedStep, uchar brightnessStep);
// Mice with the basic lighting: the third byte is the variant the 55328 lighting
// needs; other mice get 2 there.
Triple basicEffect(uchar effect, uchar speedStep, uchar brightnessStep);

} // namespace lighting
