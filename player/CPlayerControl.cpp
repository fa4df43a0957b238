// The player's side of the control interface: scene switching, the pending camera and the
// variables.
#include "player/CPlayer.h"

#include "actions/CHXPersistentVariableStore.h"
#include "actions/CVeskVariable.h"
#include "behaviours/CVeskAnimatorCameraFPS.h"
#include "behaviours/veskBehaviours.h"
#include "document/CVeskDocument.h"
#include "document/publishedExecutable.h"
#include "document/veskTypeCodes.h"
#include "player/CEdrixServices.h"
#include "player/CVeskWarningAndErrorReceiver.h"
#include "scene/CVeskScene.h"

#include <IAttributes.h>
#include <ICameraSceneNode.h>
#include <IFileSystem.h>
#include <ILogger.h>
#include <ISceneNodeAnimator.h>
#include <ITexture.h>
#include <IVideoDriver.h>

using namespace irr;

namespace
{

//! Splits "#node.property" into its two non-empty parts.
bool splitSpecialName(const c8* name, core::stringc& nodeName, core::stringc& property)
{
	if (!name || name[0] != '#')
		return false;
	const core::stringc rest(name + 1);
	const s32 dot = rest.findFirst('.');
	if (dot <= 0 || dot == s32(rest.size()) - 1)
		return false;
	nodeName = rest.subString(0, dot);
	property = rest.subString(dot + 1, rest.size() - dot - 1);
	return true;
}

//! The first-person camera behaviour of node, or null.
scene::CVeskAnimatorCameraFPS* findCameraFPS(scene::ISceneNode* node)
{
	return node ? dynamic_cast<scene::CVeskAnimatorCameraFPS*>(findAnimatorOfType(node, EVBT_CAMERA_FPS)) : 0;
}

//! Fills a bound variable from its node. Properties whose owner the node lacks read 0.
void readBoundProperty(scene::ISceneNode* node, const core::stringc& property, IHXVariable* variable)
{
	if (property == "movementspeed")
	{
		scene::CVeskAnimatorCameraFPS* camera = findCameraFPS(node);
		if (camera)
			variable->setValueAsFloat(camera->getMoveSpeed());
	}
}

//! Writes a bound variable back to its node's owner of the property, when the node has one.
void writeBoundProperty(scene::ISceneNode* node, const core::stringc& property, IHXVariable* variable)
{
	if (property == "movementspeed")
	{
		scene::CVeskAnimatorCameraFPS* camera = findCameraFPS(node);
		if (camera)
			camera->setMoveSpeed(variable->getValueAsFloat());
	}
}

} // end anonymous namespace

scene::ISceneNode* CPlayer::findBoundNode(const c8* name, core::stringc& nodeName, core::stringc& property) const
{
	if (!CurrentSceneManager || !splitSpecialName(name, nodeName, property))
		return 0;
	if (nodeName == "system")
		return CurrentSceneManager->getRootSceneNode();
	return CurrentSceneManager->getSceneNodeFromName(nodeName.c_str());
}

CVeskScene* CPlayer::findScene(const c8* name)
{
	if (!name || !Document)
		return 0;
	for (s32 i = 0; i < Document->getSceneCount(); ++i)
		if (Document->getScene(i)->getName() == name)
			return Document->getScene(i);
	addConsoleLine((core::stringw(L"The scene does not exist: ") + core::stringw(name)).c_str(), false);
	return 0;
}

void CPlayer::forgetInitializedScene(CVeskScene* scene)
{
	for (u32 i = 0; i < InitializedScenes.size(); ++i)
		if (InitializedScenes[i].scene == scene)
		{
			if (InitializedScenes[i].worldSelector)
				InitializedScenes[i].worldSelector->drop();
			InitializedScenes.erase(i);
			return;
		}
}

void CPlayer::switchToScene(const c8* name)
{
	CVeskScene* scene = findScene(name);
	if (scene)
		activateScene(scene);
}

