// Writes a document as a sheet text that BuildDocument reads back into the same document, so
// that a teacher can keep, share and compare a sheet as a short text.
#pragma once

#include <string>

class TDocument;

// Every page in order, each a [Page] section with its setup followed by one section per
// component of the page: its name, the settings that differ from a new component of its kind
// (its geometry always), then the keys that give back its exercise. The generator's state is
// left as it was.
std::string ExportSheet(TDocument& document);

// Writes `text` to `path`, put in place only once whole and never over `input` (the file the
// text was made from; empty for none), a folder or a device. False with a French message.
bool WriteSheetFile(const std::string& text, const std::string& path, const std::string& input,
                    std::string& message);
