#pragma once
// The program's start: one running copy, its main pin, and the hand-off from later launches.
#include <windows.h>

#include <string>

namespace dokkle::modMain {

// "Dokkle v" and the version: the main pin's caption, by which a later launch finds the running copy.
const std::wstring& MainTitle();
std::wstring BuildMainTitle(const std::wstring& title, int major, int minor);

// True while the main pin is being created; read and cleared as the next pin is made.
extern bool CreatingMainPin;

// Runs once per process. False when this launch has handed off to the running copy and must end.
bool Main();

// Makes a new pin and shows it; the pin owns itself from then on.
void CreatePin();
// Makes a new pin stuck into the window, as the hotkey does.
void CreatePinStuckInto(HWND target);

}  // namespace dokkle::modMain
