// Builds a document from a sheet: pages from [Page] sections, one component per other section,
// its keys applied in order through ChangeOption exactly as a property window sends them.
#pragma once

#include "sheet/Sheet.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

class TCanvas;
class TDocument;

// Told, on the calling thread, how many exercises of a long generation are done out of how
// many (operations whose holes are checked one by one).
using BuildProgress = std::function<void(int done, int total)>;

// Fills `document` (which should be empty). A kind or key the catalogue does not know, or a
// value a component refuses with a message, stops the build: false with "FILE:LINE: message".
// A key answered false without a message is a command (it has run) and the build goes on.
// Page titles are measured with `mesure` (fixed test metrics without it), so that a title on
// two lines makes its header taller before anything is placed under it.
bool BuildDocument(const Sheet& sheet, TDocument& document, std::string& error,
                   const BuildProgress& progress = {}, TCanvas* mesure = nullptr);

// Gives the canvas page titles are measured with, asked for once, at a sheet's first title (a
// sheet without titles never asks): a canvas that takes time to make is made only when needed,
// and may be waited for. No canvas (null) stops the build: it cannot be laid out.
using TitleCanvas = std::function<TCanvas*()>;
bool BuildDocument(const Sheet& sheet, TDocument& document, std::string& error,
                   const BuildProgress& progress, const TitleCanvas& mesure);

// The first component of a document built from `sheet` whose last drawing stopped short, as
// "FILE:LINE: « Nom » : reason" with the line of the section that made it; empty when every
// drawing was whole. Components are made one per section, in the order of the sections.
std::string DrawingError(const Sheet& sheet, const TDocument& document);

// The keys of a [Page] section, each with what it takes, for « mathsheet keys Page ».
const std::vector<std::pair<std::string, std::string>>& ClesPage();

// A time of day in seconds since midnight, drawn from the seeded generator as a clock of a sheet
// gets it while the sheet is built.
int DrawnTimeOfDay();
