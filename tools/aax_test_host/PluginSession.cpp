#include "PluginSession.h"

#include "HostIds.h"
#include "HostObjects.h"
#include "HostString.h"
#include "SlotTables.h"

#include <algorithm>
#include <cstring>

namespace fakehost {
namespace {

template <typename T>
T* Out(const Arg& arg) {
  return static_cast<T*>(const_cast<void*>(arg.pointer));
}

// The transport the host reports to every instance: 120 bpm in 4/4,
// playing, at quarter note 2 (sample 88200), looping bars 1 to 3.
Object& MakeTransport(Host& host, const std::string& name) {
  Object& transport = host.Make(name);
  transport.Answer(ids::Unknown(), "unknown", UnknownTable());
  transport.Answer(ids::TransportV1(), "V1", TransportTable());
  transport.SetBehaviour(3, [](Object&, const Call& call) -> int64_t {
    if (double* bpm = Out<double>(call.args[0])) *bpm = 120.0;
    return 0;
  });
  transport.SetBehaviour(4, [](Object&, const Call& call) -> int64_t {
    if (int32_t* numerator = Out<int32_t>(call.args[0])) *numerator = 4;
    if (int32_t* denominator = Out<int32_t>(call.args[1])) *denominator = 4;
    return 0;
  });
  transport.SetBehaviour(5, [](Object&, const Call& call) -> int64_t {
    if (bool* playing = Out<bool>(call.args[0])) *playing = true;
    return 0;
  });
  transport.SetBehaviour(6, [](Object&, const Call& call) -> int64_t {
    if (int64_t* ticks = Out<int64_t>(call.args[0])) *ticks = 2 * 960000;
    return 0;
  });
  transport.SetBehaviour(7, [](Object&, const Call& call) -> int64_t {
    if (bool* looping = Out<bool>(call.args[0])) *looping = true;
    if (int64_t* start = Out<int64_t>(call.args[1])) *start = 0;
    if (int64_t* end = Out<int64_t>(call.args[2])) *end = 8 * 960000;
    return 0;
  });
  transport.SetBehaviour(8, [](Object&, const Call& call) -> int64_t {
    if (int64_t* samples = Out<int64_t>(call.args[0])) *samples = 88200;
    return 0;
  });
  return transport;
}

}  // namespace

// --- HostChunk ----------------------------------------------------------------

HostChunk::HostChunk(size_t dataBytes)
    : mCapacity(kDataOffset + dataBytes), mBytes(new unsigned char[kDataOffset + dataBytes]()) {}

HostChunk::HostChunk(uint32_t chunkId, const std::vector<uint8_t>& data) : HostChunk(data.size()) {
  SetSize(static_cast<int32_t>(data.size()));
  SetChunkId(chunkId);
  if (!data.empty()) std::memcpy(Data(), data.data(), data.size());
}

std::vector<uint8_t> HostChunk::DataBytes() const {
  const size_t size = std::min(static_cast<size_t>(std::max(Size(), 0)), mCapacity - kDataOffset);
  return std::vector<uint8_t>(mBytes.get() + kDataOffset, mBytes.get() + kDataOffset + size);
}

int32_t HostChunk::Word(size_t offset) const {
  int32_t value;
  std::memcpy(&value, mBytes.get() + offset, sizeof value);
  return value;
}

void HostChunk::SetWord(size_t offset, int32_t value) {
  std::memcpy(mBytes.get() + offset, &value, sizeof value);
}

// --- PluginSession -------------------------------------------------------------

PluginSession::PluginSession(Module& module) {
  if (!module.Loaded()) {
    mError = module.Error();
    return;
  }
  std::string missing;
  if (!entry.Resolve(module, &missing)) {
    mError = "missing exports: " + missing;
    return;
  }
  if (entry.startup(description.UnknownInterface()) != 0) {
    mError = "start-up failed";
    return;
  }
  mStarted = true;
  void* definition = nullptr;
  registerResult = entry.registerPlugin(description.UnknownInterface(), &definition);
  if (definition) description.Collection().HostRelease();  // the host's own reference
  for (const Call& call : host.Calls()) {
    if (call.face == "V1" && call.object.rfind("effect", 0) == 0 && call.slot == 7) {
      CreateProc procedure = reinterpret_cast<CreateProc>(const_cast<void*>(call.args[0].pointer));
      if (call.args[1].integer == 0) createEffect = procedure;
      if (call.args[1].integer == 1) createGUI = procedure;
    }
    if (call.face == "V1" && call.object.rfind("component", 0) == 0 && call.slot == 16)
      processProcedures.push_back(
          reinterpret_cast<ProcessProc>(const_cast<void*>(call.args[0].pointer)));
  }
  if (registerResult != 0) mError = "registration answered " + std::to_string(registerResult);
  else if (!createEffect || processProcedures.empty()) mError = "no procedures registered";
}

PluginSession::~PluginSession() { Shutdown(); }

int32_t PluginSession::Shutdown() {
  if (!mStarted) return 0;
  mStarted = false;
  return entry.shutdown(nullptr);
}

std::vector<std::string> PluginSession::Assertions() const {
  std::vector<std::string> reports;
  for (const Call& call : host.Calls())
    if (call.object == "services" && call.slot == 6)
      reports.push_back(call.args[0].text + " " + call.args[1].Text() + " " + call.args[2].text);
  return reports;
}

std::vector<std::string> PluginSession::Traces() const {
  std::vector<std::string> traces;
  for (const Call& call : host.Calls())
    if (call.object == "services" && call.slot == 4) traces.push_back(call.args[1].text);
  return traces;
}

// --- HostedEffect ---------------------------------------------------------------

HostedEffect::HostedEffect(PluginSession& session, const std::string& suffix)
    : mSession(session), mContext(new HostRenderContext) {
  Host& host = session.host;
  controller = &MakeController(host, "controller" + suffix);
  controller->SetBehaviour(4, [this](Object&, const Call& call) -> int64_t {
    if (float* rate = Out<float>(call.args[0])) *rate = sampleRate;
    return 0;
  }, "V1");
  controller->SetBehaviour(5, [this](Object&, const Call& call) -> int64_t {
    if (uint32_t* stem = Out<uint32_t>(call.args[0])) *stem = inputStem;
    return 0;
  }, "V1");
  controller->SetBehaviour(6, [this](Object&, const Call& call) -> int64_t {
    if (uint32_t* stem = Out<uint32_t>(call.args[0])) *stem = outputStem;
    return 0;
  }, "V1");
  // Slot 5 of the automation delegate: a value request; 7 and 8: touch and release.
  controller->SetBehaviour(5, [this](Object&, const Call& call) -> int64_t {
    if (call.args.size() >= 2) gestures.Value(call.args[0].text, call.args[1].real);
    return 0;
  }, "automation");
  controller->SetBehaviour(7, [this](Object&, const Call& call) -> int64_t {
    gestures.Begin(call.args.empty() ? std::string() : call.args[0].text);
    return 0;
  }, "automation");
  controller->SetBehaviour(8, [this](Object&, const Call& call) -> int64_t {
    gestures.End(call.args.empty() ? std::string() : call.args[0].text);
    return 0;
  }, "automation");
  transport = &MakeTransport(host, "transport" + suffix);
  node = &host.Make("node" + suffix);
  node->Answer(ids::Unknown(), "node", MIDINodeTable());
  Object* transportObject = transport;
  node->SetBehaviour(4, [transportObject](Object&, const Call&) -> int64_t {
    return reinterpret_cast<intptr_t>(transportObject->Interface("V1"));
  });

  HostRenderContext& context = *mContext;
  context.fields[3] = &context.blockLength;
  context.fields[5] = &context.localMidi;
  context.fields[6] = &context.globalMidi;
  context.fields[7] = node->Interface("node");
  context.fields[8] = context.privateData;
  context.fields[9] = &context.meters;

  if (!session.createEffect) return;
  void* created = session.createEffect();
  if (created && PluginQuery(created, ids::EffectParameters(), &mEffect) != 0) mEffect = nullptr;
}

HostedEffect::~HostedEffect() {
  if (mEffect) Release();
}

int32_t HostedEffect::Bind() { return Invoke(effect_slot::kBind, controller->Interface("unknown")); }

int32_t HostedEffect::Unbind() { return Invoke(effect_slot::kUnbind); }

uint32_t HostedEffect::Release() {
  const uint32_t count = PluginRelease(mEffect);
  mEffect = nullptr;
  return count;
}

int32_t HostedEffect::InitPrivateData() {
  return Invoke(effect_slot::kInitPrivate, int32_t{8}, static_cast<void*>(mContext->privateData),
                int32_t{8});
}

int32_t HostedEffect::Count() {
  int32_t count = -1;
  Invoke(effect_slot::kCount, &count);
  return count;
}

std::string HostedEffect::IdAt(int32_t index) {
  HostString text(mSession.host, "id");
  Invoke(effect_slot::kIdAt, index, text.Interface());
  return text.Text();
}

std::string HostedEffect::Title(const char* id) {
  HostString text(mSession.host, "title");
  Invoke(effect_slot::kTitle, id, text.Interface());
  return text.Text();
}

int32_t HostedEffect::StepCount(const char* id) {
  int32_t steps = -1;
  Invoke(effect_slot::kStepCount, id, &steps);
  return steps;
}

double HostedEffect::Default(const char* id) {
  double value = -1.0;
  Invoke(effect_slot::kReadDefault, id, &value);
  return value;
}

double HostedEffect::Read(const char* id) {
  double value = -1.0;
  Invoke(effect_slot::kRead, id, &value);
  return value;
}

std::string HostedEffect::Format(const char* id, double normalized, int32_t maxLength) {
  HostString text(mSession.host, "text");
  if (Invoke(effect_slot::kFormat, id, normalized, text.Interface(), maxLength) != 0) return "?";
  return text.Text();
}

std::string HostedEffect::FormatCurrent(const char* id) {
  HostString text(mSession.host, "text");
  Invoke(effect_slot::kFormatCurrent, id, text.Interface(), int32_t{32});
  return text.Text();
}

int32_t HostedEffect::Apply(const char* id, double normalized) {
  return Invoke(effect_slot::kApply, id, normalized);
}

int32_t HostedEffect::ChangeCount() {
  int32_t count = -1;
  Invoke(effect_slot::kChangeCount, &count);
  return count;
}

std::string HostedEffect::IdOfTitle(const std::string& title) {
  const int32_t count = Count();
  for (int32_t i = 0; i < count; ++i) {
    const std::string id = IdAt(i);
    if (Title(id.c_str()) == title) return id;
  }
  return "?";
}

double HostedEffect::ParseText(const char* id, const std::string& text) {
  HostString typed(mSession.host, "typed", text);
  double normalized = -1.0;
  if (Invoke(effect_slot::kParse, id, &normalized, static_cast<const void*>(typed.Interface())) != 0)
    return -1.0;
  return normalized;
}

int HostedEffect::AnswerRequests() {
  // Collected first: applying a value makes further calls into the host.
  std::vector<std::pair<std::string, double>> requests;
  const std::vector<Call>& calls = mSession.host.Calls();
  for (size_t i = std::min(mAnswered, calls.size()); i < calls.size(); ++i) {
    const Call& call = calls[i];
    if (call.object == controller->Name() && call.face == "automation" && call.slot == 5)
      requests.emplace_back(call.args[0].text, call.args[1].real);
  }
  for (const auto& request : requests) Apply(request.first.c_str(), request.second);
  mAnswered = mSession.host.Calls().size();
  return static_cast<int>(requests.size());
}

uint32_t HostedEffect::ChunkId() {
  uint32_t id = 0;
  Invoke(effect_slot::kChunkIdAt, int32_t{0}, &id);
  return id;
}

uint32_t HostedEffect::ChunkSize() {
  uint32_t size = 0;
  Invoke(effect_slot::kChunkSize, ChunkId(), &size);
  return size;
}

std::unique_ptr<HostChunk> HostedEffect::Save() {
  const uint32_t id = ChunkId();
  std::unique_ptr<HostChunk> chunk(new HostChunk(ChunkSize()));
  chunk->SetChunkId(id);
  if (Invoke(effect_slot::kSave, id, chunk->Record()) != 0) return nullptr;
  return chunk;
}

void HostedEffect::Render(float** inputs, float** outputs, int32_t frames) {
  mContext->fields[0] = inputs;
  mContext->fields[1] = outputs;
  mContext->blockLength = frames;
  RenderAll(mSession, {mContext.get()});
}

void HostedEffect::RenderAll(PluginSession& session,
                             const std::vector<HostRenderContext*>& contexts) {
  if (session.processProcedures.empty()) return;
  std::vector<void*> records;
  for (HostRenderContext* context : contexts) records.push_back(context ? context->fields : nullptr);
  session.processProcedures.front()(records.data(), records.data() + records.size());
}

}  // namespace fakehost
