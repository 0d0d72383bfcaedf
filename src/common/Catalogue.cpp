#include "common/Catalogue.h"

namespace dokkle {
namespace {

// Until start-up has chosen, the texts are those of the program's first language.
Language current = Language::Japanese;

}  // namespace

const Catalogue& CatalogueOf(Language language) {
    return language == Language::English ? EnglishCatalogue() : JapaneseCatalogue();
}

void SetLanguage(Language language) {
    current = language;
}

Language CurrentLanguage() {
    return current;
}

const wchar_t* Text(TextName name) {
    return CatalogueOf(current).texts[static_cast<size_t>(name)].text;
}

std::wstring Format(TextName name, std::initializer_list<std::wstring_view> arguments) {
    const std::wstring_view format = Text(name);
    std::wstring text;
    for (size_t index = 0; index < format.size(); ++index) {
        const wchar_t next = index + 1 < format.size() ? format[index + 1] : L'\0';
        if (format[index] == L'%' && next >= L'1' && next <= L'9') {
            const auto argument = static_cast<size_t>(next - L'1');
            if (argument < arguments.size()) text += *(arguments.begin() + argument);
            ++index;
        } else {
            text += format[index];
        }
    }
    return text;
}

const FontDesign& DialogFont() {
    return CatalogueOf(current).dialogFont;
}

const FontDesign& ReportFont() {
    return CatalogueOf(current).reportFont;
}

}  // namespace dokkle
