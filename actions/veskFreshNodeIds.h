#ifndef HX_VESK_FRESH_NODE_IDS_H
#define HX_VESK_FRESH_NODE_IDS_H

#include <irrTypes.h>

namespace irr
{
namespace scene
{
class ISceneManager;
class ISceneNode;
}
}

//! An id of 10 or more that no node of the scene manager has, drawn at random; -1 when 1000
//! draws all collided.
irr::s32 findFreshNodeId(irr::scene::ISceneManager* sceneManager);

//! Gives copy and every node of its subtree a fresh id, walking source's and copy's children in
//! parallel until a pair differs in node type.
void giveFreshNodeIds(irr::scene::ISceneNode* source, irr::scene::ISceneNode* copy, irr::scene::ISceneManager* sceneManager);

#endif
