#pragma once

#include <algorithm>
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/angle_picker.h"

// Picks the angles a test queued, in order, each checked against what the picker was told; with
// none queued, picks as the game does from the given random source. Every context asked is kept.
class ScriptedPicker : public AnglePicker {
  public:
    explicit ScriptedPicker(RandomSource& random) : random_(random) {}

    int pick(const PickContext& context) override {
        asked_.push_back(context);
        if (queued_.empty()) {
            return random_.pick(context);
        }
        const int angle = queued_.front();
        queued_.pop_front();
        if (context.grid.indexOf(angle) < 0 ||
            std::find(context.avoid.begin(), context.avoid.end(), angle) != context.avoid.end()) {
            throw std::logic_error("the angle queued, " + std::to_string(angle) +
                                   ", is not one the picker may choose");
        }
        return angle;
    }
    void queue(std::initializer_list<int> angles) {
        queued_.insert(queued_.end(), angles.begin(), angles.end());
    }
    std::size_t queueLeft() const { return queued_.size(); }
    const std::vector<PickContext>& asked() const { return asked_; }

  private:
    RandomPicker random_;
    std::deque<int> queued_;
    std::vector<PickContext> asked_;
};
