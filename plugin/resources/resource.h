#ifndef VIMBRAONDELINO_RESOURCE_H
#define VIMBRAONDELINO_RESOURCE_H
/* The editor's images: resource ids of type "PNG" in the Windows deliverables,
   file names inside the macOS bundle, and the frames stacked vertically in
   each strip. Shared by the resource script and the plug-in code. */

#define BG_ID 100
#define KNOB_ID 101
#define BUTTON1_ID 102
#define BUTTON2_ID 103
#define SWITCH_ID 104
#define VUMETER_ID 105
#define FADER_HANDLE_ID 106

#define BG_FN "resources/img/bkg.png"
#define KNOB_FN "resources/img/knob.png"
#define BUTTON1_FN "resources/img/button1.png"
#define BUTTON2_FN "resources/img/button2.png"
#define SWITCH_FN "resources/img/switch.png"
#define VUMETER_FN "resources/img/vumeter.png"
#define FADER_HANDLE_FN "resources/img/fader-handle.png"

#define KNOB_FRAMES 200
#define BUTTON_FRAMES 2
#define SWITCH_FRAMES 2
#define VUMETER_FRAMES 6
#define FADER_HANDLE_FRAMES 1

#endif
