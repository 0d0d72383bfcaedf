#include "common/modGeneralTips.h"

#include <cstdint>
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
        const auto* bytes = reinterpret_cast<const char*>(ansi->data());
        const int size = static_cast<int>(ansi->size());
        const int length = MultiByteToWideChar(CP_ACP, 0, bytes, size, nullptr, 0);
        if (length <= 0) return false;
        std::wstring converted(static_cast<size_t>(length), L'\0');
        MultiByteToWideChar(CP_ACP, 0, bytes, size, converted.data(), length);
        text += converted;
    }
    // Written beside it and put in its place only when complete, so a full disk cannot leave it half written.
    const std::wstring replacement = path + L".new";
    bool complete = false;
    {
        unique_hfile file(CreateFileW(replacement.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return false;
        DWORD written = 0;
        const DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        complete = WriteFile(file.get(), text.data(), size, &written, nullptr) && written == size;
    }
    constexpr DWORD moveFlags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    if (complete && MoveFileExW(replacement.c_str(), path.c_str(), moveFlags)) return true;
    DeleteFileW(replacement.c_str());
    return false;
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
