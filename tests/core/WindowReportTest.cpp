#include "tools/WindowReport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/ProcessPriority.h"

namespace dokkle {
namespace {

// A framed top-level window of a process whose modules could all be read but one.
WindowFacts NotepadFacts() {
    WindowFacts facts;
    facts.title = L"無題 - メモ帳";
    facts.bounds = Rect{100, 80, 740, 560};
    facts.visible = true;
    facts.window = 0x000A01C4;
    facts.processId = 0x00000F30;
    facts.threadId = 0x00000F34;
    ProcessFacts process;
    process.handle = 0x1F8;
    process.priorityClass = PriorityClass::Normal;
    process.modules = std::vector<ModuleFacts>{
        {0x00400000, L"C:\\Windows\\notepad.exe"},
        {0x7C900000, L"C:\\Windows\\system32\\ntdll.dll"},
        {0x77DD0000, std::nullopt},
    };
    facts.process = process;
    facts.processVersion = 0x00040000;
    return facts;
}

std::vector<std::wstring> Lines(const std::wstring& report) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (size_t end; (end = report.find(L"\r\n", start)) != std::wstring::npos; start = end + 2) {
        lines.push_back(report.substr(start, end - start));
    }
    EXPECT_EQ(start, report.size()) << "text after the last CR LF";
    return lines;
}

TEST(WindowReport, AWindowWhoseProcessCouldBeReadInFull) {
    EXPECT_EQ(FormatReport(NotepadFacts()),
              L"タイトル     : \"無題 - メモ帳\"\r\n"
              L"\r\n"
              L"左上端の座標 : (100, 80)\r\n"
              L"サイズ       : 640 x 480\r\n"
              L"サイズの状態 : 通常\r\n"
              L"表示状態     : 可視\r\n"
              L"\r\n"
              L"親ウィンドウ : (なし)\r\n"
              L"\r\n"
              L"ハンドル     : 0x000A01C4\r\n"
              L"プロセスID   : 0x00000F30\r\n"
              L"スレッドID   : 0x00000F34\r\n"
              L"\r\n"
              L"プロセス情報 :\r\n"
              L"- ハンドル   : 0x000001F8\r\n"
              L"- 優先度     : 通常 (優先度はシステムによって決定されます)\r\n"
              L"- 読み込まれたモジュール (3個) : \r\n"
              L"  - 0x00400000 : C:\\Windows\\notepad.exe\r\n"
              L"  - 0x7C900000 : C:\\Windows\\system32\\ntdll.dll\r\n"
              L"  - 0x77DD0000 : ?\r\n"
              L"\r\n"
              L"- 実行を想定している Windows のバージョン : 4.0\r\n");
}

TEST(WindowReport, AProcessThatCouldNotBeOpenedGetsTheFailureLinesAndStillTheVersion) {
    WindowFacts facts = NotepadFacts();
    facts.process.reset();
    facts.processVersion = 0;
    const std::vector<std::wstring> lines = Lines(FormatReport(facts));
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[13], L"プロセス情報 :");
    EXPECT_EQ(lines[14], L"- ハンドル   : 取得失敗");
    EXPECT_EQ(lines[15], L"");
    EXPECT_EQ(lines[16], L"- 実行を想定している Windows のバージョン : 0.0");
}

TEST(WindowReport, AModuleListThatCouldNotBeReadGetsOneFailureLine) {
    WindowFacts facts = NotepadFacts();
    facts.process->modules.reset();
    const std::vector<std::wstring> lines = Lines(FormatReport(facts));
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[15], L"- 優先度     : 通常 (優先度はシステムによって決定されます)");
    EXPECT_EQ(lines[16], L"- 読み込まれたモジュール : 取得失敗");
    EXPECT_EQ(lines[17], L"");
    EXPECT_EQ(lines[18], L"- 実行を想定している Windows のバージョン : 4.0");
}

TEST(WindowReport, AnEmptyModuleListCountsNoneAndListsNone) {
    WindowFacts facts = NotepadFacts();
    facts.process->modules->clear();
    const std::vector<std::wstring> lines = Lines(FormatReport(facts));
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[16], L"- 読み込まれたモジュール (0個) : ");
    EXPECT_EQ(lines[17], L"");
}

TEST(WindowReport, EveryModuleGetsItsOwnLineAndTheCountIsTheirNumber) {
    WindowFacts facts = NotepadFacts();
    facts.process->modules->assign(37, ModuleFacts{0x10000000, L"C:\\x.dll"});
    const std::vector<std::wstring> lines = Lines(FormatReport(facts));
    ASSERT_EQ(lines.size(), 16u + 1 + 37 + 2);
    EXPECT_EQ(lines[16], L"- 読み込まれたモジュール (37個) : ");
    EXPECT_EQ(lines[17], L"  - 0x10000000 : C:\\x.dll");
    EXPECT_EQ(lines[53], L"  - 0x10000000 : C:\\x.dll");
    EXPECT_EQ(lines[54], L"");
}

TEST(WindowReport, HandlesWiderThan32BitsAreShownInFull) {
    WindowFacts facts = NotepadFacts();
    facts.process->handle = 0x2C4;
    facts.process->modules =
        std::vector<ModuleFacts>{{0x140000000ull, L"C:\\Tools\\Target64.exe"},
                                 {0x00007FFB12340000ull, L"C:\\Windows\\System32\\ntdll.dll"}};
    const std::vector<std::wstring> lines = Lines(FormatReport(facts));
    EXPECT_EQ(lines[14], L"- ハンドル   : 0x000002C4");
    EXPECT_EQ(lines[17], L"  - 0x140000000 : C:\\Tools\\Target64.exe");
    EXPECT_EQ(lines[18], L"  - 0x7FFB12340000 : C:\\Windows\\System32\\ntdll.dll");
}

