#include "common/modGeneralTips.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "common/ProfileValue.h"
#include "common/Win32Handles.h"
#include "common/WholeFile.h"

namespace dokkle::modGeneralTips {
namespace {

float TwipsPerPixel(int axis) {
    HDC screen = ::GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, axis);
    ReleaseDC(nullptr, screen);
    return dotsPerInch > 0 ? 1440.0f / static_cast<float>(dotsPerInch) : 15.0f;
}

bool FitsAnsiCodePage(const std::wstring& text) {
    if (text.empty()) return true;
    BOOL lost = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(),
                                           static_cast<int>(text.size()), nullptr, 0, nullptr, &lost);
    return length > 0 && !lost;
}

bool StartsWithUtf16Mark(const std::vector<uint8_t>& bytes) {
    return bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
}

bool IsMissing(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES &&
           GetLastError() == ERROR_FILE_NOT_FOUND;
}

// Rewrites an ANSI profile file as UTF-16 with its byte order mark, keeping what it holds; a missing file
// becomes an empty UTF-16 one. False, with the file left as it was, when it cannot be read or replaced.
bool ConvertToUtf16(const std::wstring& path) {
    std::optional<std::vector<uint8_t>> ansi = ReadWholeFile(path);
    if (!ansi) {
        if (!IsMissing(path)) return false;
        ansi.emplace();
    }
    if (StartsWithUtf16Mark(*ansi)) return true;
    std::wstring text(1, L'\xFEFF');
    if (!ansi->empty()) {
        const auto* characters = reinterpret_cast<const char*>(ansi->data());
        const int size = static_cast<int>(ansi->size());
        const int length = MultiByteToWideChar(CP_ACP, 0, characters, size, nullptr, 0);
        if (length <= 0) return false;
        std::wstring converted(static_cast<size_t>(length), L'\0');
        MultiByteToWideChar(CP_ACP, 0, characters, size, converted.data(), length);
        text += converted;
    }
    std::vector<uint8_t> bytes(text.size() * sizeof(wchar_t));
    std::memcpy(bytes.data(), text.data(), bytes.size());
    return ReplaceWholeFile(path, bytes);
}

}  // namespace

void WriteIniString(const std::wstring& Section, const std::wstring& Key, const std::wstring& Value,
                    const std::wstring& FileName) {
    // An ANSI file would lose the name; when the file cannot become UTF-16 the name is not written at all.
    if (!FitsAnsiCodePage(Value) && !ConvertToUtf16(FileName)) return;
    const std::wstring stored = ProfileValueToWrite(Value);
    WritePrivateProfileStringW(Section.c_str(), Key.c_str(), stored.c_str(), FileName.c_str());
}

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
    std::vector<wchar_t> buffer(256);
    for (;;) {
        const DWORD length =
            GetPrivateProfileStringW(Section.c_str(), Key.c_str(), Default.c_str(), buffer.data(),
                                     static_cast<DWORD>(buffer.size()), FileName.c_str());
        // A value that fills the buffer may have been cut short: it is read again with more room.
        if (length + 1 < buffer.size() || buffer.size() >= LongestIniValue) {
            return std::wstring(buffer.data(), std::min<size_t>(length, buffer.size() - 1));
        }
        buffer.resize(buffer.size() * 4);
    }
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
