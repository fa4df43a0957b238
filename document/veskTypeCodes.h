#ifndef HX_VESK_TYPE_CODES_H
#define HX_VESK_TYPE_CODES_H

#include <irrTypes.h>

//! Node classes are stored as four ASCII letters, packed little-endian into a u32 exactly as
//! the engine packs its own node type codes (first letter in the lowest byte).
inline irr::u32 makeVeskTypeCode(char a, char b, char c, char d)
{
	return irr::u32(irr::u8(a)) | (irr::u32(irr::u8(b)) << 8) | (irr::u32(irr::u8(c)) << 16) | (irr::u32(irr::u8(d)) << 24);
}

//! One row of the table of stored type codes: node classes by code, behaviours and actions by number.
struct SVeskTypeCodeEntry
{
	irr::u32 code;
	const char* className;
};

//! Node classes, the stored code of the root record ("unkn") excepted.
const irr::u32 VESK_NODE_ANIMATED_MESH = makeVeskTypeCode('f', 'a', 'n', 'm');
const irr::u32 VESK_NODE_BILLBOARD = makeVeskTypeCode('f', 'b', 'l', 'l');
const irr::u32 VESK_NODE_CAMERA = makeVeskTypeCode('f', 'c', 'a', 'm');
const irr::u32 VESK_NODE_DUMMY_TRANSFORMATION = makeVeskTypeCode('f', 'd', 'y', 't');
const irr::u32 VESK_NODE_LIGHT = makeVeskTypeCode('f', 'l', 'g', 'h');
const irr::u32 VESK_NODE_MESH = makeVeskTypeCode('f', 'm', 's', 'h');
const irr::u32 VESK_NODE_PATH = makeVeskTypeCode('f', 'p', 't', 'h');
const irr::u32 VESK_NODE_PARTICLE_SYSTEM = makeVeskTypeCode('f', 'p', 't', 'c');
const irr::u32 VESK_NODE_SKY_BOX = makeVeskTypeCode('f', 's', 'k', 'y');
const irr::u32 VESK_NODE_TERRAIN = makeVeskTypeCode('f', 't', 'r', 'r');
const irr::u32 VESK_NODE_WATER = makeVeskTypeCode('f', 'w', 't', 'r');
const irr::u32 VESK_NODE_2D_MOBILE_INPUT = makeVeskTypeCode('f', '2', 'd', 'm');
const irr::u32 VESK_NODE_2D_OVERLAY = makeVeskTypeCode('f', '2', 'd', 'o');
const irr::u32 VESK_NODE_3D_SOUND = makeVeskTypeCode('f', '3', 'd', 's');
const irr::u32 VESK_NODE_HOTSPOT = makeVeskTypeCode('h', 's', 'p', 't');
const irr::u32 VESK_NODE_ROOT = makeVeskTypeCode('u', 'n', 'k', 'n');

//! Behaviour type ids, 100 to 118.
enum E_VESK_BEHAVIOUR_TYPE
{
	EVBT_ROTATION = 100,
	EVBT_FLY_STRAIGHT = 101,
	EVBT_FLY_CIRCLE = 102,
	EVBT_COLLISION_RESPONSE = 103,
	EVBT_CAMERA_FPS = 104,
	EVBT_CAMERA_MODEL_VIEWER = 105,
	EVBT_FOLLOW_PATH = 106,
	EVBT_ON_CLICK = 107,
	EVBT_ON_COLLIDE = 108,
	EVBT_ANIMATE_TEXTURES = 109,
	EVBT_ON_MOUSE_MOVE = 110,
	EVBT_TIMER = 111,
	EVBT_ON_KEY_PRESS = 112,
	EVBT_GAME_AI = 113,
	EVBT_3RD_PERSON_CAMERA = 114,
	EVBT_KEYBOARD_CONTROLLED = 115,
	EVBT_ON_FIRST_FRAME = 116,
	EVBT_EXTENSION_SCRIPT = 117,
	EVBT_RIGID_PHYSICS_BODY = 118,
	EVBT_FIRST = EVBT_ROTATION,
	EVBT_LAST = EVBT_RIGID_PHYSICS_BODY
};

//! Action type ids, 0 to 26.
enum E_HX_ACTION_TYPE
{
	EHAT_MAKE_SCENE_NODE_INVISIBLE = 0,
	EHAT_CHANGE_SCENE_NODE_POSITION = 1,
	EHAT_CHANGE_SCENE_NODE_ROTATION = 2,
	EHAT_CHANGE_SCENE_NODE_SCALE = 3,
	EHAT_CHANGE_SCENE_NODE_TEXTURE = 4,
	EHAT_PLAY_SOUND = 5,
	EHAT_STOP_SOUND = 6,
	EHAT_EXECUTE_JAVASCRIPT = 7,
	EHAT_OPEN_WEBPAGE = 8,
	EHAT_SET_SCENE_NODE_ANIMATION = 9,
	EHAT_SWITCH_TO_SCENE = 10,
	EHAT_SET_ACTIVE_CAMERA = 11,
	EHAT_SET_CAMERA_TARGET = 12,
	EHAT_SHOOT = 13,
	EHAT_QUIT_APPLICATION = 14,
	EHAT_SET_OVERLAY_TEXT = 15,
	EHAT_SET_OR_CHANGE_A_VARIABLE = 16,
	EHAT_IF = 17,
	EHAT_RESTART_BEHAVIORS = 18,
	EHAT_STORE_LOAD_VARIABLE = 19,
	EHAT_RELOAD_SCENE = 20,
	EHAT_DO_IN_THE_FUTURE = 21,
	EHAT_CLONE_SCENE_NODE = 22,
	EHAT_DELETE_SCENE_NODE = 23,
	EHAT_EXTENSION_SCRIPT = 24,
	EHAT_PLAY_MOVIE = 25,
	EHAT_STOP_SPECIFIC_SOUND = 26,
	EHAT_COUNT = 27
};

//! The stored type codes with their class names: node classes by code, behaviours by their
//! numbers 100 to 118, actions by 0 to 26. Each table ends with a row whose className is null.
extern const SVeskTypeCodeEntry VESK_NODE_TYPE_TABLE[];
extern const SVeskTypeCodeEntry VESK_BEHAVIOUR_TYPE_TABLE[];
extern const SVeskTypeCodeEntry VESK_ACTION_TYPE_TABLE[];

//! The class name of a stored code, or null when the code is not in the table.
const char* findVeskNodeClassName(irr::u32 typeCode);
const char* findVeskBehaviourClassName(irr::s32 behaviourType);
const char* findVeskActionClassName(irr::s32 actionType);

//! The four letters of a node type code, for messages and the inspector.
void veskTypeCodeToText(irr::u32 typeCode, char text[5]);

#endif
