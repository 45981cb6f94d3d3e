// Writes drawn pages to a document: one PDF with a page each, or one SVG or PNG file a page
// ("name.svg" for a single page, "name-1.svg", "name-2.svg"... for more). The format comes
// from the file extension.
//
// PDF pages are vector, at 254 dots per inch so that a device pixel is a canvas unit, exactly
// the page size given, fonts embedded, undated. SVG files have a view box in canvas units and
// their size in millimetres. The same drawing gives the same bytes. PNG pages are drawn at the
// chosen resolution on white. Pages go to temporary files as they are drawn, so memory holds
// one page at a time; the files are put in place together once every page is written (by
// Finish, or by the owner of the staged files given), and a failure leaves the old files. The
// numbered pages of an earlier, longer run of the same name are removed with the commit.
#pragma once

#include "platform/Canvas.h"
#include "platform/Geometry.h"
#include "platform/StagedFiles.h"
#include "platform/qt/QtApplicationGuard.h"

#include <QByteArray>
#include <QImage>
#include <QPointF>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CheckedFile;
class QBuffer;
class QPainter;
class QPdfWriter;
class QSvgGenerator;
class QtSvgStandIns;
class TQtCanvas;

// The SVG text with each distinct inline picture defined once and every drawing of it a <use>
// of that definition, scaled and moved to its place; the rest is copied as it is. A payload
// found among `replacements` is written as the one it maps to (a picture for its stand-in).
std::string ShareSvgImages(std::string_view svg,
                           const std::unordered_map<std::string, std::string>& replacements = {});

class TQtPageWriter {
public:
    enum class Format { Pdf, Svg, Png };

    // The format a path's extension names (case does not matter), if any.
    static std::optional<Format> FormatOf(const std::string& path);

    // pageSize in canvas units (A4 is 2100 x 2970); dotsPerInch only matters for PNG. With
    // `outputs`, the pages join those staged files and their owner commits them all at once;
    // without, Finish puts the pages in place. With `application`, the Qt application is
    // started through it when a PDF page first has text (lines and fills need none) or an SVG or
    // PNG page begins; without, the writer has one started at once, for its own life.
    TQtPageWriter(std::string path, vlSize pageSize, int dotsPerInch = 150,
                  StagedFiles* outputs = nullptr, QtApplicationGuard* application = nullptr);
    ~TQtPageWriter();
    TQtPageWriter(const TQtPageWriter&) = delete;
    TQtPageWriter& operator=(const TQtPageWriter&) = delete;

    // Opens a PDF's file and sets its writer up ahead of the first page, as neither depends on
    // a page's size: a caller waiting for its pages' contents can have it done meanwhile. The
    // first page does it otherwise, and says whether it failed.
    void Open();
    // Starts a page (ending the current one) and gives the canvas to draw it on, valid until
    // EndPage. The second form gives this page its own size.
    TCanvas& BeginPage();
    TCanvas& BeginPage(vlSize pageSize);
    // Ends the current page; false when no page was begun or it could not be drawn.
    bool EndPage();
    // Ends the current page and completes the file(s); false with a French message on failure
    // (a target refused, a page not drawn, a write error), leaving every old file as it was.
    bool Finish(std::string& message);

    std::optional<Format> format() const { return format_; }
    int PageCount() const { return pageCount_; }
    // The files the pages go to.
    std::vector<std::string> Files() const;

private:
    bool openPdf();
    bool beginPdfPage(vlSize pageSize);
    bool beginSvgPage(vlSize pageSize);
    bool beginPngPage(vlSize pageSize);
    bool endPdfPage();
    bool endSvgPage();
    bool endPngPage();
    TCanvas& discardCanvas();
    // Makes the page's canvas; its first text starts the Qt application first.
    void newCanvas(double scale = 1.0, QPointF origin = {});
    bool finishPdf(std::string& message);
    bool fileWritten();
    bool closePageFile(bool drawn);
    void removeObsoletePages();
    bool openFile(const std::string& path);
    bool openPageFile();
    std::string pagePath(int page) const;

    // Declared first: the application outlives everything the writer drew with.
    std::optional<QtApplicationGuard> ownApplication_;
    QtApplicationGuard* application_;
    std::string path_;
    std::optional<Format> format_;
    vlSize pageSize_;
    int dotsPerInch_;
    int pageCount_ = 0;
    bool pageOpen_ = false;
    bool finished_ = false;
    bool failed_ = false;

    std::unique_ptr<StagedFiles> ownOutputs_;
    StagedFiles* outputs_;
    std::vector<int> staged_; // our files among the outputs, page by page (one for a PDF)
    std::string stageError_;
    std::unique_ptr<CheckedFile> file_; // the staged file being written

    // The current page: its device, painter and canvas (the canvas goes first, the file last).
    std::unique_ptr<QPdfWriter> pdf_;
    std::unique_ptr<QBuffer> svgBuffer_;
    std::unique_ptr<QSvgGenerator> svg_;
    std::unique_ptr<QtSvgStandIns> standIns_;
    QImage image_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<TQtCanvas> canvas_;

    std::vector<vlSize> pdfPageSizes_;
};
