#pragma once

#include <stdexcept>
#include <vector>

#include "state/random_source.h"

// Hands out a fixed list of draws, then repeats the last one.
class ScriptedRandom : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<float> draws) : draws_(std::move(draws)) {}
    float next() override {
        if (draws_.empty()) {
            throw std::logic_error("no draws scripted");
        }
        const float u = draws_[std::min<std::size_t>(drawn_, draws_.size() - 1)];
        ++drawn_;
        return u;
    }
    int drawn() const { return static_cast<int>(drawn_); }

  private:
    std::vector<float> draws_;
    std::size_t drawn_ = 0;
};
