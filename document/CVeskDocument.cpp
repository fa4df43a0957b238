#include "document/CVeskDocument.h"

#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskEmbeddedFiles.h"
#include "document/veskVersion.h"
#include "player/CVeskWarningAndErrorReceiver.h"
#include "render/veskSceneManager.h"
#include "scene/CVesk3DScene.h"
#include "scene/CVeskPanoramaScene.h"

#include <ISceneManager.h>

using namespace irr;

namespace
{

enum
{
	TAG_DOCUMENT = 1,
	TAG_SCENE = 2,
	TAG_EMBEDDED_FILES = 12,
	TAG_SETTINGS = 20,
	TAG_END_MARK = 23,
	TAG_SCRIPT = 28,
	TAG_START_SCENE = 1004
};

enum
{
	SCENE_TYPE_3D = 0,
	SCENE_TYPE_PANORAMA = 1
};

} // end anonymous namespace

CVeskDocument::CVeskDocument(IrrlichtDevice* device)
	: Device(device), Receiver(0), StartSceneIndex(-1), KeepEmbeddedFiles(false)
{
	if (Device)
		Device->grab();
}

CVeskDocument::~CVeskDocument()
{
	for (u32 i = 0; i < Scenes.size(); ++i)
		Scenes[i]->drop();
	if (Receiver)
		Receiver->drop();
	if (Device)
		Device->drop();
}

CVeskScene* CVeskDocument::getScene(s32 index) const
{
	if (index < 0 || u32(index) >= Scenes.size())
		return 0;
	return Scenes[index];
}

void CVeskDocument::addScene(CVeskScene* scene)
{
	if (!scene)
		return;
	scene->grab();
	Scenes.push_back(scene);
}

void CVeskDocument::setWarningReceiver(CVeskWarningAndErrorReceiver* receiver)
{
	if (receiver)
		receiver->grab();
	if (Receiver)
		Receiver->drop();
	Receiver = receiver;
}

scene::ISceneManager* CVeskDocument::createSceneManager() const
{
	if (!Device || !Device->getSceneManager())
		return 0;
	return createVeskSceneManager(Device->getSceneManager());
}

s32 CVeskDocument::readDocumentStart(CVeskDeserializer* reader) const
{
	u32 version = 0;
	reader->rewind();
	if (!reader->readHeader(version))
		return LOAD_BAD_HEADER;
	if (isVeskVersionTooNew(version))
		return LOAD_VERSION_TOO_NEW;
	if (reader->isAtEnd() || reader->readChunkHeader() != TAG_DOCUMENT)
		return LOAD_BAD_HEADER;
	return LOAD_OK;
}

void CVeskDocument::readEmbeddedFilesAfterDocumentChunk(CVeskDeserializer* reader, const char* scriptOutputFolder)
{
	reader->skipChunk();
	if (reader->isAtEnd())
		return;
	if (reader->readChunkHeader() == TAG_EMBEDDED_FILES)
		readEmbeddedFiles(reader, this, scriptOutputFolder);
}

void CVeskDocument::readScene(CVeskDeserializer* reader)
{
	const s32 type = reader->readInt();
	CVeskScene* scene = 0;
	if (type == SCENE_TYPE_3D)
		scene = new CVesk3DScene();
	else if (type == SCENE_TYPE_PANORAMA)
		scene = new CVeskPanoramaScene();
	else
		return;
	scene::ISceneManager* sceneManager = createSceneManager();
	scene->setSceneManager(sceneManager);
	if (sceneManager)
		sceneManager->drop();
	scene->readBinary(reader, false);
	addScene(scene);
	scene->drop();
}

s32 CVeskDocument::load(io::IReadFile* file, const char* scriptOutputFolder)
{
	if (!file)
		return LOAD_NO_FILE;
	CVeskDeserializer* reader = new CVeskDeserializer(file, Device);
	s32 result = readDocumentStart(reader);
	if (result != LOAD_OK)
	{
		reader->drop();
		return result;
	}

	readEmbeddedFilesAfterDocumentChunk(reader, scriptOutputFolder);
	readDocumentStart(reader);

	const long end = reader->getChunkEnd();
	while (!reader->isAtEnd() && reader->getPosition() < end)
	{
		const u16 tag = reader->readChunkHeader();
		const long chunkEnd = reader->getChunkEnd();
		switch (tag)
		{
		case TAG_SCENE:
			readScene(reader);
			break;
		case TAG_SETTINGS:
		{
			SPublishingSettings settings;
			settings.readSettings(reader);
			Settings = settings;
			break;
		}
		case TAG_SCRIPT:
			reader->readInt();
			reader->readString(ScriptText);
			break;
		case TAG_START_SCENE:
			StartSceneIndex = reader->readInt();
			break;
		default:
			break;
		}
		// Every record ends where its chunk says, whatever its reader consumed.
		reader->seekTo(chunkEnd);
	}
	reader->drop();

	if (StartSceneIndex >= s32(Scenes.size()))
		StartSceneIndex = 0;
	FileName = file->getFileName();
	return LOAD_OK;
}

s32 CVeskDocument::reloadSceneFromFile(io::IReadFile* file, CVeskScene* scene)
{
	if (!file)
		return LOAD_NO_FILE;
	if (!scene || scene->getSceneType() != SCENE_TYPE_3D)
		return LOAD_REFUSED;
	const s32 index = Scenes.linear_search(scene);
	if (index < 0)
		return LOAD_REFUSED;

	CVeskDeserializer* reader = new CVeskDeserializer(file, Device);
	const s32 result = readDocumentStart(reader);
	if (result != LOAD_OK)
	{
		reader->drop();
		return result;
	}

	scene::ISceneManager* sceneManager = createSceneManager();
	scene->setSceneManager(sceneManager);
	if (sceneManager)
		sceneManager->drop();

	const long end = reader->getChunkEnd();
	s32 sceneChunk = 0;
	while (!reader->isAtEnd() && reader->getPosition() < end)
	{
		const u16 tag = reader->readChunkHeader();
		const long chunkEnd = reader->getChunkEnd();
		if (tag == TAG_SCENE)
		{
			const s32 type = reader->readInt();
			if (sceneChunk == index && type == scene->getSceneType())
			{
				scene->clear();
				scene->readBinary(reader, false);
				break;
			}
			++sceneChunk;
		}
		reader->seekTo(chunkEnd);
	}
	reader->drop();
	return LOAD_OK;
}

void CVeskDocument::writeDocument(CVeskSerializer* writer) const
{
	writer->writeHeader(VESK_CURRENT_VERSION);
	writer->beginChunk(TAG_DOCUMENT);
	for (u32 i = 0; i < Scenes.size(); ++i)
	{
		writer->beginChunk(TAG_SCENE);
		writer->writeInt(Scenes[i]->getSceneType());
		Scenes[i]->writeBinary(writer);
		writer->endChunk();
	}
	writer->beginChunk(TAG_SETTINGS);
	Settings.writeSettings(writer);
	writer->endChunk();
	writer->beginChunk(TAG_SCRIPT);
	writer->writeInt(0);
	writer->writeString(ScriptText);
	writer->endChunk();
	writer->beginChunk(TAG_START_SCENE);
	writer->writeInt(StartSceneIndex);
	writer->endChunk();
	writer->endChunk();

	writeEmbeddedFiles(writer, this);

	writer->beginChunk(TAG_END_MARK);
	writer->writeInt(0);
	writer->endChunk();
}
