#include "gui/image_lists.h"

#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <array>

namespace orvane::image_list {
namespace {

constexpr std::array<const char*, 7> kTreeImages = {
    ":/icons/radio.svg",       ":/icons/folder.svg",       ":/icons/sheet.svg",
    ":/icons/folder_open.svg", ":/icons/mark_warning.svg", ":/icons/mark_error.svg",
    ":/icons/sheet_empty.svg",
};

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
    mark.paint(&painter, pixmap.rect());
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
