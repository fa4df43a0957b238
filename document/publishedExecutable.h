#ifndef HX_PUBLISHED_EXECUTABLE_H
#define HX_PUBLISHED_EXECUTABLE_H

#include "document/SPublishedTrailer.h"

#include <IReadFile.h>

//! Opens the executable at path and reads its last 311 bytes into trailer. Without a file,
//! or with a wrong magic, the trailer holds the defaults. Answers the open file (one
//! reference for the caller) or null when it cannot be opened.
irr::io::IReadFile* readPublishedTrailer(const irr::io::path& executablePath, SPublishedTrailer& trailer);

//! Reads the trailer from the end of an already open file.
void readPublishedTrailer(irr::io::IReadFile* executable, SPublishedTrailer& trailer);

//! The document inside the executable as a read file named "archive" (one reference for the
//! caller). Null without a valid trailer or when the trailer's range lies outside the file.
irr::io::IReadFile* openDocumentFile(irr::io::IReadFile* executable, const SPublishedTrailer& trailer);

//! The loading image that follows the document, as a read file named "logo", or null.
irr::io::IReadFile* openLoadingImageFile(irr::io::IReadFile* executable, const SPublishedTrailer& trailer);

#endif
