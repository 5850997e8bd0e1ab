#pragma once

#include <array>
#include <string>

#include "core/angle_grid.h"

class RandomSource;

// What the picker is told when it chooses the next invader's angle.
struct PickContext {
    AngleGrid grid;              // the angles it may choose from
    std::array<int, 3> avoid{};  // angles it must not choose; 0 where none is needed
    int level = 0;
    int stage = 0;
    std::string player;  // the name the child gave, UTF-8; empty when none was asked
};

// Chooses the angle of each invader placed.
class AnglePicker {
  public:
    virtual ~AnglePicker() = default;
    virtual int pick(const PickContext& context) = 0;
};

// The game's own choice: every angle of the grid not to be avoided equally likely, drawn from the
// random source.
class RandomPicker : public AnglePicker {
  public:
    explicit RandomPicker(RandomSource& random) : random_(random) {}
    int pick(const PickContext& context) override;

  private:
    RandomSource& random_;
};
