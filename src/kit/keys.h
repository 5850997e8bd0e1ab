#pragma once

#include <QKeyEvent>

// Key codes as the game numbers them (the Windows virtual-key codes).
namespace KeyCode {
inline constexpr int Backspace = 8;
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int B = 66;
inline constexpr int F1 = 112;
inline constexpr int F4 = 115;
}  // namespace KeyCode

// Shift states: a sum of these.
namespace ShiftState {
inline constexpr int Shift = 1;
inline constexpr int Ctrl = 2;
inline constexpr int Alt = 4;
}  // namespace ShiftState

// The game's key code of a key event, 0 when it has none.
int KeyCodeOf(const QKeyEvent& event);
// The game's shift state of a key event.
int ShiftOf(const QKeyEvent& event);
// The character a key press types (a code point; control keys give their control code), or 0.
char32_t KeyAsciiOf(const QKeyEvent& event);
