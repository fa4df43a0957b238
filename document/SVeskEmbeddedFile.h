#ifndef HX_S_VESK_EMBEDDED_FILE_H
#define HX_S_VESK_EMBEDDED_FILE_H

#include <irrString.h>

#include <vector>

//! One embedded file of a document as stored: kept so that the document can be written
//! back and inspected.
struct SVeskEmbeddedFile
{
	//! Bit values of KindFlags.
	enum
	{
		KIND_TEXTURE = 1,
		KIND_SOUND = 2,
		KIND_SKINNED_MESH = 4,
		KIND_SCRIPT = 8
	};

	irr::u32 KindFlags;
	irr::core::stringc Name;
	std::vector<irr::u8> Data;
};

#endif
