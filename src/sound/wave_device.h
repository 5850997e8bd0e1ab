#pragma once

#include <QString>
#include <memory>

#include "sound/sound_device.h"

class QSoundEffect;

// A WAV effect played through Qt Multimedia. The file is decoded in the background as soon as
// its name is set, so the first "sound" is quick. "sound" plays from the start every time;
// "open" prepares; "prev" and "seek" rewind (stop); "play" plays unless already playing and
// reports Done when it ends by itself; "stop" stops; "close" stops and releases the decoded file.
// A missing or unplayable file is silence.
class WaveDevice : public SoundDevice {
  public:
    WaveDevice();
    ~WaveDevice() override;

    void setFileName(const QString& path) override;
    void setCommandFlag(bool) override {}
    void command(const QString& cmd) override;

  private:
    void load();
    void stop();

    QString fileName_;
    std::unique_ptr<QSoundEffect> effect_;
    bool playedByPlay_ = false;
};
