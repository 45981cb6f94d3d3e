#include "platform/qt/QtPageWriter.h"

#include "platform_qt/qt_test_support.h"

#include "platform/TempFolder.h"

#include <QPainter>
#include <QSvgRenderer>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>

using namespace qt_test;

namespace {

constexpr vlSize kA4{2100, 2970};

std::string RunCommand(const std::string& command) {
    std::string output;
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (pipe == nullptr)
        return output;
    char chunk[4096];
    while (std::size_t n = std::fread(chunk, 1, sizeof chunk, pipe))
        output.append(chunk, n);
    pclose(pipe);
    return output;
}

bool HasPoppler() {
    return !RunCommand("command -v pdfinfo && command -v pdffonts && command -v pdftoppm").empty();
}

class QtPageWriterTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return folder_.file(name); }
    bool Exists(const std::string& name) const { return std::filesystem::exists(PathOf(name)); }
    // Writes one page a drawing to `name` and reads the first file back.
    QByteArray Write(const std::string& name, vlSize size,
                     std::initializer_list<std::function<void(TCanvas&)>> pages,
                     int dotsPerInch = 150) {
        TQtPageWriter writer(PathOf(name), size, dotsPerInch);
        for (const auto& draw : pages)
            draw(writer.BeginPage());
        std::string message;
        EXPECT_TRUE(writer.Finish(message)) << message;
        return QByteArray::fromStdString(ReadBack(writer.Files().at(0)));
    }
    TempFolder folder_;
};

} // namespace

// Each page has its own exact size, the drawing lands at its place (rendered ten times finer
// than a canvas unit around two corner squares), and every font is embedded.
TEST_F(QtPageWriterTest, PdfPagesHaveTheExactSizeAndPlaceAndEmbeddedFonts) {
    const std::string path = PathOf("fiche.PDF");
    TQtPageWriter writer(path, kA4);
    TCanvas& portrait = writer.BeginPage();
    portrait.Brush.Style = bsDiagCross;
    portrait.Ellipse(700, 100, 1000, 400);
    portrait.Font.Name = "Arial";
    portrait.TextOut(100, 500, "Calcule : 12 + 7 = 19");
    portrait.StretchDraw({100, 600, 400, 900}, PngPicture(QImage(3, 3, QImage::Format_RGB32)));
    ASSERT_TRUE(writer.EndPage());
    TCanvas& landscape = writer.BeginPage({2970, 2100});
    landscape.TextOut(1000, 1000, "paysage");
    landscape.Brush.Color = clBlack;
    landscape.FillRect({0, 0, 100, 100});
    landscape.FillRect({2870, 2000, 2970, 2100});
    std::string message;
    ASSERT_TRUE(writer.Finish(message)) << message;
    EXPECT_EQ(writer.Files(), std::vector<std::string>{path});
    const QByteArray bytes = QByteArray::fromStdString(ReadBack(path));
    ASSERT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 595.275591 841.889764]"));
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 841.889764 595.275591]"));
    if (!HasPoppler())
        GTEST_SKIP() << "poppler-utils missing";
    EXPECT_NE(RunCommand("pdfinfo '" + path + "'").find("mathsheet"), std::string::npos);
    const std::string fonts = RunCommand("pdffonts '" + path + "'");
    EXPECT_NE(fonts.find("LiberationSans"), std::string::npos) << fonts;
    EXPECT_NE(fonts.find("Andika"), std::string::npos) << fonts;
    // The columns emb, sub, uni, object and ID end every font's row.
    const std::regex notEmbedded(R"(\s+no\s+(yes|no)\s+(yes|no)\s+\d+\s+\d+\s*(\n|$))");
    EXPECT_FALSE(std::regex_search(fonts, notEmbedded)) << fonts;
    for (const auto& [x, y, expected] :
         {std::tuple{0, 0, QRect(0, 0, 1000, 1000)}, {28600, 19900, QRect(100, 100, 1000, 1000)}}) {
        const std::string png = PathOf("corner");
        RunCommand("pdftoppm -f 2 -l 2 -r 2540 -gray -png -singlefile -x " + std::to_string(x) +
                   " -y " + std::to_string(y) + " -W 1100 -H 1100 '" + path + "' '" + png + "'");
        const QRect ink = InkBounds(QImage(QString::fromStdString(png + ".png")));
        EXPECT_LE((ink.topLeft() - expected.topLeft()).manhattanLength(), 2) << x;
        EXPECT_LE((ink.bottomRight() - expected.bottomRight()).manhattanLength(), 2) << x;
    }
}

