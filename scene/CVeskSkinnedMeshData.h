#ifndef HX_C_VESK_SKINNED_MESH_DATA_H
#define HX_C_VESK_SKINNED_MESH_DATA_H

#include <IReferenceCounted.h>
#include <aabbox3d.h>
#include <irrArray.h>
#include <irrString.h>

namespace irr
{
namespace scene
{
class IAnimatedMesh;
}
}

//! One named range of animation frames of a skinned mesh.
struct SVeskAnimationRange
{
	irr::core::stringc Name;
	irr::s32 FirstFrame;
	irr::s32 LastFrame;
	//! Frames per millisecond.
	irr::f32 Speed;
};

//! What the document stores for a skinned mesh besides the engine's mesh: the default speed,
//! the collision box and the named animation ranges.
//!
//! The stock ISkinnedMesh has no room for these, so they live beside it: a process-wide
//! registry maps the mesh pointer to its data. The registry grabs both the mesh and the
//! data, so a registered pointer can never be freed and reused by another mesh; entries go
//! away with detach or detachAll (for example when the mesh cache is cleared).
class CVeskSkinnedMeshData : public virtual irr::IReferenceCounted
{
public:
	//! Bit value of Flags: the collision box is stored.
	enum { FLAG_COLLISION_BOX = 1 };

	CVeskSkinnedMeshData();

	//! As stored; bit FLAG_COLLISION_BOX tells whether CollisionBox was stored.
	irr::s32 Flags;
	//! Default animation speed in frames per millisecond.
	irr::f32 AnimationSpeed;
	irr::core::aabbox3df CollisionBox;
	irr::core::array<SVeskAnimationRange> Ranges;

	bool hasCollisionBox() const { return (Flags & FLAG_COLLISION_BOX) != 0; }
	//! The range of that name, or null.
	const SVeskAnimationRange* findRange(const irr::c8* name) const;

	//! Registers data for mesh, replacing earlier data; null data detaches.
	static void attach(irr::scene::IAnimatedMesh* mesh, CVeskSkinnedMeshData* data);
	//! The registered data of mesh, or null.
	static CVeskSkinnedMeshData* find(const irr::scene::IAnimatedMesh* mesh);
	static void detach(irr::scene::IAnimatedMesh* mesh);
	static void detachAll();
};

#endif
