#pragma once
// The procedures an effect description hands to the host. They cross the
// host boundary as plain function pointers.

#include <cstdint>

class IACFUnknown;
struct AAX_RenderContext;  // the host's per-instance context record (the render call defines it)

// Creates one host-visible object (effect parameters, GUI) with count 0.
// Host's thread; allocates.
typedef IACFUnknown* (*AAX_CreateObjectProc)();

// Processes a batch of render contexts [first, end). Host's audio thread.
typedef void (*AAX_NativeProcessProc)(AAX_RenderContext* const* first,
                                      AAX_RenderContext* const* end);

// The two optional procedures a native process procedure is registered with
// (instance initialisation, background work). This plug-in registers none.
typedef int32_t (*AAX_InstanceInitProc)(const AAX_RenderContext* context, int32_t action);
typedef int32_t (*AAX_BackgroundProc)();
