#include "platform/qt/QtPageWriter.h"

#include "platform/qt/QtCanvas.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string_view>
#include <unordered_map>

#include <unistd.h>

// A staged file written through a buffer, keeping its first failed write: the PDF, SVG and PNG
// writers do not report one (a full disk), so whether the file is whole is asked here.
class CheckedFile : public QIODevice {
public:
    explicit CheckedFile(int fd) : fd_(fd) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    ~CheckedFile() override { writeBuffer(); }
    CheckedFile(const CheckedFile&) = delete;
    CheckedFile& operator=(const CheckedFile&) = delete;

    // Writes what is buffered; false when any write of the file failed.
    bool WrittenOut() {
        writeBuffer();
        return !failed_;
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        buffer_.append(data, std::size_t(size));
        if (buffer_.size() >= kBufferSize)
            writeBuffer();
        return failed_ ? -1 : size;
    }

private:
    static constexpr std::size_t kBufferSize = 1 << 16;
    void writeBuffer() {
        failed_ = failed_ || !WriteAll(fd_, buffer_);
        buffer_.clear();
    }

    int fd_;
    std::string buffer_;
    bool failed_ = false;
};

namespace {

// Canvas units per inch: a PDF device pixel is one canvas unit.
constexpr int kUnitsPerInch = 254;
constexpr double kPointsPerUnit = 72.0 / kUnitsPerInch;
constexpr const char* kMetadataName = "mathsheet";
// Most pixels a PNG page may have (400 MB while drawn): an A0 page up to 250 dpi.
constexpr long kMaxPixels = 100'000'000;

QPageSize pageSizeOf(vlSize size) {
    return QPageSize(QSizeF(size.cx / 10.0, size.cy / 10.0), QPageSize::Millimeter, QString(),
                     QPageSize::ExactMatch);
}

// One attribute of an SVG tag, name="value", or an empty value when the tag has none.
std::string_view attributeOf(std::string_view tag, std::string_view name) {
    for (std::size_t at = tag.find(name); at != std::string_view::npos;
         at = tag.find(name, at + 1)) {
        const std::size_t open = at + name.size();
        if (tag[at - 1] != ' ' || tag.substr(open, 2) != "=\"")
            continue;
        const std::size_t close = tag.find('"', open + 2);
        return close == std::string_view::npos ? std::string_view()
                                               : tag.substr(open + 2, close - open - 2);
    }
    return {};
}

} // namespace

std::string ShareSvgImages(std::string_view svg,
                           const std::unordered_map<std::string, std::string>& replacements) {
    constexpr std::string_view kOpen = "<image ";
    std::string shared;
    shared.reserve(svg.size());
    std::unordered_map<std::string_view, int> ids; // payload -> its definition's number
    std::size_t done = 0;
    for (std::size_t at = svg.find(kOpen); at != std::string_view::npos;
         at = svg.find(kOpen, done)) {
        const std::size_t end = svg.find("/>", at);
        if (end == std::string_view::npos)
            break;
        const std::string_view tag = svg.substr(at, end + 2 - at);
        std::string_view payload = attributeOf(tag, "xlink:href");
        if (const auto replaced = replacements.find(std::string(payload));
            replaced != replacements.end())
            payload = replaced->second;
        const std::string_view x = attributeOf(tag, "x"), y = attributeOf(tag, "y");
        const std::string_view width = attributeOf(tag, "width");
        const std::string_view height = attributeOf(tag, "height");
        shared.append(svg.substr(done, at - done));
        done = end + 2;
        if (payload.empty() || x.empty() || y.empty() || width.empty() || height.empty()) {
            shared.append(tag);
            continue;
        }
        const auto [found, added] = ids.try_emplace(payload, int(ids.size()) + 1);
        const std::string id = "picture" + std::to_string(found->second);
        if (added) {
            // A unit square stretched by each use to its place and size.
            shared += "<defs><image id=\"" + id + "\" x=\"0\" y=\"0\" width=\"1\" height=\"1\"";
            shared += " preserveAspectRatio=\"none\" xlink:href=\"";
            shared.append(payload);
            shared += "\" /></defs>\n";
        }
        shared += "<use xlink:href=\"#" + id + "\" transform=\"translate(";
        shared.append(x).append(" ").append(y).append(") scale(");
        shared.append(width).append(" ").append(height).append(")\"");
        if (const std::string_view rendering = attributeOf(tag, "image-rendering");
            !rendering.empty())
            shared.append(" image-rendering=\"").append(rendering).append("\"");
        shared += " />";
    }
    shared.append(svg.substr(done));
    return shared;
}

