#include "pin/DesignConfigurationPath.h"

#include <gtest/gtest.h>

#include <string>

namespace dokkle {
namespace {

TEST(ConfigurationPathFits, AShippedDesignBesideAProgramInAnOrdinaryFolder) {
    EXPECT_TRUE(ConfigurationPathFits(L"C:\\Program Files\\Dokkle\\design\\", L"Standard Red.bmp"));
    EXPECT_FALSE(
        ConfigurationPathFits(L"C:\\Program Files\\Dokkle\\design\\", std::wstring(240, L'x') + L".bmp"));
}

// MAX_PATH is 260 characters with the terminating NUL: the longest path the reader opens has 259.
TEST(ConfigurationPathFits, UpToTwoHundredFiftyNineCharactersForEveryFolderAndNameLength) {
    for (size_t folderLength = 3; folderLength <= 262; ++folderLength) {
        const std::wstring folder = L"C:" + std::wstring(folderLength - 3, L'f') + L"\\";
        for (size_t nameLength = 0; nameLength <= 262; ++nameLength) {
            const std::wstring name(nameLength, L'n');
            const size_t pathLength = (folder + name + L".cfg").size();
            EXPECT_EQ(ConfigurationPathFits(folder, name), pathLength <= 259)
                << folderLength << " + " << nameLength;
        }
    }
}

}  // namespace
}  // namespace dokkle
