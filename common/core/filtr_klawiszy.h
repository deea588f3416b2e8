// The key filter of the entry boxes and grids: only what a number in the
// Polish form needs may be typed.
#pragma once

namespace common {

// True for the characters that pass: the digits, the comma, Backspace and
// Enter. Every other typed character (a minus, a point, a letter, the
// control characters of Ctrl+C, Ctrl+V, Ctrl+X) is dropped.
inline bool ZnakPrzepuszczony(char32_t znak) {
  return (znak >= U'0' && znak <= U'9') || znak == U',' || znak == U'\b' || znak == U'\r';
}

}  // namespace common
