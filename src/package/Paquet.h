// The package's kinds as the host's catalogue sees them.
#pragma once

#include "host/Catalogue.h"

// The host's kinds followed by the sixteen kinds of the palette, in palette order. A kind whose
// component is not built yet is listed without a factory.
TCatalogue CataloguePaquet();
