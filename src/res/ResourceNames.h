#pragma once
// Names of the resources the program carries (the resource script and the code both use them).
#define DOKKLE_ICON_NAME "PIN"
#define DOKKLE_HAND_CURSOR_NAME "HAND"
#define DOKKLE_DEFAULT_DESIGN_NAME "DEFAULT"
