#pragma once
// Edits a user makes on the editor without dragging, in the real view, each
// checked call by call against the host's strict gesture ledger: double
// clicks on the "Dry/Wet" knob and on the "Mode II" switch (as the window
// procedure receives them and through the system's input queue) and wheel
// notches on "Dry/Wet", with and without ctrl, and wheel events that move
// nothing (less than a notch, a notch at the top). Needs real windows and
// the view at a display scale of 1.

namespace vo {
namespace vst3host {

class Checker;
class HostComponentHandler;
class HostedPlugin;

// child: the editor's window. Leaves "Dry/Wet" at 100 % and "Mode II" as it
// found it.
void CheckEditsWithoutDrag(Checker& c, HostedPlugin& plug, HostComponentHandler& handler, void* child);

}  // namespace vst3host
}  // namespace vo
