#ifndef HX_VESK_UTF8_H
#define HX_VESK_UTF8_H

#include <irrString.h>

//! Decodes the UTF-8 text that documents store into a wide string. A byte that starts no
//! valid sequence, an overlong form, a surrogate or a truncated sequence becomes U+FFFD, so
//! any byte string decodes to at most as many characters as it has bytes.
void decodeVeskUtf8(const irr::core::stringc& text, irr::core::stringw& out);

#endif