// An SVG page keeps its size in millimetres and honours the clip.
TEST_F(QtPageWriterTest, SvgHonoursTheClip) {
    const QByteArray svg = Write("clip.svg", {400, 400}, {[](TCanvas& canvas) {
                                     canvas.IntersectClipRect(100, 100, 300, 300);
                                     canvas.Brush.Color = clBlack;
                                     canvas.Pen.Width = 20;
                                     canvas.Ellipse(0, 0, 400, 400);
                                     canvas.Font.Height = -150;
                                     canvas.TextOut(250, 150, "XXXX");
                                 }});
    EXPECT_TRUE(svg.contains(R"(width="40mm" height="40mm")"));
    EXPECT_TRUE(svg.contains(R"(viewBox="0 0 400 400")"));
    EXPECT_TRUE(svg.contains("<title>mathsheet</title>"));
    QImage drawn(400, 400, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    QSvgRenderer(svg).render(&painter);
    painter.end();
    EXPECT_TRUE(IsDark(drawn, 200, 200));
    EXPECT_TRUE(QRect(100, 100, 200, 200).contains(InkBounds(drawn)));
}

// Several pages of SVG or PNG give numbered files; a PNG page has the resolution asked for.
TEST_F(QtPageWriterTest, SeveralPagesGiveNumberedFilesAtTheResolutionAskedFor) {
    const auto square = [](TCanvas& canvas) {
        canvas.Brush.Color = clBlack;
        canvas.FillRect({0, 0, 254, 254});
    };
    for (const std::string extension : {".svg", ".png"}) {
        Write("page" + extension, {500, 500}, {square, square});
        EXPECT_TRUE(Exists("page-1" + extension) && Exists("page-2" + extension));
        EXPECT_FALSE(Exists("page" + extension));
    }
    const QImage image(QString::fromStdString(PathOf("page-2.png")));
    EXPECT_EQ(image.size(), QSize(295, 295));
    EXPECT_EQ(InkBounds(image), QRect(0, 0, 150, 150));
    EXPECT_NEAR(image.dotsPerMeterX() * 0.0254, 150, 0.1);
    EXPECT_EQ(QImage::fromData(Write("fine.png", {100, 100}, {square}, 254)).size(),
              QSize(100, 100));
}

TEST_F(QtPageWriterTest, FailuresAreExplainedInFrench) {
    std::string message;
    const std::string unwritable = PathOf("missing/folder/fiche.pdf");
    TQtPageWriter missing(unwritable, kA4);
    missing.BeginPage().Rectangle(0, 0, 10, 10);
    EXPECT_FALSE(missing.Finish(message));
    EXPECT_EQ(message, "Impossible d'écrire le fichier « " + unwritable + " »");
    for (const char* name : {"fiche.doc", "pdf"}) {
        TQtPageWriter unknown(PathOf(name), kA4);
        unknown.BeginPage().Rectangle(0, 0, 10, 10);
        EXPECT_FALSE(unknown.Finish(message));
        EXPECT_NE(message.find("Format de fichier inconnu"), std::string::npos) << name;
        EXPECT_FALSE(Exists(name));
    }
    TQtPageWriter empty(PathOf("vide.pdf"), kA4);
    EXPECT_FALSE(empty.EndPage());
    EXPECT_FALSE(empty.Finish(message));
    EXPECT_NE(message.find("Aucune page"), std::string::npos);
}
