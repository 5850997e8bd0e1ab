#include "effects.h"

#include <array>
#include <cmath>

namespace soundgen {

double noteHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

std::span<const Effect> allEffects() {
    static constexpr std::array effects{
        Effect{"wav_popi.wav", renderPopi},       Effect{"wav_shot.wav", renderShot},
        Effect{"wav_pyu.wav", renderPyu},         Effect{"wav_den.wav", renderDen},
        Effect{"wav_bu0.wav", renderStep0},       Effect{"wav_bu1.wav", renderStep1},
        Effect{"wav_po.wav", renderPo},           Effect{"wav_pu.wav", renderPu},
        Effect{"wav_clic.wav", renderClick},      Effect{"wav_gun.wav", renderGun},
        Effect{"wav_clea.wav", renderStageClear}, Effect{"wav_all.wav", renderAllClear},
        Effect{"wav_over.wav", renderGameOver},
    };
    return effects;
}

}  // namespace soundgen
