#ifndef HX_S_PUBLISH_REQUEST_H
#define HX_S_PUBLISH_REQUEST_H

#include "document/SPublishedTrailer.h"

#include <string>

//! What goes into one published executable.
struct SPublishRequest
{
	std::string playerPath;
	std::string documentPath;
	//! Empty when the executable carries no loading image.
	std::string loadingImagePath;
	std::string outputPath;
	//! Up to 254 characters; the trailer has no room for more.
	std::string loadingText;
	//! Window, device and loading-screen fields of the trailer. The publisher fills in the
	//! magic, the document and image ranges and the loading text.
	SPublishedTrailer settings;
};

#endif
