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

QString Drawn(const std::string& name) {
    return QFontInfo(ToQFont(Named(name))).family();
}

} // namespace

// Windows faces use their free substitutes, installed faces stay, unknown faces become the
// global face; and the face chosen is what Qt actually draws with.
TEST(QtFontsFaces, EveryNameGetsAFaceQtCanDraw) {
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
        EXPECT_EQ(Drawn(name), family) << name;
    }
}

TEST(QtFontsMetrics, NegativeHeightIsTheCharacterHeightPositiveTheCell) {
    const TTextMetric character = QtTextMetrics(Named("Liberation Sans", -100));
    EXPECT_EQ(ToQFont(Named("Liberation Sans", -100)).pixelSize(), 100);
    EXPECT_EQ(character.tmHeight, character.tmAscent + character.tmDescent);
    EXPECT_EQ(character.tmInternalLeading, character.tmHeight - 100);
    EXPECT_GT(character.tmInternalLeading, 0);
    EXPECT_GT(character.tmAveCharWidth, 20);

    const TFont cellFont = Named("Liberation Sans", 100);
    EXPECT_LT(QtCharacterHeight(cellFont), 100);
    EXPECT_NEAR(QtTextMetrics(cellFont).tmHeight, 100, 1);
}

TEST(QtFontsMetrics, ExtentScalesWithTheHeightAndStyle) {
    const std::string text = "Mathématiques 123";
    const vlSize small = QtTextExtent(Named("Andika", -50), text);
    const vlSize large = QtTextExtent(Named("Andika", -100), text);
    EXPECT_NEAR(large.cx, 2 * small.cx, 2);
    EXPECT_EQ(large.cy, QtTextMetrics(Named("Andika", -100)).tmHeight);
    EXPECT_EQ(QtTextExtent(Named("Andika"), "").cx, 0);

    TFont bold = Named("Andika", -100);
    bold.Style = fsBold;
    EXPECT_GT(QtTextExtent(bold, text).cx, large.cx);
}

TEST(QtFontsMetrics, CanvasMetricsDoNotDependOnTheDevice) {
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
    EXPECT_EQ(pdfCanvas.GetTextMetrics().tmHeight, imageCanvas.GetTextMetrics().tmHeight);
}

// The test environment made the application: later guards leave it alone.
TEST(QtApplicationGuard, KeepsAnExistingApplication) {
    QCoreApplication* const existing = QCoreApplication::instance();
    ASSERT_NE(existing, nullptr);
    EXPECT_NE(qobject_cast<QGuiApplication*>(existing), nullptr);
    {
        const QtApplicationGuard nested;
        EXPECT_FALSE(nested.OwnsApplication());
        EXPECT_EQ(QCoreApplication::instance(), existing);
    }
    EXPECT_EQ(QCoreApplication::instance(), existing);
}

// Without a display the offscreen platform is chosen, so fonts and images work anywhere.
TEST(QtApplicationGuard, RunsWithoutADisplay) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        EXPECT_EQ(QGuiApplication::platformName(), "offscreen");
    }
    QFont font("Andika");
    EXPECT_GT(QFontMetricsF(font).height(), 0);
}
