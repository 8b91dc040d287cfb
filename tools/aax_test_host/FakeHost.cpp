#include "FakeHost.h"

#include "PluginCalls.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace fakehost {

bool operator==(const Guid& a, const Guid& b) { return std::memcmp(&a, &b, sizeof a) == 0; }
bool operator<(const Guid& a, const Guid& b) { return std::memcmp(&a, &b, sizeof a) < 0; }

Guid MakeGuid(const std::string& text) {
  std::string hex;
  for (char c : text)
    if (c != '{' && c != '}' && c != '-') hex += c;
  if (hex.size() != 32) throw std::invalid_argument("bad identifier text: " + text);
  auto field = [&](size_t at, size_t digits) {
    return static_cast<uint32_t>(std::stoul(hex.substr(at, digits), nullptr, 16));
  };
  Guid guid{};
  guid.data1 = field(0, 8);
  guid.data2 = static_cast<uint16_t>(field(8, 4));
  guid.data3 = static_cast<uint16_t>(field(12, 4));
  for (size_t i = 0; i < 8; ++i) guid.data4[i] = static_cast<uint8_t>(field(16 + 2 * i, 2));
  return guid;
}

std::string GuidText(const Guid& g) {
  char text[40];
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned>(g.data1), static_cast<unsigned>(g.data2),
                static_cast<unsigned>(g.data3), g.data4[0], g.data4[1], g.data4[2], g.data4[3],
                g.data4[4], g.data4[5], g.data4[6], g.data4[7]);
  return text;
}

std::string Arg::Text() const {
  switch (kind) {
    case Kind::Integer: return std::to_string(integer);
    case Kind::Real: {
      char text[32];
      std::snprintf(text, sizeof text, "%g", real);
      return text;
    }
    case Kind::Text: return pointer ? "\"" + text + "\"" : "null";
    case Kind::Pointer: return pointer ? "ptr" : "null";
    case Kind::Identifier: return text;
    case Kind::FloatPair: return text;
  }
  return "?";
}

std::string Call::Where() const { return object + "." + face + "[" + std::to_string(slot) + "]"; }

std::string Call::Text() const {
  std::string text = Where() + "(";
  for (size_t i = 0; i < args.size(); ++i) text += (i ? ", " : "") + args[i].Text();
  return text + ")";
}

Object::Object(Host& host, std::string name) : mHost(host), mName(std::move(name)) {}

void Object::Answer(const Guid& iid, const std::string& label, const void* const* table) {
  mAnswered.push_back({iid, label, false});
  if (!mFaces.count(label)) mFaces[label].reset(new Face{table, this, label});
}

void Object::AnswerWithPluginObject(const Guid& iid, void* pluginInterface) {
  for (auto it = mPluginObjects.begin(); it != mPluginObjects.end();)
    it = it->first == iid ? mPluginObjects.erase(it) : it + 1;
  if (pluginInterface) mPluginObjects.emplace_back(iid, pluginInterface);
}

void Object::Withhold(const Guid& iid, bool withheld) {
  for (Answered& answered : mAnswered)
    if (answered.iid == iid) answered.withheld = withheld;
}

void Object::SetResult(int slot, int64_t result, const std::string& face) {
  mResults[{face, slot}] = result;
}

void Object::SetBehaviour(int slot, Behaviour behaviour, const std::string& face) {
  mBehaviours[{face, slot}] = std::move(behaviour);
}

bool Object::HasOverride(const std::string& face, int slot) const {
  return mResults.count({face, slot}) || mResults.count({std::string(), slot}) ||
         mBehaviours.count({face, slot}) || mBehaviours.count({std::string(), slot});
}

void* Object::Interface(const std::string& label) {
  auto found = mFaces.find(label);
  if (found == mFaces.end()) throw std::invalid_argument(mName + " has no face " + label);
  return found->second.get();
}

int64_t Object::Dispatch(Face& face, int slot, std::vector<Arg> args) {
  Call call{mName, face.label, slot, std::move(args)};
  mHost.Record(call);
  for (const std::string& key : {face.label, std::string()}) {
    auto behaviour = mBehaviours.find({key, slot});
    if (behaviour != mBehaviours.end()) return behaviour->second(*this, call);
    auto result = mResults.find({key, slot});
    if (result != mResults.end()) return result->second;
  }
  return 0;
}

int32_t Object::HandOut(const Guid& iid, void** out) {
  for (const Answered& answered : mAnswered) {
    if (answered.withheld || !(answered.iid == iid)) continue;
    if (out) *out = mFaces[answered.label].get();
    ++mOutstanding;
    return 0;
  }
  if (out) *out = nullptr;
  return kNoInterface;
}

int32_t Object::Query(Face& face, const Guid* iid, void** out) {
  Arg identifier;
  identifier.kind = Arg::Kind::Identifier;
  identifier.text = iid ? GuidText(*iid) : "null";
  mHost.Record(Call{mName, face.label, 0, {identifier, Arg{Arg::Kind::Pointer, 0, 0.0, out, {}}}});
  for (const std::string& key : {face.label, std::string()}) {
    auto forced = mResults.find({key, 0});
    if (forced != mResults.end()) {
      if (out) *out = nullptr;
      return static_cast<int32_t>(forced->second);
    }
  }
  if (!iid) return kNoInterface;
  for (const auto& answer : mPluginObjects) {
    if (!(answer.first == *iid)) continue;
    if (out) {
      PluginAddRef(answer.second);
      *out = answer.second;
    }
    return 0;
  }
  return HandOut(*iid, out);
}

uint32_t Object::AddRef(Face& face) {
  mHost.Record(Call{mName, face.label, 1, {}});
  return static_cast<uint32_t>(++mOutstanding + 1);
}

uint32_t Object::Release(Face& face) {
  mHost.Record(Call{mName, face.label, 2, {}});
  if (--mOutstanding < 0) mHost.NoteProblem(mName + " released more often than referenced");
  return static_cast<uint32_t>(mOutstanding + 1);
}

Object& Host::Make(const std::string& name) {
  mObjects.emplace_back(new Object(*this, name));
  return *mObjects.back();
}

Object* Host::Find(const std::string& name) {
  for (auto& object : mObjects)
    if (object->Name() == name) return object.get();
  return nullptr;
}

void Host::RegisterClass(const Guid& classId, std::function<Object*()> create) {
  mClasses.emplace_back(classId, std::move(create));
}

Object* Host::CreateForClass(const Guid& classId) {
  for (auto& entry : mClasses)
    if (entry.first == classId) return entry.second();
  return nullptr;
}

std::vector<std::string> Host::Lines(const std::string& object) const {
  std::vector<std::string> lines;
  for (const Call& call : mCalls)
    if (object.empty() || call.object == object) lines.push_back(call.Text());
  return lines;
}

std::vector<std::string> Host::Places(const std::string& object) const {
  std::vector<std::string> places;
  for (const Call& call : mCalls)
    if (object.empty() || call.object == object) places.push_back(call.Where());
  return places;
}

std::vector<std::string> Host::LedgerProblems() const {
  std::vector<std::string> problems = mProblems;
  for (const auto& object : mObjects)
    if (object->Outstanding() != 0)
      problems.push_back(object->Name() + " still holds " + std::to_string(object->Outstanding()) +
                         " plug-in reference(s)");
  return problems;
}

}  // namespace fakehost
