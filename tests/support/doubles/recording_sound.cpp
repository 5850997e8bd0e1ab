#include "doubles/recording_sound.h"

#include <algorithm>
#include <map>

#include "sound/sound_command.h"

namespace {

QString lineOf(const SoundCall& call) {
    if (call.property == QLatin1String("Command")) {
        return call.value;
    }
    if (call.property == QLatin1String("CommandFlag")) {
        return QStringLiteral("flag=") + call.value;
    }
    return call.property + QLatin1Char('=') + call.value;
}

}  // namespace

class RecordingDevice;

struct RecordingSoundSystem::Log {
    struct Sound {
        QString device;
        const RecordingDevice* owner;  // null once its device has let go of it
    };
    std::vector<SoundCall> calls;
    std::vector<RecordingDevice*> live;
    std::map<QString, DeviceType> types;
    std::vector<Sound> sounding;
};

class RecordingDevice : public SoundDevice {
  public:
    RecordingDevice(std::shared_ptr<RecordingSoundSystem::Log> log, DeviceType type, QString name)
        : log_(std::move(log)), isEffect_(type == DeviceType::WaveAudio), name_(std::move(name)) {
        log_->live.push_back(this);
    }
    ~RecordingDevice() override {
        std::erase(log_->live, this);
        close();
    }

    void setFileName(const QString& path) override {
        record("FileName", path);
        if (isEffect_ && path != fileName_) {
            letGo();
        }
        fileName_ = path;
    }
    void setCommandFlag(bool flag) override {
        record("CommandFlag", flag ? QStringLiteral("True") : QStringLiteral("False"));
    }
    void command(SoundCommand cmd) override {
        record("Command", QLatin1String(SoundCommandName(cmd)));
        switch (cmd) {
            case SoundCommand::Sound:
                if (isEffect_) {
                    start();
                }
                break;
            case SoundCommand::Play:
                start();
                break;
            case SoundCommand::Prev:
            case SoundCommand::Seek:
            case SoundCommand::Stop:
                end();
                break;
            case SoundCommand::Close:
                close();
                break;
            case SoundCommand::Open:
                break;
        }
    }

    const QString& name() const { return name_; }
    void deliverDone() {
        end();
        notifyDone();
    }

  private:
    void record(const char* property, const QString& value) {
        log_->calls.push_back({name_, QLatin1String(property), value});
    }
    bool sounds() const {
        return std::any_of(log_->sounding.begin(), log_->sounding.end(),
                           [this](const auto& sound) { return sound.owner == this; });
    }
    void start() {
        if (!sounds()) {
            log_->sounding.push_back({name_, this});
        }
    }
    void end() {
        std::erase_if(log_->sounding, [this](const auto& sound) { return sound.owner == this; });
    }
    // An effect sounds on without its device; a piece ends with it.
    void close() {
        if (isEffect_) {
            letGo();
        } else {
            end();
        }
    }
    void letGo() {
        for (auto& sound : log_->sounding) {
            if (sound.owner == this) {
                sound.owner = nullptr;
            }
        }
    }

    std::shared_ptr<RecordingSoundSystem::Log> log_;
    bool isEffect_;
    QString name_;
    QString fileName_;
};

RecordingSoundSystem::RecordingSoundSystem() : log_(std::make_shared<Log>()) {}

RecordingSoundSystem::~RecordingSoundSystem() = default;

std::unique_ptr<SoundDevice> RecordingSoundSystem::create(DeviceType type, const QString& name) {
    log_->types[name] = type;
    return std::make_unique<RecordingDevice>(log_, type, name);
}

const std::vector<SoundCall>& RecordingSoundSystem::calls() const {
    return log_->calls;
}

std::vector<QString> RecordingSoundSystem::commands() const {
    std::vector<QString> lines;
    for (const SoundCall& call : log_->calls) {
        lines.push_back(call.device + QStringLiteral(": ") + lineOf(call));
    }
    return lines;
}

std::vector<QString> RecordingSoundSystem::commandsOf(const QString& device) const {
    std::vector<QString> lines;
    for (const SoundCall& call : log_->calls) {
        if (call.device == device) {
            lines.push_back(lineOf(call));
        }
    }
    return lines;
}

void RecordingSoundSystem::clear() {
    log_->calls.clear();
}

std::optional<DeviceType> RecordingSoundSystem::typeOf(const QString& device) const {
    const auto it = log_->types.find(device);
    if (it == log_->types.end()) {
        return std::nullopt;
    }
    return it->second;
}

int RecordingSoundSystem::liveCount(const QString& device) const {
    return static_cast<int>(
        std::count_if(log_->live.begin(), log_->live.end(),
                      [&](const RecordingDevice* d) { return d->name() == device; }));
}

int RecordingSoundSystem::finish(const QString& device) {
    // A Done handler may create or destroy devices, so walk a snapshot and skip the departed.
    const std::vector<RecordingDevice*> snapshot = log_->live;
    int delivered = 0;
    for (RecordingDevice* d : snapshot) {
        const bool alive = std::find(log_->live.begin(), log_->live.end(), d) != log_->live.end();
        if (alive && d->name() == device) {
            d->deliverDone();
            ++delivered;
        }
    }
    return delivered;
}

std::vector<QString> RecordingSoundSystem::sounding() const {
    std::vector<QString> names;
    for (const Log::Sound& sound : log_->sounding) {
        names.push_back(sound.device);
    }
    return names;
}

int RecordingSoundSystem::endSound(const QString& device) {
    return static_cast<int>(std::erase_if(
        log_->sounding, [&](const Log::Sound& sound) { return sound.device == device; }));
}
