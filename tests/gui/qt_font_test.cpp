// Definition fonts as Qt fonts, and measuring with them.

#include "paint/qt_font.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontMetrics>

#include "qt_application.h"

namespace orvane {
namespace {

class QtFontTest : public ::testing::Test {
protected:
    QtFontTest() { testing::TestApplication(); }
};

TEST_F(QtFontTest, HeightsAndStylesCarryOver) {
    FontDescription description;
    description.face = "DejaVu Serif";
    description.height = -13;
    description.style = FontDescription::kBold | FontDescription::kUnderline;
    QFont font = ToQFont(description);
    EXPECT_EQ(font.family(), "DejaVu Serif");
    EXPECT_EQ(font.pixelSize(), 13);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.underline());
    EXPECT_FALSE(font.italic());
    description.height = 0;
    EXPECT_EQ(ToQFont(description).pixelSize(), 1);
}

// A positive height is the whole cell height: ascent and descent, internal leading included.
TEST_F(QtFontTest, APositiveHeightIsTheFontsWholeHeight) {
    for (const int height : {16, 20, 26, 40}) {
        FontDescription description;
        description.height = height;
        QFont font = ToQFont(description);
        EXPECT_EQ(QFontMetrics(font).height(), height);
        font.setPixelSize(font.pixelSize() + 1);
        EXPECT_GT(QFontMetrics(font).height(), height);
    }
}

TEST_F(QtFontTest, PlatformOnlyFacesBecomeTheDesktopFont) {
    const QString general = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    for (const char* face : {"", "MS Sans Serif", "System"}) {
        FontDescription description;
        description.face = face;
        EXPECT_EQ(ToQFont(description).family(), general) << face;
    }
}

TEST_F(QtFontTest, MeasuresGrowWithTextAndFont) {
    QtFontMetrics metrics;
    FontDescription small;
    small.height = -10;
    FontDescription large = small;
    large.height = -30;
    EXPECT_GT(metrics.TextWidth(small, "WWWW"), metrics.TextWidth(small, "W"));
    EXPECT_EQ(metrics.TextWidth(small, ""), 0);
    EXPECT_GT(metrics.TextWidth(large, "W"), metrics.TextWidth(small, "W"));
    EXPECT_GT(metrics.LineHeight(large), metrics.LineHeight(small));
    EXPECT_GE(metrics.LineHeight(small), 10);
}

}  // namespace
}  // namespace orvane
