#include "ChannelIOSpec.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace {
// Reads one integer like scanf's %d (leading blanks, optional sign), saturating
// at the int range; false when no digits follow.
bool ReadInt(const char*& p, int* value) {
  char* end = nullptr;
  const long v = std::strtol(p, &end, 10);
  if (end == p) return false;
  p = end;
  if (v > INT_MAX) {
    *value = INT_MAX;
  } else if (v < INT_MIN) {
    *value = INT_MIN;
  } else {
    *value = static_cast<int>(v);
  }
  return true;
}

bool ReadToken(const char* p, ChannelIOSpec* config) {
  int inputs = 0, outputs = 0;
  if (ReadInt(p, &inputs) && *p == '-' && ReadInt(++p, &outputs)) {
    config->mInputs = inputs;
    config->mOutputs = outputs;
    return true;
  }
  return false;
}
}  // namespace

bool ParseChannelIOSpecs(const char* text, PointerList<ChannelIOSpec>* configs, int* maxInputs, int* maxOutputs) {
  *maxInputs = 0;
  *maxOutputs = 0;
  bool valid = true;
  for (const char* p = text; p;) {
    ChannelIOSpec* config = new ChannelIOSpec;
    valid = ReadToken(p, config) && valid;
    if (config->mInputs > *maxInputs) *maxInputs = config->mInputs;
    if (config->mOutputs > *maxOutputs) *maxOutputs = config->mOutputs;
    const int count = configs->GetSize();
    configs->Insert(config);
    if (configs->GetSize() == count) delete config;
    // The next token starts after the next single space.
    p = std::strchr(p, ' ');
    if (p) ++p;
  }
  return valid;
}

int FewestOutputs(const PointerList<ChannelIOSpec>& configs) {
  int fewest = -1;
  for (int i = 0; i < configs.GetSize(); ++i) {
    const int outputs = configs.Get(i)->mOutputs;
    if (fewest < 0 || outputs < fewest) fewest = outputs;
  }
  return fewest > 0 ? fewest : 0;
}

int FewestOutputs(const char* text) {
  PointerList<ChannelIOSpec> configs;
  int maxInputs = 0, maxOutputs = 0;
  ParseChannelIOSpecs(text, &configs, &maxInputs, &maxOutputs);
  const int fewest = FewestOutputs(configs);
  configs.DeleteAll(true);
  return fewest;
}
