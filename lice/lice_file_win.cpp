// Windows paths are UTF-16: the UTF-8 path is converted and opened with the
// wide fopen; a path that does not convert (or open) that way is tried as a
// byte string.

#include "lice_file.h"

#include <windows.h>

FILE* lice_detail::OpenForReading(const char* utf8Path)
{
  wchar_t wide[2048];
  if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8Path, -1, wide, 2048) > 0)
  {
    if (FILE* f = _wfopen(wide, L"rb")) return f;
  }
  return std::fopen(utf8Path, "rb");
}
