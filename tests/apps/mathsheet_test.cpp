#include "Commands.h"

#include "platform/Paths.h"
#include "platform/qt/QtApplicationGuard.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// Page writers need a Qt application (fonts), never a display.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QtApplicationGuard>(); }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QtApplicationGuard> app_;
};
const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

struct Outcome {
    int code = -1;
    std::string out;
    std::string err;
};

Outcome run(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    Outcome r;
    r.code = RunMathsheet(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

class Mathsheet : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("mathsheet_test_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    std::string write(const std::string& name, const std::string& text) const {
        EXPECT_TRUE(WriteFileAtomically(path(name), text));
        return path(name);
    }
    static std::string read(const std::string& file) {
        std::string content;
        EXPECT_TRUE(ReadWholeFile(file, content)) << file;
        return content;
    }
    // Page count of a PDF written by the page writer: its "/Type /Page" objects.
    static int pdfPages(const std::string& pdf) {
        int pages = 0;
        for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos;
             at = pdf.find("/Type /Page", at + 1))
            pages += pdf.compare(at, 12, "/Type /Pages") != 0;
        return pages;
    }

    fs::path dir_;
};

TEST_F(Mathsheet, DemoWritesTheTestAndCorrectedVersionsOnA4) {
    const Outcome r = run({"demo", "-o", path("demo.pdf"), "--seed", "3"});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    const std::string pdf = read(path("demo.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_GE(pdfPages(pdf), 2);
    EXPECT_NE(pdf.find("/MediaBox [0 0 595"), std::string::npos);
    EXPECT_NE(r.out.find("graine 3"), std::string::npos);
}

TEST_F(Mathsheet, SheetErrorsNameTheirLineAndExitWithTwo) {
    const std::string sheet = write("f.txt", "[Page]\nFormat = A4\nCarreau = beaucoup\n");
    const Outcome r = run({"build", sheet, "-o", path("f.pdf")});
    EXPECT_EQ(r.code, EXIT_BAD_INPUT);
    EXPECT_EQ(r.err.rfind(sheet + ":3: ", 0), 0u) << r.err;
    EXPECT_FALSE(fs::exists(path("f.pdf")));
}

TEST_F(Mathsheet, SavedDocumentRendersToTheSameSvg) {
    const std::string sheet =
        write("f.txt", "[Page]\nCarreau = 0,5\n[Grille]\nNom = G\nColonnes = 4\nLignes = 3\n"
                       "Texte = 2;2;17\nCouleur = 1;1;255\n");
    const Outcome built = run({"build", sheet, "-o", path("a.svg"), "--mode", "corrige", "--save",
                               path("f.vld"), "--seed", "11"});
    ASSERT_EQ(built.code, EXIT_OK) << built.err;
    const Outcome rendered =
        run({"render", path("f.vld"), "-o", path("b.svg"), "--mode", "corrige"});
    ASSERT_EQ(rendered.code, EXIT_OK) << rendered.err;
    const std::string first = read(path("a.svg"));
    EXPECT_NE(first.find("<svg"), std::string::npos);
    EXPECT_EQ(first, read(path("b.svg")));

    const Outcome inspected = run({"inspect", path("f.vld")});
    ASSERT_EQ(inspected.code, EXIT_OK) << inspected.err;
    EXPECT_NE(inspected.out.find("[Grille] G (page 1)"), std::string::npos) << inspected.out;
}

TEST_F(Mathsheet, CopiesGiveOnePairOfPagesEach) {
    const std::string sheet = write("f.txt", "[Grille]\n");
    const Outcome r =
        run({"build", sheet, "-o", path("c.pdf"), "--copies", "3", "--save", path("c.vld")});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    EXPECT_EQ(pdfPages(read(path("c.pdf"))), 6);
    EXPECT_TRUE(fs::exists(path("c-1.vld")));
    EXPECT_TRUE(fs::exists(path("c-3.vld")));
}

TEST_F(Mathsheet, UsageAndFileErrors) {
    EXPECT_EQ(run({}).code, EXIT_USAGE);
    EXPECT_EQ(run({"--help"}).code, EXIT_OK);
    EXPECT_EQ(run({"frobnicate"}).code, EXIT_USAGE);
    EXPECT_EQ(run({"build", path("f.txt")}).code, EXIT_USAGE); // no output
    EXPECT_EQ(run({"demo", "-o", path("x.doc")}).code, EXIT_USAGE);
    EXPECT_EQ(run({"demo", "-o", path("x.pdf"), "--copies", "0"}).code, EXIT_USAGE);
    EXPECT_EQ(run({"build", path("absent.txt"), "-o", path("x.pdf")}).code, EXIT_IO);
    EXPECT_EQ(run({"render", path("absent.vld"), "-o", path("x.pdf")}).code, EXIT_IO);
    const std::string notADocument = write("n.vld", "bonjour");
    EXPECT_EQ(run({"inspect", notADocument}).code, EXIT_BAD_INPUT);
    EXPECT_EQ(run({"demo", "-o", path("absent/dir/x.pdf")}).code, EXIT_IO);
}

TEST_F(Mathsheet, KindsAndKeys) {
    const Outcome kinds = run({"kinds"});
    ASSERT_EQ(kinds.code, EXIT_OK);
    EXPECT_NE(kinds.out.find("16     135     Sudoku"), std::string::npos) << kinds.out;
    EXPECT_NE(kinds.out.find("1      10      Opération"), std::string::npos) << kinds.out;
    const Outcome keys = run({"keys", "Grille"});
    ASSERT_EQ(keys.code, EXIT_OK);
    EXPECT_EQ(keys.out.rfind("0\tGauche\n1\tHaut\n2\tLargeur\n3\tHauteur\n", 0), 0u);
    EXPECT_EQ(run({"keys", "Tableau"}).code, EXIT_BAD_INPUT);
}

} // namespace
