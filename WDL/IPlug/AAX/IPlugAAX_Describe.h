#pragma once
// The effect description: what an AAX host is told at registration before
// any instance exists (names, category, one processing component per channel
// configuration, the two creation procedures, identifier, maker and
// version). Runs on the host's registration thread; takes no lock;
// allocates.

#include "AAX_Result.h"

#include <cstdint>

class AAX_ICollection;
class AAX_IEffectDescriptor;

// The description settings of a build. The code is generic over them; the
// plug-in's own are PluginDescriptionSettings().
struct DescriptionSettings {
  const char* effectNames;     // newline-separated list
  const char* makerNames;      // newline-separated list
  const char* channelConfigurations;  // blank-separated "inputs-outputs" items
  uint32_t manufacturerId;     // four-character codes
  uint32_t productId;
  const uint32_t* nativeTypeIds;  // one per configuration, in order
  const uint32_t* secondTypeIds;  // likewise; kNoSecondTypeId leaves one out
  int typeIdCount;                // entries of each type-identifier table
  const char* localMidiName;
  const char* globalMidiName;
  const char* transportName;
  const char* effectIdentifier;
  uint32_t category;
  uint32_t bundleVersion;
};

// A second type identifier of this value means the component has none.
constexpr uint32_t kNoSecondTypeId = 0x6E6F6E65;  // 'none'

const DescriptionSettings& PluginDescriptionSettings();

// What one component is described with.
struct ComponentSetup {
  bool globalMidiEnabled = false;
  const char* globalMidiName = nullptr;
  uint32_t globalMidiMask = 0xFFFF;
  bool localMidiEnabled = false;
  const char* localMidiName = nullptr;
  uint32_t localMidiMask = 1;
  bool transportEnabled = true;
  const char* transportName = nullptr;  // informational: the node is always named "Transport"
  int32_t meterCount = 0;
  const uint32_t* meterIds = nullptr;
  static constexpr int kMaxExtraFields = 16;
  int32_t extraFieldCount = 0;
  void* extraFieldData[kMaxExtraFields] = {};
  int32_t extraFieldValues[kMaxExtraFields] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  uint32_t inputStemFormat = 0;
  uint32_t outputStemFormat = 0;
  bool flag151 = false;    // registers property 151 with value 1
  bool property60 = true;
  uint32_t manufacturerId = 0;
  uint32_t productId = 0;
  uint32_t nativeTypeId = 0;
  uint32_t secondTypeId = kNoSecondTypeId;
  int32_t property56 = 0;
};

// Render-context fields a component declares.
enum RenderContextField : int32_t {
  kFieldAudioInputs = 0,
  kFieldAudioOutputs = 1,
  kFieldBlockLength = 3,
  kFieldLocalMidi = 5,
  kFieldGlobalMidi = 6,
  kFieldTransport = 7,
  kFieldPrivateData = 8,
  kFieldMeters = 9
};

// The stem format of a channel count: layout index in the high 16 bits,
// channel count in the low 16; 0xFF9C0000 (no layout, 0 channels) for any
// count other than 1 to 8.
uint32_t StemFormatForChannels(int32_t channels);

// Creates, fills and attaches one component; the bitwise OR of the results
// it counts.
AAX_ResultCode DescribeComponent(AAX_IEffectDescriptor* effect, const ComponentSetup& setup);

// Describes the effect with the given settings; 0, or the bitwise OR of the
// failing results (-20004 alone when the host gives no effect descriptor).
// DescribeEffect (declared with the registration entry point) does this
// with PluginDescriptionSettings().
AAX_ResultCode DescribeEffectWith(AAX_ICollection* collection, const DescriptionSettings& settings);
