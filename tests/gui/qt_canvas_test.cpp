// The QPainter canvas, checked pixel by pixel on an offscreen image: rectangles and lines
// cover exactly their pixels, clips nest, system colours follow the palette, the marks
// stay in their box; and cells drawn through it come out in the colours they should.

#include "paint/qt_canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <memory>

#include "qt_application.h"
#include "sheet/cell_painter.h"
#include "sheet/drawing_evaluator.h"
#include "sheet/recording_canvas.h"
#include "sheet/sheet.h"
#include "sheet/sheet_test_support.h"

namespace orvane {
namespace {

const QColor kPaper(Qt::white);

// A dark desktop theme.
QPalette DarkPalette() {
    QPalette palette;
    palette.setColor(QPalette::All, QPalette::Base, QColor(0x20, 0x20, 0x20));
    palette.setColor(QPalette::All, QPalette::Text, QColor(0xE0, 0xE0, 0xE0));
    palette.setColor(QPalette::All, QPalette::Highlight, QColor(0x30, 0x50, 0xA0));
    palette.setColor(QPalette::All, QPalette::HighlightedText, QColor(0xFF, 0xFF, 0xF0));
    palette.setColor(QPalette::All, QPalette::Button, QColor(0x40, 0x40, 0x40));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x70, 0x70, 0x70));
    return palette;
}

class QtCanvasTest : public ::testing::Test {
protected:
    QtCanvasTest() : image(60, 60, QImage::Format_RGB32) {
        testing::TestApplication();
        image.fill(kPaper);
        painter = std::make_unique<QPainter>(&image);
        canvas = std::make_unique<QtCanvas>(*painter, fonts, DarkPalette());
    }
    // Ends the painting, so the image holds everything drawn so far.
    void Finish() {
        if (painter->isActive()) {
            painter->end();
        }
    }
    // A blank image, painted afresh.
    void Restart() {
        Finish();
        image.fill(kPaper);
        painter->begin(&image);
    }
    // Ends the painting and answers the pixel.
    QColor Pixel(int x, int y) {
        Finish();
        return image.pixelColor(x, y);
    }
    // Whether any pixel of the image outside `box` (inclusive) was painted.
    bool PaintedOutside(const QRect& box) {
        Finish();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (!box.contains(x, y) && image.pixelColor(x, y) != kPaper) {
                    return true;
                }
            }
        }
        return false;
    }
    int CountPixels(const QRect& box, const std::function<bool(const QColor&)>& matches) {
        Finish();
        int count = 0;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                count += matches(image.pixelColor(x, y)) ? 1 : 0;
            }
        }
        return count;
    }

    QImage image;
    QtFontMetrics fonts;
    std::unique_ptr<QPainter> painter;
    std::unique_ptr<QtCanvas> canvas;
};

TEST_F(QtCanvasTest, SystemColoursComeFromThePalette) {
    struct Case {
        Colour colour;
        Colour resolved;
    };
    const Case cases[] = {
        {colour::kWindow, 0x00202020},    {colour::kWindowText, 0x00E0E0E0},
        {colour::kHighlight, 0x00A05030}, {colour::kHighlightText, 0x00F0FFFF},
        {colour::kBtnFace, 0x00404040},   {colour::kGrayText, 0x00707070},
        {0x00FF8040, 0x00FF8040},  // plain colours stay
    };
    for (const Case& c : cases) {
        EXPECT_EQ(canvas->ResolveColour(c.colour), c.resolved) << std::hex << c.colour;
    }
}

TEST_F(QtCanvasTest, ARectangleFillsItsFirstAndLastPixels) {
    canvas->FillRect({2, 3, 5, 7}, colour::kWindow);
    canvas->FillRect({10, 10, 10, 10}, 0x00FF8040);
    Finish();
    EXPECT_EQ(image.pixelColor(2, 3), QColor(0x20, 0x20, 0x20));
    EXPECT_EQ(image.pixelColor(5, 7), QColor(0x20, 0x20, 0x20));
    for (const QPoint outside : {QPoint(1, 3), QPoint(6, 7), QPoint(5, 8), QPoint(2, 2)}) {
        EXPECT_EQ(image.pixelColor(outside), kPaper) << outside.x() << "," << outside.y();
    }
    EXPECT_EQ(image.pixelColor(10, 10), QColor(0x40, 0x80, 0xFF)) << "0x00BBGGRR";
}

TEST_F(QtCanvasTest, ALineIncludesBothEndPoints) {
    canvas->DrawLine({3, 10}, {12, 10}, colour::kBlack);
    canvas->DrawLine({20, 4}, {20, 9}, colour::kBlack);
    Finish();
    EXPECT_EQ(image.pixelColor(3, 10), Qt::black);
    EXPECT_EQ(image.pixelColor(12, 10), Qt::black);
    EXPECT_EQ(image.pixelColor(2, 10), kPaper);
    EXPECT_EQ(image.pixelColor(13, 10), kPaper);
    EXPECT_EQ(image.pixelColor(3, 11), kPaper);
    EXPECT_EQ(image.pixelColor(20, 4), Qt::black);
    EXPECT_EQ(image.pixelColor(20, 9), Qt::black);
    EXPECT_EQ(image.pixelColor(20, 10), kPaper);
    EXPECT_EQ(image.pixelColor(20, 3), kPaper);
}

