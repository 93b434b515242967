#pragma once
// Every preference the program stores, with its key, default and range: one
// table, so that no key is spelled in two places.

#include <array>
#include <climits>
#include <string_view>

namespace quillet {

enum class Preference {
    kInFormat,       // list position of IN's format (one the list lacks leaves the selector blank)
    kOutFormat,      // list position of OUT's format
    kDurationFormat, // list position of DURATION's format
    kMoreRates,      // 1: the selectors offer today's frame rates after the eleven
    kTapeShown,      // 1: the tape is shown
    kZoom,           // the window's size in percent of its own, 100 to 300
    kWrapAtMidnight, // 1: time codes are times of day, results wrap at midnight
};

struct PreferenceInfo {
    Preference preference;
    std::string_view key;  // under the group "Default"
    int defaultValue;
    int minimum;           // a stored value outside minimum..maximum reads as the default
    int maximum;
};

inline constexpr std::string_view kPreferenceGroup = "Default";

inline constexpr std::array kPreferences{
    PreferenceInfo{Preference::kInFormat, "idx1", 0, INT_MIN, INT_MAX},
    PreferenceInfo{Preference::kOutFormat, "idx2", 1, INT_MIN, INT_MAX},
    PreferenceInfo{Preference::kDurationFormat, "idx3", 3, INT_MIN, INT_MAX},
    PreferenceInfo{Preference::kMoreRates, "moreRates", 0, 0, 1},
    PreferenceInfo{Preference::kTapeShown, "tape", 0, 0, 1},
    PreferenceInfo{Preference::kZoom, "zoom", 100, 100, 300},
    PreferenceInfo{Preference::kWrapAtMidnight, "wrapAtMidnight", 0, 0, 1},
};

constexpr const PreferenceInfo& InfoOf(Preference preference)
{
    return kPreferences[static_cast<std::size_t>(preference)];
}

static_assert([] {
    for (std::size_t i = 0; i < kPreferences.size(); ++i)
        if (static_cast<std::size_t>(kPreferences[i].preference) != i) return false;
    return true;
}(), "the table is in the order of the enum");

} // namespace quillet
