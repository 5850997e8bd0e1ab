#pragma once

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

// A seeded source that first hands out any draws queued on it; queue them at any time, also
// after a screen holding the source has been made.
class QueuedRandom : public RandomSource {
  public:
    explicit QueuedRandom(std::uint32_t seed) : seeded_(seed) {}
    float next() override {
        if (queued_.empty()) {
            return seeded_.next();
        }
        const float u = queued_.front();
        queued_.pop_front();
        return u;
    }
    void queue(std::initializer_list<float> draws) { queued_.insert(queued_.end(), draws); }
    std::size_t pending() const { return queued_.size(); }

  private:
    SeededRandom seeded_;
    std::deque<float> queued_;
};

// The draw that makes a random multiple of 10 in [lo, hi] come out as angle.
inline float DrawForAngle(int angle, int lo, int hi) {
    const int count = hi / 10 - lo / 10 + 1;
    return (static_cast<float>(angle / 10 - lo / 10) + 0.5f) / static_cast<float>(count);
}
