#pragma once
// The effect-parameters side of a plug-in in an AAX host: it puts the
// instance's own address into the private data of every render context the
// host prepares, so that the native process procedure finds the instance,
// and it is the render call's target. IPlugAAX implements the render call.

#include "AAX_CEffectParameters.h"
#include "AAX_RenderContext.h"

class AAX_CIPlugParameters : public AAX_CEffectParameters {
public:
  // Creating and releasing thread; each takes the registry lock of the
  // module's live instances (allocates when registering).
  AAX_CIPlugParameters();
  ~AAX_CIPlugParameters() override;

  // The live instance of this module whose effect-parameters interface
  // pointer the host handed out, or null for any other object (another
  // module's, the host's own, or one already destroyed). Any thread; takes
  // the registry lock; no allocation.
  static AAX_CIPlugParameters* FindLiveInstance(const void* effectParameters);

  // Host's set-up thread; no allocation. Field 8 (the private data): the
  // instance pointer goes into the block's first 8 bytes. A size other than
  // 8 is reported to the host; a block smaller than the pointer is left
  // untouched. Other fields are zero-filled as the base does. Always 0.
  AAX_ResultCode InitPrivateData(int32_t fieldIndex, void* data, int32_t size) override;

  // Host's audio thread: renders one context. Nothing here; no allocation,
  // no lock.
  virtual void ProcessAudioContext(AAX_RenderContext* context);
};

// The native process procedure's body: renders each context of [first, end)
// whose private data names an instance, in array order. A context without an
// instance cannot be rendered, so the host would play whatever its buffers
// held: its first outputsWithoutInstance outputs (as many as the host hands
// over for any of the plug-in's channel configurations) get silence instead.
// Host's audio thread; no allocation; each render takes its instance's
// plug-in mutex.
void ProcessRenderContexts(AAX_RenderContext* const* first, AAX_RenderContext* const* end,
                           int outputsWithoutInstance);

// Writes frames zeros into each of the first channels host output buffers
// (null buffers are skipped). Host's audio thread; no allocation, no lock.
void SilenceHostOutputs(float* const* outputs, int channels, int frames);
