// The expectations are the window system's documented numbers, written out by hand: MOD_ALT 0x0001,
// MOD_CONTROL 0x0002, MOD_SHIFT 0x0004, MOD_WIN 0x0008, and the virtual-key codes of the keys.
#include "startup/HotkeyCombination.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dokkle {
namespace {

constexpr uint32_t ModAlt = 0x0001;
constexpr uint32_t ModControl = 0x0002;
constexpr uint32_t ModShift = 0x0004;
constexpr uint32_t ModWin = 0x0008;

HotkeyCombination Read(std::wstring_view text) {
    const HotkeySetting setting = ReadHotkeySetting(text);
    EXPECT_FALSE(setting.switchedOff) << "for a combination";
    return setting.combination.value_or(HotkeyCombination{});
}

struct NamedKeyCode {
    const wchar_t* name;
    uint32_t virtualKey;
};

// Every key a combination may name, with its documented virtual-key code.
const std::vector<NamedKeyCode> EveryKey{
    {L"Pause", 0x13},  {L"Space", 0x20},  {L"PageUp", 0x21}, {L"PageDown", 0x22}, {L"End", 0x23},
    {L"Home", 0x24},   {L"Left", 0x25},   {L"Up", 0x26},     {L"Right", 0x27},    {L"Down", 0x28},
    {L"Insert", 0x2D}, {L"Delete", 0x2E}, {L"0", 0x30},      {L"1", 0x31},        {L"2", 0x32},
    {L"3", 0x33},      {L"4", 0x34},      {L"5", 0x35},      {L"6", 0x36},        {L"7", 0x37},
    {L"8", 0x38},      {L"9", 0x39},      {L"A", 0x41},      {L"B", 0x42},        {L"C", 0x43},
    {L"D", 0x44},      {L"E", 0x45},      {L"F", 0x46},      {L"G", 0x47},        {L"H", 0x48},
    {L"I", 0x49},      {L"J", 0x4A},      {L"K", 0x4B},      {L"L", 0x4C},        {L"M", 0x4D},
    {L"N", 0x4E},      {L"O", 0x4F},      {L"P", 0x50},      {L"Q", 0x51},        {L"R", 0x52},
    {L"S", 0x53},      {L"T", 0x54},      {L"U", 0x55},      {L"V", 0x56},        {L"W", 0x57},
    {L"X", 0x58},      {L"Y", 0x59},      {L"Z", 0x5A},      {L"F1", 0x70},       {L"F2", 0x71},
    {L"F3", 0x72},     {L"F4", 0x73},     {L"F5", 0x74},     {L"F6", 0x75},       {L"F7", 0x76},
    {L"F8", 0x77},     {L"F9", 0x78},     {L"F10", 0x79},    {L"F11", 0x7A},      {L"F12", 0x7B},
    {L"F13", 0x7C},    {L"F14", 0x7D},    {L"F15", 0x7E},    {L"F16", 0x7F},      {L"F17", 0x80},
    {L"F18", 0x81},    {L"F19", 0x82},    {L"F20", 0x83},    {L"F21", 0x84},      {L"F22", 0x85},
    {L"F23", 0x86},    {L"F24", 0x87}};

struct ModifierSet {
    const wchar_t* written;  // as FormatHotkey writes it, in its order
    uint32_t flags;
};

// Every set of modifiers that holds Ctrl, Alt or Win, written out.
const std::vector<ModifierSet> EveryModifierSet{{L"Ctrl+", 0x2},          {L"Alt+", 0x1},
                                                {L"Win+", 0x8},           {L"Ctrl+Alt+", 0x3},
                                                {L"Ctrl+Shift+", 0x6},    {L"Ctrl+Win+", 0xA},
                                                {L"Alt+Shift+", 0x5},     {L"Alt+Win+", 0x9},
                                                {L"Shift+Win+", 0xC},     {L"Ctrl+Alt+Shift+", 0x7},
                                                {L"Ctrl+Alt+Win+", 0xB},  {L"Ctrl+Shift+Win+", 0xE},
                                                {L"Alt+Shift+Win+", 0xD}, {L"Ctrl+Alt+Shift+Win+", 0xF}};

TEST(HotkeyCombination, CombinationsAsAUserTypesThem) {
    EXPECT_EQ(Read(L"Ctrl+Alt+P"), (HotkeyCombination{ModControl | ModAlt, 0x50}));
    EXPECT_EQ(Read(L"Ctrl+Shift+F12"), (HotkeyCombination{ModControl | ModShift, 0x7B}));
    EXPECT_EQ(Read(L" ctrl + alt + p "), (HotkeyCombination{ModControl | ModAlt, 0x50}));
    EXPECT_EQ(Read(L"Alt+Control+7"), (HotkeyCombination{ModControl | ModAlt, 0x37}));
    EXPECT_EQ(Read(L"Win+Shift+Space"), (HotkeyCombination{ModWin | ModShift, 0x20}));
    EXPECT_EQ(Read(L"CTRL+F1"), (HotkeyCombination{ModControl, 0x70}));
    EXPECT_EQ(Read(L"Ctrl+F24"), (HotkeyCombination{ModControl, 0x87}));
    EXPECT_EQ(Read(L"Alt+pagedown"), (HotkeyCombination{ModAlt, 0x22}));
    EXPECT_EQ(Read(L"Ctrl+Alt+Shift+Win+Pause"), (HotkeyCombination{0xF, 0x13}));
    EXPECT_EQ(Read(L"\tCtrl\x3000+Alt+P"), (HotkeyCombination{ModControl | ModAlt, 0x50}));
}

TEST(HotkeyCombination, ModifierFlagsAreTheWindowSystemsOwn) {
    EXPECT_EQ(HotkeyModifier::Alt, 0x0001u);
    EXPECT_EQ(HotkeyModifier::Control, 0x0002u);
    EXPECT_EQ(HotkeyModifier::Shift, 0x0004u);
    EXPECT_EQ(HotkeyModifier::Windows, 0x0008u);
}

TEST(HotkeyCombination, NoneSwitchesItOffInAnyCase) {
    for (const wchar_t* text : {L"none", L"NONE", L" None "}) {
        const HotkeySetting setting = ReadHotkeySetting(text);
        EXPECT_TRUE(setting.switchedOff) << text;
        EXPECT_FALSE(setting.combination) << text;
    }
}

TEST(HotkeyCombination, TextsThatNameNoUsableCombinationAreNotRead) {
    for (const wchar_t* text : {L"",
                                L" ",
                                L"+",
                                L"++",
                                L" + ",
                                L"P",
                                L"Shift+P",
                                L"Ctrl+",
                                L"Ctrl+ ",
                                L"Ctrl+Alt+",
                                L"+P",
                                L" +P",
                                L"Ctrl++P",
                                L"Ctrl+ +P",
                                L"Ctrl+Ctrl+P",
                                L"Ctrl+Control+P",
                                L"Ctrl+Alt",
                                L"Ctrl+PP",
                                L"Ctrl+FF",
                                L"Ctrl+F0",
                                L"Ctrl+F25",
                                L"Ctrl+F01",
                                L"Ctrl+F1F",
                                L"Ctrl+F100",
                                L"Ctrl+Banana",
                                L"Strg+P",
                                L"Ctrl+Alt+P+Q",
                                L"Ctrl+é",
                                L"Ctrl+Ｐ",
                                L"Ctrl Alt P",
                                L"Ctrl-Alt-P",
                                L"none+P",
                                L"Ctrl+none"}) {
        const HotkeySetting setting = ReadHotkeySetting(text);
        EXPECT_FALSE(setting.switchedOff) << text;
        EXPECT_FALSE(setting.combination) << text;
    }
}

TEST(HotkeyCombination, EveryKeyWithEveryModifierSetReadsAsItsDocumentedCodes) {
    for (const ModifierSet& modifiers : EveryModifierSet) {
        for (const NamedKeyCode& key : EveryKey) {
            const std::wstring text = std::wstring(modifiers.written) + key.name;
            EXPECT_EQ(Read(text), (HotkeyCombination{modifiers.flags, key.virtualKey})) << text;
            EXPECT_EQ(FormatHotkey(HotkeyCombination{modifiers.flags, key.virtualKey}), text);
        }
    }
}

TEST(HotkeyCombination, ShiftAloneTakesNoKey) {
    for (const NamedKeyCode& key : EveryKey) {
        EXPECT_FALSE(ReadHotkeySetting(std::wstring(L"Shift+") + key.name).combination) << key.name;
    }
}

TEST(HotkeyCombination, TheDefaultIsCtrlAltP) {
    EXPECT_EQ(DefaultHotkeyText, L"Ctrl+Alt+P");
    EXPECT_EQ(Read(DefaultHotkeyText), (HotkeyCombination{0x3, 0x50}));
}

}  // namespace
}  // namespace dokkle