namespace {

std::string cannotWrite(const std::string& path) {
    return "Impossible d'écrire le fichier «\u00A0" + path + "\u00A0»";
}

// A point size as the PDF writer prints it.
QByteArray pdfNumber(double value) {
    return QByteArray::number(value, 'f');
}

// QPdfWriter rounds page sizes to whole points. Each page's MediaBox, in order, gets the exact
// size back, written in place in the same number of bytes so that the cross-reference offsets
// hold. The file is read a block at a time. The drawing itself is already placed for the exact
// size (see beginPdfPage).
bool restoreExactMediaBoxes(int fd, const std::vector<vlSize>& pages) {
    const std::string key = "/MediaBox [0 0 ";
    std::string window; // the file from windowStart on, as far as read
    off_t windowStart = 0;
    std::size_t from = 0;
    std::size_t page = 0;
    char block[65536];
    while (page < pages.size()) {
        const ssize_t got = ::pread(fd, block, sizeof block, windowStart + off_t(window.size()));
        if (got <= 0)
            return got == 0;
        window.append(block, std::size_t(got));
        std::size_t keep = window.size() > key.size() ? window.size() - key.size() : 0;
        while (page < pages.size()) {
            const std::size_t start = window.find(key, from);
            if (start == std::string::npos)
                break;
            const std::size_t numbers = start + key.size();
            const std::size_t end = window.find(']', numbers);
            if (end == std::string::npos) {
                keep = start; // the box goes on in the next block
                break;
            }
            from = end;
            const vlSize size = pages[page++];
            QByteArray exact =
                pdfNumber(size.cx * kPointsPerUnit) + ' ' + pdfNumber(size.cy * kPointsPerUnit);
            const std::size_t room = end - numbers;
            if (std::size_t(exact.size()) > room)
                continue;
            exact.append(QByteArray(qsizetype(room - exact.size()), ' '));
            if (::pwrite(fd, exact.constData(), room, windowStart + off_t(numbers)) !=
                ssize_t(room))
                return false;
        }
        // Nothing before `keep` can start a box still to find.
        const std::size_t drop = keep;
        window.erase(0, drop);
        windowStart += off_t(drop);
        from = from > drop ? from - drop : 0;
    }
    return true;
}

// The writer dates the document with the clock; the entry is blanked out in place (the date is
// optional) so that the same pages always give the same bytes.
bool removeCreationDate(int fd) {
    char head[4096];
    const ssize_t got = ::pread(fd, head, sizeof head, 0);
    if (got <= 0)
        return got == 0;
    const std::string text(head, std::size_t(got));
    const std::size_t start = text.find("/CreationDate (");
    const std::size_t end = start == std::string::npos ? start : text.find(')', start);
    if (end == std::string::npos)
        return true;
    const std::string blank(end + 1 - start, ' ');
    return ::pwrite(fd, blank.data(), blank.size(), off_t(start)) == ssize_t(blank.size());
}

} // namespace

std::optional<TQtPageWriter::Format> TQtPageWriter::FormatOf(const std::string& path) {
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return Format::Pdf;
    if (suffix == QLatin1String("svg"))
        return Format::Svg;
    if (suffix == QLatin1String("png"))
        return Format::Png;
    return std::nullopt;
}

TQtPageWriter::TQtPageWriter(std::string path, vlSize pageSize, int dotsPerInch,
                             StagedFiles* outputs, QtApplicationGuard* application)
    : ownApplication_(application ? std::nullopt : std::make_optional<QtApplicationGuard>()),
      application_(application ? application : &*ownApplication_), path_(std::move(path)),
      format_(FormatOf(path_)), pageSize_(pageSize), dotsPerInch_(std::max(1, dotsPerInch)),
      ownOutputs_(outputs ? nullptr : std::make_unique<StagedFiles>()),
      outputs_(outputs ? outputs : ownOutputs_.get()) {}

TQtPageWriter::~TQtPageWriter() {
    canvas_.reset();
    if (painter_ && painter_->isActive())
        painter_->end();
}

std::vector<std::string> TQtPageWriter::Files() const {
    std::vector<std::string> files;
    for (const int index : staged_)
        files.push_back(outputs_->Path(index));
    return files;
}

TCanvas& TQtPageWriter::BeginPage() {
    return BeginPage(pageSize_);
}

TCanvas& TQtPageWriter::BeginPage(vlSize pageSize) {
    if (pageOpen_)
        EndPage();
    if (failed_ || !format_ || finished_ || pageSize.cx <= 0 || pageSize.cy <= 0)
        return discardCanvas();
    bool begun = false;
    switch (*format_) {
    case Format::Pdf:
        begun = beginPdfPage(pageSize);
        break;
    case Format::Svg:
        begun = beginSvgPage(pageSize);
        break;
    case Format::Png:
        begun = beginPngPage(pageSize);
        break;
    }
    if (!begun)
        return discardCanvas();
    pageOpen_ = true;
    ++pageCount_;
    return *canvas_;
}

