// The module list the report reads, and how the dialog tells a reported window from a later one.
#include <gtest/gtest.h>

#include <windows.h>

#include "tools/WindowFactsReader.h"
#include "tools/WindowIdentity.h"

namespace dokkle {
namespace {

HWND NewWindow() {
    return CreateWindowExW(0, L"STATIC", L"facts", WS_OVERLAPPEDWINDOW, 30, 40, 300, 200, nullptr, nullptr,
                           nullptr, nullptr);
}

TEST(WindowFacts, TheModulesStartWithTheProgramAndKeepTheirFullAddresses) {
    const std::optional<std::vector<ModuleFacts>> modules = ReadModules(GetCurrentProcess());
    ASSERT_TRUE(modules);
    ASSERT_GT(modules->size(), 3u);
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    EXPECT_EQ(modules->front().handle, reinterpret_cast<uintptr_t>(GetModuleHandleW(nullptr)));
    EXPECT_EQ(modules->front().path, std::wstring(program));
    const auto kernel = reinterpret_cast<uintptr_t>(GetModuleHandleW(L"kernel32.dll"));
    bool kernelListed = false;
    for (const ModuleFacts& module : *modules) kernelListed |= module.handle == kernel;
    EXPECT_TRUE(kernelListed);
#ifdef _WIN64
    // A 64-bit program loads above 4 GiB; its address must not be cut to 32 bits.
    EXPECT_GT(modules->front().handle, 0xFFFFFFFFull);
#endif
}

TEST(WindowIdentity, AHandleNamesTheSameWindowOnlyWhileItsOwnerAndClassAreThoseRemembered) {
    HWND window = NewWindow();
    const WindowIdentity identity = IdentityOf(window);
    EXPECT_TRUE(StillNamesTheSameWindow(identity));

    // A later window behind the same handle would belong to another thread, process or class.
    WindowIdentity otherThread = identity;
    otherThread.threadId += 4;
    EXPECT_FALSE(StillNamesTheSameWindow(otherThread));
    WindowIdentity otherProcess = identity;
    otherProcess.processId += 4;
    EXPECT_FALSE(StillNamesTheSameWindow(otherProcess));
    WindowIdentity otherClass = identity;
    otherClass.windowClass = static_cast<ATOM>(identity.windowClass + 1);
    EXPECT_FALSE(StillNamesTheSameWindow(otherClass));

    DestroyWindow(window);
    EXPECT_FALSE(StillNamesTheSameWindow(identity));
    EXPECT_FALSE(StillNamesTheSameWindow(WindowIdentity{}));
}

}  // namespace
}  // namespace dokkle
