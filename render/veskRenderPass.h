#ifndef HX_VESK_RENDER_PASS_H
#define HX_VESK_RENDER_PASS_H

#include <irrTypes.h>

namespace irr
{
namespace scene
{
class ISceneNode;
class ISceneManager;
}
}

//! The render passes of the program's frame drawing: the codes nodes register for and the
//! code the scene manager reports while it draws.
enum E_VESK_RENDER_PASS
{
	EVRP_PRE_PASS = 0,
	EVRP_CAMERA = 1,
	EVRP_LIGHT = 2,
	EVRP_SKY_BOX = 3,
	EVRP_AUTOMATIC = 4,
	EVRP_SOLID = 5,
	EVRP_SHADOW = 6,
	EVRP_TRANSPARENT = 7,
	EVRP_2D = 8,
	EVRP_AUTOMATIC_LATE = 10,
	EVRP_SOLID_LATE = 11,
	EVRP_TRANSPARENT_LATE = 12,
	EVRP_NONE = 13
};

//! Registers node for a pass of its scene manager. A manager without the program's extension
//! (the device's own one) takes the passes the engine knows under the engine's codes, so the
//! program's nodes draw there too. True when the node was taken.
bool registerVeskNodeForRendering(irr::scene::ISceneManager* sceneManager, irr::scene::ISceneNode* node, irr::u32 pass);

//! The pass sceneManager draws now, as a program pass code (EVRP_NONE when it is not drawing).
irr::u32 getVeskCurrentRenderPass(irr::scene::ISceneManager* sceneManager);

#endif
