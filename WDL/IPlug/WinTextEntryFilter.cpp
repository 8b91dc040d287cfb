#include "WinTextEntryFilter.h"

#include <algorithm>

namespace {
constexpr unsigned kBackspace = '\b';
// What ctrl+C, ctrl+V, ctrl+X and ctrl+Z type.
constexpr unsigned kCopy = 0x03, kPaste = 0x16, kCut = 0x18, kUndo = 0x1A;
}  // namespace

bool TextEntryCharacterInSet(int kind, unsigned character) {
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

bool TextEntryAcceptsCharacter(int kind, unsigned character) {
  switch (character) {
    case kBackspace:
    case kCopy:
    case kPaste:
    case kCut:
    case kUndo:
      return true;
    default:
      return TextEntryCharacterInSet(kind, character);
  }
}

std::string_view TextEntryPastedText(std::string_view pasted) {
  while (!pasted.empty() && (pasted.back() == '\r' || pasted.back() == '\n')) pasted.remove_suffix(1);
  return pasted;
}

bool TextEntryAcceptsReplacement(int kind, int maxLength, std::size_t length, std::size_t removed,
                                 std::string_view inserted) {
  removed = std::min(removed, length);
  for (char c : inserted) {
    if (!TextEntryCharacterInSet(kind, static_cast<unsigned char>(c))) return false;
  }
  const std::size_t result = length - removed + inserted.size();
  return maxLength <= 0 || result <= static_cast<std::size_t>(maxLength) || result <= length;
}

bool TextEntryAcceptsChange(int kind, int maxLength, std::string_view before, std::string_view after) {
  const std::size_t shorter = std::min(before.size(), after.size());
  std::size_t head = 0;
  while (head < shorter && before[head] == after[head]) ++head;
  std::size_t tail = 0;
  while (tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) ++tail;
  return TextEntryAcceptsReplacement(kind, maxLength, before.size(), before.size() - head - tail,
                                     after.substr(head, after.size() - head - tail));
}
