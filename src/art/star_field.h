#pragma once

#include <QImage>
#include <cstdint>
#include <functional>

// A tiny fixed-seed generator for decoration, so every picture comes out the same on every run
// and drawing one never disturbs the game's own random source.
class StarRandom {
  public:
    explicit StarRandom(std::uint32_t seed) : state_(seed == 0 ? 1 : seed) {}
    int Below(int bound);

  private:
    std::uint32_t state_;
};

// Sprinkles `count` stars over the pixels `allowed` accepts: mostly single dim dots, now and then
// a bright one, and a few small twinkling crosses. `brightness` (0..255) is the brightest grey.
void SprinkleStars(QImage& image, StarRandom& random, int count, int brightness,
                   const std::function<bool(int x, int y)>& allowed);
