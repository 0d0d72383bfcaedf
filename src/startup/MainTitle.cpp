#include <string>

#include "common/AppVersion.h"
#include "startup/modMain.h"

namespace dokkle::modMain {

std::wstring BuildMainTitle(const std::wstring& title, int major, int minor) {
    return title + L" v" + std::to_wstring(major) + L"." + std::to_wstring(minor);
}

const std::wstring& MainTitle() {
    static const std::wstring mainTitle =
        BuildMainTitle(L"" DOKKLE_TITLE, DOKKLE_VERSION_MAJOR, DOKKLE_VERSION_MINOR);
    return mainTitle;
}

}  // namespace dokkle::modMain
