// Renders documents page by page into one output: a PDF, or SVG or PNG files (numbered when
// there is more than one page).
#pragma once

#include <memory>
#include <string>

class QtApplicationGuard;
class StagedFiles;
class TDocument;
class TQtPageWriter;

class SheetOutput {
public:
    // `dpi` is the resolution of PNG output. The pages join `outputs`, whose owner puts them in
    // place with the run's other outputs. With `application`, the Qt application is started
    // through it only when a page has text.
    SheetOutput(std::string path, int dpi, StagedFiles& outputs,
                QtApplicationGuard* application = nullptr);
    ~SheetOutput();
    SheetOutput(const SheetOutput&) = delete;
    SheetOutput& operator=(const SheetOutput&) = delete;

    // Whether the path names a format we write (.pdf, .svg, .png).
    static bool SupportedPath(const std::string& path);

    // Opens the output ahead of the first document's pages, whose size it does not need.
    void Open();
    // Draws every page of the document in display mode `mode` (0 editing, 1 test version,
    // 2 corrected version), as printed.
    bool AddDocument(const TDocument& document, int mode, std::string& error);
    bool Finish(std::string& error);
    int Pages() const { return pages_; }

private:
    std::string path_;
    int dpi_;
    StagedFiles& outputs_;
    QtApplicationGuard* application_;
    int pages_ = 0;
    std::unique_ptr<TQtPageWriter> writer_;
};
