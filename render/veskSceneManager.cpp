#include "render/veskSceneManager.h"
#include "render/CVeskSceneManagerExtension.h"
#include "scene/CVeskSceneNodeFactory.h"

#include <IAttributes.h>
#include <ISceneManager.h>

using namespace irr;

namespace
{

const char* const EXTENSION_PARAMETER = "Helixpane.SceneManagerExtension";

// Nodes ask for their manager's extension at every registration and every draw, and the named
// lookup in the manager's parameters costs more than the work it serves; the last answer is
// kept. forgetSceneExtension, called while a manager is destroyed, clears it, so a manager
// made later at the same address is asked anew.
scene::ISceneManager* LastManager = 0;
CVeskSceneManagerExtension* LastExtension = 0;

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
	if (sceneManager == LastManager)
		return LastExtension;
	CVeskSceneManagerExtension* extension = static_cast<CVeskSceneManagerExtension*>(
		sceneManager->getParameters()->getAttributeAsUserPointer(EXTENSION_PARAMETER));
	// Only managers with an extension are kept: those are the ones that forget it on destruction.
	if (extension)
	{
		LastManager = sceneManager;
		LastExtension = extension;
	}
	return extension;
}

void forgetSceneExtension(scene::ISceneManager* sceneManager)
{
	sceneManager->getParameters()->setAttribute(EXTENSION_PARAMETER, static_cast<void*>(0));
	if (sceneManager == LastManager)
	{
		LastManager = 0;
		LastExtension = 0;
	}
}
