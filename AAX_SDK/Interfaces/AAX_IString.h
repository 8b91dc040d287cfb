#pragma once
// The text interface that crosses the host boundary in both directions: the
// host passes its own strings into name and value queries, the library passes
// its AAX_CString to the host. Used on the host's parameter and user-interface
// threads, never shared between threads; writing a string may allocate.
//
// Slot layout as the host's compiler builds it: one deleting-destructor slot,
// then the operations in declaration order, except that the two assignments
// (overloads of one operator there) sit with the text overload first.

#include <cstdint>

class AAX_IString {
public:
  // Slot 0: destroys the string; frees its memory when bit 0 of flags is set.
  // Returns the object's address. Only the string's creator may call it.
  virtual void* DeletingDestructor(unsigned int flags) = 0;
  virtual uint32_t Length() const = 0;                    // slot 1: bytes of text
  virtual uint32_t MaxLength() const = 0;                 // slot 2
  virtual const char* Get() const = 0;                    // slot 3: NUL-terminated text
  virtual void Set(const char* text) = 0;                 // slot 4
  virtual AAX_IString& AssignText(const char* text) = 0;  // slot 5
  virtual AAX_IString& AssignString(const AAX_IString& other) = 0;  // slot 6: copies other.Get()

  AAX_IString& operator=(const char* text) { return AssignText(text); }
  AAX_IString& operator=(const AAX_IString& other) { return AssignString(other); }

protected:
  AAX_IString() = default;
  AAX_IString(const AAX_IString&) = default;
  ~AAX_IString() = default;
};
