#pragma once
// The two sound cues, played from the program's embedded WAVE resources.
#include <string_view>

// Starts the WAVE resource `name` ("zvuk1", "zvuk2"; any letter case) and
// returns at once. A new cue cuts off the one playing. An unknown name or a
// machine without audio output plays nothing and reports nothing.
void PlayResourceSound(std::string_view name);
