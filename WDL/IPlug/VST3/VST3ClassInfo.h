#pragma once
// What the VST3 factory tells a host about the module and its one class.

#include "pluginterfaces/base/ipluginbase.h"

// The class id: the words 0xF2AEE70D, 0x00DE4F4E, 'VmBa' and 'Odln' laid
// out as a COM-compatible inline id is laid out on Windows (first word
// little-endian, second as two little-endian halves, last two big-endian),
// on every platform, so that the bytes a host sees never depend on the build.
extern const Steinberg::TUID kVimbraOndelinoClassId;

// The factory's vendor, web address, e-mail and flags. Any thread.
const Steinberg::PFactoryInfo& VimbraOndelinoFactoryInfo();
// The class record (second version). Any thread.
const Steinberg::PClassInfo2& VimbraOndelinoClassInfo();
