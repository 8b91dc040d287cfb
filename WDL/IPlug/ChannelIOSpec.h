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
