// The report in English, and its columns in both languages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "InLanguage.h"
#include "tools/ProcessPriority.h"
#include "tools/WindowReport.h"

namespace dokkle {
namespace {

WindowFacts NotepadFacts() {
    WindowFacts facts;
    facts.title = L"Untitled - Notepad";
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

TEST(WindowReportInEnglish, AWindowWhoseProcessCouldBeReadInFull) {
    testing::InLanguage english(Language::English);
    EXPECT_EQ(FormatReport(NotepadFacts()),
              L"Title      : \"Untitled - Notepad\"\r\n"
              L"\r\n"
              L"Position   : (100, 80)\r\n"
              L"Size       : 640 x 480\r\n"
              L"State      : Normal\r\n"
              L"Visibility : Visible\r\n"
              L"\r\n"
              L"Parent     : (none)\r\n"
              L"\r\n"
              L"Handle     : 0x000A01C4\r\n"
              L"Process ID : 0x00000F30\r\n"
              L"Thread ID  : 0x00000F34\r\n"
              L"\r\n"
              L"Process    :\r\n"
              L"- Handle   : 0x000001F8\r\n"
              L"- Priority : Normal (the system decides its priority)\r\n"
              L"- Loaded modules (2) :\r\n"
              L"  - 0x00400000 : C:\\Windows\\notepad.exe\r\n"
              L"  - 0x77DD0000 : ?\r\n"
              L"\r\n"
              L"- Expected Windows version : 4.0\r\n");
}

TEST(WindowReportInEnglish, WhatCouldNotBeReadAndEveryStateAndPriority) {
    testing::InLanguage english(Language::English);
    WindowFacts facts = NotepadFacts();
    facts.visible = false;
    facts.iconic = true;
    facts.parent = 0x000B0A12;
    facts.process->modules.reset();
    facts.process->priorityClass = PriorityClass::Idle;
    std::vector<std::wstring> lines = Lines(FormatReport(facts));
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[4], L"State      : Minimized");
    EXPECT_EQ(lines[5], L"Visibility : Hidden");
    EXPECT_EQ(lines[7], L"Parent     : 0x000B0A12");
    EXPECT_EQ(lines[15], L"- Priority : Low (runs only when the system is idle)");
    EXPECT_EQ(lines[16], L"- Loaded modules : could not be read");

    facts.zoomed = true;
    facts.process->priorityClass = PriorityClass::High;
    lines = Lines(FormatReport(facts));
    EXPECT_EQ(lines[4], L"State      : Maximized");
    EXPECT_EQ(lines[15], L"- Priority : High (runs ahead of other programs)");
    facts.process->priorityClass = PriorityClass::Realtime;
    EXPECT_EQ(Lines(FormatReport(facts))[15],
              L"- Priority : Realtime (gets all the processor time it asks for)");
    facts.process->priorityClass = 0x4000;  // below normal: no words
    EXPECT_EQ(Lines(FormatReport(facts))[15], L"- Priority : ");

    facts.process.reset();
    lines = Lines(FormatReport(facts));
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[14], L"- Handle   : could not be opened");
    EXPECT_EQ(lines[16], L"- Expected Windows version : 4.0");
}

// Columns a character takes in a fixed-pitch font: two for a full-width one.
size_t Columns(std::wstring_view text) {
    size_t columns = 0;
    for (wchar_t c : text) {
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                          (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                          (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6);
        columns += wide ? 2 : 1;
    }
    return columns;
}

// The column of the colon of each labelled line: the window's lines, the process's heading and its
// handle and priority, and the handle line of a process that could not be opened.
std::vector<size_t> ColonColumns(const WindowFacts& facts) {
    const std::vector<std::wstring> lines = Lines(FormatReport(facts));
    std::vector<size_t> columns;
    for (size_t index : {0, 2, 3, 4, 5, 7, 9, 10, 11, 13, 14}) {
        columns.push_back(Columns(std::wstring_view(lines[index]).substr(0, lines[index].find(L':'))));
    }
    if (facts.process) {
        columns.push_back(Columns(std::wstring_view(lines[15]).substr(0, lines[15].find(L':'))));
    }
    return columns;
}

TEST(WindowReport, TheLabelsColonsLineUpInAFixedPitchFontInEitherLanguage) {
    WindowFacts opened = NotepadFacts(), refused = NotepadFacts();
    refused.process.reset();
    for (Language language : {Language::Japanese, Language::English}) {
        testing::InLanguage inLanguage(language);
        const size_t expected = language == Language::Japanese ? 13 : 11;
        for (const WindowFacts& facts : {opened, refused}) {
            for (size_t column : ColonColumns(facts))
                EXPECT_EQ(column, expected) << static_cast<int>(language);
        }
    }
}

}  // namespace
}  // namespace dokkle
