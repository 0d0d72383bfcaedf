#pragma once
// The program's start: one running copy, its main pin, and the hand-off from later launches.
#include <windows.h>

#include <string>

namespace dokkle::modMain {

// "Dokkle v" and the version: the main pin's caption.
const std::wstring& MainTitle();
std::wstring BuildMainTitle(const std::wstring& title, int major, int minor);

// True while the main pin is being created; read and cleared as the next pin is made.
extern bool CreatingMainPin;

enum class Start {
    Running,    // this process is the copy that runs, its main pin shown
    HandedOff,  // the running copy has opened the pin; this launch ends
    Failed,     // no main pin could be made; this launch ends and holds nothing
};

// Runs once per process.
Start Main();
// After the message loop: lets the markers and the hotkey go for the next copy.
void End();

// Makes a new pin and shows it; the pin owns itself from then on. False if none could be made.
bool CreatePin();
// Makes a new pin stuck into the window, as the hotkey does.
void CreatePinStuckInto(HWND target);

}  // namespace dokkle::modMain
