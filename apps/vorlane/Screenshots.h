// Pictures of the editor for people who check it without a screen.
#pragma once

#include <string>

class MainWindow;
class TQtUserInterface;

// Draws the main window into a PNG file, which never replaces `input` (the document shown);
// false with a message on failure.
bool ScreenshotWindow(MainWindow& window, const std::string& file, const std::string& input,
                      std::string& message);
// Draws one registered form (a modal dialog on a sample model, or a property window on a
// fresh component of its kind) into a PNG file.
bool ScreenshotForm(MainWindow& window, TQtUserInterface& ui, const std::string& name,
                    const std::string& file, const std::string& input, std::string& message);
