#ifndef HX_VESK_IMAGE_CHECK_H
#define HX_VESK_IMAGE_CHECK_H

#include <IReadFile.h>

//! Largest width or height an embedded image may declare.
const irr::u32 VESK_MAX_IMAGE_SIDE = 8192;

//! Whether the bytes of file (read from its start, position restored) are a PNG, JPEG, BMP or
//! TGA image whose declared size is at most VESK_MAX_IMAGE_SIDE on each side. The engine's image
//! loaders trust the sizes in a file's header, and some of them take any bytes as their format,
//! so images from documents are looked at before they are decoded.
bool isAcceptableEmbeddedImage(irr::io::IReadFile* file);

#endif
