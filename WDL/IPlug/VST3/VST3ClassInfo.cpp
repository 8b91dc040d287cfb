#include "VST3ClassInfo.h"

using namespace Steinberg;

namespace {
constexpr uint32 kClassIdWords[4] = {0xF2AEE70D, 0x00DE4F4E, 0x566D4261 /* VmBa */,
                                     0x4F646C6E /* Odln */};

constexpr int8 Byte(uint32 word, int shift) { return static_cast<int8>((word >> shift) & 0xFF); }
}  // namespace

const TUID kVimbraOndelinoClassId = {
    Byte(kClassIdWords[0], 0),  Byte(kClassIdWords[0], 8),  Byte(kClassIdWords[0], 16),
    Byte(kClassIdWords[0], 24), Byte(kClassIdWords[1], 16), Byte(kClassIdWords[1], 24),
    Byte(kClassIdWords[1], 0),  Byte(kClassIdWords[1], 8),  Byte(kClassIdWords[2], 24),
    Byte(kClassIdWords[2], 16), Byte(kClassIdWords[2], 8),  Byte(kClassIdWords[2], 0),
    Byte(kClassIdWords[3], 24), Byte(kClassIdWords[3], 16), Byte(kClassIdWords[3], 8),
    Byte(kClassIdWords[3], 0)};

// Built once, thread-safely, by the compiler's function-static initialisation.
const PFactoryInfo& VimbraOndelinoFactoryInfo() {
  static const PFactoryInfo info("Vimbra", "https://vimbra.example", "mailto:info@vimbra.example",
                                 PFactoryInfo::kUnicode);
  return info;
}

const PClassInfo2& VimbraOndelinoClassInfo() {
  static const PClassInfo2 info(kVimbraOndelinoClassId, PClassInfo::kManyInstances,
                                "Audio Module Class", "VimbraOndelino", 2, "Fx|Modulation", "",
                                "1.2.0", "VST 3.5.2");
  return info;
}
