// Feeds arbitrary bytes to the trailer reader and then walks whatever document range it
// names with every primitive of the document reader.
#include "document/CVeskDeserializer.h"
#include "document/publishedExecutable.h"

#include <irrlicht.h>

#include <cstring>

using namespace irr;

extern "C" int LLVMFuzzerTestOneInput(const u8* data, size_t size)
{
	u8* copy = new u8[size ? size : 1];
	if (size)
		memcpy(copy, data, size);
	io::IReadFile* executable = io::createMemoryReadFile(copy, long(size), "exe", true);
	SPublishedTrailer trailer;
	readPublishedTrailer(executable, trailer);
	io::IReadFile* document = openDocumentFile(executable, trailer);
	// Without a valid trailer, read the bytes themselves as a document.
	CVeskDeserializer* reader = new CVeskDeserializer(document ? document : executable, 0);
	u32 version = 0;
	reader->readHeader(version);
	int steps = 0;
	while (!reader->isAtEnd() && steps++ < 4096)
	{
		const u16 tag = reader->readChunkHeader();
		core::stringc text;
		switch (tag % 8)
		{
		case 0: reader->skipChunk(); break;
		case 1: reader->readString(text); break;
		case 2: reader->readFileName(); break;
		case 3: reader->readBox(); reader->readQuaternion(); break;
		case 4: reader->stepBack(); reader->readInt(); break;
		case 5: reader->readColorf(); reader->readDimension(); break;
		case 6: reader->readBool(); reader->readChar(); reader->readFloat(); break;
		default: reader->rewind(); steps += 512; break;
		}
	}
	reader->drop();
	if (document)
		document->drop();
	executable->drop();
	return 0;
}
