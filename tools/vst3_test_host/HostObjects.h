#pragma once
// The host's side of the VST3 interfaces, as a test host needs it: a state
// stream that can misbehave on purpose, parameter-change queues, an event
// list, the host application and a component handler that records what the
// plug-in tells it. The host owns these objects; a plug-in's references are
// only counted, so a test can check that every reference taken was given back.

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "GestureLedger.h"
#include "pluginterfaces/base/ibstream.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/gui/iplugview.h"
#include "pluginterfaces/vst/ivstevents.h"
#include "pluginterfaces/vst/ivstcontextmenu.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "pluginterfaces/vst/ivsthostapplication.h"
#include "pluginterfaces/vst/ivstparameterchanges.h"

namespace vo {
namespace vst3host {

// Counts references without ever deleting: the host owns the object.
class RefCounter {
 public:
  Steinberg::uint32 Add() { return ++mRefs; }
  Steinberg::uint32 Remove() { return --mRefs; }
  // 1 when only the host holds the object.
  Steinberg::uint32 Count() const { return mRefs; }

 private:
  std::atomic<Steinberg::uint32> mRefs{1};
};

// A state stream in memory. By default it behaves as a well-mannered host
// stream; its switches make it short-write, report read errors, deliver
// bytes without end, or refuse seeks, and it records what a plug-in asked of it.
class HostStream final : public Steinberg::IBStream {
 public:
  HostStream() = default;
  explicit HostStream(std::vector<uint8_t> bytes) : mBytes(std::move(bytes)) {}

  const std::vector<uint8_t>& Bytes() const { return mBytes; }

  // --- Misbehaviour switches.
  // Writes beyond this many bytes in total are cut short (-1: no limit).
  long long mWriteLimit = -1;
  // The read call with this index (0-based) reports an error, still
  // delivering its bytes (-1: never).
  int mErrorOnReadCall = -1;
  // Every read delivers the full count of 0x41 bytes and never ends.
  bool mEndless = false;

  // --- What the plug-in did.
  int mReadCalls = 0;
  int mLargestReadRequest = 0;
  long long mBytesDelivered = 0;
  // Calls with arguments a stream must refuse (negative counts or
  // positions, null buffers); a careful reader makes none.
  int mBadCalls = 0;

  Steinberg::tresult PLUGIN_API read(void* buffer, Steinberg::int32 numBytes,
                                     Steinberg::int32* numBytesRead) override;
  Steinberg::tresult PLUGIN_API write(void* buffer, Steinberg::int32 numBytes,
                                      Steinberg::int32* numBytesWritten) override;
  Steinberg::tresult PLUGIN_API seek(Steinberg::int64 pos, Steinberg::int32 mode,
                                     Steinberg::int64* result) override;
  Steinberg::tresult PLUGIN_API tell(Steinberg::int64* pos) override;

  Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
  Steinberg::uint32 PLUGIN_API addRef() override { return mRefs.Add(); }
  Steinberg::uint32 PLUGIN_API release() override { return mRefs.Remove(); }
  Steinberg::uint32 References() const { return mRefs.Count(); }

 private:
  std::vector<uint8_t> mBytes;
  Steinberg::int64 mPosition = 0;
  RefCounter mRefs;
};

// One parameter's points for a block.
class HostParamValueQueue final : public Steinberg::Vst::IParamValueQueue {
 public:
  explicit HostParamValueQueue(Steinberg::Vst::ParamID id) : mId(id) {}

  // When set, every point read fails.
  bool mFailPoints = false;

  Steinberg::Vst::ParamID PLUGIN_API getParameterId() override { return mId; }
  Steinberg::int32 PLUGIN_API getPointCount() override;
  Steinberg::tresult PLUGIN_API getPoint(Steinberg::int32 index, Steinberg::int32& sampleOffset,
                                         Steinberg::Vst::ParamValue& value) override;
  Steinberg::tresult PLUGIN_API addPoint(Steinberg::int32 sampleOffset,
                                         Steinberg::Vst::ParamValue value,
                                         Steinberg::int32& index) override;

  Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
  Steinberg::uint32 PLUGIN_API addRef() override { return mRefs.Add(); }
  Steinberg::uint32 PLUGIN_API release() override { return mRefs.Remove(); }

