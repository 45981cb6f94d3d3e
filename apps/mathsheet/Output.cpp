#include "Output.h"

#include "host/Document.h"
#include "platform/qt/QtPageWriter.h"

SheetOutput::SheetOutput(std::string path, int dpi, StagedFiles& outputs,
                         QtApplicationGuard* application)
    : path_(std::move(path)), dpi_(dpi), outputs_(outputs), application_(application) {}

SheetOutput::~SheetOutput() = default;

bool SheetOutput::SupportedPath(const std::string& path) {
    return TQtPageWriter::FormatOf(path).has_value();
}

void SheetOutput::Open() {
    // Every page is begun with its own size: the writer's default size is never used.
    if (!writer_)
        writer_ = std::make_unique<TQtPageWriter>(path_, vlSize{}, dpi_, &outputs_, application_);
    writer_->Open();
}

bool SheetOutput::AddDocument(const TDocument& document, int mode, std::string& error) {
    for (int page = 0; page < document.NbPages(); ++page) {
        const vlSize size = document.Page(page).Taille;
        if (!writer_)
            writer_ = std::make_unique<TQtPageWriter>(path_, size, dpi_, &outputs_, application_);
        TCanvas& canvas = writer_->BeginPage(size);
        document.DessinePage(canvas, page, mode, true);
        if (!writer_->EndPage()) {
            writer_->Finish(error); // says why: a target refused, a write error, a failed page
            return false;
        }
        ++pages_;
    }
    return true;
}

bool SheetOutput::Finish(std::string& error) {
    if (pages_ == 0) { // an output opened ahead may still have no page
        error = "le document n'a aucune page";
        return false;
    }
    return writer_->Finish(error);
}
