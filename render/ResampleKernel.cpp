#include "render/ResampleKernel.h"

#include <cmath>
#include <numbers>

namespace {

float sinc(float x)
{
    if (x == 0.0f)
        return 1.0f;
    const float px = std::numbers::pi_v<float> * x;
    return std::sin(px) / px;
}

} // namespace

float kernelRadius(ResampleKernel kernel)
{
    switch (kernel) {
    case ResampleKernel::Box:
        return 0.5f;
    case ResampleKernel::Triangle:
    case ResampleKernel::Hermite:
        return 1.0f;
    case ResampleKernel::Bell:
        return 1.5f;
    case ResampleKernel::BSpline:
    case ResampleKernel::Mitchell:
        return 2.0f;
    case ResampleKernel::Lanczos3:
        return 3.0f;
    }
    return 1.0f;
}

float kernelValue(ResampleKernel kernel, float argument)
{
    const float x = std::fabs(argument);
    switch (kernel) {
    case ResampleKernel::Box:
        // Half open, so that a centre midway between two pixels takes one of them.
        return argument > -0.5f && argument <= 0.5f ? 1.0f : 0.0f;
    case ResampleKernel::Triangle:
        return x < 1.0f ? 1.0f - x : 0.0f;
    case ResampleKernel::Hermite:
        return x < 1.0f ? (2.0f * x - 3.0f) * x * x + 1.0f : 0.0f;
    case ResampleKernel::Bell:
        if (x < 0.5f)
            return 0.75f - x * x;
        if (x < 1.5f)
            return 0.5f * (x - 1.5f) * (x - 1.5f);
        return 0.0f;
    case ResampleKernel::BSpline:
        if (x < 1.0f)
            return x * x * x / 2.0f - x * x + 2.0f / 3.0f;
        if (x < 2.0f) {
            const float t = 2.0f - x;
            return t * t * t / 6.0f;
        }
        return 0.0f;
    case ResampleKernel::Lanczos3:
        return x < 3.0f ? sinc(x) * sinc(x / 3.0f) : 0.0f;
    case ResampleKernel::Mitchell:
        if (x < 1.0f)
            return (7.0f * x * x * x - 12.0f * x * x + 16.0f / 3.0f) / 6.0f;
        if (x < 2.0f)
            return (-7.0f / 3.0f * x * x * x + 12.0f * x * x - 20.0f * x + 32.0f / 3.0f) / 6.0f;
        return 0.0f;
    }
    return 0.0f;
}
