#pragma once
// The quiz's random generator: a linear congruential generator seeded from
// the millisecond clock before every draw, with an accumulator so that two
// seedings in the same millisecond differ.
#include <cstdint>

namespace qd {

class RandomGenerator {
 public:
  // seedRandomFromClock with the tick count given.
  void seedFromClock(std::uint32_t tickCount) {
    const std::uint32_t seed = tickCount + accumulator_;
    accumulator_ += (seed & 0xFF) + 100;
    state_ = seed;
  }
  // The next output, 0 .. 32767.
  std::int32_t next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<std::int32_t>((state_ >> 16) & 0x7FFF);
  }
  // randomBetween: low .. high, both included; equal bounds give low
  // without stepping the generator.
  std::int32_t between(std::int32_t low, std::int32_t high) {
    if (high == low) return low;
    const auto span = static_cast<std::uint32_t>(high) - static_cast<std::uint32_t>(low) + 1u;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(low) + static_cast<std::uint32_t>(next()) % span);
  }
  std::uint32_t state() const { return state_; }

 private:
  std::uint32_t state_ = 0;
  std::uint32_t accumulator_ = 0;
};

}  // namespace qd
