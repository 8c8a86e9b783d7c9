// Reading the tolerance, search length and "# pts" controls, with their range resets and presets.
#include "tracing/TracingControls.h"

#include "tables/NumberText.h"

#include <algorithm>

namespace {

FieldReading readRanged(const std::string &text, int low, int high, int fallback) {
    long value = parseInteger(text);
    if (value < low || value > high)
        return {fallback, true};
    return {static_cast<int>(value), false};
}

int presetValue(const int *presets, int count, int index) {
    return presets[index >= 0 && index < count ? index : 0];
}

int presetIndex(const int *presets, int count, const std::string &storedText, int fallback) {
    long value = parseInteger(storedText);
    for (int i = 0; i < count; ++i)
        if (presets[i] == value)
            return i;
    return fallback;
}

} // namespace

FieldReading readColorTolerance(const std::string &fieldText) {
    return readRanged(fieldText, 25, 100, tolerancePresets[defaultTolerancePreset]);
}

int tolerancePresetValue(int index) {
    return presetValue(tolerancePresets, tolerancePresetCount, index);
}

int tolerancePresetIndex(const std::string &storedText) {
    return presetIndex(tolerancePresets, tolerancePresetCount, storedText, defaultTolerancePreset);
}

FieldReading readSearchLength(const std::string &fieldText) {
    return readRanged(fieldText, 10, 100, searchLengthPresets[defaultSearchLengthPreset]);
}

int searchLengthPresetValue(int index) {
    return presetValue(searchLengthPresets, searchLengthPresetCount, index);
}

int searchLengthPresetIndex(const std::string &storedText) {
    return presetIndex(searchLengthPresets, searchLengthPresetCount, storedText, defaultSearchLengthPreset);
}

int autoFindPointCount(int index) {
    return autoFindPointChoices[std::clamp(index, 0, autoFindPointChoiceCount - 1)];
}
