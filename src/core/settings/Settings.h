#pragma once

#include <string>
#include <vector>

#include "core/platform/SettingsStore.h"

namespace vantry {

inline constexpr char SettingsApp[] = "HLDSVantry";

// Every stored setting of the program, each with its readers' defaults. Values
// are read afresh at every call: another window may have written them since.
// A stored text that is not a number, where a number is read, counts as
// absent; so does a place or size beyond 2^24 twips either way.
class Settings {
public:
    explicit Settings(SettingsStore& store) : store_(store) {}

    // "Options": locations. Directories end in "\". Read as stored; the callers
    // that trim do so themselves.
    std::string HLdir() const { return text("Options", "HLdir"); }
    std::string HLexe() const { return text("Options", "HLexe"); }
    std::string HLDSdir() const { return text("Options", "HLDSdir"); }
    std::string HLDSexe() const { return text("Options", "HLDSexe"); }
    void setHLdir(const std::string& v) { save("Options", "HLdir", v); }
    void setHLexe(const std::string& v) { save("Options", "HLexe", v); }
    void setHLDSdir(const std::string& v) { save("Options", "HLDSdir", v); }
    void setHLDSexe(const std::string& v) { save("Options", "HLDSexe", v); }

    // The launcher's additional parameters, exactly as typed.
    std::string Params() const { return text("Options", "Params"); }
    void setParams(const std::string& v) { save("Options", "Params", v); }

    // The default game: the game selectors fall back to "valve", the options
    // window to nothing.
    std::string defaultGameForSelectors() const { return text("Options", "Default", "valve"); }
    std::string defaultGameForOptions() const { return text("Options", "Default"); }
    void setDefaultGame(const std::string& v) { save("Options", "Default", v); }

    // 0 tray only, 1 taskbar only, 2 both; see ShowInMode for the reading that counts.
    long ShowIn() const { return whole("Options", "ShowIn", 2); }
    void setShowIn(long v) { saveWhole("Options", "ShowIn", v); }

    // Zero-based position of the .cfg document icon.
    long IconIndex() const { return whole("Options", "IconIndex", 2); }
    void setIconIndex(long v) { saveWhole("Options", "IconIndex", v); }

    // 1: register the .cfg association at every start.
    long RegOnStart() const { return whole("Options", "RegOnStart", 1); }
    void setRegOnStart(long v) { saveWhole("Options", "RegOnStart", v); }

    // Main window position in twips; the left edge defaults to centred, which
    // only the caller can compute.
    float mainX(float centred) const { return single("Main", "X", centred); }
    float mainY() const { return single("Main", "Y", 35.0f); }
    void setMainX(float v) { saveSingle("Main", "X", v); }
    void setMainY(float v) { saveSingle("Main", "Y", v); }

    // Configuration editor geometry in twips: X, Y its left and top (centred by
    // default), X2, Y2 its width and height.
    float cfgX(float centred) const { return single("CFG", "X", centred); }
    float cfgY(float centred) const { return single("CFG", "Y", centred); }
    float cfgX2() const { return single("CFG", "X2", 5175.0f); }
    float cfgY2() const { return single("CFG", "Y2", 4125.0f); }
    void setCfgX(float v) { saveSingle("CFG", "X", v); }
    void setCfgY(float v) { saveSingle("CFG", "Y", v); }
    void setCfgX2(float v) { saveSingle("CFG", "X2", v); }
    void setCfgY2(float v) { saveSingle("CFG", "Y2", v); }

    // "Servers": one value a server the launcher started, named by its
    // process id. Unlike every other setting, these are removed once their
    // server has ended for good.
    std::vector<std::string> serverKeys() const { return store_.keys(SettingsApp, "Servers"); }
    std::optional<std::string> server(const std::string& key) const { return store_.get(SettingsApp, "Servers", key); }
    void setServer(const std::string& key, const std::string& v) { store_.save(SettingsApp, "Servers", key, v); }
    void removeServer(const std::string& key) { store_.remove(SettingsApp, "Servers", key); }

private:
    std::string text(const char* section, const char* key, const char* fallback = "") const;
    long whole(const char* section, const char* key, long fallback) const;
    float single(const char* section, const char* key, float fallback) const;
    void save(const char* section, const char* key, const std::string& value);
    void saveWhole(const char* section, const char* key, long value);
    void saveSingle(const char* section, const char* key, float value);

    SettingsStore& store_;
};

}  // namespace vantry
