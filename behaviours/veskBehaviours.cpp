#include "behaviours/veskBehaviours.h"
#include "behaviours/CVeskAnimatorCameraFPS.h"
#include "behaviours/CVeskAnimatorCameraModelViewer.h"
#include "behaviours/IVeskAnimatorAdditions.h"
#include "behaviours/IVeskWorldSelectorUser.h"
#include "document/veskTypeCodes.h"
#include "render/veskRenderPass.h"

#include <ICameraSceneNode.h>
#include <ISceneManager.h>
#include <ISceneNode.h>
#include <ISceneNodeAnimatorCollisionResponse.h>

using namespace irr;

namespace
{

bool isBelow(scene::ISceneNode* node, scene::ISceneNode* root)
{
	if (node == root)
		return true;
	const core::list<scene::ISceneNode*>& children = root->getChildren();
	for (core::list<scene::ISceneNode*>::ConstIterator it = children.begin(); it != children.end(); ++it)
		if (isBelow(node, *it))
			return true;
	return false;
}

IVeskAnimatorAdditions* getAdditions(scene::ISceneNodeAnimator* animator)
{
	return dynamic_cast<IVeskAnimatorAdditions*>(animator);
}

} // end anonymous namespace

bool isNodeInScene(scene::ISceneManager* sceneManager, scene::ISceneNode* node, scene::ISceneNode* root)
{
	if (!root)
		root = sceneManager ? sceneManager->getRootSceneNode() : 0;
	return node && root && isBelow(node, root);
}

void restartAnimator(scene::ISceneNodeAnimator* animator)
{
	if (IVeskAnimatorAdditions* additions = getAdditions(animator))
		additions->restart();
}

IHXAction* getAnimatorActionOfType(scene::ISceneNodeAnimator* animator, s32 actionType)
{
	IVeskAnimatorAdditions* additions = getAdditions(animator);
	return additions ? additions->getActionOfType(actionType) : 0;
}

void replaceAnimatorSceneNodeId(scene::ISceneNodeAnimator* animator, s32 oldId, s32 newId)
{
	if (IVeskAnimatorAdditions* additions = getAdditions(animator))
		additions->replaceSceneNodeId(oldId, newId);
}

void releaseAnimatorEditorData(scene::ISceneNodeAnimator* animator)
{
	if (IVeskAnimatorAdditions* additions = getAdditions(animator))
		additions->releaseEditorData();
}

scene::ISceneNodeAnimator* findAnimatorOfType(scene::ISceneNode* node, s32 type)
{
	if (!node)
		return 0;
	const scene::ISceneNodeAnimatorList& animators = node->getAnimators();
	for (scene::ISceneNodeAnimatorList::ConstIterator it = animators.begin(); it != animators.end(); ++it)
		if (s32((*it)->getType()) == type)
			return *it;
	return 0;
}

void handWorldSelectorToBehaviours(scene::ISceneNode* root, scene::ITriangleSelector* selector)
{
	if (!root)
		return;
	const scene::ISceneNodeAnimatorList& animators = root->getAnimators();
	for (scene::ISceneNodeAnimatorList::ConstIterator it = animators.begin(); it != animators.end(); ++it)
	{
		if (s32((*it)->getType()) == EVBT_COLLISION_RESPONSE)
		{
			if (scene::ISceneNodeAnimatorCollisionResponse* response = dynamic_cast<scene::ISceneNodeAnimatorCollisionResponse*>(*it))
				response->setWorld(selector);
		}
		else if (IVeskWorldSelectorUser* user = dynamic_cast<IVeskWorldSelectorUser*>(*it))
			user->setWorldSelector(selector);
	}
	const core::list<scene::ISceneNode*>& children = root->getChildren();
	for (core::list<scene::ISceneNode*>::ConstIterator it = children.begin(); it != children.end(); ++it)
		handWorldSelectorToBehaviours(*it, selector);
}

bool isCursorHiddenByCamera(scene::ISceneNode* camera)
{
	if (!camera)
		return false;
	const scene::ISceneNodeAnimatorList& animators = camera->getAnimators();
	for (scene::ISceneNodeAnimatorList::ConstIterator it = animators.begin(); it != animators.end(); ++it)
	{
		const s32 type = s32((*it)->getType());
		if (type == scene::ESNAT_CAMERA_FPS)
			return true;
		if (type == EVBT_CAMERA_FPS)
		{
			if (scene::CVeskAnimatorCameraFPS* fps = dynamic_cast<scene::CVeskAnimatorCameraFPS*>(*it))
				if (!fps->getLookOnlyWhenMouseDown())
					return true;
		}
		else if (type == EVBT_CAMERA_MODEL_VIEWER)
		{
			if (scene::CVeskAnimatorCameraModelViewer* viewer = dynamic_cast<scene::CVeskAnimatorCameraModelViewer*>(*it))
				if (!viewer->getLookOnlyWhenMouseDown())
					return true;
		}
	}
	return false;
}

u32 getVeskRegistrationPass(scene::ISceneNode* node, u32 pass)
{
	scene::ISceneNode* parent = node ? node->getParent() : 0;
	scene::ISceneManager* sceneManager = node ? node->getSceneManager() : 0;
	if (!parent || !sceneManager || sceneManager->getActiveCamera() != parent)
		return pass;
	scene::CVeskAnimatorCameraFPS* fps = dynamic_cast<scene::CVeskAnimatorCameraFPS*>(findAnimatorOfType(parent, EVBT_CAMERA_FPS));
	if (!fps || !fps->getDisableClippingForChildNodes())
		return pass;
	switch (pass)
	{
	case EVRP_AUTOMATIC:
		return EVRP_AUTOMATIC_LATE;
	case EVRP_SOLID:
		return EVRP_SOLID_LATE;
	case EVRP_TRANSPARENT:
		return EVRP_TRANSPARENT_LATE;
	default:
		return pass;
	}
}
