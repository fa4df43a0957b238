#ifndef HX_DEMO_SCENES_H
#define HX_DEMO_SCENES_H

#include <irrlicht.h>

class CVeskDocument;

//! The textures both scenes share: the sky's six faces and the lamp glow.
struct SDemoSharedTextures
{
	irr::video::ITexture* Sky[6];
	irr::video::ITexture* Glow;
};

//! The start scene: a paved courtyard with brick pillars and crates, lit by the sun and a lamp.
void addCourtyardScene(CVeskDocument* document, const SDemoSharedTextures& shared);
//! A marble ring of pillars on a checkered floor around a lamp.
void addGalleryScene(CVeskDocument* document, const SDemoSharedTextures& shared);

#endif
