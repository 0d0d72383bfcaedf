#include "tools/ProcessPriority.h"

namespace dokkle {

std::optional<int> PriorityIndexOf(uint32_t priorityClass) {
    for (size_t index = 0; index < PriorityEntries.size(); ++index) {
        if (PriorityEntries[index].priorityClass == priorityClass) return static_cast<int>(index);
    }
    return std::nullopt;
}

std::optional<uint32_t> PriorityClassAt(int index) {
    if (index < 0 || static_cast<size_t>(index) >= PriorityEntries.size()) return std::nullopt;
    return PriorityEntries[static_cast<size_t>(index)].priorityClass;
}

std::wstring_view PriorityDescription(uint32_t priorityClass) {
    const std::optional<int> index = PriorityIndexOf(priorityClass);
    return index ? Text(PriorityEntries[static_cast<size_t>(*index)].description) : std::wstring_view{};
}

}  // namespace dokkle
