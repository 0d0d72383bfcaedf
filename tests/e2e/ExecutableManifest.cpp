#include "ExecutableManifest.h"

namespace dokkle::e2e {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string LocalName(std::string_view name) {
    const size_t colon = name.find(':');
    return std::string(colon == std::string_view::npos ? name : name.substr(colon + 1));
}

// Reads the attributes of a start tag, from just after its name to just before its end.
std::map<std::string, std::string> Attributes(std::string_view tag) {
    std::map<std::string, std::string> attributes;
    size_t at = 0;
    for (;;) {
        while (at < tag.size() && IsSpace(tag[at])) ++at;
        const size_t equals = tag.find('=', at);
        if (equals == std::string_view::npos) return attributes;
        size_t nameEnd = equals;
        while (nameEnd > at && IsSpace(tag[nameEnd - 1])) --nameEnd;
        const size_t open = tag.find_first_of("\"'", equals);
        if (open == std::string_view::npos) return attributes;
        const size_t close = tag.find(tag[open], open + 1);
        if (close == std::string_view::npos) return attributes;
        attributes[std::string(tag.substr(at, nameEnd - at))] =
            std::string(tag.substr(open + 1, close - open - 1));
        at = close + 1;
    }
}

}  // namespace

std::optional<std::string> ManifestOf(const std::wstring& executable) {
    HMODULE module = LoadLibraryExW(executable.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return std::nullopt;
    std::optional<std::string> text;
    if (HRSRC found = FindResourceW(module, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST)) {
        if (HGLOBAL loaded = LoadResource(module, found)) {
            if (const auto* bytes = static_cast<const char*>(LockResource(loaded))) {
                text.emplace(bytes, SizeofResource(module, found));
            }
        }
    }
    FreeLibrary(module);
    return text;
}

std::optional<ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION> RunLevelOf(const std::wstring& executable) {
    ACTCTXW request{};
    request.cbSize = sizeof(request);
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = executable.c_str();
    request.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
    HANDLE context = CreateActCtxW(&request);
    if (context == INVALID_HANDLE_VALUE) return std::nullopt;
    ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION level{};
    const bool read = QueryActCtxW(0, context, nullptr, RunlevelInformationInActivationContext, &level,
                                   sizeof(level), nullptr);
    ReleaseActCtx(context);
    if (!read) return std::nullopt;
    return level;
}

std::vector<XmlElement> XmlElements(std::string_view text) {
    std::vector<XmlElement> elements;
    std::vector<std::string> open;
    size_t at = text.find('<');
    while (at != std::string_view::npos) {
        const std::string_view rest = text.substr(at);
        size_t end;
        if (rest.starts_with("<?")) {
            end = text.find("?>", at);
        } else if (rest.starts_with("<!--")) {
            end = text.find("-->", at);
        } else {
            end = text.find('>', at);
            if (end == std::string_view::npos) break;
            std::string_view tag = text.substr(at + 1, end - at - 1);
            if (tag.starts_with('/')) {
                if (!open.empty()) open.pop_back();
            } else {
                const bool empty = tag.ends_with('/');
                if (empty) tag.remove_suffix(1);
                size_t nameEnd = 0;
                while (nameEnd < tag.size() && !IsSpace(tag[nameEnd])) ++nameEnd;
                open.push_back(LocalName(tag.substr(0, nameEnd)));
                elements.push_back({open, Attributes(tag.substr(nameEnd))});
                if (empty) open.pop_back();
            }
        }
        if (end == std::string_view::npos) break;
        at = text.find('<', end);
    }
    return elements;
}

}  // namespace dokkle::e2e
