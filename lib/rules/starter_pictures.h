// The placeholder pictures of a starter setup data folder: a title picture and an icon that
// the programs load, made from bytes alone.
#ifndef ZOR_RULES_STARTER_PICTURES_H
#define ZOR_RULES_STARTER_PICTURES_H

#include <string>

namespace ZOR {

// Setup.bmp: an uncompressed 24-bit Windows bitmap of title_picture_side squared pixels,
// rows stored bottom-up: a plain field inside a frame.
std::string placeholder_title_bitmap();

// Setup.ico: an icon file with 16, 32 and 48 pixel images (32 bits with an opaque mask),
// the same field and frame.
std::string placeholder_icon();

}  // namespace ZOR

#endif
