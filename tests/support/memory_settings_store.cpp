#include "support/memory_settings_store.h"

namespace orvane::testing {

template <typename T>
std::optional<T> MemorySettingsStore::Read(const std::string& key, const std::string& name) const {
    auto k = keys_.find(key);
    if (k == keys_.end()) return std::nullopt;
    auto v = k->second.find(name);
    if (v == k->second.end() || !std::holds_alternative<T>(v->second)) {
        return std::nullopt;
    }
    return std::get<T>(v->second);
}

std::optional<std::int32_t> MemorySettingsStore::ReadInt(const std::string& key,
                                                         const std::string& name) const {
    return Read<std::int32_t>(key, name);
}

std::optional<std::string> MemorySettingsStore::ReadString(const std::string& key,
                                                           const std::string& name) const {
    return Read<std::string>(key, name);
}

bool MemorySettingsStore::WriteInt(const std::string& key, const std::string& name,
                                   std::int32_t value) {
    if (failWrites) return false;
    keys_[key][name] = value;
    return true;
}

bool MemorySettingsStore::WriteString(const std::string& key, const std::string& name,
                                      const std::string& value) {
    if (failWrites) return false;
    keys_[key][name] = value;
    return true;
}

bool MemorySettingsStore::DeleteKey(const std::string& key, const std::string& subkey) {
    if (failWrites) return false;
    std::string path = key + "\\" + subkey;
    std::erase_if(keys_, [&](const auto& entry) {
        return entry.first == path || entry.first.rfind(path + "\\", 0) == 0;
    });
    return true;
}

void MemorySettingsStore::Erase(const std::string& key, const std::string& name) {
    if (auto k = keys_.find(key); k != keys_.end()) {
        k->second.erase(name);
    }
}

std::size_t MemorySettingsStore::ValueCount() const {
    std::size_t count = 0;
    for (const auto& [key, values] : keys_)
        count += values.size();
    return count;
}

}  // namespace orvane::testing
