#ifndef HX_DEMO_MESHES_H
#define HX_DEMO_MESHES_H

#include <irrlicht.h>

class CVeskDocument;

//! A flat square of size × size around the origin, split into cells × cells quads so that
//! per-vertex lighting shows, its texture repeated tiles times. One reference.
irr::scene::SMesh* createGroundMesh(irr::f32 size, irr::u32 cells, irr::f32 tiles);
//! A box standing on y = 0 with the given half extents; the texture repeats once per
//! tileSize units. One reference.
irr::scene::SMesh* createBoxMesh(const irr::core::vector3df& halfSize, irr::f32 tileSize);
//! Gives every buffer of mesh a lit solid material with texture.
void setMeshTexture(irr::scene::SMesh* mesh, irr::video::ITexture* texture);

//! Embeds under name a skinned box of two joints that sways: the record of a skinned mesh
//! built with the engine's skinned mesh and written by the document writer.
void embedSwayingBox(CVeskDocument* document, const char* name, irr::video::ITexture* texture);

#endif
