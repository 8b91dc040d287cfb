#pragma once
// Identification of the host application from its product name, so that the
// format wrappers can work around particular hosts' habits.

enum HostId {
  kHostUninit = -1,
  kHostUnknown = 0,
  kHostReaper = 1,
  kHostProTools = 2,
  kHostCubase = 3,
  kHostNuendo = 4,
  kHostCakewalk = 5,
  kHostFruity = 7,
  kHostSamplitude = 8,
  kHostLive = 9,
  kHostMelodyne = 12,
  kHostVstManLib = 13,
  kHostAuLab = 14,
  kHostForte = 15,
  kHostChainer = 16,
  kHostAudition = 17,
  kHostOrion = 18,
  kHostSawStudio = 20,
  kHostLogic = 21,
  kHostGarageBand = 22,
  kHostDigital = 23,
  kHostStandalone = 24,
  kHostAudioMulch = 25,
  kHostPresonus = 26,
  kHostVst3PluginTestHost = 27,
  kHostArdour = 28,
  kHostRenoise = 29,
  kHostOpenMPT = 30,
  kHostWaveLab = 31,
};

// Capacity of the lower-cased copy: longer names are examined in their first
// kMaxHostNameLength - 1 characters only.
constexpr int kMaxHostNameLength = 256;

// Classifies a host product name by the first of a fixed, ordered list of
// words that it contains (case-insensitive); kHostUnknown when none does.
// Any thread; no allocation, no lock.
HostId LookUpHostId(const char* hostName);

// Copies source lower-cased (ASCII letters only) with its terminator, cut to
// destSize - 1 characters. Any thread; no allocation.
void CopyLowerCase(char* dest, const char* source, int destSize);
