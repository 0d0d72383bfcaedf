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

bool FitsAnsiCodePage(const std::wstring& text) {
    if (text.empty()) return true;
    BOOL lost = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, &lost);
    return length > 0 && !lost;
}

std::vector<char> ReadWholeFile(const std::wstring& path) {
    std::vector<char> content;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return content;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart < 16 * 1024 * 1024) {
        content.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &read, nullptr);
        content.resize(read);
    }
    CloseHandle(file);
    return content;
}

// Rewrites an ANSI profile file as UTF-16 with its byte order mark, keeping what it holds.
void ConvertToUtf16(const std::wstring& path) {
    const std::vector<char> ansi = ReadWholeFile(path);
    if (ansi.size() >= 2 && static_cast<unsigned char>(ansi[0]) == 0xFF && static_cast<unsigned char>(ansi[1]) == 0xFE) {
        return;
    }
    std::wstring text(1, L'\xFEFF');
    if (!ansi.empty()) {
        const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
        std::wstring converted(static_cast<size_t>(length), L'\0');
        MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), converted.data(), length);
        text += converted;
    }
    // Written beside it and then put in its place, so a full disk cannot leave it half written.
    const std::wstring replacement = path + L".new";
    HANDLE file = CreateFileW(replacement.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    const DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    const bool complete = WriteFile(file, text.data(), size, &written, nullptr) && written == size;
    CloseHandle(file);
    if (!complete || !MoveFileExW(replacement.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileW(replacement.c_str());
    }
}

}  // namespace

void WriteIniString(const std::wstring& Section, const std::wstring& Key, const std::wstring& Value,
                    const std::wstring& FileName) {
    if (!FitsAnsiCodePage(Value)) ConvertToUtf16(FileName);
    WritePrivateProfileStringW(Section.c_str(), Key.c_str(), Value.c_str(), FileName.c_str());
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
