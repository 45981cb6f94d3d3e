#include "platform/qt/QtPageWriter.h"

#include "platform_qt/qt_test_support.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <iterator>
#include <sstream>

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

bool HasTool(const std::string& tool) {
    return !RunCommand("command -v " + tool).empty();
}

QByteArray Read(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A page with a little of everything a sheet draws.
void DrawSample(TCanvas& canvas) {
    canvas.Rectangle(100, 100, 600, 400);
    canvas.Brush.Style = bsDiagCross;
    canvas.Brush.Color = clBlue;
    canvas.Ellipse(700, 100, 1000, 400);
    canvas.SetBkMode(TRANSPARENT);
    canvas.Font.Name = "Arial";
    canvas.TextOut(100, 500, "Calcule : 12 + 7 = 19");
    QImage source(3, 3, QImage::Format_RGB32);
    source.fill(Qt::darkGreen);
    canvas.StretchDraw({100, 600, 400, 900}, PngPicture(source));
}

// pdffonts prints a row a font ending in the columns emb, sub, uni, object and ID: is every
// font embedded?
bool AllFontsEmbedded(const std::string& table) {
    std::istringstream lines(table.substr(std::min(table.find("---"), table.size())));
    std::string line;
    std::getline(lines, line); // the rule under the titles
    int fonts = 0;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        const std::vector<std::string> w{std::istream_iterator<std::string>(words), {}};
        if (w.size() < 6 || w[w.size() - 5] != "yes")
            return false;
        ++fonts;
    }
    return fonts > 0;
}

class QtPageWriterTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const {
        return folder_.filePath(QString::fromStdString(name)).toStdString();
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(PathOf(name)); }
    // Writes one page a drawing to `name` and reads the (first) file back.
    QByteArray Write(const std::string& name, vlSize size,
                     std::initializer_list<std::function<void(TCanvas&)>> pages,
                     int dotsPerInch = 150) {
        TQtPageWriter writer(PathOf(name), size, dotsPerInch);
        for (const auto& draw : pages)
            draw(writer.BeginPage());
        std::string message;
        EXPECT_TRUE(writer.Finish(message)) << message;
        return Read(writer.Files().empty() ? PathOf(name) : writer.Files().front());
    }
    QTemporaryDir folder_;
};

} // namespace

TEST_F(QtPageWriterTest, FormatComesFromTheExtension) {
    EXPECT_EQ(TQtPageWriter::FormatOf("a/b.PDF"), TQtPageWriter::Format::Pdf);
    EXPECT_EQ(TQtPageWriter::FormatOf("b.svg"), TQtPageWriter::Format::Svg);
    EXPECT_EQ(TQtPageWriter::FormatOf("b.png"), TQtPageWriter::Format::Png);
    EXPECT_FALSE(TQtPageWriter::FormatOf("b.jpg").has_value());
    EXPECT_FALSE(TQtPageWriter::FormatOf("pdf").has_value());
}

TEST_F(QtPageWriterTest, PdfPagesHaveTheExactSizeAndEmbeddedFonts) {
    const std::string path = PathOf("fiche.pdf");
    TQtPageWriter writer(path, kA4);
    DrawSample(writer.BeginPage());
    ASSERT_TRUE(writer.EndPage());
    writer.BeginPage({2970, 2100}).TextOut(10, 10, "paysage");
    std::string message;
    ASSERT_TRUE(writer.Finish(message)) << message;
    EXPECT_EQ(writer.Files(), std::vector<std::string>{path});

    const QByteArray bytes = Read(path);
    ASSERT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 595.275591 841.889764]"));
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 841.889764 595.275591]"));
    if (!HasTool("pdfinfo") || !HasTool("pdffonts"))
        GTEST_SKIP() << "poppler-utils missing";
    EXPECT_NE(RunCommand("pdfinfo '" + path + "'").find("mathsheet"), std::string::npos);
    const std::string fonts = RunCommand("pdffonts '" + path + "'");
    EXPECT_NE(fonts.find("LiberationSans"), std::string::npos) << fonts;
    EXPECT_NE(fonts.find("Andika"), std::string::npos) << fonts;
    EXPECT_TRUE(AllFontsEmbedded(fonts)) << fonts;
}

