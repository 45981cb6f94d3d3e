// The built-in demonstration sheet: one example of every kind available.
#pragma once

#include <string>

// The demo sheet's text, in the sheet format.
std::string DemoSheet();
