#include "platform/qt/QtFonts.h"

#include "platform/qt/QtApplicationGuard.h"

#include "platform_qt/qt_test_support.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TFont Named(const std::string& name, int height = -49) {
    TFont font;
    font.Name = name;
    font.Height = height;
    return font;
}

} // namespace

// Windows faces use their free substitutes, installed faces stay, unknown faces become the
// global face; and the face chosen is what Qt actually draws with.
TEST(QtFonts, EveryNameGetsAFaceQtCanDraw) {
    const std::pair<const char*, const char*> cases[] = {{"Arial", "Liberation Sans"},
                                                         {"tahoma", "Liberation Sans"},
                                                         {"Times New Roman", "Liberation Serif"},
                                                         {"Courier New", "Liberation Mono"},
                                                         {"Comic Sans MS", "Comic Neue"},
                                                         {"CrayonL", "Comic Neue"},
                                                         {"Liberation Serif", "Liberation Serif"},
                                                         {"No Such Face 42", "Andika"},
                                                         {"", "Andika"}};
    for (const auto& [name, family] : cases) {
        EXPECT_EQ(QtFamilyFor(name), family) << name;
        EXPECT_EQ(QFontInfo(ToQFont(Named(name))).family(), family) << name;
    }
}

// A negative height is the character height, a positive one the cell; extents scale with the
// height and the weight.
TEST(QtFonts, MetricsFollowTheHeightAndExtentsScaleWithIt) {
    const TTextMetric character = QtTextMetrics(Named("Liberation Sans", -100));
    EXPECT_EQ(character.tmHeight, character.tmAscent + character.tmDescent);
    EXPECT_EQ(character.tmInternalLeading, character.tmHeight - 100);
    EXPECT_GT(character.tmInternalLeading, 0);
    EXPECT_NEAR(QtTextMetrics(Named("Liberation Sans", 100)).tmHeight, 100, 1);

    const std::string text = "Mathématiques 123";
    TFont font = Named("Andika", -100);
    const vlSize large = QtTextExtent(font, text);
    EXPECT_NEAR(large.cx, 2 * QtTextExtent(Named("Andika", -50), text).cx, 2);
    EXPECT_EQ(large.cy, QtTextMetrics(font).tmHeight);
    EXPECT_EQ(QtTextExtent(font, "").cx, 0);
    font.Style = fsBold;
    EXPECT_GT(QtTextExtent(font, text).cx, large.cx);
}

// A sheet is laid out the same for the screen, an image and a PDF.
TEST(QtFonts, CanvasMetricsDoNotDependOnTheDevice) {
    QTemporaryDir folder;
    QPdfWriter pdf(folder.filePath("m.pdf"));
    pdf.setResolution(254);
    QPainter pdfPainter(&pdf);
    TQtCanvas pdfCanvas(pdfPainter);
    QImage image(100, 100, QImage::Format_RGB32);
    QPainter imagePainter(&image);
    TQtCanvas imageCanvas(imagePainter, 150.0 / 254);
    for (TQtCanvas* canvas : {&pdfCanvas, &imageCanvas}) {
        canvas->Font.Name = "Times New Roman";
        canvas->Font.Height = -57;
    }
    const std::string text = "Le 12 mars, 7 × 8 = 56";
    EXPECT_EQ(pdfCanvas.TextExtent(text), imageCanvas.TextExtent(text));
    EXPECT_EQ(pdfCanvas.TextExtent(text), QtTextExtent(pdfCanvas.Font, text));
    EXPECT_EQ(pdfCanvas.GetTextMetrics().tmAscent, imageCanvas.GetTextMetrics().tmAscent);
}

// The test environment made the application: a later guard leaves it alone.
TEST(QtApplicationGuard, KeepsAnExistingApplication) {
    QCoreApplication* const existing = QCoreApplication::instance();
    ASSERT_NE(qobject_cast<QGuiApplication*>(existing), nullptr);
    {
        const QtApplicationGuard nested;
        EXPECT_FALSE(nested.OwnsApplication());
    }
    EXPECT_EQ(QCoreApplication::instance(), existing);
}
