// Writes the bundled demo's document: the scenes are built from the program's own scene and
// node classes on a null device, and the document writer stores them with their textures.
#include "demoScenes.h"
#include "demoTextures.h"

#include "document/CMemoryWriteFile.h"
#include "document/CVeskDocument.h"
#include "document/CVeskSerializer.h"

#include <cstdio>

using namespace irr;

namespace
{

void setPublishingSettings(SPublishingSettings& settings)
{
	settings.applicationTitle = "Helixpane Demo";
	// A fixed id keeps the document the same in every build.
	settings.applicationId = "com.helixpane.demo";
	settings.loadingFlags = SPublishingSettings::LOADING_HAS_TEXT | SPublishingSettings::LOADING_SHOW_FRAME_RATE;
	settings.loadingBackground = video::SColor(0xFF000000);
	settings.loadingText = "Loading $PROGRESS$...";
}

SDemoSharedTextures embedSharedTextures(CVeskDocument* document)
{
	video::IVideoDriver* driver = document->getDevice()->getVideoDriver();
	SDemoSharedTextures shared;
	for (u32 face = 0; face < 6; ++face)
	{
		const core::stringc name = core::stringc("#sky-") + core::stringc(face) + ".png";
		shared.Sky[face] = embedTexture(document, name.c_str(), createSkyFaceImage(driver, face));
	}
	shared.Glow = embedTexture(document, "#lamp-glow.png", createGlowImage(driver, video::SColor(255, 255, 220, 160)));
	return shared;
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
	SIrrlichtCreationParameters parameters;
	parameters.DriverType = video::EDT_NULL;
	parameters.LoggingLevel = ELL_WARNING;
	IrrlichtDevice* device = createDeviceEx(parameters);
	if (!device)
		return 1;
	CVeskDocument* document = new CVeskDocument(device);
	document->setKeepEmbeddedFiles(true);
	setPublishingSettings(document->getSettings());
	const SDemoSharedTextures shared = embedSharedTextures(document);
	addCourtyardScene(document, shared);
	addGalleryScene(document, shared);
	document->setStartSceneIndex(0);

	CMemoryWriteFile* file = new CMemoryWriteFile(argv[1]);
	CVeskSerializer* writer = new CVeskSerializer(file, device);
	document->writeDocument(writer);
	const bool complete = writer->isGood() && writer->getOpenChunkCount() == 0;
	writer->drop();
	document->drop();
	const bool saved = complete && saveBytes(argv[1], file->getData());
	file->drop();
	device->drop();
	if (!saved)
	{
		fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
		return 1;
	}
	return 0;
}