 private:
  struct Point {
    Steinberg::int32 offset;
    Steinberg::Vst::ParamValue value;
  };
  Steinberg::Vst::ParamID mId;
  std::vector<Point> mPoints;
  RefCounter mRefs;
};

// The parameter changes of one block. Queues are kept between blocks so that
// a render loop allocates nothing once every parameter has been used.
class HostParameterChanges final : public Steinberg::Vst::IParameterChanges {
 public:
  HostParameterChanges() = default;
  HostParameterChanges(const HostParameterChanges&) = delete;
  HostParameterChanges& operator=(const HostParameterChanges&) = delete;
  ~HostParameterChanges();

  // Appends a point to the queue of id (created when missing).
  void Add(Steinberg::Vst::ParamID id, Steinberg::Vst::ParamValue value,
           Steinberg::int32 offset = 0);
  // Adds a null entry that a plug-in must skip.
  void AddAbsentQueue() { mHasAbsentQueue = true; }
  void Clear();
  HostParamValueQueue* Queue(Steinberg::Vst::ParamID id);

  Steinberg::int32 PLUGIN_API getParameterCount() override;
  Steinberg::Vst::IParamValueQueue* PLUGIN_API getParameterData(Steinberg::int32 index) override;
  Steinberg::Vst::IParamValueQueue* PLUGIN_API addParameterData(const Steinberg::Vst::ParamID& id,
                                                               Steinberg::int32& index) override;

  Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
  Steinberg::uint32 PLUGIN_API addRef() override { return mRefs.Add(); }
  Steinberg::uint32 PLUGIN_API release() override { return mRefs.Remove(); }

 private:
  std::vector<HostParamValueQueue*> mQueues;
  int mUsed = 0;
  bool mHasAbsentQueue = false;
  RefCounter mRefs;
};

// The events of one block.
class HostEventList final : public Steinberg::Vst::IEventList {
 public:
  void AddNoteOn(Steinberg::int16 channel, Steinberg::int16 pitch, float velocity,
                 Steinberg::int32 offset);
  void AddNoteOff(Steinberg::int16 channel, Steinberg::int16 pitch, Steinberg::int32 offset);
  void Add(const Steinberg::Vst::Event& e) { mEvents.push_back(e); }
  void Clear() { mEvents.clear(); }

  Steinberg::int32 PLUGIN_API getEventCount() override;
  Steinberg::tresult PLUGIN_API getEvent(Steinberg::int32 index, Steinberg::Vst::Event& e) override;
  Steinberg::tresult PLUGIN_API addEvent(Steinberg::Vst::Event& e) override;

  Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
  Steinberg::uint32 PLUGIN_API addRef() override { return mRefs.Add(); }
  Steinberg::uint32 PLUGIN_API release() override { return mRefs.Remove(); }

 private:
  std::vector<Steinberg::Vst::Event> mEvents;
  RefCounter mRefs;
};

// The host application handed to initialize as its context.
class HostApplication final : public Steinberg::Vst::IHostApplication {
 public:
  explicit HostApplication(std::string name) : mName(std::move(name)) {}

  // When set, getName fails and writes nothing.
  bool mRefuseName = false;

  Steinberg::tresult PLUGIN_API getName(Steinberg::Vst::String128 name) override;
  Steinberg::tresult PLUGIN_API createInstance(Steinberg::TUID cid, Steinberg::TUID iid,
                                               void** obj) override;

  Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
  Steinberg::uint32 PLUGIN_API addRef() override { return mRefs.Add(); }
  Steinberg::uint32 PLUGIN_API release() override { return mRefs.Remove(); }
  Steinberg::uint32 References() const { return mRefs.Count(); }

 private:
  std::string mName;
  RefCounter mRefs;
};

class HostComponentHandler;

// The context menu a host makes for a parameter; records its pop-up on the
// handler that made it.
class HostContextMenu final : public Steinberg::Vst::IContextMenu {
 public:
  HostContextMenu(HostComponentHandler* handler) : mHandler(handler) {}

