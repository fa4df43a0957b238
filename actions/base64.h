#ifndef HX_BASE64_H
#define HX_BASE64_H

#include <string>

//! Base64 with the standard alphabet, padded with "=" to a multiple of four, no line breaks.
std::string encodeBase64(const std::string& bytes);

//! Decodes up to the first "=" or the first character outside the alphabet; a final group of
//! two or three characters yields one or two bytes. consumed (may be null) tells how many
//! characters were taken, so a caller can tell a damaged text from a complete one.
std::string decodeBase64(const std::string& text, size_t* consumed = 0);

#endif
