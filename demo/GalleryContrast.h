// The gallery's contrast run: every text drawn on every page, in the built-in
// skin, in Dark and without a skin, read as it is drawn (TextReads.h) and
// held to 4.5 to 1 against the face under it.
#pragma once

#include <vector>

#include "demo/GalleryForm.h"

struct TContrastSettings {
  std::vector<int> Pages;  // 1-based; empty: every page
};

// Runs on a shown gallery form whose reader was made before the form (so
// that its first paint is read too), prints every text below the line and
// the figures of each skin to standard output, and returns the program's
// exit code: 0 when every text reads or is a listed demonstration.
class TTextReader;
int RunGalleryContrast(TGalleryForm* Form, TTextReader& Reader, const TContrastSettings& Settings);
