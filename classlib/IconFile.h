// The .ico file layout without the platform: which image of a file a program
// shows, checked to lie whole inside the file before the system parses it.
#pragma once

#include <cstddef>
#include <cstdint>

// One image of an .ico file: where its bytes stand and the size the
// directory gives it.
struct TIconImageRef {
  uint32_t Offset = 0;
  uint32_t Bytes = 0;
  int Width = 0;
  int Height = 0;
};

// Checks the .ico file that fills Data and picks the image whose width is
// nearest WantWidth, the deepest colour among equals. A DIB image must fit
// its bytes (header, colour table, colour and mask rows); a PNG image is left
// to the system. Bad data raises EInvalidGraphic.
TIconImageRef PickIconImage(const uint8_t* Data, size_t Size, int WantWidth);
