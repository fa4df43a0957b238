#ifndef HX_VESK_NODE_FACTORY_H
#define HX_VESK_NODE_FACTORY_H

#include <irrTypes.h>
#include <vector3d.h>

namespace irr
{
namespace scene
{
class ISceneNode;
class ISceneManager;
}
}

class CVeskDeserializer;

//! Constructs the node class of a stored type code with the defaults the document reader
//! gives it, below parent (not yet added to it). One reference for the caller; null for a
//! code that names no class this player has.
irr::scene::ISceneNode* createVeskSceneNode(irr::u32 typeCode, irr::scene::ISceneNode* parent,
	irr::scene::ISceneManager* sceneManager, irr::s32 id, const irr::core::vector3df& position,
	CVeskDeserializer* reader);

#endif
