#pragma once

#include <QByteArray>
#include <QString>
#include <QTimer>
#include <memory>

#include "sound/midi_engine.h"
#include "sound/sound_device.h"

// A MIDI piece played by the shared synthesizer.
//
// "open" reads the file; "play" plays from where the piece stands (opening it first if needed,
// and from the start once it has ended); "stop" pauses; "prev" and "seek" stop and return to
// the start; "close" stops and forgets the file. Done is reported on the UI thread when a piece
// has played to its end. A "play" sent while the synthesizer is still starting is kept and
// begins as soon as it is ready. A missing or damaged file, a missing sound font or no audio
// output is silence, and then Done never comes, so a game that restarts the piece on Done
// cannot spin.
class MidiDevice : public SoundDevice {
  public:
    explicit MidiDevice(std::shared_ptr<MidiEngine> engine);
    ~MidiDevice() override;

    void setFileName(const QString& path) override { fileName_ = path; }
    void setCommandFlag(bool) override {}
    void command(SoundCommand cmd) override;

  private:
    void open();
    void play();
    void pause();
    void rewind();
    void startPlayer();
    void watch();

    std::shared_ptr<MidiEngine> engine_;
    QString fileName_;
    bool open_ = false;
    QByteArray music_;  // the file's bytes; empty when it cannot be played
    bool playing_ = false;
    bool ended_ = false;
    fluid_player_t* player_ = nullptr;  // made on the first "play" after a rewind
    QTimer watch_;
};
