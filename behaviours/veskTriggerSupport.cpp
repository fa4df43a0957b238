#include "behaviours/veskTriggerSupport.h"
#include "actions/CHXActionHandler.h"
#include "behaviours/veskBehaviours.h"
#include "render/CVeskSceneManagerExtension.h"
#include "render/veskSceneManager.h"

#include <ISceneManager.h>
#include <ISceneNode.h>
#include <SceneParameters.h>

using namespace irr;

bool isSceneEditorHost(scene::ISceneManager* sceneManager)
{
	return sceneManager && sceneManager->getParameters()->getAttributeAsBool(scene::IRR_SCENE_MANAGER_IS_EDITOR);
}

bool isBehaviourInScene(scene::ISceneManager* sceneManager, scene::ISceneNode* node, scene::ISceneNodeAnimator* behaviour)
{
	if (!isNodeInScene(sceneManager, node))
		return false;
	const scene::ISceneNodeAnimatorList& animators = node->getAnimators();
	for (scene::ISceneNodeAnimatorList::ConstIterator it = animators.begin(); it != animators.end(); ++it)
		if (*it == behaviour)
			return true;
	return false;
}

void listenForEvents(scene::ISceneManager* sceneManager, scene::ISceneNodeAnimator* behaviour, bool listen)
{
	CVeskSceneManagerExtension* extension = getSceneExtension(sceneManager);
	if (!extension)
		return;
	if (listen)
		extension->registerEventBehaviour(behaviour);
	else
		extension->unregisterEventBehaviour(behaviour);
}

void runTriggeredActions(IHXActionHandler* list, scene::ISceneNode* node, scene::ISceneManager* sceneManager)
{
	if (!list || !node || !sceneManager)
		return;
	// The list may be replaced or its owner dropped by one of its own actions.
	list->grab();
	list->runActions(node, sceneManager);
	list->drop();
}

IHXActionHandler* cloneActionList(IHXActionHandler* list)
{
	return list ? list->clone() : 0;
}

void readActionListInto(CVeskDeserializer* reader, IHXActionHandler*& slot)
{
	dropActionList(slot);
	slot = CHXActionHandler::readOptional(reader);
}

void dropActionList(IHXActionHandler*& slot)
{
	if (slot)
		slot->drop();
	slot = 0;
}

IHXAction* getListActionOfType(IHXActionHandler* list, s32 actionType)
{
	return list ? list->getActionOfType(actionType) : 0;
}

void replaceListSceneNodeId(IHXActionHandler* list, s32 oldId, s32 newId)
{
	if (list)
		list->replaceSceneNodeId(oldId, newId);
}
