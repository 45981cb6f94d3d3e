// The sudoku tools of mathsheet: generating puzzles, rating puzzle files, and building puzzle
// databases (create, add, list, and the search for puzzles by the techniques they need).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Runs "mathsheet sudoku ..." with the arguments after "sudoku"; returns an exit code.
int RunSudokuCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The command lines of the help text, and the explanations of these commands.
std::string SudokuUsageText();
std::string SudokuHelpText();
