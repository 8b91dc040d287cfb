#include "AAX_CIPlugParameters.h"

#include "AAX_Trace.h"

#include <cstring>

AAX_ResultCode AAX_CIPlugParameters::InitPrivateData(int32_t fieldIndex, void* data, int32_t size) {
  if (fieldIndex != kAAX_PrivateDataField)
    return AAX_CEffectParameters::InitPrivateData(fieldIndex, data, size);
  if (size != static_cast<int32_t>(sizeof(AAX_SIPlugPrivateData)))
    ReportAssertFailure("AAX_CIPlugParameters", 10, "iDataSize == sizeof(AAX_SIPlugPrivateData)", 1);
  // A smaller block cannot hold the pointer: writing it would overrun the
  // host's memory.
  if (!data || size < static_cast<int32_t>(sizeof(AAX_SIPlugPrivateData))) return AAX_SUCCESS;
  AAX_SIPlugPrivateData block = {this};
  std::memcpy(data, &block, sizeof block);  // the host's block need not be aligned
  return AAX_SUCCESS;
}

void AAX_CIPlugParameters::ProcessAudioContext(AAX_RenderContext*) {}

void ProcessRenderContexts(AAX_RenderContext* const* first, AAX_RenderContext* const* end,
                           int outputsWithoutInstance) {
  if (!first || !end) return;
  for (AAX_RenderContext* const* it = first; it < end; ++it) {
    AAX_RenderContext* context = *it;
    if (!context) continue;
    AAX_SIPlugPrivateData block = {nullptr};
    if (context->privateData) std::memcpy(&block, context->privateData, sizeof block);
    if (block.instance) {
      block.instance->ProcessAudioContext(context);
    } else {
      const int frames = context->blockLength ? *context->blockLength : 0;
      SilenceHostOutputs(context->outputs, outputsWithoutInstance, frames);
    }
  }
}

void SilenceHostOutputs(float* const* outputs, int channels, int frames) {
  if (!outputs || frames <= 0) return;
  for (int i = 0; i < channels; ++i)
    if (outputs[i]) std::memset(outputs[i], 0, sizeof(float) * static_cast<size_t>(frames));
}
