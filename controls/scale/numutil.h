#pragma once
// Small numeric helpers shared by the axis engine and the controls built on it.
#include <cstdint>
#include <utility>

// 1 for x >= 0 (zero counts as positive), otherwise -1.
int Sign(double x);

// The largest integer not above x, saturating at the int range.
int Floor(double x);

// The smallest integer not below x, saturating at the int range.
int Ceiling(double x);

// Swap two values in place.
inline void Exchange(std::int32_t& a, std::int32_t& b) { std::swap(a, b); }
inline void Exchange(double& a, double& b) { std::swap(a, b); }
inline void Exchange(long double& a, long double& b) { std::swap(a, b); }
