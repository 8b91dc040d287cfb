#pragma once
// A simulated AAX host's objects, built as raw slot tables indexed by slot
// number. Nothing here includes the plug-in's headers: the host side is
// written from the slot numbers alone, so that a layout mistake on either
// side shows up as a wrong call in the transcript.
//
// Every host object answers a set of interface identifiers, each with its own
// face (a slot-table pointer followed by the object it belongs to), so the
// transcript tells which interface version a call came through. Every call
// is recorded; every reference the plug-in takes is counted in the ledger;
// any identifier can be withheld and any slot made to answer a chosen result.
// Single-threaded.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace fakehost {

struct Guid {
  uint32_t data1;
  uint16_t data2;
  uint16_t data3;
  uint8_t data4[8];
};
bool operator==(const Guid& a, const Guid& b);
bool operator<(const Guid& a, const Guid& b);
// "{96D42C2D-EBBC-41EF-B0AB-9991A0ED0CCA}" (braces optional).
Guid MakeGuid(const std::string& text);
std::string GuidText(const Guid& guid);

// One argument of a recorded call.
struct Arg {
  enum class Kind { Integer, Real, Text, Pointer, Identifier, FloatPair };
  Kind kind = Kind::Integer;
  int64_t integer = 0;
  double real = 0.0;
  const void* pointer = nullptr;
  std::string text;
  std::string Text() const;
};

struct Call {
  std::string object;
  std::string face;
  int slot = 0;
  std::vector<Arg> args;
  // "object.face[slot](arg, arg)"
  std::string Text() const;
  // "object.face[slot]"
  std::string Where() const;
};

class Host;
class Object;

// What the plug-in holds: the slot-table pointer comes first.
struct Face {
  const void* const* table;
  Object* owner;
  std::string label;
};

// A slot's behaviour: its answer (converted to the slot's return type).
using Behaviour = std::function<int64_t(Object& self, const Call& call)>;

class Object {
public:
  Object(Host& host, std::string name);
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;

  const std::string& Name() const { return mName; }
  Host& GetHost() { return mHost; }

  // Answers iid with the face labelled label, whose slots are table.
  void Answer(const Guid& iid, const std::string& label, const void* const* table);
  // Answers iid with an object of the plug-in (its interface pointer),
  // add-referenced through its slot 1 as a host hands out what it holds;
  // null stops answering it so.
  void AnswerWithPluginObject(const Guid& iid, void* pluginInterface);
  // Stops (or resumes) answering iid.
  void Withhold(const Guid& iid, bool withheld = true);
  // The slot answers result without doing anything else: on the face
  // labelled face, or on every face when face is empty.
  void SetResult(int slot, int64_t result, const std::string& face = std::string());
  // The slot runs behaviour (on one face, or on every face).
  void SetBehaviour(int slot, Behaviour behaviour, const std::string& face = std::string());
  // Whether a result or behaviour applies to the face's slot.
  bool HasOverride(const std::string& face, int slot) const;
  // The face labelled label, for handing to the plug-in without a reference.
  void* Interface(const std::string& label);

  // References the plug-in holds now.
  int Outstanding() const { return mOutstanding; }
  // The host gives back a reference the plug-in handed to it.
  void HostRelease() { --mOutstanding; }

  // Called by the slot thunks.
  int64_t Dispatch(Face& face, int slot, std::vector<Arg> args);
  int32_t Query(Face& face, const Guid* iid, void** out);
  uint32_t AddRef(Face& face);
  uint32_t Release(Face& face);
  // Hands a reference to the face answering iid to out (the factory's way).
  int32_t HandOut(const Guid& iid, void** out);

private:
  struct Answered {
    Guid iid;
    std::string label;
    bool withheld;
  };

  Host& mHost;
  std::string mName;
  std::vector<Answered> mAnswered;
  std::map<std::string, std::unique_ptr<Face>> mFaces;
  std::vector<std::pair<Guid, void*>> mPluginObjects;
  // Keyed by (face label, slot); an empty label applies to every face.
  std::map<std::pair<std::string, int>, int64_t> mResults;
  std::map<std::pair<std::string, int>, Behaviour> mBehaviours;
  int mOutstanding = 0;
};

class Host {
public:
  Host() = default;
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  // A new object, owned by the host and alive until the host is.
  Object& Make(const std::string& name);
  Object* Find(const std::string& name);

  // The object factories' CreateInstance makes (or reuses) objects of a class
  // through create; unknown classes are refused.
  void RegisterClass(const Guid& classId, std::function<Object*()> create);
  Object* CreateForClass(const Guid& classId);

  void Record(Call call) { mCalls.push_back(std::move(call)); }
  const std::vector<Call>& Calls() const { return mCalls; }
  // Call texts, optionally only those on one object.
  std::vector<std::string> Lines(const std::string& object = std::string()) const;
  // Call places ("object.face[slot]") without arguments.
  std::vector<std::string> Places(const std::string& object = std::string()) const;
  void ClearTranscript() { mCalls.clear(); }

  // References not given back and references given back too often.
  std::vector<std::string> LedgerProblems() const;
  void NoteProblem(std::string problem) { mProblems.push_back(std::move(problem)); }

private:
  std::vector<std::unique_ptr<Object>> mObjects;
  std::vector<std::pair<Guid, std::function<Object*()>>> mClasses;
  std::vector<Call> mCalls;
  std::vector<std::string> mProblems;
};

// The ACF status word for an identifier an object does not answer.
constexpr int32_t kNoInterface = static_cast<int32_t>(0x80000004u);

}  // namespace fakehost
