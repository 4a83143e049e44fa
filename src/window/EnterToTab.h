#pragma once

#include <cstdint>

namespace tabulon {

// Key press filter for text boxes where Enter should move on: Enter (13) is swallowed
// (KeyAscii becomes 0) and a Tab keystroke is posted to the focused widget.
void EnterToTab(std::int16_t& KeyAscii);

}  // namespace tabulon
