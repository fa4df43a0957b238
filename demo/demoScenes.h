#ifndef HX_DEMO_SCENES_H
#define HX_DEMO_SCENES_H

#include <irrlicht.h>

class CVesk3DScene;
class CVeskDocument;

//! The textures both scenes share: the sky's six faces and the lamp glow.
struct SDemoSharedTextures
{
	irr::video::ITexture* Sky[6];
	irr::video::ITexture* Glow;
};

//! The start scene: a paved courtyard with brick pillars and crates, lit by the sun and a lamp.
void addCourtyardScene(CVeskDocument* document, const SDemoSharedTextures& shared);
//! The courtyard's triggers and the nodes that only serve them; brick is the pillars'
//! texture, crate the crates' mesh.
void addCourtyardInteractions(CVeskDocument* document, CVesk3DScene* scene, const SDemoSharedTextures& shared,
	irr::video::ITexture* brick, irr::scene::SMesh* crate);
//! A marble ring of pillars on a checkered floor around a lamp.
void addGalleryScene(CVeskDocument* document, const SDemoSharedTextures& shared);

#endif
