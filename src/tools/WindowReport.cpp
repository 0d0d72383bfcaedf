#include "tools/WindowReport.h"

#include "common/Catalogue.h"
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

TextName SizeState(const WindowFacts& facts) {
    if (facts.zoomed) return TextName::ReportMaximized;
    if (facts.iconic) return TextName::ReportMinimized;
    return TextName::ReportNormalSize;
}

void WriteWindowPart(const WindowFacts& facts, ReportWriter& report) {
    report.Line(Format(TextName::ReportTitle, {facts.title}));
    report.Line();
    report.Line(Format(TextName::ReportPosition, {Decimal(facts.bounds.left), Decimal(facts.bounds.top)}));
    report.Line(Format(TextName::ReportSize, {Decimal(Width(facts.bounds)), Decimal(Height(facts.bounds))}));
    report.Line(Text(SizeState(facts)));
    report.Line(Text(facts.visible ? TextName::ReportVisible : TextName::ReportHidden));
    report.Line();
    report.Line(facts.parent != 0 ? Format(TextName::ReportParent, {Hex(facts.parent)})
                                  : Text(TextName::ReportNoParent));
    report.Line();
    report.Line(Format(TextName::ReportHandle, {Hex(facts.window)}));
    report.Line(Format(TextName::ReportProcessId, {Hex(facts.processId)}));
    report.Line(Format(TextName::ReportThreadId, {Hex(facts.threadId)}));
    report.Line();
}

void WriteProcessPart(const std::optional<ProcessFacts>& process, ReportWriter& report) {
    report.Line(Text(TextName::ReportProcess));
    if (!process) {
        report.Line(Text(TextName::ReportProcessHandleFailed));
        report.Line();
        return;
    }
    report.Line(Format(TextName::ReportProcessHandle, {FormatHexHandle(process->handle)}));
    report.Line(Format(TextName::ReportPriority, {PriorityDescription(process->priorityClass)}));
    if (process->modules) {
        report.Line(Format(TextName::ReportModules, {std::to_wstring(process->modules->size())}));
        for (const ModuleFacts& module : *process->modules) {
            const std::wstring path = module.path.value_or(Text(TextName::ReportModuleWithoutPath));
            report.Line(Format(TextName::ReportModule, {FormatHexHandle(module.handle), path}));
        }
    } else {
        report.Line(Text(TextName::ReportModulesFailed));
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
    report.Line(Format(TextName::ReportExpectedVersion, {std::to_wstring(major), std::to_wstring(minor)}));
    return report.Take();
}

}  // namespace dokkle
