#pragma once
// An in-memory settings store for unit tests of the core, with a switch that makes
// every write fail.

#include <map>
#include <variant>

#include "platform/settings_store.h"

namespace orvane::testing {

class MemorySettingsStore final : public SettingsStore {
public:
    std::optional<std::int32_t> ReadInt(const std::string& key,
                                        const std::string& name) const override;
    std::optional<std::string> ReadString(const std::string& key,
                                          const std::string& name) const override;
    bool WriteInt(const std::string& key, const std::string& name, std::int32_t value) override;
    bool WriteString(const std::string& key, const std::string& name,
                     const std::string& value) override;
    bool DeleteKey(const std::string& key, const std::string& subkey) override;
    bool Flush() override { return !failWrites; }

    // Removes one value (as a user editing the store by hand might).
    void Erase(const std::string& key, const std::string& name);
    std::size_t ValueCount() const;

    bool failWrites = false;

private:
    using Value = std::variant<std::int32_t, std::string>;
    template <typename T>
    std::optional<T> Read(const std::string& key, const std::string& name) const;
    std::map<std::string, std::map<std::string, Value>> keys_;
};

}  // namespace orvane::testing
