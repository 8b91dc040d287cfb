#include "lice_file.h"

FILE* lice_detail::OpenForReading(const char* utf8Path) { return std::fopen(utf8Path, "rb"); }