TEST_F(QtCanvasTest, ClipsNestAndComeOffAgain) {
    canvas->PushClip({0, 0, 9, 9});
    canvas->PushClip({5, 5, 19, 19});
    canvas->FillRect({0, 0, 59, 59}, colour::kBlack);
    canvas->PopClip();
    canvas->FillRect({0, 0, 2, 2}, colour::kBlack);
    canvas->PopClip();
    canvas->FillRect({40, 40, 41, 41}, colour::kBlack);
    Finish();
    EXPECT_EQ(image.pixelColor(5, 5), Qt::black);
    EXPECT_EQ(image.pixelColor(9, 9), Qt::black);
    EXPECT_EQ(image.pixelColor(4, 4), kPaper);
    EXPECT_EQ(image.pixelColor(10, 10), kPaper);
    EXPECT_EQ(image.pixelColor(0, 0), Qt::black) << "the outer clip alone";
    EXPECT_EQ(image.pixelColor(41, 41), Qt::black) << "no clip left";
}

TEST_F(QtCanvasTest, PolygonsAreFilledAndOutlined) {
    const PixelPoint square[] = {{10, 10}, {30, 10}, {30, 30}, {10, 30}};
    canvas->DrawPolygon(square, 0x000000FF, colour::kBlack, 2);
    Finish();
    EXPECT_EQ(image.pixelColor(20, 20), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(10, 20), Qt::black);
    EXPECT_EQ(image.pixelColor(5, 20), kPaper);
}

TEST_F(QtCanvasTest, TheMarksStayInTheirBox) {
    struct Case {
        int index;
        std::function<bool(const QColor&)> typical;
    };
    const Case cases[] = {
        {Canvas::kWarningImage,
         [](const QColor& c) { return c.red() > 200 && c.green() > 150 && c.blue() < 80; }},
        {Canvas::kErrorImage,
         [](const QColor& c) { return c.red() > 150 && c.green() < 80 && c.blue() < 80; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        Restart();
        canvas->DrawImage(c.index, {10, 20});
        const QRect box(10, 20, QtCanvas::kDefaultImageSize, QtCanvas::kDefaultImageSize);
        EXPECT_GT(CountPixels(box, c.typical), 20);
        EXPECT_FALSE(PaintedOutside(box));
    }
    Restart();
    canvas->DrawImage(0, {10, 20});
    EXPECT_FALSE(PaintedOutside(QRect()));
}

TEST_F(QtCanvasTest, TextIsDrawnBelowAndRightOfItsOrigin) {
    FontDescription font;
    font.height = -14;
    const int width = canvas->TextWidth(font, "WWW");
    const int height = canvas->LineHeight(font);
    canvas->DrawText({10, 20}, "WWW", font, colour::kBlack);
    const QRect box(10, 20, width, height);
    EXPECT_GT(CountPixels(box, [](const QColor& c) { return c.lightness() < 128; }), 10);
    EXPECT_FALSE(PaintedOutside(box.adjusted(-1, 0, 1, 0)));
}

TEST(QtFontMetricsCacheTest, OneQtFontPerShapeWhateverItsColour) {
    testing::TestApplication();
    QtFontMetrics metrics;
    FontDescription font;
    font.height = -17;
    FontDescription coloured = font;
    coloured.colour = 0x00FF0000;
    FontDescription bold = font;
    bold.style = FontDescription::kBold;
    EXPECT_EQ(&metrics.Font(font), &metrics.Font(coloured));
    EXPECT_NE(&metrics.Font(font), &metrics.Font(bold));
    EXPECT_TRUE(metrics.Font(bold).bold());
    for (const std::string_view text : {"", "W", "118.1000", "Bank Name"}) {
        for (const FontDescription& description : {font, bold}) {
            const QFontMetrics direct(ToQFont(description));
            EXPECT_EQ(metrics.TextWidth(description, text),
                      direct.horizontalAdvance(QString::fromUtf8(text.data(), text.size())));
            EXPECT_EQ(metrics.LineHeight(description), direct.height());
        }
    }
}

// A grey caption and a window-coloured value cell, drawn through the QPainter canvas.
class QtCellDrawingTest : public QtCanvasTest {
protected:
    QtCellDrawingTest()
        : resource({{"D_Style", ""},
                    {"D_BasicCell", "{<-(Color=clWindow)(Font=,,clWindowText,-12,,,)}"},
                    {"D_Cells", "{(Color=clGray)(Font=,,clWhite,,,,)}Caption|{(%CL_Value)}1"}}),
          environment(resource.Resource()) {
        evaluator.answers[environment.vocabulary.CellIdFromName("CL_Value")].text = "118.1";
    }

    void DrawCell(int column, bool printing) {
        SheetOptions options;
        options.printing = printing;
        Sheet sheet(environment.Get(), "D", options);
        sheet.Build();
        CellPainter(sheet, evaluator).DrawCell(*canvas, grid, column, 0, kRect);
    }

    static constexpr PixelRect kRect{0, 0, 59, 29};
    testing::DefinitionResource resource;
    testing::SheetTestEnvironment environment;
    testing::DrawingEvaluator evaluator;
    testing::FakeGridState grid;
};

TEST_F(QtCellDrawingTest, APrintedGreyCellIsDarkGreyWithWhiteText) {
    DrawCell(0, true);
    const QRect cell(0, 0, 60, 30);
    EXPECT_EQ(Pixel(1, 1), QColor(0x60, 0x60, 0x60));
    EXPECT_GT(CountPixels(cell, [](const QColor& c) { return c.lightness() > 200; }), 10)
        << "white text";
}

TEST_F(QtCellDrawingTest, AWindowCellOnScreenTakesTheThemesBase) {
    DrawCell(1, false);
    EXPECT_EQ(Pixel(1, 1), QColor(0x20, 0x20, 0x20));
    EXPECT_GT(CountPixels(QRect(0, 0, 60, 30), [](const QColor& c) { return c.lightness() > 150; }),
              3)
        << "light text on the dark window colour";
}

}  // namespace
}  // namespace orvane
