#include "document/veskTypeCodes.h"

const SVeskTypeCodeEntry VESK_NODE_TYPE_TABLE[] = {
	{ VESK_NODE_ANIMATED_MESH, "CVeskAnimatedMeshSceneNode" },
	{ VESK_NODE_BILLBOARD, "CVeskBillboardSceneNode" },
	{ VESK_NODE_CAMERA, "CVeskCameraSceneNode" },
	{ VESK_NODE_DUMMY_TRANSFORMATION, "CVeskDummyTransformationSceneNode" },
	{ VESK_NODE_LIGHT, "CVeskLightSceneNode" },
	{ VESK_NODE_MESH, "CVeskMeshSceneNode" },
	{ VESK_NODE_PATH, "CVeskPathSceneNode" },
	{ VESK_NODE_PARTICLE_SYSTEM, "CVeskParticleSystemSceneNode" },
	{ VESK_NODE_SKY_BOX, "CVeskSkyBoxSceneNode" },
	{ VESK_NODE_TERRAIN, "CVeskTerrainSceneNode" },
	{ VESK_NODE_WATER, "CVeskWaterSceneNode" },
	{ VESK_NODE_2D_MOBILE_INPUT, "CVesk2DMobileInputNode" },
	{ VESK_NODE_2D_OVERLAY, "CVesk2DOverlayNode" },
	{ VESK_NODE_3D_SOUND, "CVesk3DSoundSceneNode" },
	{ VESK_NODE_HOTSPOT, "CVeskHotspotNode" },
	{ 0, 0 }
};

const SVeskTypeCodeEntry VESK_BEHAVIOUR_TYPE_TABLE[] = {
	{ EVBT_ROTATION, "CVeskAnimatorRotation" },
	{ EVBT_FLY_STRAIGHT, "CVeskAnimatorFlyStraight" },
	{ EVBT_FLY_CIRCLE, "CVeskAnimatorFlyCircle" },
	{ EVBT_COLLISION_RESPONSE, "CVeskAnimatorCollisionResponse" },
	{ EVBT_CAMERA_FPS, "CVeskAnimatorCameraFPS" },
	{ EVBT_CAMERA_MODEL_VIEWER, "CVeskAnimatorCameraModelViewer" },
	{ EVBT_FOLLOW_PATH, "CVeskAnimatorFollowPath" },
	{ EVBT_ON_CLICK, "CVeskAnimatorOnClick" },
	{ EVBT_ON_COLLIDE, "CVeskAnimatorOnCollide" },
	{ EVBT_ANIMATE_TEXTURES, "CVeskAnimatorAnimateTextures" },
	{ EVBT_ON_MOUSE_MOVE, "CVeskAnimatorOnMouseMove" },
	{ EVBT_TIMER, "CVeskAnimatorTimer" },
	{ EVBT_ON_KEY_PRESS, "CVeskAnimatorOnKeyPress" },
	{ EVBT_GAME_AI, "CVeskAnimatorGameAI" },
	{ EVBT_3RD_PERSON_CAMERA, "CVeskAnimator3rdPersonCamera" },
	{ EVBT_KEYBOARD_CONTROLLED, "CVeskAnimatorKeyboardControlled" },
	{ EVBT_ON_FIRST_FRAME, "CVeskAnimatorOnFirstFrame" },
	{ EVBT_EXTENSION_SCRIPT, "CVeskAnimatorExtensionScript" },
	{ EVBT_RIGID_PHYSICS_BODY, "CVeskAnimatorRigidPhysicsBody" },
	{ 0, 0 }
};

const SVeskTypeCodeEntry VESK_ACTION_TYPE_TABLE[] = {
	{ EHAT_MAKE_SCENE_NODE_INVISIBLE, "CHXActionMakeSceneNodeInvisible" },
	{ EHAT_CHANGE_SCENE_NODE_POSITION, "CHXActionChangeSceneNodePosition" },
	{ EHAT_CHANGE_SCENE_NODE_ROTATION, "CHXActionChangeSceneNodeRotation" },
	{ EHAT_CHANGE_SCENE_NODE_SCALE, "CHXActionChangeSceneNodeScale" },
	{ EHAT_CHANGE_SCENE_NODE_TEXTURE, "CHXActionChangeSceneNodeTexture" },
	{ EHAT_PLAY_SOUND, "CHXActionPlaySound" },
	{ EHAT_STOP_SOUND, "CHXActionStopSound" },
	{ EHAT_EXECUTE_JAVASCRIPT, "CHXActionExecuteJavaScript" },
	{ EHAT_OPEN_WEBPAGE, "CHXActionOpenWebpage" },
	{ EHAT_SET_SCENE_NODE_ANIMATION, "CHXActionSetSceneNodeAnimation" },
	{ EHAT_SWITCH_TO_SCENE, "CHXActionSwitchToScene" },
	{ EHAT_SET_ACTIVE_CAMERA, "CHXActionSetActiveCamera" },
	{ EHAT_SET_CAMERA_TARGET, "CHXActionSetCameraTarget" },
	{ EHAT_SHOOT, "CHXActionShoot" },
	{ EHAT_QUIT_APPLICATION, "CHXActionQuitApplication" },
	{ EHAT_SET_OVERLAY_TEXT, "CHXActionSetOverlayText" },
	{ EHAT_SET_OR_CHANGE_A_VARIABLE, "CHXActionSetOrChangeAVariable" },
	{ EHAT_IF, "CHXActionIf" },
	{ EHAT_RESTART_BEHAVIORS, "CHXActionRestartBehaviors" },
	{ EHAT_STORE_LOAD_VARIABLE, "CHXActionStoreLoadVariable" },
	{ EHAT_RELOAD_SCENE, "CHXActionReloadScene" },
	{ EHAT_DO_IN_THE_FUTURE, "CHXActionDoInTheFuture" },
	{ EHAT_CLONE_SCENE_NODE, "CHXActionCloneSceneNode" },
	{ EHAT_DELETE_SCENE_NODE, "CHXActionDeleteSceneNode" },
	{ EHAT_EXTENSION_SCRIPT, "CHXActionExtensionScript" },
	{ EHAT_PLAY_MOVIE, "CHXActionPlayMovie" },
	{ EHAT_STOP_SPECIFIC_SOUND, "CHXActionStopSpecificSound" },
	{ 0, 0 }
};

namespace
{

const char* findIn(const SVeskTypeCodeEntry* table, irr::u32 code)
{
	for (const SVeskTypeCodeEntry* entry = table; entry->className; ++entry)
		if (entry->code == code)
			return entry->className;
	return 0;
}

} // end anonymous namespace

const char* findVeskNodeClassName(irr::u32 typeCode)
{
	return findIn(VESK_NODE_TYPE_TABLE, typeCode);
}

const char* findVeskBehaviourClassName(irr::s32 behaviourType)
{
	return behaviourType < 0 ? 0 : findIn(VESK_BEHAVIOUR_TYPE_TABLE, irr::u32(behaviourType));
}

const char* findVeskActionClassName(irr::s32 actionType)
{
	return actionType < 0 ? 0 : findIn(VESK_ACTION_TYPE_TABLE, irr::u32(actionType));
}

void veskTypeCodeToText(irr::u32 typeCode, char text[5])
{
	for (int i = 0; i < 4; ++i)
	{
		const char c = char(typeCode >> (8 * i));
		text[i] = (c >= 32 && c < 127) ? c : '?';
	}
	text[4] = 0;
}
