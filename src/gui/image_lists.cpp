#include "gui/image_lists.h"

#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <array>

#include "paint/mark_painting.h"

namespace orvane::image_list {
namespace {

// The marks (4 and 5) are drawn from their polygons rather than loaded.
constexpr std::array<const char*, 7> kTreeImages = {
    ":/icons/radio.svg",
    ":/icons/folder.svg",
    ":/icons/sheet.svg",
    ":/icons/folder_open.svg",
    nullptr,
    nullptr,
    ":/icons/sheet_empty.svg",
};
constexpr int kWarningMark = 4;
constexpr int kErrorMark = 5;
// A mark over a node image covers its lower left, this share of its size.
constexpr int kOverlayEighths = 6;

struct ThemedImage {
    const char* themeName;
    QStyle::StandardPixmap fallback;
};

constexpr std::array<ThemedImage, 3> kFileButtons = {{
    {"document-new", QStyle::SP_FileIcon},
    {"document-open", QStyle::SP_DialogOpenButton},
    {"document-save", QStyle::SP_DialogSaveButton},
}};

constexpr int kFirstCloneButton = 7;
constexpr std::array<const char*, 3> kCloneButtons = {
    ":/icons/clone_read.svg",
    ":/icons/clone_write.svg",
    ":/icons/clone_info.svg",
};

}  // namespace

QIcon TreeImage(int index) {
    if (index == kWarningMark || index == kErrorMark) {
        return MarkIcon(index == kErrorMark);
    }
    if (index < 0 || index >= static_cast<int>(kTreeImages.size())) {
        return QIcon();
    }
    return QIcon(kTreeImages[static_cast<std::size_t>(index)]);
}

QIcon TreeNodeIcon(int image, int markImage, int size) {
    const QIcon base = TreeImage(image);
    const QIcon mark = TreeImage(markImage);
    if (mark.isNull()) {
        return base;
    }
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    base.paint(&painter, pixmap.rect());
    const int markSize = size * kOverlayEighths / 8;
    mark.paint(&painter, QRect(0, size - markSize, markSize, markSize));
    painter.end();
    return QIcon(pixmap);
}

QIcon ToolImage(int index, const QStyle& style) {
    if (index >= 0 && index < static_cast<int>(kFileButtons.size())) {
        const ThemedImage& image = kFileButtons[static_cast<std::size_t>(index)];
        return QIcon::fromTheme(image.themeName, style.standardIcon(image.fallback));
    }
    const int clone = index - kFirstCloneButton;
    if (clone >= 0 && clone < static_cast<int>(kCloneButtons.size())) {
        return QIcon(kCloneButtons[static_cast<std::size_t>(clone)]);
    }
    return QIcon();
}

QIcon ApplicationIcon() { return QIcon(":/icons/orvane.svg"); }

}  // namespace orvane::image_list
