// The action factory of the list: one class per stored type number.
#include "actions/CHXActionHandler.h"

#include "actions/CHXActionChangeSceneNodePosition.h"
#include "actions/CHXActionChangeSceneNodeRotation.h"
#include "actions/CHXActionChangeSceneNodeScale.h"
#include "actions/CHXActionChangeSceneNodeTexture.h"
#include "actions/CHXActionCloneSceneNode.h"
#include "actions/CHXActionDeleteSceneNode.h"
#include "actions/CHXActionDoInTheFuture.h"
#include "actions/CHXActionIf.h"
#include "actions/CHXActionMakeSceneNodeInvisible.h"
#include "actions/CHXActionOpenWebpage.h"
#include "actions/CHXActionQuitApplication.h"
#include "actions/CHXActionReloadScene.h"
#include "actions/CHXActionRestartBehaviors.h"
#include "actions/CHXActionSetActiveCamera.h"
#include "actions/CHXActionSetCameraTarget.h"
#include "actions/CHXActionSetOrChangeAVariable.h"
#include "actions/CHXActionSetOverlayText.h"
#include "actions/CHXActionSetSceneNodeAnimation.h"
#include "actions/CHXActionStoreLoadVariable.h"
#include "actions/CHXActionSwitchToScene.h"
#include "document/veskTypeCodes.h"

using namespace irr;

IHXAction* CHXActionHandler::createAction(s32 type) const
{
	switch (type)
	{
	case EHAT_MAKE_SCENE_NODE_INVISIBLE:
		return new CHXActionMakeSceneNodeInvisible();
	case EHAT_CHANGE_SCENE_NODE_POSITION:
		return new CHXActionChangeSceneNodePosition();
	case EHAT_CHANGE_SCENE_NODE_ROTATION:
		return new CHXActionChangeSceneNodeRotation();
	case EHAT_CHANGE_SCENE_NODE_SCALE:
		return new CHXActionChangeSceneNodeScale();
	case EHAT_CHANGE_SCENE_NODE_TEXTURE:
		return new CHXActionChangeSceneNodeTexture();
	case EHAT_OPEN_WEBPAGE:
		return new CHXActionOpenWebpage();
	case EHAT_SET_SCENE_NODE_ANIMATION:
		return new CHXActionSetSceneNodeAnimation();
	case EHAT_SWITCH_TO_SCENE:
		return new CHXActionSwitchToScene();
	case EHAT_SET_ACTIVE_CAMERA:
		return new CHXActionSetActiveCamera();
	case EHAT_SET_CAMERA_TARGET:
		return new CHXActionSetCameraTarget();
	case EHAT_QUIT_APPLICATION:
		return new CHXActionQuitApplication(Device);
	case EHAT_SET_OVERLAY_TEXT:
		return new CHXActionSetOverlayText();
	case EHAT_SET_OR_CHANGE_A_VARIABLE:
		return new CHXActionSetOrChangeAVariable();
	case EHAT_IF:
		return new CHXActionIf();
	case EHAT_RESTART_BEHAVIORS:
		return new CHXActionRestartBehaviors();
	case EHAT_STORE_LOAD_VARIABLE:
		return new CHXActionStoreLoadVariable();
	case EHAT_RELOAD_SCENE:
		return new CHXActionReloadScene();
	case EHAT_DO_IN_THE_FUTURE:
		return new CHXActionDoInTheFuture();
	case EHAT_CLONE_SCENE_NODE:
		return new CHXActionCloneSceneNode();
	case EHAT_DELETE_SCENE_NODE:
		return new CHXActionDeleteSceneNode();
	default:
		// Sound (5, 6, 26), script (7, 24), shooting (13) and movies (25) need subsystems this
		// player does not have yet; their records are skipped.
		return 0;
	}
}
