#pragma once
// Where the plug-in's own console output goes during a render. The plug-in
// writes a line to standard output for every block ("attaching channel ..."),
// as it does in any host; the render tool is the host and sends it to the
// null device unless asked to show it, so that a terminal shows the tool's
// progress and messages (all on standard error) rather than thousands of
// those lines.
//
// The file descriptor is redirected once for the whole render, and standard
// output fully buffered meanwhile: a block costs no system call for it.
namespace vo {

class PluginConsole {
 public:
  // Main thread, before the render. show: standard output is left as it is.
  explicit PluginConsole(bool show);
  PluginConsole(const PluginConsole&) = delete;
  PluginConsole& operator=(const PluginConsole&) = delete;
  ~PluginConsole() { Restore(); }
  // Main thread, after the render: standard output is the one the tool was
  // started with again; what the plug-in wrote meanwhile is dropped.
  void Restore();

 private:
  int mSaved = -1;  // the original standard output while redirected
};

}  // namespace vo
