// The values behind the tracing controls: colour tolerance, search length and "# pts", read from their texts.
#pragma once
#include <string>

// A number read from a hidden field. When reset is true the text was out of range: the field must
// show the default again and the default's preset button turns green.
struct FieldReading {
    int value;
    bool reset;
};

// Colour tolerance W: presets "L", "M", "H"; valid 25..100, default 50 ("M").
constexpr int tolerancePresetCount = 3;
constexpr int tolerancePresets[tolerancePresetCount] = {25, 50, 100};
constexpr int defaultTolerancePreset = 1;

// The field text as a base-10 integer; outside 25..100 it becomes 50 with reset set.
FieldReading readColorTolerance(const std::string &fieldText);
// The value of preset button index (an index that is not 0, 1 or 2 counts as 0).
int tolerancePresetValue(int index);
// The preset button to show selected for a stored text: the one with that value, else "M".
int tolerancePresetIndex(const std::string &storedText);

// Search length S: presets 10, 20, 30, 50, 100; valid 10..100, default 30 (the third button).
constexpr int searchLengthPresetCount = 5;
constexpr int searchLengthPresets[searchLengthPresetCount] = {10, 20, 30, 50, 100};
constexpr int defaultSearchLengthPreset = 2;

// The field text as a base-10 integer; outside 10..100 it becomes 30 with reset set.
FieldReading readSearchLength(const std::string &fieldText);
// The value of preset button index (an index outside 0..4 counts as 0).
int searchLengthPresetValue(int index);
// The preset button to show selected for a stored text: the one with that value, else the third.
int searchLengthPresetIndex(const std::string &storedText);

// The entries of "# pts", shown as " %d ".
constexpr int autoFindPointChoiceCount = 14;
constexpr int autoFindPointChoices[autoFindPointChoiceCount] = {10,  20,  25,  30,  50,  75,  100,
                                                                150, 200, 300, 400, 500, 750, 1000};
// The number of points of entry index, the index clamped to the list.
int autoFindPointCount(int index);
