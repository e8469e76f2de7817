#pragma once
// Numbers side by side in vector registers, in lanes: each operation works on every lane
// by itself and gives exactly what it gives on one number. Loops that do the same
// arithmetic on many numbers use them to do two or four at a time.
#include <cstdint>

namespace Lanes {

typedef double Doubles2 __attribute__((vector_size(16)));
typedef std::int64_t Masks2 __attribute__((vector_size(16)));
typedef std::int32_t Ints2 __attribute__((vector_size(8)));
typedef double Doubles4 __attribute__((vector_size(32)));
typedef std::int64_t Masks4 __attribute__((vector_size(32)));
typedef std::int32_t Ints4 __attribute__((vector_size(16)));

// Doubles, the masks their comparisons give (all bits set where true), and 32-bit
// integers, two or four at a time.
struct Two {
    using Doubles = Doubles2;
    using Masks = Masks2;
    using Ints = Ints2;
    static constexpr int kCount = 2;
};
struct Four {
    using Doubles = Doubles4;
    using Masks = Masks4;
    using Ints = Ints4;
    static constexpr int kCount = 4;
};

} // namespace Lanes

// Wider vector instructions where the processor has them, with the same results: they
// neither fuse a multiplication into an addition nor change the order of operations.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define WITH_WIDER_VECTORS __attribute__((target_clones("avx2", "default")))
#else
#define WITH_WIDER_VECTORS
#endif