// A canvas whose drawing goes nowhere, for pages that cannot be made. Once a page failed the
// document is not written, so every later page goes here too.
TCanvas& TQtPageWriter::discardCanvas() {
    failed_ = true;
    canvas_.reset();
    painter_.reset();
    image_ = QImage(1, 1, QImage::Format_RGB32);
    painter_ = std::make_unique<QPainter>(&image_);
    newCanvas();
    return *canvas_;
}

void TQtPageWriter::newCanvas(double scale, QPointF origin) {
    canvas_ = std::make_unique<TQtCanvas>(*painter_, scale, origin);
    canvas_->BeforeFirstText([application = application_] { application->Ensure(); });
}

void TQtPageWriter::Open() {
    if (format_ == Format::Pdf && !failed_ && !finished_)
        openPdf();
}

bool TQtPageWriter::openPdf() {
    if (pdf_)
        return true;
    if (!openFile(path_))
        return false;
    pdf_ = std::make_unique<QPdfWriter>(file_.get());
    pdf_->setResolution(kUnitsPerInch);
    pdf_->setTitle(QString::fromLatin1(kMetadataName));
    pdf_->setCreator(QString::fromLatin1(kMetadataName));
    return true;
}

bool TQtPageWriter::beginPdfPage(vlSize pageSize) {
    if (!openPdf())
        return false;
    if (!pdf_->setPageSize(pageSizeOf(pageSize)))
        return false;
    pdf_->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(pdf_.get()))
            return false;
    } else if (!pdf_->newPage()) {
        return false;
    }
    // The writer turns the page upside down about its height rounded to whole points; moving
    // the drawing by the rounding puts it in place on the exact page.
    const double roundedHeight = pdf_->pageLayout().fullRectPoints().height();
    const double shift = (roundedHeight - pageSize.cy * kPointsPerUnit) / kPointsPerUnit;
    newCanvas(1.0, QPointF(0, shift));
    pdfPageSizes_.push_back(pageSize);
    return true;
}

bool TQtPageWriter::beginSvgPage(vlSize pageSize) {
    // SVG and PNG pages start the application at once: the SVG writer records the
    // application's default font on every group, and an image's painter takes its defaults too.
    application_->Ensure();
    if (!openPageFile())
        return false;
    // The page is drawn to memory first so that each picture can be written once (see
    // ShareSvgImages).
    svgBuffer_ = std::make_unique<QBuffer>();
    svgBuffer_->open(QIODevice::WriteOnly);
    svg_ = std::make_unique<QSvgGenerator>();
    svg_->setOutputDevice(svgBuffer_.get());
    svg_->setResolution(kUnitsPerInch);
    svg_->setSize(QSize(pageSize.cx, pageSize.cy));
    svg_->setViewBox(QRect(0, 0, pageSize.cx, pageSize.cy));
    svg_->setTitle(QString::fromLatin1(kMetadataName));
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(svg_.get()))
        return false;
    newCanvas();
    standIns_ = std::make_unique<QtSvgStandIns>();
    canvas_->UseStandIns(standIns_.get());
    return true;
}

bool TQtPageWriter::beginPngPage(vlSize pageSize) {
    application_->Ensure();
    if (!openPageFile())
        return false;
    const double pixelsPerUnit = double(dotsPerInch_) / kUnitsPerInch;
    const int width = std::max(1, int(std::lround(pageSize.cx * pixelsPerUnit)));
    const int height = std::max(1, int(std::lround(pageSize.cy * pixelsPerUnit)));
    if (double(width) * height > kMaxPixels) {
        // The pixels shrink as the square of the resolution.
        const int fits = int(dotsPerInch_ * std::sqrt(kMaxPixels / (double(width) * height)));
        stageError_ =
            "La page de " + std::to_string(pageSize.cx / 10) + " × " +
            std::to_string(pageSize.cy / 10) + " mm est trop grande pour une image à " +
            std::to_string(dotsPerInch_) + " dpi (" + std::to_string(kMaxPixels / 1000000) +
            " millions de pixels au plus)\u00A0: --dpi " + std::to_string(fits) + " au plus";
        return false;
    }
    image_ = QImage(width, height, QImage::Format_RGB32);
    if (image_.isNull())
        return false;
    image_.fill(Qt::white);
    const int dotsPerMetre = int(std::lround(dotsPerInch_ / 0.0254));
    image_.setDotsPerMeterX(dotsPerMetre);
    image_.setDotsPerMeterY(dotsPerMetre);
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&image_))
        return false;
    newCanvas(pixelsPerUnit);
    return true;
}

