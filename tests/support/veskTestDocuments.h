#ifndef HX_VESK_TEST_DOCUMENTS_H
#define HX_VESK_TEST_DOCUMENTS_H

#include <irrlicht.h>

#include <functional>
#include <string>
#include <vector>

class CVeskDocument;
class CVeskSerializer;

namespace hxtest
{

//! The bytes that fill writes through a document writer.
std::vector<irr::u8> writtenBytes(const std::function<void(CVeskSerializer*)>& fill);

//! A document: header with version, then whatever fill writes.
std::vector<irr::u8> documentBytes(const char* version, const std::function<void(CVeskSerializer*)>& fill);

//! A PNG file of a single colour.
std::vector<irr::u8> pngBytes(irr::video::IVideoDriver* driver, irr::u32 width, irr::u32 height);

//! A skinned mesh record with two buffers, three joints with keys and weights, and two ranges.
std::vector<irr::u8> sampleSkinnedMeshBytes();

//! A document with every record kind this player reads: publishing settings with every
//! sub-record, a 3D scene with every setting and a nested tree of every node class the
//! factory makes, a panorama scene, a global script, a start scene, and embedded files of
//! every kind. One reference for the caller.
CVeskDocument* createSampleDocument(irr::IrrlichtDevice* device);

//! The document as written.
std::vector<irr::u8> documentFileBytes(const CVeskDocument* document);

//! Loads bytes (as the read file "archive") into a new document; answers the load code.
//! A document that is to be written back must keep its embedded files.
irr::s32 loadDocument(irr::IrrlichtDevice* device, const std::vector<irr::u8>& bytes, CVeskDocument*& document,
	const char* scriptOutputFolder = 0, bool keepEmbeddedFiles = false);

} // end namespace hxtest

#endif