TEST(WindowReport, SizeStateAsksZoomedFirstThenIconic) {
    struct Case {
        bool zoomed, iconic;
        const wchar_t* line;
    };
    for (const Case& state :
         {Case{true, false, L"サイズの状態 : 最大化"}, Case{true, true, L"サイズの状態 : 最大化"},
          Case{false, true, L"サイズの状態 : 最小化"}, Case{false, false, L"サイズの状態 : 通常"}}) {
        WindowFacts facts = NotepadFacts();
        facts.zoomed = state.zoomed;
        facts.iconic = state.iconic;
        EXPECT_EQ(Lines(FormatReport(facts))[4], state.line) << state.zoomed << state.iconic;
    }
}

TEST(WindowReport, HiddenWindowsChildWindowsAndOwnedWindows) {
    WindowFacts facts = NotepadFacts();
    facts.visible = false;
    facts.parent = 0x000B0A12;
    const std::vector<std::wstring> lines = Lines(FormatReport(facts));
    EXPECT_EQ(lines[5], L"表示状態     : 不可視");
    EXPECT_EQ(lines[7], L"親ウィンドウ : 0x000B0A12");
}

TEST(WindowReport, NegativeCoordinatesAndSizesAreSignedDecimals) {
    WindowFacts facts = NotepadFacts();
    facts.bounds = Rect{-32000, -32000, -31840, -31969};
    EXPECT_EQ(Lines(FormatReport(facts))[2], L"左上端の座標 : (-32000, -32000)");
    EXPECT_EQ(Lines(FormatReport(facts))[3], L"サイズ       : 160 x 31");
    facts.bounds = Rect{10, 10, 0, 5};
    EXPECT_EQ(Lines(FormatReport(facts))[3], L"サイズ       : -10 x -5");
}

TEST(WindowReport, TitlesAreQuotedAsTheyAreAndHexValuesUseAllThirtyTwoBits) {
    WindowFacts facts = NotepadFacts();
    facts.title = L"";
    facts.window = 0xFFFF0010;
    facts.processId = 0x80000004;
    const std::vector<std::wstring> lines = Lines(FormatReport(facts));
    EXPECT_EQ(lines[0], L"タイトル     : \"\"");
    EXPECT_EQ(lines[9], L"ハンドル     : 0xFFFF0010");
    EXPECT_EQ(lines[10], L"プロセスID   : 0x80000004");
    facts.title = L"Say \"hi\"";
    EXPECT_EQ(Lines(FormatReport(facts))[0], L"タイトル     : \"Say \"hi\"\"");
}

TEST(WindowReport, EachOfferedPriorityHasItsDescriptionAndOthersLeaveTheLabelAlone) {
    struct Case {
        uint32_t priorityClass;
        const wchar_t* line;
    };
    for (const Case& priority : {
             Case{0x100, L"- 優先度     : 最高 (CPU時間の全てを割り当てます)"},
             Case{0x80, L"- 優先度     : 高い (他のアプリケーションより優先的に動作します)"},
             Case{0x20, L"- 優先度     : 通常 (優先度はシステムによって決定されます)"},
             Case{0x40, L"- 優先度     : 低い (システムがアイドル状態のときのみ動作します)"},
             Case{0x4000, L"- 優先度     : "},  // below normal
             Case{0x8000, L"- 優先度     : "},  // above normal
             Case{0, L"- 優先度     : "},       // could not be read
         }) {
        WindowFacts facts = NotepadFacts();
        facts.process->priorityClass = priority.priorityClass;
        EXPECT_EQ(Lines(FormatReport(facts))[15], priority.line) << std::hex << priority.priorityClass;
    }
}

TEST(WindowReport, TheVersionHasASignedMajorAndAnUnpaddedUnsignedMinor) {
    struct Case {
        uint32_t version;
        const wchar_t* text;
    };
    for (const Case& version :
         {Case{0x00050000, L"5.0"}, Case{0x0005000A, L"5.10"}, Case{0x0006FFFF, L"6.65535"},
          Case{0xFFFF0001, L"-1.1"}, Case{0x80000000, L"-32768.0"}}) {
        WindowFacts facts = NotepadFacts();
        facts.processVersion = version.version;
        EXPECT_EQ(Lines(FormatReport(facts)).back(),
                  std::wstring(L"- 実行を想定している Windows のバージョン : ") + version.text);
    }
}

TEST(ProcessPriority, TheListOffersFourClassesInOrderAndNoOthers) {
    const uint32_t classes[] = {PriorityClass::Realtime, PriorityClass::High, PriorityClass::Normal,
                                PriorityClass::Idle};
    const wchar_t* entries[] = {L"最高", L"高い", L"通常", L"低い"};
    for (int index = 0; index < 4; ++index) {
        EXPECT_EQ(PriorityClassAt(index), classes[index]);
        EXPECT_EQ(PriorityIndexOf(classes[index]), index);
        EXPECT_EQ(std::wstring_view(Text(PriorityEntries[static_cast<size_t>(index)].entry)), entries[index]);
    }
    EXPECT_EQ(PriorityClassAt(-1), std::nullopt);
    EXPECT_EQ(PriorityClassAt(4), std::nullopt);
    EXPECT_EQ(PriorityIndexOf(0x4000), std::nullopt);
    EXPECT_EQ(PriorityIndexOf(0), std::nullopt);
}

}  // namespace
}  // namespace dokkle
