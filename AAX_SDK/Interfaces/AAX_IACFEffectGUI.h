#pragma once
// The GUI interface as the host calls it: the host binds the editor object
// to the instance's controller, hands it a view container when it opens the
// plug-in window and takes it away when it closes the window, and asks for
// the editor's size.
//
// Slot layout as the host's compiler builds it (see IACFUnknown.h): slots 0-2
// are the unknown's, the operations follow in the order declared here. The
// reserved slots serve host features this plug-in does not use; each takes
// one opaque argument.
//
// Threads: the host's user-interface thread only.

#include "IACFUnknown.h"

// The host's record for a size or a position: vertical first.
struct AAX_Point {
  float vert;
  float horz;
};

class AAX_IACFEffectGUI : public IACFUnknown {
public:
  // Slot 3: the controller unknown of the instance the editor belongs to.
  virtual AAX_ResultCode BindGuiController(IACFUnknown* controllerUnknown) = 0;
  // Slot 4: closes the editor and gives every host reference back.
  virtual AAX_ResultCode UnbindGuiController() = 0;
  virtual AAX_ResultCode ReservedSlot5(void* argument) = 0;  // slot 5
  // Slot 6: the host view to open the editor in; null closes it.
  virtual AAX_ResultCode AttachViewContainer(IACFUnknown* viewUnknown) = 0;
  // Slot 7: the editor's size in host pixels.
  virtual AAX_ResultCode EditorSize(AAX_Point* size) = 0;
  virtual AAX_ResultCode ReservedSlot8(void* argument) = 0;  // slot 8
  virtual AAX_ResultCode ReservedSlot9(void* argument) = 0;  // slot 9
  // Slot 10: the value of the parameter with this identifier changed.
  virtual AAX_ResultCode ParameterUpdated(const char* parameterId) = 0;
  virtual AAX_ResultCode ReservedSlot11(void* argument) = 0;  // slot 11
  virtual AAX_ResultCode ReservedSlot12(void* argument) = 0;  // slot 12

protected:
  ~AAX_IACFEffectGUI() = default;
};
