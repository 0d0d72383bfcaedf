#include "GdiHandleTable.h"

#include <winternl.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace dokkle::testing {
namespace {

// One entry of the table: object address, owner, then the handle's upper word and the object's type.
constexpr size_t EntrySize = 24;
constexpr size_t UniqueOffset = 12;
constexpr size_t TypeOffset = 14;
constexpr size_t EntryCount = 0x10000;
constexpr size_t TableSize = EntrySize * EntryCount;

using QueryInformationProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

uintptr_t TableFromPeb(HANDLE process) {
    auto query = reinterpret_cast<QueryInformationProcess>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0) return 0;
    const size_t tableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;
    uintptr_t table = 0;
    ReadProcessMemory(process,
                      static_cast<const BYTE*>(static_cast<void*>(basic.PebBaseAddress)) + tableOffset,
                      &table, sizeof(table), nullptr);
    return table;
}

bool ReadTable(HANDLE process, uintptr_t address, std::vector<uint8_t>& table) {
    table.resize(TableSize);
    SIZE_T read = 0;
    return ReadProcessMemory(process, reinterpret_cast<const void*>(address), table.data(), TableSize,
                             &read) &&
           read == TableSize;
}

// Stock objects have the same handles in every process: their entries identify a real table.
bool AgreesWithStockObjects(const std::vector<uint8_t>& table) {
    for (int stock : {WHITE_BRUSH, BLACK_PEN, SYSTEM_FONT, DEFAULT_PALETTE}) {
        const auto handle = reinterpret_cast<uintptr_t>(GetStockObject(stock));
        const size_t entry = (handle & 0xFFFF) * EntrySize;
        const auto unique =
            static_cast<uint16_t>(table[entry + UniqueOffset] | table[entry + UniqueOffset + 1] << 8);
        if (table[entry + TypeOffset] == 0 || unique != static_cast<uint16_t>((handle >> 16) & 0xFFFF))
            return false;
    }
    return true;
}

}  // namespace

std::optional<int> CountGdiObjects(HANDLE process) {
    std::vector<uint8_t> table;
    const uintptr_t fromPeb = TableFromPeb(process);
    bool found = fromPeb && ReadTable(process, fromPeb, table) && AgreesWithStockObjects(table);

    MEMORY_BASIC_INFORMATION region{};
    for (const BYTE* address = nullptr;
         !found && VirtualQueryEx(process, address, &region, sizeof(region)) == sizeof(region);
         address = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE && region.RegionSize == TableSize) {
            found = ReadTable(process, reinterpret_cast<uintptr_t>(region.BaseAddress), table) &&
                    AgreesWithStockObjects(table);
        }
    }
    if (!found) return std::nullopt;

    int count = 0;
    for (size_t entry = 0; entry < EntryCount; ++entry) {
        if (table[entry * EntrySize + TypeOffset] != 0) ++count;
    }
    return count;
}

}  // namespace dokkle::testing
