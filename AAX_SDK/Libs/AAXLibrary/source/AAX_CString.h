#pragma once
// The library's string: an owned byte string (always followed by a NUL) that
// implements the host-boundary text interface, plus the number formatting,
// parsing, sub-string and erase operations the parameter code needs.
// Not thread-safe; allocates as it grows.

#include "AAX_IString.h"

#include <cstdint>
#include <string>

class AAX_CString final : public AAX_IString {
public:
  AAX_CString() = default;
  // Null gives the empty string; otherwise the bytes up to the first NUL.
  AAX_CString(const char* text);  // NOLINT: converting on purpose
  // The whole byte string, NULs included.
  explicit AAX_CString(const std::string& bytes);
  // The other's text up to its first NUL.
  explicit AAX_CString(const AAX_IString& other);
  AAX_CString(const AAX_CString& other);
  AAX_CString(AAX_CString&& other) noexcept;
  ~AAX_CString() = default;

  // Copies the other's whole byte string (nothing for itself).
  AAX_CString& operator=(const AAX_CString& other);
  AAX_CString& operator=(AAX_CString&& other) noexcept;
  AAX_CString& operator=(const AAX_IString& other);
  AAX_CString& operator=(const char* text);

  // Host-boundary interface.
  void* DeletingDestructor(unsigned int flags) override;
  uint32_t Length() const override { return static_cast<uint32_t>(mBytes.size()); }
  uint32_t MaxLength() const override { return kMaxLength; }
  const char* Get() const override { return mBytes.c_str(); }
  void Set(const char* text) override;
  AAX_IString& AssignText(const char* text) override;
  AAX_IString& AssignString(const AAX_IString& other) override;

  void Swap(AAX_CString& other) noexcept { mBytes.swap(other.mBytes); }
  void Clear() { mBytes.clear(); }
  // Removes min(n, Length - pos) bytes at pos; throws std::out_of_range
  // (changing nothing) when pos > Length.
  void Erase(uint32_t pos, uint32_t n);
  // Appends value in fixed-point notation with precision decimals, '.' as
  // separator whatever the process locale.
  void AppendNumber(double value, int32_t precision);
  // Reads a decimal number from the start (leading blanks skipped, trailing
  // text ignored); on failure out := 0 and false. Never yields a non-finite.
  bool ToDouble(double* out) const;
  // out := min(n, Length - pos) bytes from pos; throws std::out_of_range
  // (changing nothing) when pos > Length. A foreign string is written only
  // through its interface.
  void SubString(uint32_t pos, uint32_t n, AAX_CString* out) const;
  void SubString(uint32_t pos, uint32_t n, AAX_IString* out) const;
  // Appends the other's text up to its first NUL.
  void Append(const AAX_CString& other);
  void Append(const char* text);

  // No bounds check: the caller keeps index < Length.
  char& operator[](uint32_t index) { return mBytes[index]; }
  const char& operator[](uint32_t index) const { return mBytes[index]; }

  // Byte-wise comparison of the two texts up to their NUL.
  bool operator==(const AAX_CString& other) const;
  bool operator!=(const AAX_CString& other) const { return !(*this == other); }

  const std::string& StdString() const { return mBytes; }

  static constexpr uint32_t kMaxLength = 0xFFFFFFFEu;

private:
  std::string mBytes;
};
