// Writes the bundled demo's document. One function per scene, so scenes can be added
// and grown independently.
#include "demo/demoWalkingCamera.h"
#include "document/CMemoryWriteFile.h"
#include "document/CVeskSerializer.h"
#include "document/veskVersion.h"

#include <ECullingTypes.h>

#include <cstdio>

using namespace irr;

namespace
{

enum E_DEMO_CHUNK
{
	EDC_DOCUMENT = 1,
	EDC_SCENE = 2,
	EDC_NODE_TREE = 8,
	EDC_NODE_RECORD = 9,
	EDC_NODE_PAYLOAD = 10,
	EDC_EMBEDDED_FILES = 12,
	EDC_PUBLISHING_SETTINGS = 20,
	EDC_SCENE_NAME = 26,
	EDC_LOADING_SCREEN = 37,
	EDC_START_SCENE = 1004
};

const s32 SCENE_TYPE_3D = 0;
const s32 PUBLISH_KIND = 3;
const s32 LOADING_SHOWS_FRAME_RATE = 1;
const s32 LOADING_HAS_BACKGROUND_AND_TEXT = 2;

void writePublishingSettings(CVeskSerializer* writer)
{
	writer->beginChunk(EDC_PUBLISHING_SETTINGS);
	writer->writeInt(PUBLISH_KIND);
	writer->writeString("Helixpane Demo");
	writer->beginChunk(EDC_LOADING_SCREEN);
	writer->writeInt(LOADING_HAS_BACKGROUND_AND_TEXT | LOADING_SHOWS_FRAME_RATE);
	writer->writeInt(0);
	writer->writeColor(video::SColor(0xFF000000));
	writer->writeString("Loading $PROGRESS$...");
	writer->endChunk();
	writer->endChunk();
}

//! The record of the scene's root node; its payload is the scene's ambient light.
void writeRootNodeRecord(CVeskSerializer* writer, const video::SColorf& ambientLight,
	void (*writeChildren)(CVeskSerializer*) = 0)
{
	writer->beginChunk(EDC_NODE_RECORD);
	writer->writeBytes("unkn", 4);
	writer->writeInt(-1);
	writer->writeString("root");
	writer->writeVector(core::vector3df(0.f, 0.f, 0.f));
	writer->writeVector(core::vector3df(0.f, 0.f, 0.f));
	writer->writeVector(core::vector3df(1.f, 1.f, 1.f));
	writer->writeBool(true);
	writer->writeUInt(scene::EAC_OFF);
	writer->beginChunk(EDC_NODE_PAYLOAD);
	writer->writeColorf(ambientLight);
	writer->endChunk();
	if (writeChildren)
		writeChildren(writer);
	writer->endChunk();
}

void writeCourtyardScene(CVeskSerializer* writer)
{
	writer->beginChunk(EDC_SCENE);
	writer->writeInt(SCENE_TYPE_3D);
	writer->beginChunk(EDC_SCENE_NAME);
	writer->writeString("Courtyard");
	writer->writeColor(video::SColor(0xFF1A2A3A));
	writer->endChunk();
	writer->beginChunk(EDC_NODE_TREE);
	writeRootNodeRecord(writer, video::SColorf(0.1f, 0.1f, 0.1f, 1.f), writeCourtyardWalkingCamera);
	writer->endChunk();
	writer->endChunk();
}

void writeGalleryScene(CVeskSerializer* writer)
{
	writer->beginChunk(EDC_SCENE);
	writer->writeInt(SCENE_TYPE_3D);
	writer->beginChunk(EDC_SCENE_NAME);
	writer->writeString("Gallery");
	writer->writeColor(video::SColor(0xFF2A1A3A));
	writer->endChunk();
	writer->beginChunk(EDC_NODE_TREE);
	writeRootNodeRecord(writer, video::SColorf(0.1f, 0.1f, 0.1f, 1.f), writeGalleryOrbitingCamera);
	writer->endChunk();
	writer->endChunk();
}

void writeDocument(CVeskSerializer* writer)
{
	writer->writeHeader(VESK_CURRENT_VERSION);
	writer->beginChunk(EDC_DOCUMENT);
	writePublishingSettings(writer);
	writer->beginChunk(EDC_START_SCENE);
	writer->writeInt(0);
	writer->endChunk();
	writeCourtyardScene(writer);
	writeGalleryScene(writer);
	writer->endChunk();
	// The demo embeds no files yet; the reader still expects the chunk after the document.
	writer->beginChunk(EDC_EMBEDDED_FILES);
	writer->endChunk();
}

bool saveBytes(const char* path, const std::vector<u8>& bytes)
{
	FILE* out = fopen(path, "wb");
	if (!out)
		return false;
	const bool written = fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
	return fclose(out) == 0 && written;
}

} // end anonymous namespace

int main(int argc, char** argv)
{
	if (argc != 2)
	{
		fprintf(stderr, "usage: %s DOCUMENT-PATH\n", argv[0]);
		return 2;
	}
	CMemoryWriteFile* file = new CMemoryWriteFile(argv[1]);
	CVeskSerializer* writer = new CVeskSerializer(file);
	writeDocument(writer);
	const bool complete = writer->isGood() && writer->getOpenChunkCount() == 0;
	writer->drop();
	const bool saved = complete && saveBytes(argv[1], file->getData());
	file->drop();
	if (!saved)
	{
		fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
		return 1;
	}
	return 0;
}
