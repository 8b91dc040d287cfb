#pragma once
// What a text-entry box for a parameter may hold: the characters a number of
// the parameter's kind can have, up to the box's length limit. Typed
// characters are checked one by one; text that arrives any other way
// (pasted, set, undone) is checked as the change it makes, and a change that
// would put one refused character in the box is refused whole.
//
// Pure functions: any thread, no allocation.

#include <cstddef>
#include <string_view>

#include "IPlugParameter.h"

// Whether character belongs to what a box of the parameter kind holds:
// booleans, integers and enumerations (kinds 1 to 3) take signs and digits,
// continuous parameters (kind 4) also the decimal point; any other kind
// takes anything.
bool TextEntryCharacterInSet(int kind, unsigned character);

// A typed character (WM_CHAR): backspace and the clipboard and undo
// commands (ctrl+C, ctrl+V, ctrl+X, ctrl+Z) always pass, since the text they
// bring is checked as a change; everything else as TextEntryCharacterInSet.
bool TextEntryAcceptsCharacter(int kind, unsigned character);

// Pasted text without the line breaks that end it ("7.5\r\n" gives "7.5";
// any run of CR and LF at the end goes): a cell copied from a spreadsheet or
// a line copied from a text arrives with one, which a box for one value has
// no use for. A line break anywhere else stays, for the check to refuse.
std::string_view TextEntryPastedText(std::string_view pasted);

// Whether replacing `removed` of the `length` characters in a box with
// `inserted` is allowed: every inserted character is in the kind's set, and
// the result fits maxLength (0 or less: no limit). A change that does not
// make the text longer always fits, so a box opened over a longer text can
// still be shortened.
bool TextEntryAcceptsReplacement(int kind, int maxLength, std::size_t length, std::size_t removed,
                                 std::string_view inserted);

// The same for a change seen only as the text before and after it: what
// lies between their common beginning and common end was inserted.
bool TextEntryAcceptsChange(int kind, int maxLength, std::string_view before, std::string_view after);
