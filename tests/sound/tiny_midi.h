#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Writes a Standard MIDI File of one track: a piano playing `notes` rising tones of
// `noteMs` each, at the default tempo of 120 beats a minute.
inline bool writeTinyMidi(const QString& path, int notes = 3, int noteMs = 100) {
    constexpr int kDivision = 480;               // ticks per beat; 500 ms a beat
    const int ticks = noteMs * kDivision / 500;  // small enough for one delta byte pair
    auto delta = [](int value) {
        QByteArray bytes;
        bytes.append(static_cast<char>(0x80 | ((value >> 7) & 0x7F)));
        bytes.append(static_cast<char>(value & 0x7F));
        return bytes;
    };
    QByteArray track;
    track.append("\x00\xC0\x00", 3);  // program 0 on channel 1
    for (int i = 0; i < notes; ++i) {
        const char key = static_cast<char>(60 + 2 * i);
        track.append('\x00').append('\x90').append(key).append('\x64');
        track.append(delta(ticks)).append('\x80').append(key).append('\x40');
    }
    track.append("\x00\xFF\x2F\x00", 4);

    auto be = [](quint32 value, int size) {
        QByteArray bytes;
        for (int shift = 8 * (size - 1); shift >= 0; shift -= 8) {
            bytes.append(static_cast<char>((value >> shift) & 0xFF));
        }
        return bytes;
    };
    QByteArray file = "MThd" + be(6, 4) + be(0, 2) + be(1, 2) + be(kDivision, 2);
    file += "MTrk" + be(static_cast<quint32>(track.size()), 4) + track;

    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size();
}
