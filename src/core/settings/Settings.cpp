#include "core/settings/Settings.h"

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
    // Every such value is a window's place or size in whole twips. Beyond
    // 2^24 a single is no longer a whole number of twips, and is miles off
    // any screen: a damaged or hand-edited setting, which would overflow the
    // whole numbers the readers turn it into. It counts as absent.
    constexpr float limit = 16777216.0f;
    const auto value = ParseNumber<float>(*stored);
    if (!value || *value < -limit || *value > limit)
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
