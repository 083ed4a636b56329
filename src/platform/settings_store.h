#pragma once
// The per-user settings store, addressed like a registry: a key path with
// backslash-separated parts ("Software\\Zelk\\Orvane\\Global") holding named
// integer and text values.

#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Nothing when the key or value does not exist or is not of the asked type.
    virtual std::optional<std::int32_t> ReadInt(const std::string& key,
                                                const std::string& name) const = 0;
    virtual std::optional<std::string> ReadString(const std::string& key,
                                                  const std::string& name) const = 0;
    // Creates the key when missing. False when the store cannot be written.
    virtual bool WriteInt(const std::string& key, const std::string& name, std::int32_t value) = 0;
    virtual bool WriteString(const std::string& key, const std::string& name,
                             const std::string& value) = 0;
    // Removes the key below `key` named `subkey` with everything under it.
    virtual bool DeleteKey(const std::string& key, const std::string& subkey) = 0;
    // Makes written values durable; false when that failed.
    virtual bool Flush() = 0;
};

}  // namespace orvane