  Steinberg::int32 PLUGIN_API getItemCount() override { return 0; }
  Steinberg::tresult PLUGIN_API getItem(Steinberg::int32, Item&,
                                        Steinberg::Vst::IContextMenuTarget**) override {
    return Steinberg::kResultFalse;
  }
  Steinberg::tresult PLUGIN_API addItem(const Item&, Steinberg::Vst::IContextMenuTarget*) override {
    return Steinberg::kResultOk;
  }
  Steinberg::tresult PLUGIN_API removeItem(const Item&, Steinberg::Vst::IContextMenuTarget*) override {
    return Steinberg::kResultOk;
  }
  Steinberg::tresult PLUGIN_API popup(Steinberg::UCoord x, Steinberg::UCoord y) override;

  Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
  Steinberg::uint32 PLUGIN_API addRef() override { return mRefs.Add(); }
  Steinberg::uint32 PLUGIN_API release() override;

 private:
  HostComponentHandler* mHandler;
  RefCounter mRefs;
};

// Records the edits and restarts the plug-in reports, and the context menus
// it asks for (through the third handler interface) and pops up.
class HostComponentHandler final : public Steinberg::Vst::IComponentHandler,
                                   public Steinberg::Vst::IComponentHandler3 {
 public:
  struct Call {
    // 'b' begin, 'p' perform, 'e' end, 'r' restart, 'm' context menu made
    // (value: the view), 'u' menu popped up (id: x, value: y), 'x' menu
    // released
    char kind;
    Steinberg::int32 id;  // parameter id, the restart flags, or x
    double value;
    const void* view = nullptr;  // 'm': the view the menu is for
  };
  std::vector<Call> mCalls;
  // When cleared, the third handler interface is not offered.
  bool mOffersContextMenus = true;
  // Menus made and not yet released.
  int mOpenMenus = 0;
  // Every begin, value and end: each value inside its parameter's gesture,
  // begins and ends balanced per parameter (cleared only by a scenario that
  // checks it).
  vo::GestureLedger mGestures{vo::GestureLedger::kNestingRefused};

  // The kinds of the recorded calls in order, e.g. "bpe".
  std::string CallKinds() const;
  // The ledger's problems, each as " problem;" (empty when clean).
  std::string GestureProblemText() const;

  Steinberg::Vst::IContextMenu* PLUGIN_API createContextMenu(
      Steinberg::IPlugView* plugView, const Steinberg::Vst::ParamID* paramID) override;

  Steinberg::tresult PLUGIN_API beginEdit(Steinberg::Vst::ParamID id) override;
  Steinberg::tresult PLUGIN_API performEdit(Steinberg::Vst::ParamID id,
                                            Steinberg::Vst::ParamValue valueNormalized) override;
  Steinberg::tresult PLUGIN_API endEdit(Steinberg::Vst::ParamID id) override;
  Steinberg::tresult PLUGIN_API restartComponent(Steinberg::int32 flags) override;

  Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
  Steinberg::uint32 PLUGIN_API addRef() override { return mRefs.Add(); }
  Steinberg::uint32 PLUGIN_API release() override { return mRefs.Remove(); }
  Steinberg::uint32 References() const { return mRefs.Count(); }

 private:
  RefCounter mRefs;
};

// The host frame of an editor view: records the sizes the view asks for and
// answers each with onSize, as a host that grants every request does.
class HostPlugFrame final : public Steinberg::IPlugFrame {
 public:
  std::vector<Steinberg::ViewRect> mRequests;

  Steinberg::tresult PLUGIN_API resizeView(Steinberg::IPlugView* view,
                                           Steinberg::ViewRect* newSize) override;

  Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
  Steinberg::uint32 PLUGIN_API addRef() override { return mRefs.Add(); }
  Steinberg::uint32 PLUGIN_API release() override { return mRefs.Remove(); }
  Steinberg::uint32 References() const { return mRefs.Count(); }

 private:
  RefCounter mRefs;
};

// A realtime process call's data over one input and one output bus.
Steinberg::Vst::ProcessData MainBusesProcessData(Steinberg::Vst::AudioBusBuffers& in,
                                                 Steinberg::Vst::AudioBusBuffers& out,
                                                 Steinberg::int32 frames,
                                                 Steinberg::int32 sampleSize,
                                                 Steinberg::Vst::IParameterChanges* changes);

// UTF-16 text of the SDK's string fields as UTF-8 (ASCII is all we compare).
std::string ToUtf8(const Steinberg::Vst::TChar* text);

}  // namespace vst3host
}  // namespace vo
