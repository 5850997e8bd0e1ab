#include "midi_file.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace {

class Reader {
  public:
    Reader(const std::vector<std::uint8_t>& b, std::size_t from, std::size_t to)
        : b_(b), at_(from), end_(to) {}

    bool done() const { return at_ >= end_; }
    bool ok() const { return ok_; }

    std::uint8_t byte() {
        if (at_ >= end_) {
            ok_ = false;
            return 0;
        }
        return b_[at_++];
    }

    std::uint32_t varLen() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t c = byte();
            v = (v << 7) | (c & 0x7F);
            if (!(c & 0x80)) {
                return v;
            }
        }
        ok_ = false;
        return 0;
    }

    std::vector<std::uint8_t> bytes(std::uint32_t n) {
        if (n > end_ - at_) {
            ok_ = false;
            return {};
        }
        std::vector<std::uint8_t> out(b_.begin() + at_, b_.begin() + at_ + n);
        at_ += n;
        return out;
    }

  private:
    const std::vector<std::uint8_t>& b_;
    std::size_t at_;
    std::size_t end_;
    bool ok_ = true;
};

std::uint32_t be(const std::vector<std::uint8_t>& b, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = 0; i < size; ++i) {
        v = (v << 8) | b[at + i];
    }
    return v;
}

void applyMeta(MidiFile& midi, std::uint8_t type, const std::vector<std::uint8_t>& data) {
    if (type == 0x51 && data.size() == 3) {
        midi.microsecondsPerQuarter = be(data, 0, 3);
    } else if (type == 0x58 && data.size() == 4) {
        midi.beatsPerBar = data[0];
        midi.beatUnit = 1 << data[1];
    }
}

bool parseTrack(const std::vector<std::uint8_t>& b, std::size_t from, std::size_t to,
                MidiFile& midi, MidiTrackSummary& track, std::string& error) {
    Reader r(b, from, to);
    std::uint32_t tick = 0;
    std::uint8_t running = 0;
    std::map<int, int> sounding;  // channel * 128 + pitch -> how many times on
    while (!r.done()) {
        tick += r.varLen();
        std::uint8_t status = r.byte();
        std::uint8_t first = 0;
        if (status < 0x80) {
            if (running == 0) {
                error = "data byte without a running status";
                return false;
            }
            first = status;
            status = running;
        } else if (status < 0xF0) {
            running = status;
            first = r.byte();
        }
        if (status == 0xFF) {
            const std::uint8_t type = r.byte();
            const auto data = r.bytes(r.varLen());
            if (type == 0x2F) {
                track.endTick = tick;
                track.hangingNotes = 0;
                for (const auto& [key, count] : sounding) {
                    track.hangingNotes += count;
                }
                if (!r.done()) {
                    error = "events after the end of the track";
                    return false;
                }
                if (!r.ok()) {
                    error = "truncated track";
                }
                return r.ok();
            }
            applyMeta(midi, type, data);
            continue;
        }
        if (status == 0xF0 || status == 0xF7) {
            r.bytes(r.varLen());
            running = 0;
            continue;
        }
        const int kind = status & 0xF0;
        const int channel = status & 0x0F;
        const std::uint8_t second = (kind == 0xC0 || kind == 0xD0) ? 0 : r.byte();
        if (kind == 0xC0) {
            track.programs.push_back(first);
        }
        if (kind == 0x90 && second > 0) {
            ++track.noteCount;
            ++sounding[channel * 128 + first];
            track.pitches.push_back(first);
            if (std::find(track.channels.begin(), track.channels.end(), channel) ==
                track.channels.end()) {
                track.channels.push_back(channel);
            }
        } else if (kind == 0x80 || kind == 0x90) {
            int& count = sounding[channel * 128 + first];
            count = std::max(0, count - 1);
        }
        if (!r.ok()) {
            break;
        }
    }
    error = "track has no end-of-track event";
    return false;
}

}  // namespace

bool parseMidi(const std::vector<std::uint8_t>& b, MidiFile& midi, std::string& error) {
    if (b.size() < 14 || std::memcmp(b.data(), "MThd", 4) != 0 || be(b, 4, 4) != 6) {
        error = "no MThd header";
        return false;
    }
    midi.format = static_cast<int>(be(b, 8, 2));
    const std::uint32_t trackCount = be(b, 10, 2);
    midi.ticksPerQuarter = static_cast<int>(be(b, 12, 2));
    if (midi.ticksPerQuarter <= 0 || midi.ticksPerQuarter >= 0x8000) {
        error = "division is not ticks per quarter note";
        return false;
    }
    std::size_t at = 14;
    for (std::uint32_t i = 0; i < trackCount; ++i) {
        if (at + 8 > b.size() || std::memcmp(b.data() + at, "MTrk", 4) != 0) {
            error = "missing MTrk chunk";
            return false;
        }
        const std::size_t end = at + 8 + be(b, at + 4, 4);
        if (end > b.size()) {
            error = "track runs past the end of the file";
            return false;
        }
        midi.tracks.emplace_back();
        if (!parseTrack(b, at + 8, end, midi, midi.tracks.back(), error)) {
            return false;
        }
        at = end;
    }
    if (at != b.size()) {
        error = "bytes after the last track";
        return false;
    }
    return true;
}
