#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "sound/lingering_effects.h"
#include "sound/sound_device.h"

class QSoundEffect;

// A WAV effect played through Qt Multimedia. The file is decoded in the background as soon as
// its name is set, so the first "sound" is quick. "sound" plays from the start every time;
// "open" prepares; "prev" and "seek" rewind (stop); "play" plays unless already playing and
// reports Done when it ends by itself; "stop" stops; "close" lets go of the file. An effect still
// playing when the device closes, goes or is given another file plays on in `lingering` to its
// end, or is cut when that has gone. A missing or unplayable file is silence. `gain` (0-1), as it
// is when an effect starts, scales that effect's samples.
class WaveDevice : public SoundDevice {
  public:
    explicit WaveDevice(std::weak_ptr<LingeringEffects> lingering,
                        std::shared_ptr<const float> gain = std::make_shared<const float>(1.0F));
    ~WaveDevice() override;

    void setFileName(const QString& path) override;
    void setCommandFlag(bool) override {}
    void command(SoundCommand cmd) override;

  private:
    void load();
    void play();
    void stop();
    void release();

    std::weak_ptr<LingeringEffects> lingering_;
    std::shared_ptr<const float> gain_;
    QString fileName_;
    std::unique_ptr<QSoundEffect> effect_;
    QMetaObject::Connection doneWatch_;
    bool playedByPlay_ = false;
};
