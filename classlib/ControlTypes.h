// Value types of controls that data code (skin records) shares with the
// windowed controls, kept free of the platform headers.
#pragma once

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
// Reading order and alignment of a control's content.
enum TBiDiMode { bdLeftToRight, bdRightToLeft };
