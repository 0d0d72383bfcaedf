#include "startup/InstanceMarker.h"

#include <gtest/gtest.h>

#include <set>

namespace dokkle {
namespace {

TEST(InstanceMarker, AFileIsKnownByItsVolumeAndIndex) {
    EXPECT_EQ(FileIdentity(0x51000000u, 0x52C0BFu), L"file:51000000:000000000052C0BF");
    EXPECT_EQ(FileIdentity(0xFFFFFFFFu, 0xFFFFFFFFFFFFFFFFull), L"file:FFFFFFFF:FFFFFFFFFFFFFFFF");
    EXPECT_EQ(FileIdentity(0, 0), L"file:00000000:0000000000000000");
}

TEST(InstanceMarker, APathIsComparedWithoutRegardToCase) {
    EXPECT_EQ(PathIdentity(L"c:\\Tools\\dokkle.EXE"), L"path:C:\\TOOLS\\DOKKLE.EXE");
    EXPECT_EQ(InstanceMarkerName(PathIdentity(L"C:\\Tools\\Dokkle.exe")),
              InstanceMarkerName(PathIdentity(L"c:\\TOOLS\\dokkle.EXE")));
}

TEST(InstanceMarker, EachIdentityAndEachMarkerHasANameOfItsOwn) {
    const std::wstring identities[] = {FileIdentity(1, 2),
                                       FileIdentity(2, 1),
                                       FileIdentity(1, 3),
                                       FileIdentity(1, 2ull << 32),
                                       PathIdentity(L"C:\\Tools\\Dokkle.exe"),
                                       PathIdentity(L"C:\\Tools2\\Dokkle.exe"),
                                       PathIdentity(L"C:\\Tools\\Dokkle2.exe")};
    std::set<std::wstring> names;
    for (const std::wstring& identity : identities) {
        names.insert(InstanceMarkerName(identity));
        names.insert(ReadyMarkerName(identity));
        names.insert(WindowMarkerName(identity));
    }
    EXPECT_EQ(names.size(), 3 * std::size(identities));
    EXPECT_EQ(InstanceMarkerName(FileIdentity(1, 2)), InstanceMarkerName(FileIdentity(1, 2)));
}

TEST(InstanceMarker, IsAValidSessionLocalNameOfBoundedLengthForAnyIdentity) {
    for (const std::wstring& name : {InstanceMarkerName(PathIdentity(std::wstring(5000, L'x'))),
                                     ReadyMarkerName(FileIdentity(7, 9)), WindowMarkerName(L"")}) {
        EXPECT_EQ(name.rfind(L"Local\\", 0), 0u) << name;
        EXPECT_LT(name.size(), 64u) << name;
        EXPECT_EQ(name.find(L'\\', 6), std::wstring::npos) << name;  // only the namespace separator
    }
}

}  // namespace
}  // namespace dokkle
