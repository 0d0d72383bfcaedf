#include "tools/BoxNumber.h"

namespace dokkle {
namespace {

constexpr bool IsBlank(wchar_t character) {
    return character == L' ' || character == L'\t' || character == L'\u3000';
}

constexpr bool IsDigit(wchar_t character) {
    return character >= L'0' && character <= L'9';
}

std::wstring_view TrimBlanks(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Whole digits only; anything above this already lies outside 32 bits, so larger values stop growing.
constexpr int64_t MagnitudeCap = int64_t{1} << 33;

}  // namespace

std::optional<int32_t> ParseBoxNumber(std::wstring_view text) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == L'+' || text.front() == L'-')) {
        negative = text.front() == L'-';
        text.remove_prefix(1);
    }

    int64_t magnitude = 0;
    size_t position = 0;
    for (; position < text.size() && IsDigit(text[position]); ++position) {
        if (magnitude < MagnitudeCap) magnitude = magnitude * 10 + (text[position] - L'0');
    }
    const size_t wholeDigits = position;

    // The fraction decides the rounding by its first digit and whether anything non-zero follows.
    int firstFractionDigit = 0;
    bool restNonZero = false;
    size_t fractionDigits = 0;
    if (position < text.size() && text[position] == L'.') {
        for (++position; position < text.size() && IsDigit(text[position]); ++position, ++fractionDigits) {
            const int digit = text[position] - L'0';
            if (fractionDigits == 0) {
                firstFractionDigit = digit;
            } else if (digit != 0) {
                restNonZero = true;
            }
        }
    }
    if (position != text.size() || wholeDigits + fractionDigits == 0) return std::nullopt;

    const bool roundUp =
        firstFractionDigit > 5 || (firstFractionDigit == 5 && (restNonZero || magnitude % 2 == 1));
    if (roundUp) ++magnitude;
    const int64_t value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(value);
}

std::optional<Bounds> ParseMoveAndSize(std::wstring_view left, std::wstring_view top, std::wstring_view width,
                                       std::wstring_view height) {
    Bounds bounds{};
    int32_t* const fields[] = {&bounds.left, &bounds.top, &bounds.width, &bounds.height};
    const std::wstring_view texts[] = {left, top, width, height};
    for (size_t index = 0; index < 4; ++index) {
        const std::optional<int32_t> number = ParseBoxNumber(texts[index]);
        if (!number) return std::nullopt;
        *fields[index] = *number;
    }
    if (bounds.width < 1 || bounds.height < 1) return std::nullopt;
    return bounds;
}

}  // namespace dokkle
