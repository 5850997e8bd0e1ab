#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Writes a WAV file of `ms` milliseconds of quiet 8 kHz mono 16-bit sound.
inline bool writeTinyWave(const QString& path, int ms = 200) {
    constexpr quint32 kRate = 8000;
    auto le = [](quint32 value, int size) {
        QByteArray bytes(size, '\0');
        for (int i = 0; i < size; ++i) {
            bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        }
        return bytes;
    };
    const QByteArray samples(static_cast<int>(kRate * 2 * ms / 1000), '\x01');
    const QByteArray format =
        le(1, 2) + le(1, 2) + le(kRate, 4) + le(kRate * 2, 4) + le(2, 2) + le(16, 2);
    const QByteArray body = "WAVE" + QByteArray("fmt ") + le(16, 4) + format + "data" +
                            le(static_cast<quint32>(samples.size()), 4) + samples;
    const QByteArray file = "RIFF" + le(static_cast<quint32>(body.size()), 4) + body;

    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size();
}
