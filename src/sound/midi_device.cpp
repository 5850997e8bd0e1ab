#include "sound/midi_device.h"

#include <QFile>

#include "sound/sound_command.h"

namespace {

constexpr qint64 kLargestPiece = 1 << 20;
constexpr int kWatchMs = 25;

// The bytes of a Standard MIDI File, or nothing when the file is missing or is not one.
QByteArray readPiece(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > kLargestPiece) {
        return {};
    }
    QByteArray bytes = file.readAll();
    return bytes.startsWith("MThd") ? bytes : QByteArray();
}

void silenceAllChannels(fluid_synth_t* synth) {
    for (int channel = 0; channel < fluid_synth_count_midi_channels(synth); ++channel) {
        fluid_synth_all_sounds_off(synth, channel);
    }
}

}  // namespace

MidiDevice::MidiDevice(std::shared_ptr<MidiEngine> engine) : engine_(std::move(engine)) {
    watch_.setInterval(kWatchMs);
    QObject::connect(&watch_, &QTimer::timeout, [this] { watch(); });
}

MidiDevice::~MidiDevice() {
    rewind();
}

void MidiDevice::command(SoundCommand cmd) {
    switch (cmd) {
        case SoundCommand::Open:
            open();
            break;
        case SoundCommand::Play:
            play();
            break;
        case SoundCommand::Stop:
            pause();
            break;
        case SoundCommand::Prev:
        case SoundCommand::Seek:
            rewind();
            break;
        case SoundCommand::Close:
            rewind();
            open_ = false;
            music_.clear();
            break;
        case SoundCommand::Sound:  // an effect's command; a sequencer has no use for it
            break;
    }
}

void MidiDevice::open() {
    if (!open_) {
        open_ = true;
        music_ = readPiece(fileName_);
    }
}

void MidiDevice::play() {
    open();
    if (music_.isEmpty() || playing_) {
        return;
    }
    if (ended_) {
        rewind();
    }
    playing_ = true;
    startPlayer();
    watch_.start();
}

void MidiDevice::startPlayer() {
    engine_->withSynth([this](fluid_synth_t* synth) {
        if (!player_) {
            player_ = new_fluid_player(synth);
            if (!player_) {
                return;
            }
            fluid_player_add_mem(player_, music_.constData(), static_cast<size_t>(music_.size()));
        }
        fluid_player_play(player_);
    });
}

void MidiDevice::pause() {
    watch_.stop();
    if (!playing_) {
        return;
    }
    playing_ = false;
    engine_->withSynth([this](fluid_synth_t* synth) {
        if (player_) {
            fluid_player_stop(player_);
            silenceAllChannels(synth);
        }
    });
}

void MidiDevice::rewind() {
    pause();
    ended_ = false;
    if (player_) {
        engine_->withSynth([this](fluid_synth_t*) { delete_fluid_player(player_); });
        player_ = nullptr;
    }
}

void MidiDevice::watch() {
    if (!player_) {
        if (engine_->state() == MidiEngine::State::Silent) {
            watch_.stop();  // the synthesizer will never come; stay silently "playing"
        } else {
            startPlayer();  // the pending "play" starts as soon as the synthesizer is ready
        }
        return;
    }
    // All events sent is the end: FluidSynth itself would wait for the last notes to fade,
    // which would leave a gap before the game's restart.
    bool ended = false;
    bool isMusic = false;
    engine_->withSynth([&](fluid_synth_t*) {
        const int total = fluid_player_get_total_ticks(player_);
        isMusic = total > 0;
        ended = fluid_player_get_status(player_) == FLUID_PLAYER_DONE ||
                (isMusic && fluid_player_get_current_tick(player_) >= total);
    });
    if (!ended) {
        return;
    }
    watch_.stop();
    playing_ = false;
    ended_ = true;
    // A piece that ends without a single tick was no music at all; reporting it would only
    // make the game restart it for ever.
    if (isMusic) {
        notifyDone();
    }
}
