#include "document/veskEmbeddedFiles.h"

#include "document/CVeskDeserializer.h"
#include "document/CVeskDocument.h"
#include "document/CVeskSerializer.h"
#include "document/veskImageCheck.h"
#include "document/veskMeshRecords.h"
#include "player/CVeskWarningAndErrorReceiver.h"

#include <IFileSystem.h>
#include <IMeshCache.h>
#include <ISceneManager.h>
#include <ISkinnedMesh.h>
#include <IVideoDriver.h>
#include <IWriteFile.h>

using namespace irr;

namespace
{

enum
{
	TAG_EMBEDDED_FILES = 12,
	TAG_EMBEDDED_FILE = 13
};

//! Loads the texture from disk when the name is a plain file name that exists there,
//! otherwise from the stored bytes, which start at the read position.
void installTexture(CVeskDeserializer* reader, const SVeskEmbeddedFile& entry, u32 size)
{
	video::IVideoDriver* driver = reader->getDevice()->getVideoDriver();
	io::IFileSystem* fileSystem = reader->getDevice()->getFileSystem();
	const io::path name(entry.Name.c_str());
	if (entry.Name.findFirst('#') < 0 && fileSystem->existFile(name) && driver->getTexture(name))
		return;
	io::IReadFile* bytes = io::createLimitReadFile(name, reader->getFile(), reader->getPosition(), long(size));
	if (!bytes)
		return;
	if (isAcceptableEmbeddedImage(bytes))
		driver->getTexture(bytes);
	else
		reader->getDevice()->getLogger()->log("Embedded texture is not an image this player decodes:", entry.Name.c_str(), ELL_WARNING);
	bytes->drop();
}

void installSkinnedMesh(CVeskDeserializer* reader, const SVeskEmbeddedFile& entry, u32 size)
{
	scene::ISkinnedMesh* mesh = readSkinnedMesh(reader, size);
	if (!mesh)
		return;
	reader->getDevice()->getSceneManager()->getMeshCache()->addMesh(entry.Name.c_str(), mesh);
	mesh->drop();
}

void writeScriptFile(io::IFileSystem* fileSystem, const char* folder, const SVeskEmbeddedFile& entry, const core::stringc& text)
{
	core::stringc path(folder);
	if (path.size() && path.lastChar() != '/' && path.lastChar() != '\\')
		path += "/";
	path += entry.Name;
	path += ".js";
	if (fileSystem->existFile(path.c_str()))
		return;
	io::IWriteFile* out = fileSystem->createAndWriteFile(path.c_str());
	if (!out)
		return;
	out->write(text.c_str(), text.size());
	out->drop();
}

void installScript(CVeskDeserializer* reader, CVeskDocument* document, const SVeskEmbeddedFile& entry, u32 size,
	const char* scriptOutputFolder)
{
	std::vector<c8> bytes(size);
	reader->readBytes(bytes.data(), size);
	const core::stringc text(bytes.data(), size);
	if (scriptOutputFolder && reader->getDevice())
		writeScriptFile(reader->getDevice()->getFileSystem(), scriptOutputFolder, entry, text);
	if (document->getWarningReceiver())
		document->getWarningReceiver()->addEntry(0, CVeskWarningData::KIND_EMBEDDED_SCRIPT, entry.Name.c_str(), text.c_str());
}

//! Installs one entry of size bytes that start at the read position; the first kind that
//! applies wins.
void installEntry(CVeskDeserializer* reader, CVeskDocument* document, const SVeskEmbeddedFile& entry, u32 size,
	const char* scriptOutputFolder)
{
	IrrlichtDevice* device = reader->getDevice();
	const io::path name(entry.Name.c_str());
	if ((entry.KindFlags & SVeskEmbeddedFile::KIND_TEXTURE) && device && device->getVideoDriver()
		&& !device->getVideoDriver()->findTexture(name))
		installTexture(reader, entry, size);
	// Sounds wait for a sound engine: without one, no case applies to them.
	else if ((entry.KindFlags & SVeskEmbeddedFile::KIND_SKINNED_MESH) && device && device->getSceneManager()
		&& !device->getSceneManager()->getMeshCache()->getMeshByName(name))
		installSkinnedMesh(reader, entry, size);
	else if (entry.KindFlags & SVeskEmbeddedFile::KIND_SCRIPT)
		installScript(reader, document, entry, size, scriptOutputFolder);
}

} // end anonymous namespace

void readEmbeddedFiles(CVeskDeserializer* reader, CVeskDocument* document, const char* scriptOutputFolder)
{
	const long end = reader->getChunkEnd();
	while (!reader->isAtEnd() && reader->getPosition() < end)
	{
		const u16 tag = reader->readChunkHeader();
		const long chunkEnd = reader->getChunkEnd();
		if (tag == TAG_EMBEDDED_FILE)
		{
			SVeskEmbeddedFile entry;
			entry.KindFlags = reader->readUInt();
			reader->readString(entry.Name);
			u32 size = reader->readUInt();
			const long fits = chunkEnd - reader->getPosition();
			if (fits <= 0)
				size = 0;
			else if (long(size) > fits)
				size = u32(fits);
			const long dataStart = reader->getPosition();
			if (size > 0)
			{
				installEntry(reader, document, entry, size, scriptOutputFolder);
				reader->seekTo(dataStart);
			}
			// Only a document that will be written back keeps the bytes: the installed
			// resources already hold what the player needs.
			if (document->isKeepingEmbeddedFiles())
			{
				entry.Data.resize(size);
				reader->readBytes(entry.Data.data(), size);
				document->addEmbeddedFile(entry);
			}
		}
		reader->seekTo(chunkEnd);
	}
}

void writeEmbeddedFiles(CVeskSerializer* writer, const CVeskDocument* document)
{
	writer->beginChunk(TAG_EMBEDDED_FILES);
	for (u32 i = 0; i < document->getEmbeddedFileCount(); ++i)
	{
		const SVeskEmbeddedFile& entry = document->getEmbeddedFile(i);
		writer->beginChunk(TAG_EMBEDDED_FILE);
		writer->writeUInt(entry.KindFlags);
		writer->writeString(entry.Name);
		writer->writeUInt(u32(entry.Data.size()));
		writer->writeBytes(entry.Data.data(), u32(entry.Data.size()));
		writer->endChunk();
	}
	writer->endChunk();
}
