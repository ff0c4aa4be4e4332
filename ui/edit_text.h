#pragma once
// Reading and writing the whole text of an edit box, as ANSI bytes.
#include <cstdint>

#include "actions/text.h"

namespace vodrelik {

// A fresh copy of the box's text, or null for an empty box.
Text read_content(std::uint32_t box);

// Replaces the box's whole text in one step; null empties it.
void write_content(std::uint32_t box, const char* text);

}  // namespace vodrelik
