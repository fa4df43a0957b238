#ifndef HX_VESK_BEHAVIOURS_H
#define HX_VESK_BEHAVIOURS_H

#include <irrTypes.h>

namespace irr
{
namespace scene
{
class ISceneManager;
class ISceneNode;
class ISceneNodeAnimator;
class ITriangleSelector;
}
}

class IHXAction;

//! True when node is root (the manager's root node when root is null) or lies below it.
bool isNodeInScene(irr::scene::ISceneManager* sceneManager, irr::scene::ISceneNode* node,
	irr::scene::ISceneNode* root = 0);

//! The program's animator operations for any animator; an engine animator answers the
//! defaults (nothing happens, no action).
void restartAnimator(irr::scene::ISceneNodeAnimator* animator);
IHXAction* getAnimatorActionOfType(irr::scene::ISceneNodeAnimator* animator, irr::s32 actionType);
void replaceAnimatorSceneNodeId(irr::scene::ISceneNodeAnimator* animator, irr::s32 oldId, irr::s32 newId);
void releaseAnimatorEditorData(irr::scene::ISceneNodeAnimator* animator);

//! The node's first animator whose getType is type, or null.
irr::scene::ISceneNodeAnimator* findAnimatorOfType(irr::scene::ISceneNode* node, irr::s32 type);

//! Hands the world selector to every behaviour below root (root included) that tests
//! against the world.
void handWorldSelectorToBehaviours(irr::scene::ISceneNode* root, irr::scene::ITriangleSelector* selector);

//! True when camera carries a mouse-look behaviour that looks without a pressed button (or
//! the engine's own first-person animator): the cursor is hidden then.
bool isCursorHiddenByCamera(irr::scene::ISceneNode* camera);

//! The pass node registers for instead of pass (a solid, transparent or automatic pass):
//! its late counterpart when the node is held by the active camera whose first-person
//! behaviour keeps its children out of the scene's depth, else pass itself.
irr::u32 getVeskRegistrationPass(irr::scene::ISceneNode* node, irr::u32 pass);

#endif