void CPlayer::reloadScene(const c8* name)
{
	CVeskScene* scene = findScene(name);
	if (!scene)
		return;
	io::IReadFile* file = openDocumentFile(ExecutableFile, Trailer);
	if (!file)
		return;
	const bool wasCurrent = scene->getSceneManager() && scene->getSceneManager() == CurrentSceneManager;
	if (Document->reloadSceneFromFile(file, scene) == CVeskDocument::LOAD_OK)
	{
		forgetInitializedScene(scene);
		if (scene->getSceneManager())
			scene->getSceneManager()->getParameters()->setAttribute("IRR_Reloaded", true);
		if (wasCurrent)
			activateScene(scene);
	}
	file->drop();
}

void CPlayer::switchToDocumentFile(const c8* path)
{
	if (!path || !Document || !Device)
		return;
	io::IReadFile* file = Device->getFileSystem()->createAndOpenFile(path);
	if (!file)
		return;
	for (u32 i = 0; i < InitializedScenes.size(); ++i)
		if (InitializedScenes[i].worldSelector)
			InitializedScenes[i].worldSelector->drop();
	InitializedScenes.clear();
	CurrentWorldSelector = 0;
	Document->drop();
	Document = 0;
	if (CurrentSceneManager)
		CurrentSceneManager->drop();
	CurrentSceneManager = 0;
	CurrentScene = 0;
	// Textures that nothing but the driver holds belong to the old document.
	video::IVideoDriver* driver = Device->getVideoDriver();
	for (s32 i = s32(driver->getTextureCount()) - 1; i >= 0; --i)
	{
		video::ITexture* texture = driver->getTextureByIndex(u32(i));
		if (texture && texture->getReferenceCount() == 1)
			driver->removeTexture(texture);
	}
	CVeskWarningAndErrorReceiver* receiver = loadDocument(file);
	file->drop();
	activateScene(Document->getStartScene());
	receiver->drop();
}

void CPlayer::setActiveCamera(scene::ISceneNode* camera)
{
	if (!camera)
		return;
	camera->grab();
	if (PendingCamera)
		PendingCamera->drop();
	PendingCamera = camera;
}

void CPlayer::applyPendingCamera()
{
	if (!PendingCamera || !isNodeInScene(CurrentSceneManager, PendingCamera))
		return;
	if (PendingCamera->getType() == scene::ESNT_CAMERA || PendingCamera->getType() == VESK_NODE_CAMERA)
		CurrentSceneManager->setActiveCamera(static_cast<scene::ICameraSceneNode*>(PendingCamera));
	PendingCamera->drop();
	PendingCamera = 0;
}

IHXVariable* CPlayer::getVariable(const c8* name, bool create)
{
	if (!name)
		return 0;
	IHXVariable* variable = Variables.getVariable(name, false);
	if (variable)
		return variable;
	core::stringc nodeName, property;
	scene::ISceneNode* node = findBoundNode(name, nodeName, property);
	if (node)
	{
		// Bound to a node property: a fresh value each time, read from what owns the property.
		CVeskVariable* bound = new CVeskVariable();
		bound->setName(name);
		if (nodeName != "system")
			readBoundProperty(node, property, bound);
		return bound;
	}
	return create ? Variables.getVariable(name, true) : 0;
}

void CPlayer::variableChanged(IHXVariable* variable)
{
	// Table variables are changed in place; only bound ones have somewhere to go.
	core::stringc nodeName, property;
	scene::ISceneNode* node = variable ? findBoundNode(variable->getName(), nodeName, property) : 0;
	if (node && nodeName != "system")
		writeBoundProperty(node, property, variable);
}

void CPlayer::storeOrLoadVariable(IHXVariable* variable, bool load)
{
	if (!variable)
		return;
	const core::stringc title = Document ? Document->getSettings().applicationTitle : core::stringc();
	CHXPersistentVariableStore store(CHXPersistentVariableStore::makeStorePath(title),
		Device ? Device->getLogger() : 0);
	store.open();
	if (load)
		store.load(variable);
	else
	{
		store.store(variable);
		store.close();
	}
}

void CPlayer::setCurrentScriptBehaviour(scene::ISceneNodeAnimator* behaviour)
{
	if (CurrentScriptBehaviour)
		CurrentScriptBehaviour->drop();
	CurrentScriptBehaviour = 0;
	if (behaviour && behaviour->getType() == scene::ESCENE_NODE_ANIMATOR_TYPE(EVBT_EXTENSION_SCRIPT))
	{
		behaviour->grab();
		CurrentScriptBehaviour = behaviour;
	}
}
