#pragma once
// The host's per-instance context record that the native process procedure
// receives: one pointer-sized field per index, as the effect description
// declares them. Indexes 2 and 4 are not declared and carry nothing.

#include <cstddef>
#include <cstdint>

class AAX_CIPlugParameters;
class AAX_IACFMIDINode;

// The 8-byte private-data block the host keeps in every render context: the
// instance that renders it (its effect-parameters side), put there by
// AAX_CIPlugParameters::InitPrivateData.
struct AAX_SIPlugPrivateData {
  AAX_CIPlugParameters* instance;
};
static_assert(sizeof(AAX_SIPlugPrivateData) == 8, "the private-data field is 8 bytes");

struct AAX_RenderContext {
  float** inputs;           // 0: one buffer per host input channel
  float** outputs;          // 1: one buffer per host output channel
  void* unused2;            // 2
  const int32_t* blockLength;  // 3: samples in this block
  void* unused4;            // 4
  AAX_IACFMIDINode* localMidiNode;   // 5: read only by plug-ins that accept MIDI
  AAX_IACFMIDINode* globalMidiNode;  // 6: not read
  AAX_IACFMIDINode* transportNode;   // 7: hands out the host transport
  AAX_SIPlugPrivateData* privateData;  // 8
  void* meters;             // 9: not read
};
static_assert(offsetof(AAX_RenderContext, blockLength) == 24, "block length at field 3");
static_assert(offsetof(AAX_RenderContext, transportNode) == 56, "transport node at field 7");
static_assert(offsetof(AAX_RenderContext, privateData) == 64, "private data at field 8");

// Render-context field index of the private data.
constexpr int32_t kAAX_PrivateDataField = 8;
