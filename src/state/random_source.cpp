#include "state/random_source.h"

float SeededRandom::next() {
    // 24 random bits make every single in [0, 1) at the float's resolution equally likely,
    // and the result can never round up to 1.
    return static_cast<float>(engine_() >> 8) / static_cast<float>(1u << 24);
}
