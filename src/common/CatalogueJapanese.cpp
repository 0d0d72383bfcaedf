// The Japanese texts, the program's first language.
#include "common/Catalogue.h"

namespace dokkle {
namespace {

using enum TextName;

// clang-format off
constexpr CatalogueTexts Texts{{
    {MenuFixSize, L"サイズ固定 (&S)"},
    {MenuFixPosition, L"位置固定 (&P)"},
    {MenuStickByHandle, L"ハンドルを指定して刺す (&H)"},
    {MenuChildWindows, L"子ウィンドウにも刺せる (&C)"},
    {MenuInformation, L"情報と操作 (&I)"},
    {MenuDesign, L"デザイン設定 (&D)"},
    {MenuNoDesigns, L"(なし)"},
    {MenuVersion, L"バージョン情報 (&V)"},
    {MenuPullOut, L"抜く (&X)"},

    {VersionLine, L"%1 - バージョン %2"},
    {HotkeyInUse, L"ホットキー : %1"},
    {HotkeySwitchedOff, L"ホットキーは設定で無効になっています。"},
    {HotkeySettingUnreadable, L"ホットキーの設定「%1」は読めないため、ホットキーは使えません。"},
    {HotkeyHeldElsewhere, L"ホットキー「%1」は他のプログラムが使っているため、ホットキーは使えません。"},
    {RunningCopyDidNotAnswer, L"実行中の Dokkle が応答しないため、別に起動しました。"},

    {SelectCaption, L"ウィンドウの選択"},
    {SelectDescription, L"ウィンドウハンドルを左のリストから選択するか、対象となるウィンドウを右のボックスから選択してください。"
                        L"ハンドルやタイトルで検索することもできます。"},
    {SelectSearch, L"検索"},
    {SelectOK, L"OK"},
    {SelectCancel, L"キャンセル"},
    {SelectRefresh, L"更新"},

    {InfoCaption, L"ウィンドウの情報と操作"},
    {InfoWarning, L"ここに用意された機能の中には、少々デンジャラスなものも含まれています。使用は自己責任にてお願いします。"
                  L"よくわからない場合は何もせずにウィンドウを閉じてください。"},
    {InfoInformationFrame, L"ウィンドウの情報"},
    {InfoRefresh, L"最新の情報に更新"},
    {InfoClose, L"閉じる"},
    {InfoWindowFrame, L"ウィンドウに対する操作"},
    {InfoTopmost, L"常に最前面に表示"},
    {InfoNotTopmost, L"…を解除"},
    {InfoShow, L"表示"},
    {InfoHide, L"隠す"},
    {InfoRedraw, L"再描画"},
    {InfoCloseTarget, L"閉じる"},
    {InfoChangeTitle, L"タイトル変更"},
    {InfoPositionLabel, L"位置 :"},
    {InfoComma, L","},
    {InfoSizeLabel, L"サイズ :"},
    {InfoTimes, L"x"},
    {InfoMoveResize, L"移動\r\nリサイズ"},
    {InfoMouseLabel, L"マウス :"},
    {InfoLeftButton, L"左"},
    {InfoMiddleButton, L"中"},
    {InfoRightButton, L"右"},
    {InfoHardwareChanged, L"「ハードウェア構成が変更された」"},
    {InfoShuttingDown, L"「システムが終了されようとしている」"},
    {InfoProcessFrame, L"プロセスに対する操作"},
    {InfoPriorityLabel, L"プロセスの優先度 :"},
    {InfoApplyPriority, L"適用"},
    {InfoTerminate, L"プロセスの強制終了"},

    {PriorityRealtime, L"最高"},
    {PriorityHigh, L"高い"},
    {PriorityNormal, L"通常"},
    {PriorityIdle, L"低い"},
    {PriorityRealtimeDescription, L"最高 (CPU時間の全てを割り当てます)"},
    {PriorityHighDescription, L"高い (他のアプリケーションより優先的に動作します)"},
    {PriorityNormalDescription, L"通常 (優先度はシステムによって決定されます)"},
    {PriorityIdleDescription, L"低い (システムがアイドル状態のときのみ動作します)"},

    {MessageWindowClosed, L"ハンドル %1 のウィンドウは閉じられました。"},
    {MessageInvalidValue, L"値が正しくありません"},
    {MessagePriorityNotSet, L"プロセスハンドルを開けなかったため、優先度の設定は失敗しました。"},
    {MessageTerminateFailed, L"プロセスハンドルを開けなかったため、強制終了は失敗しました。"},
    {MessageConfirmTerminate, L"このプロセスを強制終了しますか？"},

    // Each label with its blanks takes 13 columns in a fixed-pitch font, where a full-width character
    // counts two, so that the colons line up.
    {ReportTitle, L"タイトル     : \"%1\""},
    {ReportPosition, L"左上端の座標 : (%1, %2)"},
    {ReportSize, L"サイズ       : %1 x %2"},
    {ReportMaximized, L"サイズの状態 : 最大化"},
    {ReportMinimized, L"サイズの状態 : 最小化"},
    {ReportNormalSize, L"サイズの状態 : 通常"},
    {ReportVisible, L"表示状態     : 可視"},
    {ReportHidden, L"表示状態     : 不可視"},
    {ReportParent, L"親ウィンドウ : %1"},
    {ReportNoParent, L"親ウィンドウ : (なし)"},
    {ReportHandle, L"ハンドル     : %1"},
    {ReportProcessId, L"プロセスID   : %1"},
    {ReportThreadId, L"スレッドID   : %1"},
    {ReportProcess, L"プロセス情報 :"},
    {ReportProcessHandle, L"- ハンドル   : %1"},
    {ReportProcessHandleFailed, L"- ハンドル   : 取得失敗"},
    {ReportPriority, L"- 優先度     : %1"},
    {ReportModules, L"- 読み込まれたモジュール (%1個) : "},
    {ReportModule, L"  - %1 : %2"},
    {ReportModuleWithoutPath, L"?"},
    {ReportModulesFailed, L"- 読み込まれたモジュール : 取得失敗"},
    {ReportExpectedVersion, L"- 実行を想定している Windows のバージョン : %1.%2"},

    {HookResultDone, L"正常に処理されました"},
    {HookResultListenersFull, L"メッセージリスナーが一杯です"},
    {HookResultHookFailed, L"メッセージフックの開始に失敗しました"},
    {HookResultNoSuchListener, L"該当するリスナーは存在しません"},
    {HookResultUnhookFailed, L"メッセージフックの終了に失敗しました"},
}};
// clang-format on

static_assert(HoldsEveryTextInOrder(Texts), "the Japanese catalogue lacks a text or has one out of place");

}  // namespace

const Catalogue& JapaneseCatalogue() {
    static constexpr Catalogue catalogue{
        Texts,
        {L"MS UI Gothic", 9, FontRequest::ShiftJisCharacterSet, FontRequest::AnyPitch},
        {L"ＭＳ ゴシック", 9, FontRequest::ShiftJisCharacterSet, FontRequest::AnyPitch},
    };
    return catalogue;
}

}  // namespace dokkle
