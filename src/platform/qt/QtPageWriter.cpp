#include "platform/qt/QtPageWriter.h"

#include "platform/qt/QtCanvas.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace {

// Canvas units per inch: a PDF device pixel is one canvas unit.
constexpr int kUnitsPerInch = 254;
constexpr double kPointsPerUnit = 72.0 / kUnitsPerInch;
constexpr const char* kMetadataName = "mathsheet";

QPageSize pageSizeOf(vlSize size) {
    return QPageSize(QSizeF(size.cx / 10.0, size.cy / 10.0), QPageSize::Millimeter, QString(),
                     QPageSize::ExactMatch);
}

std::string cannotWrite(const std::string& path) {
    return "Impossible d'écrire le fichier « " + path + " »";
}

// A point size as the PDF writer prints it.
QByteArray pdfNumber(double value) {
    return QByteArray::number(value, 'f');
}

// QPdfWriter rounds page sizes to whole points. Each page's MediaBox, in order, gets the exact
// size back, written in the same number of bytes so that the cross-reference offsets hold.
// The drawing itself is already placed for the exact size (see beginPdfPage).
void restoreExactMediaBoxes(QByteArray& pdf, const std::vector<vlSize>& pages) {
    const QByteArray key = "/MediaBox [0 0 ";
    qsizetype from = 0;
    for (const vlSize& page : pages) {
        const qsizetype start = pdf.indexOf(key, from);
        if (start < 0)
            return;
        const qsizetype numbers = start + key.size();
        const qsizetype end = pdf.indexOf(']', numbers);
        if (end < 0)
            return;
        from = end;
        QByteArray exact =
            pdfNumber(page.cx * kPointsPerUnit) + ' ' + pdfNumber(page.cy * kPointsPerUnit);
        const qsizetype room = end - numbers;
        if (exact.size() > room)
            continue;
        exact.append(QByteArray(room - exact.size(), ' '));
        pdf.replace(numbers, room, exact);
    }
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

TQtPageWriter::TQtPageWriter(std::string path, vlSize pageSize, int dotsPerInch)
    : path_(std::move(path)), format_(FormatOf(path_)), pageSize_(pageSize),
      dotsPerInch_(std::max(1, dotsPerInch)) {}

TQtPageWriter::~TQtPageWriter() {
    canvas_.reset();
    if (painter_ && painter_->isActive())
        painter_->end();
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
    canvas_ = std::make_unique<TQtCanvas>(*painter_);
    return *canvas_;
}

bool TQtPageWriter::beginPdfPage(vlSize pageSize) {
    if (!pdf_) {
        buffer_ = std::make_unique<QBuffer>();
        buffer_->open(QIODevice::WriteOnly);
        pdf_ = std::make_unique<QPdfWriter>(buffer_.get());
        pdf_->setResolution(kUnitsPerInch);
        pdf_->setTitle(QString::fromLatin1(kMetadataName));
        pdf_->setCreator(QString::fromLatin1(kMetadataName));
    }
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
    canvas_ = std::make_unique<TQtCanvas>(*painter_, 1.0, QPointF(0, shift));
    pdfPageSizes_.push_back(pageSize);
    return true;
}

bool TQtPageWriter::beginSvgPage(vlSize pageSize) {
    buffer_ = std::make_unique<QBuffer>();
    buffer_->open(QIODevice::WriteOnly);
    svg_ = std::make_unique<QSvgGenerator>();
    svg_->setOutputDevice(buffer_.get());
    svg_->setResolution(kUnitsPerInch);
    svg_->setSize(QSize(pageSize.cx, pageSize.cy));
    svg_->setViewBox(QRect(0, 0, pageSize.cx, pageSize.cy));
    svg_->setTitle(QString::fromLatin1(kMetadataName));
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(svg_.get()))
        return false;
    canvas_ = std::make_unique<TQtCanvas>(*painter_);
    return true;
}

bool TQtPageWriter::beginPngPage(vlSize pageSize) {
    const double pixelsPerUnit = double(dotsPerInch_) / kUnitsPerInch;
    const int width = std::max(1, int(std::lround(pageSize.cx * pixelsPerUnit)));
    const int height = std::max(1, int(std::lround(pageSize.cy * pixelsPerUnit)));
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
    canvas_ = std::make_unique<TQtCanvas>(*painter_, pixelsPerUnit);
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
    pages_.push_back(buffer_->data());
    buffer_.reset();
    return ended;
}

bool TQtPageWriter::endPngPage() {
    const bool ended = painter_->end();
    painter_.reset();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool saved = image_.save(&buffer, "PNG");
    image_ = QImage();
    pages_.push_back(bytes);
    return ended && saved;
}

bool TQtPageWriter::Finish(std::string& message) {
    if (pageOpen_)
        EndPage();
    if (finished_) {
        message = "Le document « " + path_ + " » est déjà terminé";
        return false;
    }
    finished_ = true;
    if (!format_) {
        message = "Format de fichier inconnu pour « " + path_ + " » : utilisez .pdf, .svg ou .png";
        return false;
    }
    if (failed_) {
        message = "Impossible de dessiner les pages de « " + path_ + " »";
        return false;
    }
    if (pageCount_ == 0) {
        message = "Aucune page à écrire dans « " + path_ + " »";
        return false;
    }
    return *format_ == Format::Pdf ? writePdf(message) : writePages(message);
}

bool TQtPageWriter::writePdf(std::string& message) {
    canvas_.reset();
    const bool ended = painter_->end();
    painter_.reset();
    if (!ended) {
        message = cannotWrite(path_);
        return false;
    }
    QByteArray bytes = buffer_->data();
    restoreExactMediaBoxes(bytes, pdfPageSizes_);
    return writeFile(path_, bytes, message);
}

bool TQtPageWriter::writePages(std::string& message) {
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        if (!writeFile(pagePath(int(i) + 1), pages_[i], message))
            return false;
    }
    return true;
}

std::string TQtPageWriter::pagePath(int page) const {
    if (pageCount_ == 1)
        return path_;
    const std::filesystem::path path(path_);
    std::filesystem::path numbered = path;
    numbered.replace_filename(path.stem().string() + "-" + std::to_string(page) +
                              path.extension().string());
    return numbered.string();
}

bool TQtPageWriter::writeFile(const std::string& path, const QByteArray& bytes,
                              std::string& message) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        message = cannotWrite(path);
        return false;
    }
    files_.push_back(path);
    return true;
}
