#include "core/startup/Settings.h"

#include "core/text/Text.h"

namespace vantry {

std::string Settings::text(const char* section, const char* key, const char* fallback) const {
    return store_.get(SettingsApp, section, key).value_or(fallback);
}

long Settings::whole(const char* section, const char* key, long fallback) const {
    const auto stored = store_.get(SettingsApp, section, key);
    if (!stored)
        return fallback;
    return ParseNumber<long>(*stored).value_or(fallback);
}

float Settings::single(const char* section, const char* key, float fallback) const {
    const auto stored = store_.get(SettingsApp, section, key);
    if (!stored)
        return fallback;
    // Every such value is a window's place or size in twips, which its
    // readers take as a whole number: one beyond that range (a damaged or
    // hand-edited setting) would not convert, and counts as absent.
    const auto value = ParseNumber<float>(*stored);
    if (!value || !(*value >= -2147483648.0f && *value < 2147483648.0f))
        return fallback;
    return *value;
}

void Settings::save(const char* section, const char* key, const std::string& value) {
    store_.save(SettingsApp, section, key, value);
}

void Settings::saveWhole(const char* section, const char* key, long value) {
    save(section, key, std::to_string(value));
}

void Settings::saveSingle(const char* section, const char* key, float value) {
    save(section, key, FormatSingle(value));
}

}  // namespace vantry
