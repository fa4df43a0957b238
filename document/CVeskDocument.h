#ifndef HX_C_VESK_DOCUMENT_H
#define HX_C_VESK_DOCUMENT_H

#include "document/SPublishingSettings.h"
#include "document/SVeskEmbeddedFile.h"

#include <IReferenceCounted.h>
#include <IReadFile.h>
#include <IrrlichtDevice.h>
#include <irrArray.h>
#include <irrString.h>

class CVeskDeserializer;
class CVeskScene;
class CVeskSerializer;
class CVeskWarningAndErrorReceiver;

//! The loaded application: its scenes in document order, the start scene, the publishing
//! settings, the global script and, when asked for, the embedded files as stored.
class CVeskDocument : public virtual irr::IReferenceCounted
{
public:
	//! Results of load and reloadSceneFromFile.
	enum
	{
		LOAD_OK = 0,
		LOAD_VERSION_TOO_NEW = 1,
		LOAD_BAD_HEADER = 2,
		LOAD_NO_FILE = 3,
		LOAD_REFUSED = 4
	};

	//! The device may be null; scenes then get no scene manager and nothing is installed.
	explicit CVeskDocument(irr::IrrlichtDevice* device);
	virtual ~CVeskDocument();

	//! Reads a whole document: embedded files first, then the scenes. Scripts embedded in it
	//! are also written into scriptOutputFolder when it is given (null in the player).
	irr::s32 load(irr::io::IReadFile* file, const char* scriptOutputFolder = 0);
	//! Rebuilds the nodes of one 3D scene of this document from file in a new scene manager.
	irr::s32 reloadSceneFromFile(irr::io::IReadFile* file, CVeskScene* scene);

	//! Writes the whole document: header, document chunk and embedded files.
	void writeDocument(CVeskSerializer* writer) const;

	irr::s32 getSceneCount() const { return irr::s32(Scenes.size()); }
	CVeskScene* getScene(irr::s32 index) const;
	//! The scene at the start index, or null.
	CVeskScene* getStartScene() const { return getScene(StartSceneIndex); }
	//! Appends scene and grabs it.
	void addScene(CVeskScene* scene);
	irr::s32 getStartSceneIndex() const { return StartSceneIndex; }
	void setStartSceneIndex(irr::s32 index) { StartSceneIndex = index; }

	SPublishingSettings& getSettings() { return Settings; }
	const SPublishingSettings& getSettings() const { return Settings; }

	const irr::core::stringc& getScriptText() const { return ScriptText; }
	void setScriptText(const irr::core::stringc& text) { ScriptText = text; }

	//! Drops the previous receiver and grabs the new one (null allowed).
	void setWarningReceiver(CVeskWarningAndErrorReceiver* receiver);
	CVeskWarningAndErrorReceiver* getWarningReceiver() const { return Receiver; }

	//! The read file's name after a successful load.
	const irr::io::path& getFileName() const { return FileName; }

	//! Whether load keeps a copy of every embedded file's bytes, as writing the document back
	//! needs. Off by default: the installed textures, meshes and sounds are all a player uses.
	void setKeepEmbeddedFiles(bool keep) { KeepEmbeddedFiles = keep; }
	bool isKeepingEmbeddedFiles() const { return KeepEmbeddedFiles; }
	irr::u32 getEmbeddedFileCount() const { return irr::u32(EmbeddedFiles.size()); }
	const SVeskEmbeddedFile& getEmbeddedFile(irr::u32 index) const { return EmbeddedFiles[index]; }
	//! Keeps a copy of entry; written back by writeDocument. Nothing is installed.
	void addEmbeddedFile(const SVeskEmbeddedFile& entry) { EmbeddedFiles.push_back(entry); }

	irr::IrrlichtDevice* getDevice() const { return Device; }

private:
	//! Checks the header, the version and that chunk 1 comes first; its header is then the last read.
	irr::s32 readDocumentStart(CVeskDeserializer* reader) const;
	void readEmbeddedFilesAfterDocumentChunk(CVeskDeserializer* reader, const char* scriptOutputFolder);
	void readScene(CVeskDeserializer* reader);
	//! A new, empty scene manager for a scene of this document, or null without a device.
	irr::scene::ISceneManager* createSceneManager() const;

	irr::IrrlichtDevice* Device;
	CVeskWarningAndErrorReceiver* Receiver;
	irr::io::path FileName;
	irr::core::array<CVeskScene*> Scenes;
	irr::s32 StartSceneIndex;
	bool KeepEmbeddedFiles;
	SPublishingSettings Settings;
	irr::core::stringc ScriptText;
	std::vector<SVeskEmbeddedFile> EmbeddedFiles;
};

#endif
