#pragma once
// The four priority classes the dialog offers, in the order of its list: what the list shows and how
// the report describes each. Other classes (below and above normal) have no entry.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace dokkle {

// The priority class values of the window system.
namespace PriorityClass {
constexpr uint32_t Idle = 0x40;
constexpr uint32_t Normal = 0x20;
constexpr uint32_t High = 0x80;
constexpr uint32_t Realtime = 0x100;
}  // namespace PriorityClass

struct PriorityEntry {
    uint32_t priorityClass;
    std::wstring_view entry;
    std::wstring_view description;
};

inline constexpr std::array<PriorityEntry, 4> PriorityEntries{{
    {PriorityClass::Realtime, L"最高", L"最高 (CPU時間の全てを割り当てます)"},
    {PriorityClass::High, L"高い", L"高い (他のアプリケーションより優先的に動作します)"},
    {PriorityClass::Normal, L"通常", L"通常 (優先度はシステムによって決定されます)"},
    {PriorityClass::Idle, L"低い", L"低い (システムがアイドル状態のときのみ動作します)"},
}};

// The list index of a class; none for a class the list does not offer.
std::optional<int> PriorityIndexOf(uint32_t priorityClass);
// The class of a list index; none for -1 (no selection) or any index outside the list.
std::optional<uint32_t> PriorityClassAt(int index);
// The report's words for a class; empty for a class the list does not offer.
std::wstring_view PriorityDescription(uint32_t priorityClass);

}  // namespace dokkle
