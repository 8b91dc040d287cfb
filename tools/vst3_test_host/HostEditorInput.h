#pragma once
// Editor-view checks of the "editor" command for what a user does around a
// drag and a text box: another window taking the mouse in the middle of a
// drag, the host's parameter menu placed at the right press at the display
// scale, and text pasted into a value box by every path. Each needs windows
// (Windows under Wine); the caller passes the editor's child window.

#include "Checker.h"
#include "HostObjects.h"
#include "HostedPlugin.h"

namespace vo {
namespace vst3host {

// A drag on "Dry/Wet", then otherWindow takes the mouse capture: the
// gesture ends at once and the later release sends nothing.
void CheckCaptureLoss(Checker& c, HostComponentHandler& handler, void* child, void* otherWindow);
// A right press on "Dry/Wet" at the view pixel of editor point (330, 280)
// at the scale: the host is asked to pop its menu up there (within a pixel).
void CheckContextMenuPosition(Checker& c, HostComponentHandler& handler, void* child, double scale);
// Refused text pasted into an empty "Dry/Wet" box by real ctrl+V and
// shift+Insert, WM_PASTE and the box's own menu leaves it empty; "30"
// pasted and Return set 30 %.
void CheckPastedText(Checker& c, HostedPlugin& plug, HostComponentHandler& handler, void* child);

}  // namespace vst3host
}  // namespace vo
