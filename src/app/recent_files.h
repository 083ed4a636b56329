#pragma once
// The recent-file list: at most ten full paths, newest first, without duplicates
// (paths compare exactly, letter case included, once made absolute).

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Paths name the same file when their absolute, normalised forms are equal. Letter case
// counts: "A.zcf" and "a.zcf" are two files.
bool SamePath(std::string_view a, std::string_view b);

class RecentFiles {
public:
    static constexpr std::size_t kCapacity = 10;

    // After a successful open or save: the path moves to the front.
    void AddRecent(const std::string& path);
    // While loading the stored list: the path goes to the end (once).
    void AppendLoaded(const std::string& path);
    void Clear() { paths_.clear(); }

    std::size_t RecentCount() const { return paths_.size(); }
    // "" past the end; the file name alone when the entry lies in `directory`.
    std::string RecentEntry(std::size_t i, std::string_view directory) const;
    // The full path, "" past the end.
    std::string FullPath(std::size_t i) const;

private:
    void RemoveEqual(const std::string& path);
    std::vector<std::string> paths_;
};

}  // namespace orvane
