#ifndef HX_DEMO_NODES_H
#define HX_DEMO_NODES_H

#include <irrlicht.h>

class CVesk3DScene;

//! The demo's node makers: each adds one node of the program's classes below the scene's
//! root. Colours follow the lighting model: lights at a quarter of their visible value.
CVesk3DScene* createDemoScene(irr::IrrlichtDevice* device, const char* name, irr::video::SColor background,
	const irr::video::SColorf& ambientLight);
void addMeshNode(irr::scene::ISceneManager* sceneManager, irr::s32 id, const char* name, irr::scene::SMesh* mesh,
	const irr::core::vector3df& position, irr::f32 yRotation = 0.f);
//! A panel of text laid over the scene, in window pixels.
void addTextPanel(irr::scene::ISceneManager* sceneManager, irr::IrrlichtDevice* device, irr::s32 id, const char* name,
	const irr::core::recti& area, const char* text);

irr::scene::ICameraSceneNode* addActiveCamera(CVesk3DScene* scene, irr::s32 id, const irr::core::vector3df& position,
	const irr::core::vector3df& target);
void addPointLight(irr::scene::ISceneManager* sceneManager, irr::s32 id, const irr::core::vector3df& position,
	const irr::video::SColorf& colour, irr::f32 radius);
void addDirectionalLight(irr::scene::ISceneManager* sceneManager, irr::s32 id, const irr::core::vector3df& direction,
	const irr::video::SColorf& colour);
void addSkyBox(irr::scene::ISceneManager* sceneManager, irr::s32 id, irr::video::ITexture* const faces[6]);
//! An additive glow that always faces the camera.
void addGlow(irr::scene::ISceneManager* sceneManager, irr::s32 id, const irr::core::vector3df& position, irr::f32 size,
	irr::video::ITexture* texture);

#endif
