#include "startup/InstanceMarker.h"

#include <gtest/gtest.h>

namespace dokkle {
namespace {

TEST(InstanceMarker, SameExecutableWhateverTheCaseGivesTheSameName) {
    EXPECT_EQ(InstanceMarkerName(L"C:\\Tools\\Dokkle.exe"), InstanceMarkerName(L"c:\\TOOLS\\dokkle.EXE"));
}

TEST(InstanceMarker, OtherExecutablesGetOtherNames) {
    EXPECT_NE(InstanceMarkerName(L"C:\\Tools\\Dokkle.exe"), InstanceMarkerName(L"C:\\Tools2\\Dokkle.exe"));
    EXPECT_NE(InstanceMarkerName(L"C:\\Tools\\Dokkle.exe"), InstanceMarkerName(L"C:\\Tools\\Dokkle2.exe"));
}

TEST(InstanceMarker, IsAValidSessionLocalNameOfBoundedLengthForAnyPath) {
    const std::wstring name = InstanceMarkerName(std::wstring(5000, L'x'));
    EXPECT_EQ(name.rfind(L"Local\\", 0), 0u);
    EXPECT_LT(name.size(), 64u);
    EXPECT_EQ(name.find(L'\\', 6), std::wstring::npos);  // only the namespace separator
}

}  // namespace
}  // namespace dokkle
