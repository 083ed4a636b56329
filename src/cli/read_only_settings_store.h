#pragma once
// The stored settings as the command-line tool sees them: it reads the desktop program's
// settings file but leaves writing it to the program, so a verb can run beside it.

#include "platform/settings_store.h"

namespace orvane::cli {

class ReadOnlySettingsStore final : public SettingsStore {
public:
    explicit ReadOnlySettingsStore(const SettingsStore& source) : source_(source) {}

    std::optional<std::int32_t> ReadInt(const std::string& key,
                                        const std::string& name) const override {
        return source_.ReadInt(key, name);
    }
    std::optional<std::string> ReadString(const std::string& key,
                                          const std::string& name) const override {
        return source_.ReadString(key, name);
    }
    bool WriteInt(const std::string&, const std::string&, std::int32_t) override { return false; }
    bool WriteString(const std::string&, const std::string&, const std::string&) override {
        return false;
    }
    bool DeleteKey(const std::string&, const std::string&) override { return false; }
    bool Flush() override { return false; }

private:
    const SettingsStore& source_;
};

}  // namespace orvane::cli
