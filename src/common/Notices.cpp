#include "common/Notices.h"

namespace dokkle::Notices {
namespace {

std::vector<std::wstring>& Lines() {
    static std::vector<std::wstring> lines;
    return lines;
}

}  // namespace

void Add(std::wstring line) {
    Lines().push_back(std::move(line));
}

const std::vector<std::wstring>& All() {
    return Lines();
}

}  // namespace dokkle::Notices
