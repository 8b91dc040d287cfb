#pragma once
// A legal pair of input and output channel counts, and the parser of the text
// that lists them ("1-1 2-2": tokens "in-out" separated by single spaces).

#include "PointerList.h"

struct ChannelIOSpec {
  int mInputs = 0;
  int mOutputs = 0;
};

// Appends one config per token to configs and answers whether every token read as
// two integers (a malformed token is appended as 0-0). The largest input and
// output counts (never below 0) go to maxInputs and maxOutputs. A null text
// yields nothing. Constructing thread; allocates.
bool ParseChannelIOSpecs(const char* text, PointerList<ChannelIOSpec>* configs, int* maxInputs, int* maxOutputs);

// The fewest outputs of any config (never below 0; 0 without configs): as
// many output buffers as a host of the plug-in always hands over. Any thread;
// no allocation.
int FewestOutputs(const PointerList<ChannelIOSpec>& configs);
// The same for the configs a text lists. Any thread; allocates.
int FewestOutputs(const char* text);
