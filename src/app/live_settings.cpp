#include "app/live_settings.h"

#include <utility>

#include "kit/navigator.h"
#include "sound/sound_device.h"
#include "state/game_services.h"
#include "state/run_memory.h"

namespace {

int HeardVolume(const LessonSettings& settings) {
    return settings.mute ? 0 : settings.volume;
}

}  // namespace

void ApplySavedSettings(GameServices& services, const LessonSettings& saved) {
    const LessonSettings before = std::exchange(services.run.settings, saved);
    const LessonSettings& after = services.run.settings;
    // Muting keeps every sound running silently, so nothing that waits for a sound's end is late.
    if (HeardVolume(after) != HeardVolume(before)) {
        services.sound.setVolume(HeardVolume(after));
    }
    // Only a change: a teacher who pressed F11 meanwhile keeps the window as it is.
    if (after.fullscreen != before.fullscreen) {
        services.nav.setFullScreen(after.fullscreen);
    }
}

QStringList SettingsActingFromNextStart(const RunMemory& run) {
    QStringList settings{QStringLiteral("scale")};
    if (run.startedMuted) {
        settings << QStringLiteral("mute");
    }
    return settings;
}
