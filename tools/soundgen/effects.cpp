#include "effects.h"

#include <array>
#include <cmath>

namespace soundgen {

double noteHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

std::span<const Effect> allEffects() {
    using enum SoundEffect;
    static constexpr std::array effects{
        Effect{Popi, renderPopi},
        Effect{Shot, renderShot},
        Effect{Pyu, renderPyu},
        Effect{Den, renderDen},
        Effect{Step0, renderStep0},
        Effect{Step1, renderStep1},
        Effect{Po, renderPo},
        Effect{Pu, renderPu},
        Effect{Click, renderClick},
        Effect{Gun, renderGun},
        Effect{StageClear, renderStageClear},
        Effect{AllClear, renderAllClear},
        Effect{GameOver, renderGameOver},
    };
    static_assert(effects.size() == kEffectFiles.size(), "every effect file has a recipe");
    return effects;
}

}  // namespace soundgen
