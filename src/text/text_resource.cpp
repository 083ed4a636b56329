#include "text/text_resource.h"

namespace orvane {
namespace embedded {
extern const unsigned char kMainResource[];
extern const std::size_t kMainResourceSize;
extern const unsigned char kHelpTopicResource[];
extern const std::size_t kHelpTopicResourceSize;
}  // namespace embedded

TextResource::TextResource(std::string_view text) {
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines_.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
}

std::string_view TextResource::Line(std::size_t index) const {
    return index < lines_.size() ? lines_[index] : std::string_view();
}

namespace {

std::string_view Bytes(const unsigned char* data, std::size_t size) {
    return std::string_view(reinterpret_cast<const char*>(data), size);
}

}  // namespace

const TextResource& MainResource() {
    static const TextResource resource(Bytes(embedded::kMainResource, embedded::kMainResourceSize));
    return resource;
}

const TextResource& HelpTopicResource() {
    static const TextResource resource(
        Bytes(embedded::kHelpTopicResource, embedded::kHelpTopicResourceSize));
    return resource;
}

}  // namespace orvane
