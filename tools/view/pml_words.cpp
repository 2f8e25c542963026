// The library's PML vocabulary (printer/pml_objects.h) read back into sentences.
#include "pml_words.h"

#include <stdio.h>
#include <string.h>

#include "printer/alignment_rule.h"
#include "printer/pml_encoder.h"
#include "printer/pml_objects.h"

namespace {

constexpr size_t kWidestNumber = 8;

template <size_t N> bool Is(const PmlSetRead& set, const unsigned char (&object)[N])
{
    return set.objectIdLength == N && memcmp(set.objectId, object, N) == 0;
}

std::string Dotted(const PmlSetRead& set)
{
    std::string text;
    for (size_t i = 0; i < set.objectIdLength; ++i)
        text += (i ? "." : "") + std::to_string(set.objectId[i]);
    return text;
}

// The alignment values are signed, the stored settings' unsigned; a value longer than the widest
// number is shown as its bytes.
std::string ValueText(const PmlSetRead& set, long long* number)
{
    if (set.valueLength > kWidestNumber) {
        std::string text = "0x";
        char hex[3];
        for (size_t i = 0; i < set.valueLength; ++i) {
            snprintf(hex, sizeof(hex), "%02x", set.value[i]);
            text += hex;
        }
        return text;
    }
    const bool negative = set.valueType == kPmlSignedValue && set.valueLength > 0 && (set.value[0] & 0x80);
    unsigned long long value = negative ? ~0ull : 0;
    for (size_t i = 0; i < set.valueLength; ++i)
        value = value << 8 | set.value[i];
    *number = static_cast<long long>(value);
    return negative || set.valueType == kPmlSignedValue ? std::to_string(*number) : std::to_string(value);
}

// The picked pattern a group's value stands for ("C2"), when it is one.
std::string Pattern(size_t setting, long long value)
{
    const char groups[] = {'A', 'C', 0, 'B', 'D', 0, 'E'};
    if (setting >= sizeof(groups) || groups[setting] == 0)
        return "";
    const LONG step = groups[setting] == 'A' || groups[setting] == 'C' ? kNarrowGroupStep : kWideGroupStep;
    const long long pattern = value / step + 3;
    if (value % step != 0 || pattern < 1 || pattern > 5)
        return "";
    return std::string(", pattern ") + groups[setting] + std::to_string(pattern);
}

std::string Meaning(const PmlSetRead& set, long long value)
{
    if (Is(set, kCleaningObject)) {
        for (size_t level = 0; level < sizeof(kCleaningStrengths) / sizeof(kCleaningStrengths[0]); ++level)
            if (value == kCleaningStrengths[level])
                return "cleaning at level " + std::to_string(level + 1);
        return "cleaning at a strength the library does not use";
    }
    if (Is(set, kPageModeObject))
        return value == kAlignmentPageMode ? "print the alignment page"
               : value == kSelfTestPageMode ? "print the self-test page"
                                            : "a page mode the library does not use";
    if (Is(set, kAlignmentClosingObject))
        return "end of the alignment settings";
    for (size_t setting = 0; setting < kAlignmentSettings; ++setting)
        if (set.objectIdLength == kAlignmentSettingIdLength &&
            memcmp(set.objectId, kAlignmentSettingIds[setting], kAlignmentSettingIdLength) == 0)
            return std::string("alignment ") + kAlignmentSettingNames[setting] + Pattern(setting, value);
    return "";
}

} // namespace

std::string DescribePmlSet(const PmlSetRead& set)
{
    long long number = 0;
    std::string text = "PML set " + Dotted(set) + " = " + ValueText(set, &number);
    char type[16];
    snprintf(type, sizeof(type), " (type 0x%x)", set.valueType);
    const std::string meaning = Meaning(set, number);
    return text + type + (meaning.empty() ? "" : ": " + meaning);
}
