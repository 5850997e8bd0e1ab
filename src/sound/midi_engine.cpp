#include "sound/midi_engine.h"

#include <QDir>
#include <QFileInfo>
#include <QtGlobal>
#include <array>
#include <chrono>

namespace {

constexpr int kSampleRate = 44100;
constexpr int kDiscardFrames = 512;  // about 12 ms of music per step
// At full volume. FluidSynth's own default leaves the tunes far quieter than the effects.
constexpr double kMusicGain = 0.5;

// Set while this thread looks for an audio output: a missing sound server or sound card is
// expected and not worth a word.
thread_local bool tProbing = false;

// FluidSynth talks a lot on stderr; keep only real errors.
void logFluid(int level, const char* message, void*) {
    if ((level == FLUID_PANIC || level == FLUID_ERR) && !tProbing) {
        qWarning("fluidsynth: %s", message);
    }
}

void quietFluidLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
            fluid_set_log_function(level, logFluid, nullptr);
        }
    });
}

}  // namespace

MidiEngine::MidiEngine(MidiOutput output, QStringList soundFonts, float gain) : gain_(gain) {
    quietFluidLog();
    starter_ = std::thread([this, output, fonts = std::move(soundFonts)] { start(output, fonts); });
}

MidiEngine::~MidiEngine() {
    starter_.join();
    stopOutput();
    if (synth_) {
        delete_fluid_synth(synth_);
    }
    if (settings_) {
        delete_fluid_settings(settings_);
    }
}

QStringList MidiEngine::systemSoundFonts() {
    // TEZRA_SOUNDFONT_DIR lets a test start the game as on a machine without a sound font.
    const QString folder =
        qEnvironmentVariable("TEZRA_SOUNDFONT_DIR", QStringLiteral("/usr/share/sounds/sf2"));
    const QString preferred = folder + QStringLiteral("/TimGM6mb.sf2");
    QStringList fonts{preferred};
    // Smallest first: a huge font takes seconds to load.
    const QFileInfoList others = QDir(folder).entryInfoList(
        {QStringLiteral("*.sf2")}, QDir::Files | QDir::Readable, QDir::Size | QDir::Reversed);
    for (const QFileInfo& info : others) {
        if (info.absoluteFilePath() != preferred) {
            fonts << info.absoluteFilePath();
        }
    }
    return fonts;
}

void MidiEngine::start(MidiOutput output, const QStringList& soundFonts) {
    settings_ = new_fluid_settings();
    if (!settings_) {
        state_ = State::Silent;
        return;
    }
    fluid_settings_setnum(settings_, "synth.sample-rate", kSampleRate);
    fluid_settings_setint(settings_, "synth.cpu-cores", 1);
    if (output == MidiOutput::Discard) {
        // Nobody hears it, so spare the effects.
        fluid_settings_setint(settings_, "synth.reverb.active", 0);
        fluid_settings_setint(settings_, "synth.chorus.active", 0);
    }
    {
        std::lock_guard lock(renderLock_);
        fluid_settings_setnum(settings_, "synth.gain", kMusicGain * gain_);
        synth_ = new_fluid_synth(settings_);
    }
    if (!synth_) {
        state_ = State::Silent;
        return;
    }
    const bool outputOpen = output == MidiOutput::Speakers ? openSpeakers() : true;
    if (output == MidiOutput::Discard) {
        discardThread_ = std::thread([this] { runDiscard(); });
    }
    if (!outputOpen || !loadSoundFont(soundFonts)) {
        stopOutput();
        state_ = State::Silent;
        return;
    }
    state_ = State::Ready;
}

bool MidiEngine::openSpeakers() {
    QStringList drivers{QStringLiteral("pulseaudio")};
    // Without a sound card ALSA floods stderr from inside its own library; don't ask it then.
    if (QFileInfo(QStringLiteral("/dev/snd")).isDir()) {
        drivers << QStringLiteral("alsa");
    }
    tProbing = true;
    for (const QString& name : drivers) {
        fluid_settings_setstr(settings_, "audio.driver", name.toLatin1().constData());
        driver_ = new_fluid_audio_driver2(settings_, &MidiEngine::render, this);
        if (driver_) {
            break;
        }
    }
    tProbing = false;
    return driver_ != nullptr;
}

int MidiEngine::render(void* engine, int len, int, float*[], int nout, float* out[]) {
    auto* self = static_cast<MidiEngine*>(engine);
    // Reverb and chorus go into the same buffers as the dry sound.
    std::array<float*, 2> fx{out[0], nout > 1 ? out[1] : out[0]};
    std::lock_guard lock(self->renderLock_);
    return fluid_synth_process(self->synth_, len, 2, fx.data(), nout, out);
}

void MidiEngine::runDiscard() {
    std::array<float, kDiscardFrames> left{};
    std::array<float, kDiscardFrames> right{};
    std::array<float*, 2> out{left.data(), right.data()};
    const auto step = std::chrono::microseconds(1'000'000LL * kDiscardFrames / kSampleRate);
    auto next = std::chrono::steady_clock::now();
    std::unique_lock wait(discardLock_);
    while (!discardStop_) {
        left.fill(0.0F);
        right.fill(0.0F);
        {
            std::lock_guard lock(renderLock_);
            fluid_synth_process(synth_, kDiscardFrames, 0, nullptr, 2, out.data());
        }
        next += step;
        discardWake_.wait_until(wait, next, [this] { return discardStop_; });
    }
}

void MidiEngine::stopOutput() {
    if (driver_) {
        delete_fluid_audio_driver(driver_);
        driver_ = nullptr;
    }
    if (discardThread_.joinable()) {
        {
            std::lock_guard lock(discardLock_);
            discardStop_ = true;
        }
        discardWake_.notify_all();
        discardThread_.join();
    }
}

bool MidiEngine::loadSoundFont(const QStringList& soundFonts) {
    for (const QString& path : soundFonts) {
        if (QFileInfo(path).isFile() &&
            fluid_synth_sfload(synth_, QFile::encodeName(path).constData(), 1) != FLUID_FAILED) {
            return true;
        }
    }
    return false;
}

void MidiEngine::setGain(float gain) {
    std::lock_guard lock(renderLock_);
    gain_ = gain;
    if (synth_) {
        fluid_synth_set_gain(synth_, static_cast<float>(kMusicGain) * gain);
    }
}

bool MidiEngine::withSynth(const std::function<void(fluid_synth_t*)>& work) {
    if (state_.load() != State::Ready) {
        return false;
    }
    std::lock_guard lock(renderLock_);
    work(synth_);
    return true;
}
