#pragma once

#include <cstdint>
#include <deque>
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

// Seeded draws, except that draws queued or scripted at any time are used up first; the source
// can be handed to a screen before a test knows which draws it needs.
class ScriptableRandom : public RandomSource {
  public:
    explicit ScriptableRandom(std::uint32_t seed) : seeded_(seed) {}
    float next() override {
        if (script_.empty()) {
            return seeded_.next();
        }
        const float u = script_.front();
        script_.pop_front();
        return u;
    }
    // Replaces what is left of the script.
    void script(const std::vector<float>& draws) { script_.assign(draws.begin(), draws.end()); }
    // Adds to the end of the script.
    void queue(std::initializer_list<float> draws) { script_.insert(script_.end(), draws); }
    std::size_t scriptLeft() const { return script_.size(); }

  private:
    SeededRandom seeded_;
    std::deque<float> script_;
};
