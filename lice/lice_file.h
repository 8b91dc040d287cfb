#pragma once
// Opens a file named by a UTF-8 path for binary reading (platform forms in
// lice_file_win.cpp and lice_file_posix.cpp). Null when it cannot be opened.

#include <cstdio>

namespace lice_detail
{
FILE* OpenForReading(const char* utf8Path);
}
