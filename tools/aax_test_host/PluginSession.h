#pragma once
// A simulated AAX host session with a real plug-in module, driven only
// through what a host has: the seven entry points, the procedures the
// effect description registers (taken from the transcript), the
// effect-parameters interface by slot number, and render contexts laid out
// field by field. Nothing here includes the plug-in's headers.
//
//   PluginSession session(module);   // start-up and registration
//   HostedEffect effect(session, "A");  // procedure 0, controller "controllerA"
//   effect.Bind(); effect.InitPrivateData();
//   effect.Render(inputs, outputs, frames);
//
// Single-threaded, like the host objects underneath.

#include "DescriptionHostObjects.h"
#include "EntryPoints.h"
#include "FakeHost.h"
#include "GestureLedger.h"
#include "PluginCalls.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace fakehost {

// Slots of the effect-parameters interface.
namespace effect_slot {
enum : int {
  kBind = 3, kUnbind = 4, kCount = 6, kBypassId = 7, kStepCount = 9, kTitle = 10,
  kReadDefault = 12, kKind = 14, kIdAt = 18, kParse = 20, kFormat = 21, kFormatCurrent = 22,
  kRead = 23, kRequest = 24, kApply = 29, kInitPrivate = 32, kCountChunks = 33, kChunkIdAt = 34,
  kChunkSize = 35, kSave = 36, kLoad = 37, kCompare = 38, kChangeCount = 39
};
}  // namespace effect_slot

// The host's chunk record: size, version, three header words, identifier,
// 32-byte name, then the data from byte 56. Allocated to exactly the data
// it is made for, so that a plug-in reading past it is caught.
class HostChunk {
public:
  static constexpr size_t kDataOffset = 56;
  explicit HostChunk(size_t dataBytes);
  HostChunk(uint32_t chunkId, const std::vector<uint8_t>& data);
  void* Record() { return mBytes.get(); }
  int32_t Size() const { return Word(0); }
  void SetSize(int32_t size) { SetWord(0, size); }
  uint32_t ChunkId() const { return static_cast<uint32_t>(Word(20)); }
  void SetChunkId(uint32_t id) { SetWord(20, static_cast<int32_t>(id)); }
  unsigned char* Data() { return mBytes.get() + kDataOffset; }
  // The data bytes the size field names (at most what the record holds).
  std::vector<uint8_t> DataBytes() const;

private:
  int32_t Word(size_t offset) const;
  void SetWord(size_t offset, int32_t value);
  size_t mCapacity;
  std::unique_ptr<unsigned char[]> mBytes;
};

class PluginSession {
public:
  using CreateProc = void* (*)();
  using ProcessProc = void (*)(void* const* first, void* const* end);

  // Resolves the exports, starts the module and registers it. Ok() tells
  // whether all of that worked.
  explicit PluginSession(Module& module);
  // Shuts the module down when Shutdown has not (the instances must be gone).
  ~PluginSession();
  int32_t Shutdown();
  PluginSession(const PluginSession&) = delete;
  PluginSession& operator=(const PluginSession&) = delete;

  bool Ok() const { return mError.empty(); }
  const std::string& Error() const { return mError; }

  // "file line condition" of each assertion report, and trace texts.
  std::vector<std::string> Assertions() const;
  std::vector<std::string> Traces() const;

  Host host;
  DescriptionHost description{host};
  EntryPoints entry;
  int32_t registerResult = -1;
  // The registered procedures: kind 0, kind 1 and the native process
  // procedure of each component.
  CreateProc createEffect = nullptr;
  CreateProc createGUI = nullptr;
  std::vector<ProcessProc> processProcedures;

private:
  std::string mError;
  bool mStarted = false;
};

// The per-instance render context, as the host lays it out: ten
// pointer-sized fields (0 inputs, 1 outputs, 3 block length, 5 and 6 the
// 4-byte MIDI placeholders, 7 the transport node, 8 the private data,
// 9 the meter placeholder).
struct HostRenderContext {
  void* fields[10] = {};
  int32_t blockLength = 0;
  alignas(8) unsigned char privateData[8] = {};
  int32_t localMidi = 0;
  int32_t globalMidi = 0;
  int32_t meters = 0;
};

class HostedEffect {
public:
  // Creates an instance through procedure 0 and holds it through its
  // effect-parameters interface. Its host objects are named after suffix:
  // "controller<suffix>", "transport<suffix>", "node<suffix>".
  HostedEffect(PluginSession& session, const std::string& suffix);
  // Releases the instance when still held.
  ~HostedEffect();
  HostedEffect(const HostedEffect&) = delete;
  HostedEffect& operator=(const HostedEffect&) = delete;

  bool Ok() const { return mEffect != nullptr; }
  void* Interface() const { return mEffect; }

  template <typename... A>
  int32_t Invoke(int slot, A... args) {
    return CallPluginSlot<int32_t>(mEffect, slot, args...);
  }

  // What the controller answers: sample rate and the two stem formats.
  float sampleRate = 44100.0f;
  uint32_t inputStem = 0x00010002;
  uint32_t outputStem = 0x00010002;

  int32_t Bind();
  int32_t Unbind();
  // Gives the host's reference back; answers the plug-in's remaining count.
  uint32_t Release();
  // The host fills the context's private-data field (index 8, 8 bytes).
  int32_t InitPrivateData();

  // Parameters by host identifier.
  int32_t Count();
  std::string IdAt(int32_t index);
  std::string Title(const char* id);
  int32_t StepCount(const char* id);
  double Default(const char* id);
  double Read(const char* id);
  std::string Format(const char* id, double normalized, int32_t maxLength);
  std::string FormatCurrent(const char* id);
  int32_t Apply(const char* id, double normalized);
  int32_t ChangeCount();
  // The identifier of the parameter titled title, or "?" when none is.
  std::string IdOfTitle(const std::string& title);
  // The normalised value of a plain value's text (e.g. "70"), or -1.
  double ParseText(const char* id, const std::string& text);
  // Applies every value the plug-in requested from the automation delegate
  // since the last call, as a host following its requests does.
  int AnswerRequests();

  // State: the chunk identifier at index 0, its size, and a saved chunk.
  uint32_t ChunkId();
  uint32_t ChunkSize();
  std::unique_ptr<HostChunk> Save();

  // Renders one block through the registered process procedure with this
  // instance's context; inputs and outputs hold one pointer per host channel.
  void Render(float** inputs, float** outputs, int32_t frames);
  HostRenderContext& Context() { return *mContext; }
  // Runs the process procedure over the given contexts in one call.
  static void RenderAll(PluginSession& session, const std::vector<HostRenderContext*>& contexts);

  Object* controller = nullptr;
  Object* transport = nullptr;
  Object* node = nullptr;
  // The touches, value requests and releases the instance sends through
  // the controller's automation delegate, per parameter identifier: every
  // request inside a touch of its parameter. Touches nest: a value request
  // inside a gesture brings its own pair.
  vo::GestureLedger gestures{vo::GestureLedger::kNestingAllowed};

private:
  PluginSession& mSession;
  void* mEffect = nullptr;
  std::unique_ptr<HostRenderContext> mContext;
  size_t mAnswered = 0;  // transcript position up to which requests were answered
};

}  // namespace fakehost
