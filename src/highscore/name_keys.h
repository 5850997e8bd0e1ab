#pragma once

#include <QPoint>
#include <QString>
#include <array>

// The on-screen keyboard: three arrays of 25 x 25 keys in rows of five, each row read like the
// kana table ("あいうえお", "かきくけこ", ...), with two character sets that the set switch swaps.

inline constexpr int kKeySize = 25;
inline constexpr int kKeyPitch = 24;  // neighbouring keys share their edge
inline constexpr int kKeysPerRow = 5;
inline constexpr int kKeyArrays = 3;

struct KeyArray {
    const char* name;                   // cmdKey, cmdKey1, cmdKey2
    QPoint origin;                      // key 0, in the keyboard panel
    std::array<QString, 2> characters;  // one character per key, set 0 and set 1
};

// cmdKey (50 keys), cmdKey1 (55) and cmdKey2 (30).
const std::array<KeyArray, kKeyArrays>& KeyArrays();

// Where key `index` of an array stands in the keyboard panel.
QPoint KeyPosition(QPoint origin, int index);

// What a screen reader says for a key's character: a symbol in words, anything else as it is.
QString SpokenKey(QChar character);
