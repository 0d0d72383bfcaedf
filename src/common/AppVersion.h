#pragma once
// The application's title and version, shared by the code and the version resource.
#define DOKKLE_TITLE "Dokkle"
#define DOKKLE_VERSION_MAJOR 1
#define DOKKLE_VERSION_MINOR 2
#define DOKKLE_VERSION_TEXT "1.2"
#define DOKKLE_LEGAL_NOTICE "Copyright (C) 2026 The Dokkle developers. Free to use, copy and change."
