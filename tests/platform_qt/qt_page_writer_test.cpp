#include "platform/qt/QtPageWriter.h"

#include "platform_qt/qt_test_support.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
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

// The page sizes, in points, that pdfinfo reports for each page.
std::vector<std::pair<double, double>> PdfPageSizes(const std::string& path) {
    const std::string info = RunCommand("pdfinfo -f 1 -l 99 '" + path + "'");
    const std::regex size(R"(Page +\d+ size: +([\d.]+) x ([\d.]+) pts)");
    std::vector<std::pair<double, double>> sizes;
    for (std::sregex_iterator it(info.begin(), info.end(), size), end; it != end; ++it)
        sizes.emplace_back(std::stod((*it)[1]), std::stod((*it)[2]));
    return sizes;
}

// pdffonts prints a table whose "emb" column says whether each font is embedded.
bool AllFontsEmbedded(const std::string& table) {
    const std::size_t column = table.find("emb");
    const std::size_t rows = table.find('\n', table.find("---"));
    if (column == std::string::npos || rows == std::string::npos)
        return false;
    const std::size_t lineStart = table.rfind('\n', column) + 1;
    const std::size_t offset = column - lineStart;
    for (std::size_t start = rows + 1; start < table.size();) {
        const std::size_t end = std::min(table.find('\n', start), table.size());
        if (end - start <= offset || table.compare(start + offset, 3, "yes") != 0)
            return false;
        start = end + 1;
    }
    return true;
}

class QtPageWriterTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const {
        return folder_.filePath(QString::fromStdString(name)).toStdString();
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(PathOf(name)); }
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
    const auto sizes = PdfPageSizes(path);
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_NEAR(sizes[0].first, 595.276, 0.001);
    EXPECT_NEAR(sizes[0].second, 841.89, 0.001);
    EXPECT_NEAR(sizes[1].first, 841.89, 0.001);
    EXPECT_NE(RunCommand("pdfinfo '" + path + "'").find("mathsheet"), std::string::npos);
    const std::string fonts = RunCommand("pdffonts '" + path + "'");
    EXPECT_NE(fonts.find("LiberationSans"), std::string::npos) << fonts;
    EXPECT_NE(fonts.find("Andika"), std::string::npos) << fonts;
    EXPECT_TRUE(AllFontsEmbedded(fonts)) << fonts;
}

TEST_F(QtPageWriterTest, PdfDrawingLandsAtItsPlaceOnThePage) {
    if (!HasTool("pdftoppm"))
        GTEST_SKIP() << "poppler-utils missing";
    const std::string path = PathOf("place.pdf");
    TQtPageWriter writer(path, kA4);
    TCanvas& canvas = writer.BeginPage();
    canvas.Pen.Style = psClear;
    canvas.Brush.Color = clBlack;
    canvas.FillRect({0, 0, 100, 100});
    canvas.FillRect({2000, 2870, 2100, 2970});
    std::string message;
    ASSERT_TRUE(writer.Finish(message)) << message;

    // Rendered ten times finer than a canvas unit, around the two squares.
    const auto render = [&](int x, int y, const std::string& name) {
        const std::string png = PathOf(name);
        RunCommand("pdftoppm -r 2540 -gray -png -singlefile -x " + std::to_string(x) + " -y " +
                   std::to_string(y) + " -W 1200 -H 1200 '" + path + "' '" + png + "'");
        return InkBounds(QImage(QString::fromStdString(png + ".png"))).value_or(QRect());
    };
    const auto expectNear = [](const QRect& ink, const QRect& expected) {
        EXPECT_NEAR(ink.left(), expected.left(), 1);
        EXPECT_NEAR(ink.top(), expected.top(), 1);
        EXPECT_NEAR(ink.right(), expected.right(), 1);
        EXPECT_NEAR(ink.bottom(), expected.bottom(), 1);
    };
    expectNear(render(0, 0, "top"), QRect(0, 0, 1000, 1000));
    expectNear(render(19900, 28600, "bottom"), QRect(100, 100, 1000, 1000));
}

TEST_F(QtPageWriterTest, SvgIsTheSameForTheSameDrawing) {
    const auto write = [&](const std::string& name) {
        TQtPageWriter writer(PathOf(name), kA4);
        DrawSample(writer.BeginPage());
        std::string message;
        EXPECT_TRUE(writer.Finish(message)) << message;
        return Read(PathOf(name));
    };
    const QByteArray first = write("a.svg");
    ASSERT_FALSE(first.isEmpty());
    EXPECT_EQ(first, write("b.svg"));
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
    const std::string path = PathOf("clip.svg");
    TQtPageWriter writer(path, {400, 400});
    TCanvas& canvas = writer.BeginPage();
    canvas.IntersectClipRect(100, 100, 300, 300);
    canvas.Brush.Color = clBlack;
    canvas.Pen.Width = 20;
    canvas.Ellipse(0, 0, 400, 400);
    canvas.Font.Height = -150;
    canvas.TextOut(250, 150, "XXXX");
    std::string message;
    ASSERT_TRUE(writer.Finish(message)) << message;

    QSvgRenderer renderer(QString::fromStdString(path));
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
    const std::string path = PathOf("page.png");
    TQtPageWriter writer(path, kA4);
    TCanvas& canvas = writer.BeginPage();
    canvas.Brush.Color = clBlack;
    canvas.FillRect({0, 0, 254, 254});
    std::string message;
    ASSERT_TRUE(writer.Finish(message)) << message;
    const QImage image(QString::fromStdString(path));
    EXPECT_EQ(image.size(), QSize(1240, 1754));
    EXPECT_EQ(InkBounds(image), QRect(0, 0, 150, 150));
    EXPECT_NEAR(image.dotsPerMeterX() * 0.0254, 150, 0.1);

    TQtPageWriter fine(PathOf("fine.png"), {100, 100}, 254);
    fine.BeginPage();
    ASSERT_TRUE(fine.Finish(message)) << message;
    EXPECT_EQ(QImage(QString::fromStdString(PathOf("fine.png"))).size(), QSize(100, 100));
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
