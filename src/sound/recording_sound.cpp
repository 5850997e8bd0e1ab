#include "sound/recording_sound.h"

#include <algorithm>
#include <map>

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
    std::vector<SoundCall> calls;
    std::vector<RecordingDevice*> live;
    std::map<QString, DeviceType> types;
};

class RecordingDevice : public SoundDevice {
  public:
    RecordingDevice(std::shared_ptr<RecordingSoundSystem::Log> log, QString name)
        : log_(std::move(log)), name_(std::move(name)) {
        log_->live.push_back(this);
    }
    ~RecordingDevice() override { std::erase(log_->live, this); }

    void setFileName(const QString& path) override { record("FileName", path); }
    void setCommandFlag(bool flag) override {
        record("CommandFlag", flag ? QStringLiteral("True") : QStringLiteral("False"));
    }
    void command(const QString& cmd) override { record("Command", cmd); }

    const QString& name() const { return name_; }
    void deliverDone() { notifyDone(); }

  private:
    void record(const char* property, const QString& value) {
        log_->calls.push_back({name_, QLatin1String(property), value});
    }

    std::shared_ptr<RecordingSoundSystem::Log> log_;
    QString name_;
};

RecordingSoundSystem::RecordingSoundSystem() : log_(std::make_shared<Log>()) {}

RecordingSoundSystem::~RecordingSoundSystem() = default;

std::unique_ptr<SoundDevice> RecordingSoundSystem::create(DeviceType type, const QString& name) {
    log_->types[name] = type;
    return std::make_unique<RecordingDevice>(log_, name);
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
