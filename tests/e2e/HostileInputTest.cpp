// What other programs and broken files may throw at Dokkle: nothing crashes, nothing hangs, and only
// the one right request makes a pin.
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "PinFixture.h"
#include "TestBitmaps.h"

namespace dokkle::e2e {
namespace {

using HostileInput = PinTest;

void WriteBytes(const std::wstring& path, const std::vector<uint8_t>& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string Ascii(const wchar_t* text) {
    std::string ascii;
    for (; *text; ++text) ascii.push_back(static_cast<char>(*text));
    return ascii;
}

// Whether the carried pin holds the mouse: the foreground window, with the capture of its thread.
bool HoldsTheMouse(HWND pin) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetForegroundWindow() == pin && GetGUIThreadInfo(GetWindowThreadProcessId(pin, nullptr), &info) &&
           info.hwndCapture == pin;
}

TEST_F(HostileInput, AThousandCopyDataMessagesWithRandomPayloadsMakeNoPin) {
    LaunchWithMouseAt(POINT{300, 300});
    HWND pin = dokkle->PinTitled(MainPinTitle);
    ASSERT_NE(pin, nullptr);
    std::mt19937 random(20261207);
    static const wchar_t request[] = L"CREATENEWPIN";
    int unanswered = 0;
    for (int i = 0; i < 1000; ++i) {
        std::vector<uint8_t> payload(random() % 64);
        for (auto& byte : payload) byte = static_cast<uint8_t>(random());
        if (i % 10 == 0 && payload.size() >= 24) {
            // Near misses: the request with one byte changed, or with bytes after it.
            std::memcpy(payload.data(), request, 24);
            if (payload.size() == 24) payload[random() % 24] ^= static_cast<uint8_t>(1 + random() % 255);
        }
        COPYDATASTRUCT data{static_cast<ULONG_PTR>(random()), static_cast<DWORD>(payload.size()),
                            payload.empty() ? nullptr : payload.data()};
        DWORD_PTR ignored = 0;
        if (!SendMessageTimeoutW(pin, WM_COPYDATA, static_cast<WPARAM>(random()),
                                 reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, 2000, &ignored)) {
            ++unanswered;
        }
    }
    // Every message was handled before its send returned: what they could do has been done.
    EXPECT_EQ(unanswered, 0);
    EXPECT_TRUE(dokkle->IsRunning());
    EXPECT_EQ(dokkle->Pins().size(), 1u);

    COPYDATASTRUCT exact{0, 24, const_cast<wchar_t*>(request)};
    SendMessageTimeoutW(pin, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&exact), SMTO_NORMAL, 2000, nullptr);
    EXPECT_TRUE(dokkle->WaitForPinCount(2));
}

TEST_F(HostileInput, BrokenConfigurationFilesAreReadByTheProfileReaderAlone) {
    const std::wstring configuration = folder + L"design\\Standard Red.bmp.cfg";
    const std::vector<std::vector<uint8_t>> broken{
        {},
        {'[', 'C', 'u', 'r', 's', 'o', 'r'},
        {0xFF, 0xFE, 0x00, 0xD8, 0x00, 0x00, 0xFF, 0xFF},
        std::vector<uint8_t>(70000, 'X'),
    };
    const std::vector<const char*> texts{
        "[CursorPosition]\r\nX=abc\r\nY=\r\n",
        "[CursorPosition]\r\nX=99999999999999999999\r\nY=-2147483648\r\n",
        "[CursorPosition]\r\nX=-40000\r\nY=70000\r\n",
        "CursorPosition]\r\n=\r\n[[[\r\nX=12\r\n",
    };
    std::vector<std::vector<uint8_t>> all = broken;
    for (const char* text : texts) all.emplace_back(text, text + strlen(text));

    TargetProcess target;
    for (const auto& bytes : all) {
        WriteBytes(configuration, bytes);
        // The pin of the case before was killed while stuck into the target, which therefore stayed topmost.
        SetWindowPos(target.Window(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        MoveMouseTo(target.FreePoint());
        dokkle = std::make_unique<DokkleProcess>(folder);
        ASSERT_TRUE(dokkle->WaitForPinCount(1));
        // Wherever its tip puts the pin, the click reaches it once it holds the mouse.
        HWND pin = dokkle->Pins().front();
        EXPECT_TRUE(WaitUntil([&] { return HoldsTheMouse(pin); }))
            << "a configuration of " << bytes.size() << " bytes";
        LeftClickAt(target.FreePoint());
        // The drop is over when the cursor shows again and the target is topmost, or the pin has closed.
        const auto dropped = [&] {
            return CursorShowing() && (IsTopmost(target.Window()) || !dokkle->IsRunning());
        };
        EXPECT_TRUE(WaitUntil(dropped)) << "a configuration of " << bytes.size() << " bytes";
        EXPECT_TRUE(dokkle->IsRunning() || dokkle->ExitCode() == 0)
            << "a configuration of " << bytes.size() << " bytes";
        dokkle.reset();
    }
}

TEST_F(HostileInput, BrokenSettingsFilesStartAPinThatShowsTheBuiltInLookOrTheNamedDesign) {
    const auto text = [](const std::string& value) {
        return std::vector<uint8_t>(value.begin(), value.end());
    };
    std::mt19937 random(7);
    std::vector<uint8_t> junk(4096);
    for (auto& byte : junk) byte = static_cast<uint8_t>(random());
    CreateDirectoryW((folder + L"design\\folder.bmp").c_str(), nullptr);
    // A settings file of UTF-16LE with its mark, as written for a name beyond the ANSI code page.
    std::vector<uint8_t> wide{0xFF, 0xFE};
    for (wchar_t c : std::wstring(L"[Design]\r\nFileName=Sky Blue.bmp\r\n")) {
        wide.push_back(static_cast<uint8_t>(c & 0xFF));
        wide.push_back(static_cast<uint8_t>(c >> 8));
    }
    struct Case {
        std::vector<uint8_t> bytes;
        bool builtIn;  // the name leads to no usable design
    };
    const std::vector<Case> cases{
        {junk, false},  // no [Design] section: the usual design
        {text("[Design]\r\nFileName=\r\n"), true},
        {text("[Design]\r\nFileName=missing.bmp\r\n"), true},
        {text("[Design]\r\nFileName=..\\..\\..\\..\\windows\\win.ini\r\n"), true},
        {text("[Design]\r\nFileName=" + std::string(300, 'x') + ".bmp\r\n"), true},
        {text("[Design]\r\nFileName=folder.bmp\r\n"), true},
        {text("[Design]\r\nFileName=Sky Blue.bmp"), false},
        {wide, false},
    };
    for (size_t index = 0; index < cases.size(); ++index) {
        WriteBytes(folder + L"Dokkle.ini", cases[index].bytes);
        MoveMouseTo(POINT{300, 300});
        dokkle = std::make_unique<DokkleProcess>(folder);
        ASSERT_TRUE(dokkle->WaitForPinCount(1)) << "case " << index;
        HWND pin = dokkle->Pins().front();
        const auto width = [&] { return RectOf(pin).right - RectOf(pin).left; };
        EXPECT_TRUE(
            WaitUntil([&] { return IsWindowVisible(pin) && (width() == 20) == cases[index].builtIn; }, 2000))
            << "case " << index << ": width " << width();
        EXPECT_TRUE(dokkle->IsRunning()) << "case " << index;
        dokkle.reset();
    }
}

TEST_F(HostileInput, ATargetThatVanishesWhileTheMenuIsOpenClosesThePinQuietly) {
    auto target = std::make_unique<TargetProcess>();
    HWND pin = PrickAt(target->FreePoint());
    ASSERT_TRUE(OpenMenuOf(pin));
    target.reset();
    PressKey('P');  // fix position, on a window that is no more
    EXPECT_TRUE(dokkle->WaitForExit(3000));
    EXPECT_EQ(dokkle->ExitCode(), 0u);
    EXPECT_TRUE(CursorShowing());
}

TEST_F(HostileInput, ATargetThatVanishesWhileThePinIsStuckIntoItClosesThePinAtTheNextTick) {
    TargetOptions options;
    options.vanishWhenTopmost = true;
    TargetProcess target(options);
    const POINT point = target.FreePoint();
    LaunchWithMouseAt(point);
    LeftClickAt(point);
    EXPECT_TRUE(dokkle->WaitForExit(3000));
    EXPECT_EQ(dokkle->ExitCode(), 0u);
    EXPECT_TRUE(CursorShowing());
}

TEST_F(HostileInput, BrokenDesignsChosenFromTheMenuShowTheBuiltInLook) {
    using testing::MakeBmp;
    namespace Field = testing::BmpField;
    auto bitFields = MakeBmp(40, 60, 32);
    testing::Put32(bitFields, Field::Compression, 3);
    auto runLength = MakeBmp(40, 60, 8);
    testing::Put32(runLength, Field::Compression, 1);
    auto huge = MakeBmp(40, 60, 24);
    testing::Put32(huge, Field::Width, 60000);
    testing::Put32(huge, Field::Height, 60000);
    const auto whole = MakeBmp(40, 60, 24);
    const std::vector<std::pair<const wchar_t*, std::vector<uint8_t>>> designs{
        {L"a-empty.bmp", {}},
        {L"b-truncated.bmp", std::vector<uint8_t>(whole.begin(), whole.begin() + 40)},
        {L"c-bitfields.bmp", bitFields},
        {L"d-rle.bmp", runLength},
        {L"e-huge.bmp", huge},
        {L"f-odd.bmp", MakeBmp(41, 61, 24)},
        {L"g-png.bmp", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'}},
    };
    RemoveFolder(folder + L"design\\");
    CreateDirectoryW((folder + L"design").c_str(), nullptr);
    for (const auto& [name, bytes] : designs) WriteBytes(folder + L"design\\" + name, bytes);

    TargetProcess target;
    HWND pin = PrickAt(target.FreePoint(), POINT{12, 12});
    for (size_t position = 0; position < designs.size(); ++position) {
        ASSERT_TRUE(OpenMenuOf(pin));
        PressKey('D');
        for (size_t i = 0; i < position; ++i) PressKey(VK_DOWN);
        PressKey(VK_RETURN);
        ASSERT_TRUE(WaitUntil([&] { return OpenMenuWindow() == nullptr; }));
        // The pin writes its choice down once it has drawn it.
        const std::string remembered = "FileName=" + Ascii(designs[position].first) + "\r\n";
        const auto written = [&] {
            return FileText(folder + L"Dokkle.ini").find(remembered) != std::string::npos;
        };
        EXPECT_TRUE(WaitUntil(written)) << "choice " << position;
        const RECT bounds = RectOf(pin);
        EXPECT_EQ(bounds.right - bounds.left, 20) << "choice " << position;
        EXPECT_EQ(bounds.bottom - bounds.top, 30) << "choice " << position;
        ASSERT_TRUE(dokkle->IsRunning());
    }
}

}  // namespace
}  // namespace dokkle::e2e
