#pragma once
// The catch-all of the exported entry points: nothing may be thrown into the
// host, so anything escaping an entry point's body becomes 0x8000FFFF.

#include "AAX_Result.h"

template <class Body>
AAX_ResultCode AAX_CallGuarded(Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return ACF_UNEXPECTED_FAILURE;
  }
}
