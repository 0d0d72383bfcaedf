#include "tools/WindowReport.h"

#include "common/FormatHex8.h"
#include "tools/ProcessPriority.h"

namespace dokkle {
namespace {

class ReportWriter {
  public:
    void Line(const std::wstring& text = {}) { report_ += text + L"\r\n"; }
    std::wstring Take() { return std::move(report_); }

  private:
    std::wstring report_;
};

std::wstring Hex(uint32_t value) {
    return FormatHex8(static_cast<int32_t>(value));
}
std::wstring Decimal(int32_t value) {
    return std::to_wstring(value);
}

const wchar_t* SizeState(const WindowFacts& facts) {
    if (facts.zoomed) return L"サイズの状態 : 最大化";
    if (facts.iconic) return L"サイズの状態 : 最小化";
    return L"サイズの状態 : 通常";
}

// Each label with its blanks takes 13 columns in a fixed-pitch font, where a full-width character counts
// two, so that the colons line up.
void WriteWindowPart(const WindowFacts& facts, ReportWriter& report) {
    report.Line(L"タイトル     : \"" + facts.title + L"\"");
    report.Line();
    report.Line(L"左上端の座標 : (" + Decimal(facts.bounds.left) + L", " + Decimal(facts.bounds.top) + L")");
    report.Line(L"サイズ       : " + Decimal(Width(facts.bounds)) + L" x " + Decimal(Height(facts.bounds)));
    report.Line(SizeState(facts));
    report.Line(facts.visible ? L"表示状態     : 可視" : L"表示状態     : 不可視");
    report.Line();
    report.Line(facts.parent != 0 ? L"親ウィンドウ : " + Hex(facts.parent) : L"親ウィンドウ : (なし)");
    report.Line();
    report.Line(L"ハンドル     : " + Hex(facts.window));
    report.Line(L"プロセスID   : " + Hex(facts.processId));
    report.Line(L"スレッドID   : " + Hex(facts.threadId));
    report.Line();
}

void WriteProcessPart(const std::optional<ProcessFacts>& process, ReportWriter& report) {
    report.Line(L"プロセス情報 :");
    if (!process) {
        report.Line(L"- ハンドル   : 取得失敗");
        report.Line();
        return;
    }
    report.Line(L"- ハンドル   : " + FormatHexHandle(process->handle));
    report.Line(L"- 優先度     : " + std::wstring(PriorityDescription(process->priorityClass)));
    if (process->modules) {
        report.Line(L"- 読み込まれたモジュール (" + std::to_wstring(process->modules->size()) + L"個) : ");
        for (const ModuleFacts& module : *process->modules) {
            report.Line(L"  - " + FormatHexHandle(module.handle) + L" : " + module.path.value_or(L"?"));
        }
    } else {
        report.Line(L"- 読み込まれたモジュール : 取得失敗");
    }
    report.Line();
}

}  // namespace

std::wstring FormatReport(const WindowFacts& facts) {
    ReportWriter report;
    WriteWindowPart(facts, report);
    WriteProcessPart(facts.process, report);
    // The major number is signed, the minor one is not.
    const auto major = static_cast<int16_t>(facts.processVersion >> 16);
    const auto minor = static_cast<uint16_t>(facts.processVersion & 0xFFFF);
    report.Line(L"- 実行を想定している Windows のバージョン : " + std::to_wstring(major) + L"." +
                std::to_wstring(minor));
    return report.Take();
}

}  // namespace dokkle
