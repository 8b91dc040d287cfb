#include "PluginConsole.h"

#include <cstdio>
#include <fcntl.h>

#ifdef _WIN32
#include <io.h>
#define VO_DUP _dup
#define VO_DUP2 _dup2
#define VO_CLOSE _close
#define VO_OPEN _open
#define VO_FILENO _fileno
constexpr const char* kNullDevice = "NUL";
constexpr int kWriteOnly = _O_WRONLY;
#else
#include <unistd.h>
#define VO_DUP dup
#define VO_DUP2 dup2
#define VO_CLOSE close
#define VO_OPEN open
#define VO_FILENO fileno
constexpr const char* kNullDevice = "/dev/null";
constexpr int kWriteOnly = O_WRONLY;
#endif

namespace vo {

PluginConsole::PluginConsole(bool show) {
  if (show) return;
  // Fully buffered: the null device counts as a character device, which
  // some C runtimes would leave unbuffered (a write per line). The tool has
  // written nothing to standard output before, as setvbuf requires.
  std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
  const int out = VO_FILENO(stdout);
  const int null = VO_OPEN(kNullDevice, kWriteOnly);
  if (null < 0) return;  // nowhere to send it: it stays where it was
  mSaved = VO_DUP(out);
  if (mSaved >= 0 && VO_DUP2(null, out) < 0) {
    VO_CLOSE(mSaved);
    mSaved = -1;
  }
  VO_CLOSE(null);
}

void PluginConsole::Restore() {
  if (mSaved < 0) return;
  std::fflush(stdout);  // the plug-in's last lines still go to the null device
  VO_DUP2(mSaved, VO_FILENO(stdout));
  VO_CLOSE(mSaved);
  mSaved = -1;
}

}  // namespace vo
