// The English texts, for every display language but Japanese. Menus, buttons, group boxes and window
// captions are in title case, everything else in sentence case, as in Windows' own programs. OK, Cancel
// and the information dialog's Close take no access key: Enter and Esc are theirs.
#include "common/Catalogue.h"

namespace dokkle {
namespace {

using enum TextName;

// clang-format off
constexpr CatalogueTexts Texts{{
    {MenuFixSize, L"Fix &Size"},
    {MenuFixPosition, L"Fix &Position"},
    {MenuStickByHandle, L"Stick by &Handle..."},
    {MenuChildWindows, L"Stick into &Child Windows"},
    {MenuInformation, L"&Info and Actions..."},
    {MenuDesign, L"&Design"},
    {MenuNoDesigns, L"(none)"},
    {MenuVersion, L"&Version Information"},
    {MenuPullOut, L"Pull &Out"},

    {VersionLine, L"%1 version %2"},
    {HotkeyInUse, L"Hotkey: %1"},
    {HotkeySwitchedOff, L"The hotkey is switched off in the settings."},
    {HotkeySettingUnreadable, L"The hotkey setting \"%1\" cannot be read, so there is no hotkey."},
    {HotkeyHeldElsewhere, L"Another program already uses %1, so there is no hotkey."},
    {RunningCopyDidNotAnswer, L"The running Dokkle did not answer, so this one started on its own."},

    {SelectCaption, L"Select Window"},
    {SelectDescription, L"Choose a window from the list on the left or click it on the map on the right. You "
                        L"can also search by handle or title."},
    {SelectSearch, L"&Search"},
    {SelectOK, L"OK"},
    {SelectCancel, L"Cancel"},
    {SelectRefresh, L"&Refresh"},

    {InfoCaption, L"Window Info and Actions"},
    {InfoWarning, L"Some of these actions are risky; use them at your own risk. If you are not sure, close "
                  L"this window without using them."},
    {InfoInformationFrame, L"Window Information"},
    {InfoRefresh, L"Re&fresh"},
    {InfoClose, L"Close"},
    {InfoWindowFrame, L"Window Actions"},
    {InfoTopmost, L"Always on &Top"},
    {InfoNotTopmost, L"&Not on Top"},
    {InfoShow, L"&Show"},
    {InfoHide, L"&Hide"},
    {InfoRedraw, L"&Redraw"},
    {InfoCloseTarget, L"&Close"},
    {InfoChangeTitle, L"Set T&itle"},
    {InfoPositionLabel, L"Position:"},
    {InfoComma, L","},
    {InfoSizeLabel, L"Size:"},
    {InfoTimes, L"x"},
    {InfoMoveResize, L"&Move /\r\nResize"},
    {InfoMouseLabel, L"Mouse:"},
    {InfoLeftButton, L"&Left"},
    {InfoMiddleButton, L"Mi&ddle"},
    {InfoRightButton, L"Ri&ght"},
    {InfoHardwareChanged, L"\"Hard&ware Configuration Changed\""},
    {InfoShuttingDown, L"\"S&ystem Is Shutting Down\""},
    {InfoProcessFrame, L"Process Actions"},
    {InfoPriorityLabel, L"Priority:"},
    {InfoApplyPriority, L"&Apply"},
    {InfoTerminate, L"&End Process"},

    {PriorityRealtime, L"Realtime"},
    {PriorityHigh, L"High"},
    {PriorityNormal, L"Normal"},
    {PriorityIdle, L"Low"},
    {PriorityRealtimeDescription, L"Realtime (gets all the processor time it asks for)"},
    {PriorityHighDescription, L"High (runs ahead of other programs)"},
    {PriorityNormalDescription, L"Normal (the system decides its priority)"},
    {PriorityIdleDescription, L"Low (runs only when the system is idle)"},

    {MessageWindowClosed, L"The window with handle %1 has been closed."},
    {MessageInvalidValue, L"The position or size is not valid."},
    {MessagePriorityNotSet, L"The process could not be opened, so its priority was not changed."},
    {MessageTerminateFailed, L"The process could not be opened, so it was not ended."},
    {MessageConfirmTerminate, L"Do you want to force this process to end?"},

    // Each label with its blanks takes 11 columns, so that the colons line up in a fixed-pitch font.
    {ReportTitle, L"Title      : \"%1\""},
    {ReportPosition, L"Position   : (%1, %2)"},
    {ReportSize, L"Size       : %1 x %2"},
    {ReportMaximized, L"State      : Maximized"},
    {ReportMinimized, L"State      : Minimized"},
    {ReportNormalSize, L"State      : Normal"},
    {ReportVisible, L"Visibility : Visible"},
    {ReportHidden, L"Visibility : Hidden"},
    {ReportParent, L"Parent     : %1"},
    {ReportNoParent, L"Parent     : (none)"},
    {ReportHandle, L"Handle     : %1"},
    {ReportProcessId, L"Process ID : %1"},
    {ReportThreadId, L"Thread ID  : %1"},
    {ReportProcess, L"Process    :"},
    {ReportProcessHandle, L"- Handle   : %1"},
    {ReportProcessHandleFailed, L"- Handle   : could not be opened"},
    {ReportPriority, L"- Priority : %1"},
    {ReportModules, L"- Loaded modules (%1) :"},
    {ReportModule, L"  - %1 : %2"},
    {ReportModuleWithoutPath, L"?"},
    {ReportModulesFailed, L"- Loaded modules : could not be read"},
    {ReportExpectedVersion, L"- Expected Windows version : %1.%2"},

    {HookResultDone, L"Completed successfully"},
    {HookResultListenersFull, L"The listener table is full"},
    {HookResultHookFailed, L"The message hook could not be started"},
    {HookResultNoSuchListener, L"No such listener is registered"},
    {HookResultUnhookFailed, L"The message hook could not be ended"},
}};
// clang-format on

static_assert(HoldsEveryTextInOrder(Texts), "the English catalogue lacks a text or has one out of place");

}  // namespace

const Catalogue& EnglishCatalogue() {
    // Tahoma, through the name every Windows maps to it; the report asks for any fixed-pitch font where
    // Consolas is missing (Courier New on older Windows, whatever fixed-pitch face Wine has).
    static constexpr Catalogue catalogue{
        Texts,
        {L"MS Shell Dlg 2", 8, FontRequest::DefaultCharacterSet, FontRequest::AnyPitch},
        {L"Consolas", 9, FontRequest::DefaultCharacterSet, FontRequest::FixedPitchModern},
    };
    return catalogue;
}

}  // namespace dokkle
