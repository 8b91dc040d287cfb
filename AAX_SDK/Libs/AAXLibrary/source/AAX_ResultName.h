#pragma once

#include "AAX_Result.h"

// The code's name, or "<unknown error code>". Any thread; no allocation.
const char* ResultName(AAX_ResultCode result);
