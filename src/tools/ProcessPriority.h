#pragma once
// The four priority classes the dialog offers, in the order of its list: what the list shows and how
// the report describes each. Other classes (below and above normal) have no entry.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "common/Catalogue.h"

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
    TextName entry;
    TextName description;
};

inline constexpr std::array<PriorityEntry, 4> PriorityEntries{{
    {PriorityClass::Realtime, TextName::PriorityRealtime, TextName::PriorityRealtimeDescription},
    {PriorityClass::High, TextName::PriorityHigh, TextName::PriorityHighDescription},
    {PriorityClass::Normal, TextName::PriorityNormal, TextName::PriorityNormalDescription},
    {PriorityClass::Idle, TextName::PriorityIdle, TextName::PriorityIdleDescription},
}};

// The list index of a class; none for a class the list does not offer.
std::optional<int> PriorityIndexOf(uint32_t priorityClass);
// The class of a list index; none for -1 (no selection) or any index outside the list.
std::optional<uint32_t> PriorityClassAt(int index);
// The report's words for a class; empty for a class the list does not offer.
std::wstring_view PriorityDescription(uint32_t priorityClass);

}  // namespace dokkle
