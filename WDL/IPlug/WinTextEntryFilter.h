#pragma once
// Which typed characters a text-entry box for a parameter accepts: what a
// number of the parameter's kind can hold.

#include "IPlugParameter.h"

// Editor thread; no allocation. Backspace always passes; booleans, integers
// and enumerations (kinds 1 to 3) take signs and digits, continuous
// parameters (kind 4) also the decimal point; any other kind takes anything.
inline bool TextEntryAcceptsCharacter(int kind, unsigned character) {
  if (character == '\b') return true;
  const bool signOrDigit = character == '+' || character == '-' || (character >= '0' && character <= '9');
  switch (kind) {
    case IPlugParameter::kTypeBool:
    case IPlugParameter::kTypeInt:
    case IPlugParameter::kTypeEnum:
      return signOrDigit;
    case IPlugParameter::kTypeDouble:
      return signOrDigit || character == '.';
    default:
      return true;
  }
}
