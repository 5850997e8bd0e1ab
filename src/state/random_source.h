#pragma once

#include <cstdint>
#include <random>

// Uniform singles in [0, 1). The game seeds one source per run; tests fix the seed.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

class SeededRandom : public RandomSource {
  public:
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
    float next() override;

  private:
    std::mt19937 engine_;
};