bool TQtPageWriter::EndPage() {
    if (!pageOpen_)
        return false;
    pageOpen_ = false;
    canvas_.reset();
    bool ended = false;
    switch (*format_) {
    case Format::Pdf:
        ended = endPdfPage();
        break;
    case Format::Svg:
        ended = endSvgPage();
        break;
    case Format::Png:
        ended = endPngPage();
        break;
    }
    failed_ = failed_ || !ended;
    return ended;
}

// PDF pages stay in the one document until Finish.
bool TQtPageWriter::endPdfPage() {
    return painter_ && painter_->isActive();
}

bool TQtPageWriter::endSvgPage() {
    const bool ended = painter_->end();
    painter_.reset();
    svg_.reset();
    const QByteArray& drawn = svgBuffer_->data();
    const std::string shared =
        ShareSvgImages(std::string_view(drawn.constData(), drawn.size()), standIns_->Payloads());
    standIns_.reset();
    svgBuffer_.reset();
    const bool written =
        file_->write(shared.data(), qint64(shared.size())) == qint64(shared.size());
    return closePageFile(ended && written);
}

bool TQtPageWriter::endPngPage() {
    const bool ended = painter_->end();
    painter_.reset();
    const bool saved = image_.save(file_.get(), "PNG");
    image_ = QImage();
    return closePageFile(ended && saved);
}

// Whether every byte of the current file went out; if not, the failure names the file.
bool TQtPageWriter::fileWritten() {
    const bool written = file_->WrittenOut();
    if (!written)
        stageError_ = cannotWrite(outputs_->Path(staged_.back()));
    return written;
}

// A page's file is written out and closed as soon as it is complete, so that a run of many
// pages holds one file open at a time.
bool TQtPageWriter::closePageFile(bool drawn) {
    const bool written = fileWritten() && drawn;
    file_.reset();
    return written && outputs_->Seal(staged_.back(), stageError_);
}

// Stages a file among the outputs and opens it for the page or document to come.
bool TQtPageWriter::openFile(const std::string& path) {
    const int index = outputs_->Stage(path, stageError_);
    if (index < 0)
        return false;
    staged_.push_back(index);
    file_ = std::make_unique<CheckedFile>(outputs_->Descriptor(index));
    return true;
}

// An SVG or PNG page's own file: the first page takes the plain name until a second page comes
// and numbers both.
bool TQtPageWriter::openPageFile() {
    if (staged_.size() == 1 && !outputs_->Retarget(staged_.front(), pagePath(1), stageError_))
        return false;
    return openFile(staged_.empty() ? path_ : pagePath(int(staged_.size()) + 1));
}

bool TQtPageWriter::Finish(std::string& message) {
    if (pageOpen_)
        EndPage();
    if (finished_) {
        message = "Le document «\u00A0" + path_ + "\u00A0» est déjà terminé";
        return false;
    }
    finished_ = true;
    if (!format_) {
        message = "Format de fichier inconnu pour «\u00A0" + path_ +
                  "\u00A0»\u00A0: utilisez .pdf, .svg ou .png";
        return false;
    }
    if (failed_) {
        message = stageError_.empty()
                      ? "Impossible de dessiner les pages de «\u00A0" + path_ + "\u00A0»"
                      : stageError_;
        return false;
    }
    if (pageCount_ == 0) {
        message = "Aucune page à écrire dans «\u00A0" + path_ + "\u00A0»";
        return false;
    }
    if (*format_ == Format::Pdf && !finishPdf(message))
        return false;
    if (*format_ != Format::Pdf)
        removeObsoletePages();
    return !ownOutputs_ || ownOutputs_->Commit(message);
}

bool TQtPageWriter::finishPdf(std::string& message) {
    canvas_.reset();
    const bool ended = painter_->end();
    painter_.reset();
    pdf_.reset();
    if (!ended || !fileWritten() ||
        !restoreExactMediaBoxes(outputs_->Descriptor(staged_.front()), pdfPageSizes_) ||
        !removeCreationDate(outputs_->Descriptor(staged_.front()))) {
        message = cannotWrite(path_);
        return false;
    }
    file_.reset();
    return true;
}

// The pages an earlier run left beyond this run's count (numbered, or the plain name when the
// pages are now numbered) go with the commit, so that one folder never mixes two sheets.
void TQtPageWriter::removeObsoletePages() {
    if (pageCount_ > 1)
        outputs_->RemoveOnCommit(path_);
    std::error_code error;
    for (int page = pageCount_ == 1 ? 1 : pageCount_ + 1;
         std::filesystem::exists(pagePath(page), error); ++page)
        outputs_->RemoveOnCommit(pagePath(page));
}

std::string TQtPageWriter::pagePath(int page) const {
    const std::filesystem::path path(path_);
    std::filesystem::path numbered = path;
    numbered.replace_filename(path.stem().string() + "-" + std::to_string(page) +
                              path.extension().string());
    return numbered.string();
}
