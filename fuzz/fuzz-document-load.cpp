// Feeds arbitrary bytes to the document loader, as the player reads its document, and writes
// back whatever was read.
#include "document/CMemoryWriteFile.h"
#include "document/CVeskDocument.h"
#include "document/CVeskSerializer.h"
#include "scene/CVeskSkinnedMeshData.h"

#include <irrlicht.h>

#include <cstddef>
#include <cstdint>

using namespace irr;

namespace
{

IrrlichtDevice* nullDevice()
{
	static IrrlichtDevice* device = 0;
	if (!device)
	{
		SIrrlichtCreationParameters parameters;
		parameters.DriverType = video::EDT_NULL;
		parameters.LoggingLevel = ELL_NONE;
		device = createDeviceEx(parameters);
	}
	return device;
}

} // end anonymous namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
	IrrlichtDevice* device = nullDevice();
	io::IReadFile* file = io::createMemoryReadFile(const_cast<uint8_t*>(data), long(size), "archive", false);
	CVeskDocument* document = new CVeskDocument(device);
	if (document->load(file, 0) == CVeskDocument::LOAD_OK)
	{
		CMemoryWriteFile* out = new CMemoryWriteFile("written");
		CVeskSerializer* writer = new CVeskSerializer(out, device);
		document->writeDocument(writer);
		writer->drop();
		out->drop();
	}
	document->drop();
	file->drop();
	// What one input installed must not be found by the next one.
	CVeskSkinnedMeshData::detachAll();
	device->getSceneManager()->getMeshCache()->clear();
	device->getVideoDriver()->removeAllTextures();
	return 0;
}
