#include "render/veskSceneManager.h"
#include "render/CVeskSceneManagerExtension.h"
#include "scene/CVeskSceneNodeFactory.h"

#include <IAttributes.h>
#include <ISceneManager.h>

using namespace irr;

namespace
{

const char* const EXTENSION_PARAMETER = "Helixpane.SceneManagerExtension";

} // end anonymous namespace

scene::ISceneManager* createVeskSceneManager(scene::ISceneManager* deviceSceneManager)
{
	if (!deviceSceneManager)
		return 0;
	scene::ISceneManager* sceneManager = deviceSceneManager->createNewSceneManager(false);
	if (!sceneManager)
		return 0;

	// The manager drops its node factories when it is destroyed; the factory holds the
	// extension, which therefore goes with the manager without holding it.
	CVeskSceneManagerExtension* extension = new CVeskSceneManagerExtension(sceneManager);
	CVeskSceneNodeFactory* factory = new CVeskSceneNodeFactory(sceneManager, extension);
	sceneManager->registerSceneNodeFactory(factory);
	factory->drop();
	sceneManager->getParameters()->addUserPointer(EXTENSION_PARAMETER, extension);
	extension->drop();
	return sceneManager;
}

CVeskSceneManagerExtension* getSceneExtension(scene::ISceneManager* sceneManager)
{
	if (!sceneManager)
		return 0;
	return static_cast<CVeskSceneManagerExtension*>(
		sceneManager->getParameters()->getAttributeAsUserPointer(EXTENSION_PARAMETER));
}

void forgetSceneExtension(scene::ISceneManager* sceneManager)
{
	sceneManager->getParameters()->setAttribute(EXTENSION_PARAMETER, static_cast<void*>(0));
}
