#include "common/modGeneralTips.h"

#include <vector>

namespace dokkle::modGeneralTips {
namespace {

float TwipsPerPixel(int axis) {
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, axis);
    ReleaseDC(nullptr, screen);
    return dotsPerInch > 0 ? 1440.0f / static_cast<float>(dotsPerInch) : 15.0f;
}

}  // namespace

std::wstring ExecutablePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

// The program is DPI aware, so the screen's resolution is fixed for its whole run.
float TwipsPerPixelX() {
    static const float twipsPerPixel = TwipsPerPixel(LOGPIXELSX);
    return twipsPerPixel;
}

float TwipsPerPixelY() {
    static const float twipsPerPixel = TwipsPerPixel(LOGPIXELSY);
    return twipsPerPixel;
}

std::wstring GetIniString(const std::wstring& Section, const std::wstring& Key, const std::wstring& Default,
                          const std::wstring& FileName) {
    wchar_t buffer[256] = {};
    GetPrivateProfileStringW(Section.c_str(), Key.c_str(), Default.c_str(), buffer, 256, FileName.c_str());
    return buffer;
}

std::wstring AppPath() {
    std::wstring path = ExecutablePath();
    path.erase(path.find_last_of(L'\\') + 1);
    if (path.empty() || path.back() != L'\\') path += L'\\';
    return path;
}

std::wstring IniFilePath() {
    const std::wstring executable = ExecutablePath();
    std::wstring baseName = executable.substr(executable.find_last_of(L'\\') + 1);
    const size_t extension = baseName.find_last_of(L'.');
    if (extension != std::wstring::npos) baseName.erase(extension);
    return AppPath() + baseName + L".ini";
}

void SelectAllText(HWND Target) {
    SendMessageW(Target, EM_SETSEL, 0, static_cast<LPARAM>(GetWindowTextLengthW(Target)));
}

}  // namespace dokkle::modGeneralTips
