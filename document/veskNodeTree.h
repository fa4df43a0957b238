#ifndef HX_VESK_NODE_TREE_H
#define HX_VESK_NODE_TREE_H

#include <irrTypes.h>

namespace irr
{
namespace scene
{
class ISceneNode;
class ISceneManager;
class ISceneNodeAnimator;
}
}

class CVeskDeserializer;
class CVeskSerializer;

//! Reads the node records of the scene chunk whose header was read last into root.
void readNodeTree(CVeskDeserializer* reader, irr::scene::ISceneNode* root, irr::scene::ISceneManager* sceneManager);

//! Reads one node record (its chunk header was read last) below parent.
void readNodeRecord(CVeskDeserializer* reader, irr::scene::ISceneNode* parent, irr::scene::ISceneManager* sceneManager, irr::s32 depth);

//! Writes node and its subtree as one node record; the scene's root (a node without parent)
//! writes the scene manager's ambient light as its payload.
void writeNodeRecord(CVeskSerializer* writer, irr::scene::ISceneNode* node, irr::scene::ISceneManager* sceneManager);

//! Writes one behaviour record (chunk 25: type id, then the behaviour's payload); engine
//! animators and other animators without a document payload are left out.
void writeBehaviourRecord(CVeskSerializer* writer, irr::scene::ISceneNodeAnimator* behaviour);

#endif
