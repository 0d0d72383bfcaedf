#include "common/Catalogue.h"

#include "InLanguage.h"

#include <gtest/gtest.h>

#include <cctype>

#include <set>
#include <string_view>
#include <utility>
#include <string>
#include <vector>

namespace dokkle {
namespace {

using enum TextName;

struct Expected {
    TextName name;
    std::vector<std::wstring_view> arguments;
    std::wstring text;
};

// Every Japanese text as the program's design writes it, each with sample arguments where it has any:
// the menu, the version box, both dialogs, the priority list, the message boxes and the report.
const std::vector<Expected>& JapaneseTexts() {
    static const std::vector<Expected> texts{
        {MenuFixSize, {}, L"サイズ固定 (&S)"},
        {MenuFixPosition, {}, L"位置固定 (&P)"},
        {MenuStickByHandle, {}, L"ハンドルを指定して刺す (&H)"},
        {MenuChildWindows, {}, L"子ウィンドウにも刺せる (&C)"},
        {MenuInformation, {}, L"情報と操作 (&I)"},
        {MenuDesign, {}, L"デザイン設定 (&D)"},
        {MenuNoDesigns, {}, L"(なし)"},
        {MenuVersion, {}, L"バージョン情報 (&V)"},
        {MenuPullOut, {}, L"抜く (&X)"},
        {VersionLine, {L"Dokkle", L"1.2"}, L"Dokkle - バージョン 1.2"},
        {HotkeyInUse, {L"Ctrl+Alt+P"}, L"ホットキー : Ctrl+Alt+P"},
        {HotkeySwitchedOff, {}, L"ホットキーは設定で無効になっています。"},
        {HotkeySettingUnreadable,
         {L"Ctrl+Banana"},
         L"ホットキーの設定「Ctrl+Banana」は読めないため、ホットキーは使えません。"},
        {HotkeyHeldElsewhere,
         {L"Ctrl+Alt+P"},
         L"ホットキー「Ctrl+Alt+P」は他のプログラムが使っているため、ホットキーは使えません。"},
        {RunningCopyDidNotAnswer, {}, L"実行中の Dokkle が応答しないため、別に起動しました。"},
        {SelectCaption, {}, L"ウィンドウの選択"},
        {SelectDescription,
         {},
         L"ウィンドウハンドルを左のリストから選択するか、対象となるウィンドウを右のボックスから選択してくださ"
         L"い。"
         L"ハンドルやタイトルで検索することもできます。"},
        {SelectSearch, {}, L"検索"},
        {SelectOK, {}, L"OK"},
        {SelectCancel, {}, L"キャンセル"},
        {SelectRefresh, {}, L"更新"},
        {InfoCaption, {}, L"ウィンドウの情報と操作"},
        {InfoWarning,
         {},
         L"ここに用意された機能の中には、少々デンジャラスなものも含まれています。使用は自己責任にてお願いしま"
         L"す。"
         L"よくわからない場合は何もせずにウィンドウを閉じてください。"},
        {InfoInformationFrame, {}, L"ウィンドウの情報"},
        {InfoRefresh, {}, L"最新の情報に更新"},
        {InfoClose, {}, L"閉じる"},
        {InfoWindowFrame, {}, L"ウィンドウに対する操作"},
        {InfoTopmost, {}, L"常に最前面に表示"},
        {InfoNotTopmost, {}, L"\x2026を解除"},
        {InfoShow, {}, L"表示"},
        {InfoHide, {}, L"隠す"},
        {InfoRedraw, {}, L"再描画"},
        {InfoCloseTarget, {}, L"閉じる"},
        {InfoChangeTitle, {}, L"タイトル変更"},
        {InfoPositionLabel, {}, L"位置 :"},
        {InfoComma, {}, L","},
        {InfoSizeLabel, {}, L"サイズ :"},
        {InfoTimes, {}, L"x"},
        {InfoMoveResize, {}, L"移動\r\nリサイズ"},
        {InfoMouseLabel, {}, L"マウス :"},
        {InfoLeftButton, {}, L"左"},
        {InfoMiddleButton, {}, L"中"},
        {InfoRightButton, {}, L"右"},
        {InfoHardwareChanged, {}, L"「ハードウェア構成が変更された」"},
        {InfoShuttingDown, {}, L"「システムが終了されようとしている」"},
        {InfoProcessFrame, {}, L"プロセスに対する操作"},
        {InfoPriorityLabel, {}, L"プロセスの優先度 :"},
        {InfoApplyPriority, {}, L"適用"},
        {InfoTerminate, {}, L"プロセスの強制終了"},
        {PriorityRealtime, {}, L"最高"},
        {PriorityHigh, {}, L"高い"},
        {PriorityNormal, {}, L"通常"},
        {PriorityIdle, {}, L"低い"},
        {PriorityRealtimeDescription, {}, L"最高 (CPU時間の全てを割り当てます)"},
        {PriorityHighDescription, {}, L"高い (他のアプリケーションより優先的に動作します)"},
        {PriorityNormalDescription, {}, L"通常 (優先度はシステムによって決定されます)"},
        {PriorityIdleDescription, {}, L"低い (システムがアイドル状態のときのみ動作します)"},
        {MessageWindowClosed, {L"0x0001A2B4"}, L"ハンドル 0x0001A2B4 のウィンドウは閉じられました。"},
        {MessageInvalidValue, {}, L"値が正しくありません"},
        {MessagePriorityNotSet, {}, L"プロセスハンドルを開けなかったため、優先度の設定は失敗しました。"},
        {MessageTerminateFailed, {}, L"プロセスハンドルを開けなかったため、強制終了は失敗しました。"},
        {MessageConfirmTerminate, {}, L"このプロセスを強制終了しますか？"},
        {ReportTitle, {L"メモ"}, L"タイトル     : \"メモ\""},
        {ReportPosition, {L"-5", L"20"}, L"左上端の座標 : (-5, 20)"},
        {ReportSize, {L"640", L"480"}, L"サイズ       : 640 x 480"},
        {ReportMaximized, {}, L"サイズの状態 : 最大化"},
        {ReportMinimized, {}, L"サイズの状態 : 最小化"},
        {ReportNormalSize, {}, L"サイズの状態 : 通常"},
        {ReportVisible, {}, L"表示状態     : 可視"},
        {ReportHidden, {}, L"表示状態     : 不可視"},
        {ReportParent, {L"0x00010010"}, L"親ウィンドウ : 0x00010010"},
        {ReportNoParent, {}, L"親ウィンドウ : (なし)"},
        {ReportHandle, {L"0x000A01C4"}, L"ハンドル     : 0x000A01C4"},
        {ReportProcessId, {L"0x00000F30"}, L"プロセスID   : 0x00000F30"},
        {ReportThreadId, {L"0x00000F34"}, L"スレッドID   : 0x00000F34"},
        {ReportProcess, {}, L"プロセス情報 :"},
        {ReportProcessHandle, {L"0x000001F8"}, L"- ハンドル   : 0x000001F8"},
        {ReportProcessHandleFailed, {}, L"- ハンドル   : 取得失敗"},
        {ReportPriority,
         {L"通常 (優先度はシステムによって決定されます)"},
         L"- 優先度     : 通常 (優先度はシステムによって決定されます)"},
        {ReportModules, {L"37"}, L"- 読み込まれたモジュール (37個) : "},
        {ReportModule, {L"0x00400000", L"C:\\a.exe"}, L"  - 0x00400000 : C:\\a.exe"},
        {ReportModuleWithoutPath, {}, L"?"},
        {ReportModulesFailed, {}, L"- 読み込まれたモジュール : 取得失敗"},
        {ReportExpectedVersion, {L"5", L"10"}, L"- 実行を想定している Windows のバージョン : 5.10"},
        {HookResultDone, {}, L"正常に処理されました"},
        {HookResultListenersFull, {}, L"メッセージリスナーが一杯です"},
        {HookResultHookFailed, {}, L"メッセージフックの開始に失敗しました"},
        {HookResultNoSuchListener, {}, L"該当するリスナーは存在しません"},
        {HookResultUnhookFailed, {}, L"メッセージフックの終了に失敗しました"},
    };
    return texts;
}

TEST(Catalogue, EveryJapaneseTextIsTheDesignsByteForByte) {
    std::set<TextName> seen;
    for (const Expected& expected : JapaneseTexts()) {
        EXPECT_TRUE(seen.insert(expected.name).second) << static_cast<int>(expected.name);
        const std::vector<std::wstring_view>& arguments = expected.arguments;
        const std::wstring text =
            arguments.empty()
                ? std::wstring(Text(expected.name))
                : Format(expected.name, {arguments[0], arguments.size() > 1 ? arguments[1] : L""});
        EXPECT_EQ(text, expected.text) << static_cast<int>(expected.name);
    }
    EXPECT_EQ(seen.size(), TextCount) << "a text of the catalogue has no expectation here";
}

// The letter after each "&" of the texts, upper case, "-" for a text without one.
std::string AccessKeys(std::initializer_list<TextName> names) {
    std::string keys;
    for (TextName name : names) {
        const std::wstring_view text = Text(name);
        const size_t ampersand = text.find(L'&');
        const bool marked = ampersand != std::wstring_view::npos && ampersand + 1 < text.size();
        keys += marked ? static_cast<char>(std::toupper(static_cast<int>(text[ampersand + 1]))) : '-';
        if (marked) {
            EXPECT_EQ(text.find(L'&', ampersand + 1), std::wstring_view::npos) << "two in one text";
        }
    }
    return keys;
}

constexpr std::initializer_list<TextName> MenuItems{MenuFixSize,      MenuFixPosition, MenuStickByHandle,
                                                    MenuChildWindows, MenuInformation, MenuDesign,
                                                    MenuVersion,      MenuPullOut};
constexpr std::initializer_list<TextName> SelectButtons{SelectSearch, SelectOK, SelectCancel, SelectRefresh};
constexpr std::initializer_list<TextName> InfoButtons{
    InfoTopmost,     InfoNotTopmost,      InfoShow,         InfoHide,          InfoRedraw,
    InfoCloseTarget, InfoChangeTitle,     InfoMoveResize,   InfoLeftButton,    InfoMiddleButton,
    InfoRightButton, InfoHardwareChanged, InfoShuttingDown, InfoApplyPriority, InfoTerminate,
    InfoClose,       InfoRefresh};

TEST(Catalogue, EveryEnglishTextIsPlainPrintableText) {
    testing::InLanguage english(Language::English);
    for (size_t index = 0; index < TextCount; ++index) {
        const std::wstring_view text = Text(static_cast<TextName>(index));
        for (wchar_t character : text) {
            const bool printable = character >= L' ' && character <= L'~';
            EXPECT_TRUE(printable || character == L'\r' || character == L'\n')
                << "text " << index << " holds the character " << static_cast<int>(character);
        }
    }
}

TEST(Catalogue, TheEnglishMenuKeepsTheJapaneseAccessKeysWhereTheyFit) {
    EXPECT_EQ(AccessKeys(MenuItems), "SPHCIDVX");
    testing::InLanguage english(Language::English);
    // "Pull Out" has no x.
    EXPECT_EQ(AccessKeys(MenuItems), "SPHCIDVO");
}

TEST(Catalogue, EveryEnglishDialogButtonButOkCancelAndCloseHasAnAccessKeyOfItsOwn) {
    // The Japanese dialogs have none.
    EXPECT_EQ(AccessKeys(SelectButtons), "----");
    EXPECT_EQ(AccessKeys(InfoButtons), "-----------------");
    testing::InLanguage english(Language::English);
    EXPECT_EQ(AccessKeys(SelectButtons), "S--R");
    EXPECT_EQ(AccessKeys(InfoButtons), "TNSHRCIMLDGWYAE-F");
    const std::string keys = AccessKeys(InfoButtons);
    for (size_t index = 0; index < keys.size(); ++index) {
        if (keys[index] != '-') {
            EXPECT_EQ(keys.find(keys[index]), index) << keys[index] << " twice";
        }
    }
}

TEST(Catalogue, TheJapaneseFontsAreTheDesigns) {
    const FontDesign& dialog = JapaneseCatalogue().dialogFont;
    EXPECT_EQ(std::wstring(dialog.face), L"MS UI Gothic");
    EXPECT_EQ(dialog.points, 9);
    EXPECT_EQ(dialog.characterSet, 128);  // Shift-JIS
    const FontDesign& report = JapaneseCatalogue().reportFont;
    EXPECT_EQ(std::wstring(report.face), L"ＭＳ ゴシック");
    EXPECT_EQ(report.points, 9);
    EXPECT_EQ(report.characterSet, 128);
}

TEST(Catalogue, TheEnglishFontsAreAStandardDialogFontAndAnyFixedPitchFontForTheReport) {
    testing::InLanguage english(Language::English);
    EXPECT_EQ(std::wstring(DialogFont().face), L"MS Shell Dlg 2");
    EXPECT_EQ(DialogFont().points, 8);
    EXPECT_EQ(DialogFont().characterSet,
              1);  // any: the titles of other programs' windows may be in any script
    EXPECT_EQ(ReportFont().pitchAndFamily, 0x31);  // FIXED_PITCH | FF_MODERN
    EXPECT_EQ(ReportFont().characterSet, 1);
}

TEST(Catalogue, AFormatTakesItsArgumentsInOnePass) {
    // An argument that looks like a format stays as it is; a missing one leaves nothing.
    EXPECT_EQ(Format(ReportPosition, {L"%2", L"7"}), L"左上端の座標 : (%2, 7)");
    EXPECT_EQ(Format(ReportPosition, {L"3"}), L"左上端の座標 : (3, )");
    EXPECT_EQ(Format(ReportTitle, {L"100%1"}), L"タイトル     : \"100%1\"");
}

TEST(Catalogue, TheCompletenessCheckRejectsAMissingAMisplacedOrAnEmptyText) {
    CatalogueTexts texts = JapaneseCatalogue().texts;
    EXPECT_TRUE(HoldsEveryTextInOrder(texts));
    std::swap(texts[3], texts[4]);
    EXPECT_FALSE(HoldsEveryTextInOrder(texts));
    texts = JapaneseCatalogue().texts;
    texts.back() = CatalogueEntry{};
    EXPECT_FALSE(HoldsEveryTextInOrder(texts));
    texts = JapaneseCatalogue().texts;
    texts[10].text = L"";
    EXPECT_FALSE(HoldsEveryTextInOrder(texts));
}

}  // namespace
}  // namespace dokkle
