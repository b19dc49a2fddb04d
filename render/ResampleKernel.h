#pragma once

// The seven numbered filter kernels of bitmap resampling. Arguments and
// arithmetic are single precision, so weights come out the same on every
// machine and in every code path.
enum class ResampleKernel : int {
    Box = 0,
    Triangle = 1,
    Hermite = 2,
    Bell = 3,
    BSpline = 4, // cubic B-spline
    Lanczos3 = 5,
    Mitchell = 6, // B = C = 1/3
};

constexpr int kResampleKernelCount = 7;

// How far from its centre the kernel reaches.
float kernelRadius(ResampleKernel kernel);
// The kernel's value at a (signed) argument; 0 outside its radius.
float kernelValue(ResampleKernel kernel, float argument);
