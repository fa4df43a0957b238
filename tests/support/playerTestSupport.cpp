#include "tests/support/playerTestSupport.h"

#include "document/CVeskDocument.h"
#include "document/SPublishedTrailer.h"
#include "player/CPlayer.h"
#include "render/veskSceneManager.h"
#include "scene/CVesk3DScene.h"
#include "tests/support/testSupport.h"
#include "tests/support/veskTestDocuments.h"

#include <vector>

using namespace irr;

namespace hxtest
{

CPlayer* startPlayer(const std::string& path, bool debug, const char* scriptPath)
{
	io::IReadFile* executable = io::createReadFile(path.c_str());
	CPlayer* player = new CPlayer(executable, debug, true, scriptPath, 0);
	executable->drop();
	return player;
}

std::string publishTwoScenes(const TempFolder& folder, const std::function<void(CVesk3DScene*)>& furnishHall)
{
	IrrlichtDevice* device = createNullDevice();
	CVeskDocument* document = new CVeskDocument(device);
	const char* names[] = { "Hall", "Yard" };
	for (const char* name : names)
	{
		CVesk3DScene* scene = new CVesk3DScene();
		scene->setName(name);
		scene::ISceneManager* manager = createVeskSceneManager(device->getSceneManager());
		scene->setSceneManager(manager);
		manager->drop();
		scene->setDefaultCamera(core::vector3df(1, 2, 3), core::vector3df(0, 0, 50));
		if (furnishHall && document->getSceneCount() == 0)
			furnishHall(scene);
		document->addScene(scene);
		scene->drop();
	}
	document->setStartSceneIndex(0);
	document->getSettings().applicationTitle = "Control Test";
	const std::vector<u8> documentBytes = documentFileBytes(document);
	document->drop();
	device->drop();

	std::vector<u8> executable(16, 0x7F);
	SPublishedTrailer trailer;
	trailer.magic = SPublishedTrailer::MAGIC;
	trailer.documentOffset = s32(executable.size());
	trailer.documentSize = s32(documentBytes.size());
	trailer.driverType = 0; // the null driver
	executable.insert(executable.end(), documentBytes.begin(), documentBytes.end());
	u8 bytes[SPublishedTrailer::BYTE_SIZE];
	trailer.toBytes(bytes);
	executable.insert(executable.end(), bytes, bytes + sizeof(bytes));
	const std::string path = folder.file("app");
	writeWholeFile(path, executable);
	return path;
}

} // end namespace hxtest
