#pragma once
// Every text the user sees, asked for by name in the language chosen at start. Each language has one
// catalogue (CatalogueJapanese.cpp, CatalogueEnglish.cpp) holding every name below in this order, with the
// fonts its texts are shown in. A text with parameters is a format: %1 to %9
// stand for the arguments, so that each language puts them where its word order wants them.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace dokkle {

enum class Language { Japanese, English };

enum class TextName : int {
    // The pin's menu; the design submenu's entry when the folder holds no design.
    MenuFixSize,
    MenuFixPosition,
    MenuStickByHandle,
    MenuChildWindows,
    MenuInformation,
    MenuDesign,
    MenuNoDesigns,
    MenuVersion,
    MenuPullOut,

    // The version box: %1 the title, %2 the version. Then the lines about this run.
    VersionLine,
    HotkeyInUse,  // %1 the combination
    HotkeySwitchedOff,
    HotkeySettingUnreadable,  // %1 the setting as written
    HotkeyHeldElsewhere,      // %1 the combination
    RunningCopyDidNotAnswer,

    // The window selection dialog.
    SelectCaption,
    SelectDescription,
    SelectSearch,
    SelectOK,
    SelectCancel,
    SelectRefresh,

    // The window information dialog.
    InfoCaption,
    InfoWarning,
    InfoInformationFrame,
    InfoRefresh,
    InfoClose,
    InfoWindowFrame,
    InfoTopmost,
    InfoNotTopmost,
    InfoShow,
    InfoHide,
    InfoRedraw,
    InfoCloseTarget,
    InfoChangeTitle,
    InfoPositionLabel,
    InfoComma,
    InfoSizeLabel,
    InfoTimes,
    InfoMoveResize,
    InfoMouseLabel,
    InfoLeftButton,
    InfoMiddleButton,
    InfoRightButton,
    InfoHardwareChanged,
    InfoShuttingDown,
    InfoProcessFrame,
    InfoPriorityLabel,
    InfoApplyPriority,
    InfoTerminate,

    // The priority list's entries and the report's words for each class.
    PriorityRealtime,
    PriorityHigh,
    PriorityNormal,
    PriorityIdle,
    PriorityRealtimeDescription,
    PriorityHighDescription,
    PriorityNormalDescription,
    PriorityIdleDescription,

    // The information dialog's message boxes.
    MessageWindowClosed,  // %1 the handle
    MessageInvalidValue,
    MessagePriorityNotSet,
    MessageTerminateFailed,
    MessageConfirmTerminate,

    // The report, line by line.
    ReportTitle,     // %1 the title
    ReportPosition,  // %1 left, %2 top
    ReportSize,      // %1 width, %2 height
    ReportMaximized,
    ReportMinimized,
    ReportNormalSize,
    ReportVisible,
    ReportHidden,
    ReportParent,  // %1 the handle
    ReportNoParent,
    ReportHandle,     // %1
    ReportProcessId,  // %1
    ReportThreadId,   // %1
    ReportProcess,
    ReportProcessHandle,  // %1
    ReportProcessHandleFailed,
    ReportPriority,  // %1 the class's words, or nothing
    ReportModules,   // %1 the count
    ReportModule,    // %1 the handle, %2 the path
    ReportModuleWithoutPath,
    ReportModulesFailed,
    ReportExpectedVersion,  // %1 major, %2 minor

    // The message hook registry's outcome of its last registration, for diagnosis.
    HookResultDone,
    HookResultListenersFull,
    HookResultHookFailed,
    HookResultNoSuchListener,
    HookResultUnhookFailed,

    Count
};

inline constexpr size_t TextCount = static_cast<size_t>(TextName::Count);

struct CatalogueEntry {
    TextName name;
    const wchar_t* text;
};
using CatalogueTexts = std::array<CatalogueEntry, TextCount>;

// Whether every name stands at its own place with a text: what each catalogue proves as it compiles.
constexpr bool HoldsEveryTextInOrder(const CatalogueTexts& texts) {
    for (size_t index = 0; index < texts.size(); ++index) {
        if (texts[index].name != static_cast<TextName>(index)) return false;
        if (texts[index].text == nullptr || texts[index].text[0] == L'\0') return false;
    }
    return true;
}

// The window system's character sets and pitch and family bits, as the font request takes them.
namespace FontRequest {
inline constexpr uint8_t DefaultCharacterSet = 1;
inline constexpr uint8_t ShiftJisCharacterSet = 128;
inline constexpr uint8_t AnyPitch = 0;
inline constexpr uint8_t FixedPitchModern = 0x01 | 0x30;
}  // namespace FontRequest

struct FontDesign {
    const wchar_t* face;
    int points;
    uint8_t characterSet;
    uint8_t pitchAndFamily;
};

struct Catalogue {
    const CatalogueTexts& texts;
    FontDesign dialogFont;  // every control of both dialogs but the report
    FontDesign reportFont;  // the report, whose columns line up only in a fixed-pitch font
};

const Catalogue& JapaneseCatalogue();
const Catalogue& EnglishCatalogue();
const Catalogue& CatalogueOf(Language language);

// The language of every text from now on; chosen once at start, before any window shows a text.
void SetLanguage(Language language);
Language CurrentLanguage();

const wchar_t* Text(TextName name);
// The text with %1 to %9 replaced by the arguments, in one pass: an argument is never read as a format.
std::wstring Format(TextName name, std::initializer_list<std::wstring_view> arguments);
const FontDesign& DialogFont();
const FontDesign& ReportFont();

}  // namespace dokkle
