// The evaluation takes sine and cosine of one angle from one sincosl call. That is exact only
// while sincosl gives the very bits of sinl and cosl; this checks it for the runtime at hand on
// the special values, around the multiples of pi/4 where the argument reduction changes, and
// on random angles of every magnitude.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "parser/sine_cosine.h"

namespace qv {
namespace {

bool SameBits(Extended a, Extended b) {
  return std::memcmp(&a, &b, kExtendedBytes) == 0;
}

// The x87 value with this mantissa and sign/exponent word.
Extended FromBits(std::uint64_t mantissa, std::uint16_t signExponent) {
  Extended value = 0;
  std::memcpy(&value, &mantissa, 8);
  std::memcpy(reinterpret_cast<char*>(&value) + 8, &signExponent, 2);
  return value;
}

std::vector<Extended> Angles() {
  using Limits = std::numeric_limits<Extended>;
  std::vector<Extended> angles{0,           -0.0L,         Limits::infinity(),
                               -Limits::infinity(), Limits::quiet_NaN(), Limits::denorm_min(),
                               Limits::min(), Limits::max(), 3.14159265358979L,
                               1e-9L,       1e300L,        1e4000L};
  const Extended quarterPi = 0.78539816339744830961566084581987572L;
  for (int k = -400; k <= 400; ++k) {
    Extended up = k * quarterPi;
    Extended down = up;
    for (int step = 0; step < 20; ++step) {
      angles.push_back(up);
      angles.push_back(down);
      up = std::nextafter(up, Limits::infinity());
      down = std::nextafter(down, -Limits::infinity());
    }
  }
  std::mt19937_64 random(5);
  for (int i = 0; i < 100000; ++i) {
    const std::uint64_t mantissa = random() | (1ULL << 63);
    // Half of them of any exponent, half between 2^-40 and 2^40.
    const std::uint16_t exponent = i % 2 ? random() % 0x7FFF : 0x3FFF - 40 + random() % 80;
    angles.push_back(FromBits(mantissa, exponent | (random() % 2) << 15));
  }
  return angles;
}

TEST(SineCosine, GivesTheBitsOfSinlAndCosl) {
  int differing = 0;
  for (const Extended angle : Angles()) {
    TSineCosine both;
    const bool sameSine = SameBits(both.Sine(angle), std::sin(angle));
    const bool sameCosine = SameBits(both.Cosine(angle), std::cos(angle));
    if (!sameSine || !sameCosine) {
      ADD_FAILURE() << "angle " << static_cast<long double>(angle);
      if (++differing == 10) break;
    }
  }
}

// The kept angle is told apart by its bits, not by comparison: 0 and -0 are equal but have
// sines of different sign.
TEST(SineCosine, TellsZeroFromMinusZero) {
  TSineCosine both;
  EXPECT_FALSE(std::signbit(both.Sine(0)));
  EXPECT_TRUE(std::signbit(both.Sine(-0.0L)));
  EXPECT_FALSE(std::signbit(both.Sine(0)));
}

}  // namespace
}  // namespace qv