TEST_F(QtPageWriterTest, PdfDrawingLandsAtItsPlaceOnThePage) {
    if (!HasTool("pdftoppm"))
        GTEST_SKIP() << "poppler-utils missing";
    Write("place.pdf", kA4, {[](TCanvas& canvas) {
              canvas.Brush.Color = clBlack;
              canvas.FillRect({0, 0, 100, 100});
              canvas.FillRect({2000, 2870, 2100, 2970});
          }});
    // Rendered ten times finer than a canvas unit, around the two squares.
    const auto render = [&](int x, int y, const std::string& name) {
        const std::string png = PathOf(name);
        RunCommand("pdftoppm -r 2540 -gray -png -singlefile -x " + std::to_string(x) + " -y " +
                   std::to_string(y) + " -W 1200 -H 1200 '" + PathOf("place.pdf") + "' '" + png +
                   "'");
        return InkBounds(QImage(QString::fromStdString(png + ".png"))).value_or(QRect());
    };
    for (const auto& [ink, expected] :
         {std::pair{render(0, 0, "top"), QRect(0, 0, 1000, 1000)},
          {render(19900, 28600, "bottom"), QRect(100, 100, 1000, 1000)}}) {
        EXPECT_NEAR(ink.left(), expected.left(), 1);
        EXPECT_NEAR(ink.top(), expected.top(), 1);
        EXPECT_NEAR(ink.right(), expected.right(), 1);
        EXPECT_NEAR(ink.bottom(), expected.bottom(), 1);
    }
}

TEST_F(QtPageWriterTest, SvgIsTheSameForTheSameDrawing) {
    const QByteArray first = Write("a.svg", kA4, {DrawSample});
    ASSERT_FALSE(first.isEmpty());
    EXPECT_EQ(first, Write("b.svg", kA4, {DrawSample}));
    EXPECT_TRUE(first.contains(R"(width="210mm" height="297mm")"));
    EXPECT_TRUE(first.contains(R"(viewBox="0 0 2100 2970")"));
    EXPECT_TRUE(first.contains("<title>mathsheet</title>"));
}

TEST_F(QtPageWriterTest, SeveralPagesGiveNumberedFiles) {
    for (const std::string extension : {".svg", ".png"}) {
        TQtPageWriter writer(PathOf("page" + extension), {500, 500});
        writer.BeginPage().Rectangle(0, 0, 100, 100);
        writer.BeginPage().Rectangle(0, 0, 100, 100);
        std::string message;
        ASSERT_TRUE(writer.Finish(message)) << message;
        EXPECT_EQ(writer.PageCount(), 2);
        EXPECT_TRUE(Exists("page-1" + extension));
        EXPECT_TRUE(Exists("page-2" + extension));
        EXPECT_FALSE(Exists("page" + extension));
    }
}

TEST_F(QtPageWriterTest, SvgHonoursTheClip) {
    QSvgRenderer renderer(Write("clip.svg", {400, 400}, {[](TCanvas& canvas) {
                                    canvas.IntersectClipRect(100, 100, 300, 300);
                                    canvas.Brush.Color = clBlack;
                                    canvas.Pen.Width = 20;
                                    canvas.Ellipse(0, 0, 400, 400);
                                    canvas.Font.Height = -150;
                                    canvas.TextOut(250, 150, "XXXX");
                                }}));
    ASSERT_TRUE(renderer.isValid());
    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    const std::optional<QRect> ink = InkBounds(image);
    ASSERT_TRUE(ink.has_value());
    EXPECT_TRUE(QRect(100, 100, 200, 200).contains(*ink))
        << ink->x() << "," << ink->y() << " " << ink->width() << "x" << ink->height();
    EXPECT_TRUE(IsDark(image, 200, 200));
}

TEST_F(QtPageWriterTest, PngHasTheResolutionAskedFor) {
    const auto square = [](TCanvas& canvas) {
        canvas.Brush.Color = clBlack;
        canvas.FillRect({0, 0, 254, 254});
    };
    const QImage image = QImage::fromData(Write("page.png", kA4, {square}));
    EXPECT_EQ(image.size(), QSize(1240, 1754));
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

    TQtPageWriter unknown(PathOf("fiche.doc"), kA4);
    unknown.BeginPage().Rectangle(0, 0, 10, 10);
    EXPECT_FALSE(unknown.Finish(message));
    EXPECT_NE(message.find("Format de fichier inconnu"), std::string::npos);
    EXPECT_FALSE(Exists("fiche.doc"));

    TQtPageWriter empty(PathOf("vide.pdf"), kA4);
    EXPECT_FALSE(empty.EndPage());
    EXPECT_FALSE(empty.Finish(message));
    EXPECT_NE(message.find("Aucune page"), std::string::npos);
}
