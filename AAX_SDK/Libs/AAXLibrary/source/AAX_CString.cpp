#include "AAX_CString.h"

#include <cmath>
#include <cstring>
#include <iomanip>
#include <locale>
#include <new>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace {
const char* TextOrEmpty(const char* text) { return text ? text : ""; }
}  // namespace

AAX_CString::AAX_CString(const char* text) : AAX_IString(), mBytes(TextOrEmpty(text)) {}

AAX_CString::AAX_CString(const std::string& bytes) : AAX_IString(), mBytes(bytes) {}

AAX_CString::AAX_CString(const AAX_IString& other) : AAX_IString(), mBytes(TextOrEmpty(other.Get())) {}

AAX_CString::AAX_CString(const AAX_CString& other) : AAX_IString(), mBytes(other.mBytes) {}

AAX_CString::AAX_CString(AAX_CString&& other) noexcept : AAX_IString(), mBytes(std::move(other.mBytes)) {}

AAX_CString& AAX_CString::operator=(const AAX_CString& other) {
  if (this != &other) mBytes = other.mBytes;
  return *this;
}

AAX_CString& AAX_CString::operator=(AAX_CString&& other) noexcept {
  if (this != &other) mBytes = std::move(other.mBytes);
  return *this;
}

AAX_CString& AAX_CString::operator=(const AAX_IString& other) {
  AssignString(other);
  return *this;
}

AAX_CString& AAX_CString::operator=(const char* text) {
  Set(text);
  return *this;
}

void* AAX_CString::DeletingDestructor(unsigned int flags) {
  if (flags & 1u) {
    delete this;
  } else {
    this->~AAX_CString();
  }
  return this;
}

void AAX_CString::Set(const char* text) { mBytes = TextOrEmpty(text); }

AAX_IString& AAX_CString::AssignText(const char* text) {
  Set(text);
  return *this;
}

AAX_IString& AAX_CString::AssignString(const AAX_IString& other) {
  // Copy first: other may be this very string.
  std::string copy(TextOrEmpty(other.Get()));
  mBytes.swap(copy);
  return *this;
}

void AAX_CString::Erase(uint32_t pos, uint32_t n) {
  if (pos > mBytes.size()) throw std::out_of_range("AAX_CString::Erase");
  mBytes.erase(pos, n);
}

void AAX_CString::AppendNumber(double value, int32_t precision) {
  std::ostringstream stream;
  stream.imbue(std::locale::classic());
  stream << std::fixed << std::setprecision(precision < 0 ? 0 : precision) << value;
  mBytes += stream.str();
}

bool AAX_CString::ToDouble(double* out) const {
  std::istringstream stream(mBytes);
  stream.imbue(std::locale::classic());
  double value = 0.0;
  stream >> value;
  const bool ok = !stream.fail() && std::isfinite(value);
  if (out) *out = ok ? value : 0.0;
  return ok;
}

void AAX_CString::SubString(uint32_t pos, uint32_t n, AAX_CString* out) const {
  if (pos > mBytes.size()) throw std::out_of_range("AAX_CString::SubString");
  if (out) out->mBytes = mBytes.substr(pos, n);
}

void AAX_CString::SubString(uint32_t pos, uint32_t n, AAX_IString* out) const {
  if (pos > mBytes.size()) throw std::out_of_range("AAX_CString::SubString");
  if (out) out->Set(mBytes.substr(pos, n).c_str());
}

void AAX_CString::Append(const AAX_CString& other) { mBytes += other.Get(); }

void AAX_CString::Append(const char* text) { mBytes += TextOrEmpty(text); }

bool AAX_CString::operator==(const AAX_CString& other) const {
  return std::strcmp(Get(), other.Get()) == 0;
}
