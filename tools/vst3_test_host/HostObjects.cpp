#include "HostObjects.h"

#include <algorithm>
#include <cstring>

using namespace Steinberg;

namespace vo {
namespace vst3host {

namespace {
// Answers the object for FUnknown and its one interface.
template <class Interface>
tresult QueryOne(Interface* self, const TUID iid, void** obj) {
  if (!obj) return kInvalidArgument;
  if (FUnknownPrivate::iidEqual(iid, FUnknown::iid) ||
      FUnknownPrivate::iidEqual(iid, Interface::iid)) {
    self->addRef();
    *obj = self;
    return kResultOk;
  }
  *obj = nullptr;
  return kNoInterface;
}
}  // namespace

// --- HostStream

tresult PLUGIN_API HostStream::read(void* buffer, int32 numBytes, int32* numBytesRead) {
  const int callIndex = mReadCalls++;
  if (numBytesRead) *numBytesRead = 0;
  if (!buffer || numBytes < 0) {
    ++mBadCalls;
    return kInvalidArgument;
  }
  mLargestReadRequest = std::max(mLargestReadRequest, static_cast<int>(numBytes));
  int32 n = 0;
  if (mEndless) {
    std::memset(buffer, 0x41, static_cast<size_t>(numBytes));
    n = numBytes;
  } else {
    const int64 available = static_cast<int64>(mBytes.size()) - mPosition;
    n = static_cast<int32>(std::max<int64>(0, std::min<int64>(numBytes, available)));
    if (n > 0) std::memcpy(buffer, mBytes.data() + mPosition, static_cast<size_t>(n));
    mPosition += n;
  }
  mBytesDelivered += n;
  if (numBytesRead) *numBytesRead = n;
  return callIndex == mErrorOnReadCall ? kInternalError : kResultOk;
}

tresult PLUGIN_API HostStream::write(void* buffer, int32 numBytes, int32* numBytesWritten) {
  if (numBytesWritten) *numBytesWritten = 0;
  if (!buffer || numBytes < 0) {
    ++mBadCalls;
    return kInvalidArgument;
  }
  int32 n = numBytes;
  if (mWriteLimit >= 0) {
    const long long room = std::max<long long>(0, mWriteLimit - static_cast<long long>(mBytes.size()));
    n = static_cast<int32>(std::min<long long>(n, room));
  }
  if (mPosition > static_cast<int64>(mBytes.size())) mBytes.resize(static_cast<size_t>(mPosition));
  const auto* bytes = static_cast<const uint8_t*>(buffer);
  for (int32 i = 0; i < n; ++i) {
    const size_t at = static_cast<size_t>(mPosition) + static_cast<size_t>(i);
    if (at < mBytes.size()) {
      mBytes[at] = bytes[i];
    } else {
      mBytes.push_back(bytes[i]);
    }
  }
  mPosition += n;
  if (numBytesWritten) *numBytesWritten = n;
  return n == numBytes ? kResultOk : kResultFalse;
}

tresult PLUGIN_API HostStream::seek(int64 pos, int32 mode, int64* result) {
  int64 target = pos;
  if (mode == kIBSeekCur) target = mPosition + pos;
  if (mode == kIBSeekEnd) target = static_cast<int64>(mBytes.size()) + pos;
  if (target < 0 || (mode != kIBSeekSet && mode != kIBSeekCur && mode != kIBSeekEnd)) {
    ++mBadCalls;
    return kInvalidArgument;
  }
  mPosition = target;
  if (result) *result = mPosition;
  return kResultOk;
}

tresult PLUGIN_API HostStream::tell(int64* pos) {
  if (!pos) return kInvalidArgument;
  *pos = mPosition;
  return kResultOk;
}

tresult PLUGIN_API HostStream::queryInterface(const TUID iid, void** obj) {
  return QueryOne<IBStream>(this, iid, obj);
}

// --- HostParamValueQueue

int32 PLUGIN_API HostParamValueQueue::getPointCount() {
  return static_cast<int32>(mPoints.size());
}

tresult PLUGIN_API HostParamValueQueue::getPoint(int32 index, int32& sampleOffset,
                                                 Vst::ParamValue& value) {
  if (mFailPoints || index < 0 || index >= getPointCount()) return kResultFalse;
  sampleOffset = mPoints[static_cast<size_t>(index)].offset;
  value = mPoints[static_cast<size_t>(index)].value;
  return kResultOk;
}

tresult PLUGIN_API HostParamValueQueue::addPoint(int32 sampleOffset, Vst::ParamValue value,
                                                 int32& index) {
  index = getPointCount();
  mPoints.push_back(Point{sampleOffset, value});
  return kResultOk;
}

tresult PLUGIN_API HostParamValueQueue::queryInterface(const TUID iid, void** obj) {
  return QueryOne<Vst::IParamValueQueue>(this, iid, obj);
}

// --- HostParameterChanges

HostParameterChanges::~HostParameterChanges() {
  for (HostParamValueQueue* queue : mQueues) delete queue;
}

HostParamValueQueue* HostParameterChanges::Queue(Vst::ParamID id) {
  for (int i = 0; i < mUsed; ++i) {
    if (mQueues[static_cast<size_t>(i)]->getParameterId() == id) return mQueues[static_cast<size_t>(i)];
  }
  int32 index = 0;
  return static_cast<HostParamValueQueue*>(addParameterData(id, index));
}

void HostParameterChanges::Add(Vst::ParamID id, Vst::ParamValue value, int32 offset) {
  int32 index = 0;
  Queue(id)->addPoint(offset, value, index);
}

void HostParameterChanges::Clear() {
  mUsed = 0;
  mHasAbsentQueue = false;
}

int32 PLUGIN_API HostParameterChanges::getParameterCount() {
  return mUsed + (mHasAbsentQueue ? 1 : 0);
}

Vst::IParamValueQueue* PLUGIN_API HostParameterChanges::getParameterData(int32 index) {
  if (index < 0 || index >= mUsed) return nullptr;  // the absent entry is the last one
  return mQueues[static_cast<size_t>(index)];
}

Vst::IParamValueQueue* PLUGIN_API HostParameterChanges::addParameterData(const Vst::ParamID& id,
                                                                         int32& index) {
  // Reuse a queue object left from an earlier block.
  if (mUsed < static_cast<int>(mQueues.size())) {
    delete mQueues[static_cast<size_t>(mUsed)];
    mQueues[static_cast<size_t>(mUsed)] = new HostParamValueQueue(id);
  } else {
    mQueues.push_back(new HostParamValueQueue(id));
  }
  index = mUsed++;
  return mQueues[static_cast<size_t>(index)];
}

tresult PLUGIN_API HostParameterChanges::queryInterface(const TUID iid, void** obj) {
  return QueryOne<Vst::IParameterChanges>(this, iid, obj);
}

// --- HostEventList

void HostEventList::AddNoteOn(int16 channel, int16 pitch, float velocity, int32 offset) {
  Vst::Event e{};
  e.type = Vst::Event::kNoteOnEvent;
  e.sampleOffset = offset;
  e.noteOn.channel = channel;
  e.noteOn.pitch = pitch;
  e.noteOn.velocity = velocity;
  e.noteOn.noteId = -1;
  mEvents.push_back(e);
}

void HostEventList::AddNoteOff(int16 channel, int16 pitch, int32 offset) {
  Vst::Event e{};
  e.type = Vst::Event::kNoteOffEvent;
  e.sampleOffset = offset;
  e.noteOff.channel = channel;
  e.noteOff.pitch = pitch;
  e.noteOff.noteId = -1;
  mEvents.push_back(e);
}

int32 PLUGIN_API HostEventList::getEventCount() { return static_cast<int32>(mEvents.size()); }

tresult PLUGIN_API HostEventList::getEvent(int32 index, Vst::Event& e) {
  if (index < 0 || index >= getEventCount()) return kResultFalse;
  e = mEvents[static_cast<size_t>(index)];
  return kResultOk;
}

tresult PLUGIN_API HostEventList::addEvent(Vst::Event& e) {
  mEvents.push_back(e);
  return kResultOk;
}

tresult PLUGIN_API HostEventList::queryInterface(const TUID iid, void** obj) {
  return QueryOne<Vst::IEventList>(this, iid, obj);
}

// --- HostApplication

tresult PLUGIN_API HostApplication::getName(Vst::String128 name) {
  if (mRefuseName) return kResultFalse;
  size_t i = 0;
  for (; i < mName.size() && i < 127; ++i) {
    name[i] = static_cast<Vst::TChar>(static_cast<unsigned char>(mName[i]));
  }
  name[i] = 0;
  return kResultOk;
}

tresult PLUGIN_API HostApplication::createInstance(TUID /*cid*/, TUID /*iid*/, void** obj) {
  if (obj) *obj = nullptr;
  return kResultFalse;
}

tresult PLUGIN_API HostApplication::queryInterface(const TUID iid, void** obj) {
  return QueryOne<Vst::IHostApplication>(this, iid, obj);
}

// --- HostComponentHandler

std::string HostComponentHandler::CallKinds() const {
  std::string kinds;
  for (const Call& call : mCalls) kinds += call.kind;
  return kinds;
}

std::string HostComponentHandler::GestureProblemText() const {
  std::string text;
  for (const std::string& problem : mGestures.Problems()) text += " " + problem + ";";
  return text;
}

tresult PLUGIN_API HostComponentHandler::beginEdit(Vst::ParamID id) {
  mCalls.push_back(Call{'b', static_cast<int32>(id), 0.0});
  mGestures.Begin(std::to_string(id));
  return kResultOk;
}

tresult PLUGIN_API HostComponentHandler::performEdit(Vst::ParamID id,
                                                     Vst::ParamValue valueNormalized) {
  mCalls.push_back(Call{'p', static_cast<int32>(id), valueNormalized});
  mGestures.Value(std::to_string(id), valueNormalized);
  return kResultOk;
}

tresult PLUGIN_API HostComponentHandler::endEdit(Vst::ParamID id) {
  mCalls.push_back(Call{'e', static_cast<int32>(id), 0.0});
  mGestures.End(std::to_string(id));
  return kResultOk;
}

tresult PLUGIN_API HostComponentHandler::restartComponent(int32 flags) {
  mCalls.push_back(Call{'r', flags, 0.0});
  return kResultOk;
}

tresult PLUGIN_API HostComponentHandler::queryInterface(const TUID iid, void** obj) {
  if (obj && mOffersContextMenus && FUnknownPrivate::iidEqual(iid, Vst::IComponentHandler3::iid)) {
    addRef();
    *obj = static_cast<Vst::IComponentHandler3*>(this);
    return kResultOk;
  }
  return QueryOne<Vst::IComponentHandler>(this, iid, obj);
}

Vst::IContextMenu* PLUGIN_API HostComponentHandler::createContextMenu(IPlugView* plugView,
                                                                     const Vst::ParamID* paramID) {
  Call call{'m', paramID ? static_cast<int32>(*paramID) : -1, 0.0};
  call.view = plugView;
  mCalls.push_back(call);
  ++mOpenMenus;
  return new HostContextMenu(this);  // the plug-in's reference
}

// --- HostContextMenu

tresult PLUGIN_API HostContextMenu::popup(UCoord x, UCoord y) {
  mHandler->mCalls.push_back(HostComponentHandler::Call{'u', x, static_cast<double>(y)});
  return kResultOk;
}

uint32 PLUGIN_API HostContextMenu::release() {
  const uint32 count = mRefs.Remove();
  if (count == 0) {
    mHandler->mCalls.push_back(HostComponentHandler::Call{'x', 0, 0.0});
    --mHandler->mOpenMenus;
    delete this;
  }
  return count;
}

tresult PLUGIN_API HostContextMenu::queryInterface(const TUID iid, void** obj) {
  return QueryOne<Vst::IContextMenu>(this, iid, obj);
}

// --- HostPlugFrame

tresult PLUGIN_API HostPlugFrame::resizeView(IPlugView* view, ViewRect* newSize) {
  if (!view || !newSize) return kInvalidArgument;
  mRequests.push_back(*newSize);
  return view->onSize(newSize);
}

tresult PLUGIN_API HostPlugFrame::queryInterface(const TUID iid, void** obj) {
  return QueryOne<IPlugFrame>(this, iid, obj);
}

Vst::ProcessData MainBusesProcessData(Vst::AudioBusBuffers& in, Vst::AudioBusBuffers& out,
                                      int32 frames, int32 sampleSize,
                                      Vst::IParameterChanges* changes) {
  Vst::ProcessData data;
  data.processMode = Vst::kRealtime;
  data.symbolicSampleSize = sampleSize;
  data.numSamples = frames;
  data.numInputs = data.numOutputs = 1;
  data.inputs = &in;
  data.outputs = &out;
  data.inputParameterChanges = changes;
  return data;
}

std::string ToUtf8(const Vst::TChar* text) {
  std::string out;
  for (; text && *text; ++text) {
    const unsigned c = static_cast<unsigned>(*text);
    out.push_back(c < 128 ? static_cast<char>(c) : '?');
  }
  return out;
}

}  // namespace vst3host
}  // namespace vo
