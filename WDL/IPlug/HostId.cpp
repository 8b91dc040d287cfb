#include "HostId.h"

#include <cstring>

namespace {
struct HostWord {
  const char* word;
  HostId id;
};

// The order decides between names that contain several words: the first found wins.
const HostWord kHostWords[] = {
    {"cubase", kHostCubase},
    {"reaper", kHostReaper},
    {"nuendo", kHostNuendo},
    {"cakewalk", kHostCakewalk},
    {"samplitude", kHostSamplitude},
    {"fruity", kHostFruity},
    {"live", kHostLive},
    {"melodyne", kHostMelodyne},
    {"vstmanlib", kHostVstManLib},
    {"aulab", kHostAuLab},
    {"garageband", kHostGarageBand},
    {"forte", kHostForte},
    {"chainer", kHostChainer},
    {"audition", kHostAudition},
    {"orion", kHostOrion},
    {"sawstudio", kHostSawStudio},
    {"logic", kHostLogic},
    {"digital", kHostDigital},
    {"audiomulch", kHostAudioMulch},
    {"presonus", kHostPresonus},
    {"vst3plugintesthost", kHostVst3PluginTestHost},
    {"protools", kHostProTools},
    {"ardour", kHostArdour},
    {"openmpt", kHostOpenMPT},
    {"renoise", kHostRenoise},
    {"standalone", kHostStandalone},
    {"wavelab", kHostWaveLab},
};
}  // namespace

void CopyLowerCase(char* dest, const char* source, int destSize) {
  if (!dest || destSize <= 0) return;
  int i = 0;
  for (; source && source[i] && i < destSize - 1; ++i) {
    const char c = source[i];
    dest[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  dest[i] = 0;
}

HostId LookUpHostId(const char* hostName) {
  char lower[kMaxHostNameLength];
  CopyLowerCase(lower, hostName, kMaxHostNameLength);
  for (const HostWord& entry : kHostWords) {
    if (std::strstr(lower, entry.word)) return entry.id;
  }
  return kHostUnknown;
}
