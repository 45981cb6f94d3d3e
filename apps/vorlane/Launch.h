// The editor's command line, run inside the program's QApplication.
#pragma once

#include <QStringList>

class QCoreApplication;

#include <iosfwd>

// Runs the editor with its arguments (without the program name):
//   vorlane [DOCUMENT] [--screenshot FILE.png]        the editor, or a picture of its window
//   vorlane --show-form NAME --screenshot FILE.png    a picture of one registered form
//   vorlane --help | --version
// A picture is taken and the function returns, nothing waiting for a click: messages go to `err`
// and a document that cannot be read whole gives 2. Otherwise the window is shown and the event
// loop runs. Returns the exit code: 0, 1 usage, 2 a document or form that cannot be shown,
// 3 a picture that cannot be written.
int RunEditor(const QStringList& args, std::ostream& out, std::ostream& err);

// Whether the arguments ask for a picture (the program then needs no screen).
bool WantsScreenshot(int argc, char** argv);

// On a French desktop, installs Qt's own French translations (qtbase_fr.qm from Qt's translations
// folder) so that the standard dialogs and buttons speak French like the rest of the editor.
// Returns whether they were installed; elsewhere, or without the file, Qt stays in English.
bool LoadQtTranslations(QCoreApplication& application);
