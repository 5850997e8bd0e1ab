#pragma once

#include <QString>
#include <QStringView>

// The holder's name as the high-score file keeps it.

inline constexpr int kMaxNameLength = 10;

// Characters as a child counts them: one per code point, so a pair of UTF-16 surrogates is one.
int NameLength(QStringView name);

// The name without its last character (the name itself when empty).
QString WithoutLastCharacter(QStringView name);

// Whether a typed character may join the name: no control character (a line break would break
// the two-line file), and one that code page 932 holds, so that the name read back after a
// restart is the name the child saw.
bool IsNameCharacter(char32_t c);

// The character a key of the physical keyboard types into the name: the space bar gives the
// ideographic space, as the on-screen keyboard's space key does.
char32_t NameCharacterOfKey(char32_t typed);
