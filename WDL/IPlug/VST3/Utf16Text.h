#pragma once
// Conversions between the framework's UTF-8 texts and the VST3 interfaces'
// UTF-16 fields. Both are bounded by the destination's capacity, never split
// a character, always terminate the destination, and turn malformed input
// into U+FFFD rather than failing, whatever the host hands over.

#include "pluginterfaces/vst/vsttypes.h"

// Any thread; no allocation, no lock. capacity counts UTF-16 units with the
// terminator (128 for a String128); a null source gives the empty text.
void Utf8ToUtf16(const char* source, Steinberg::Vst::TChar* dest, int capacity);

// Any thread; no allocation, no lock. capacity counts bytes with the
// terminator; at most sourceLimit units of source are read.
void Utf16ToUtf8(const Steinberg::Vst::TChar* source, int sourceLimit, char* dest, int capacity);
