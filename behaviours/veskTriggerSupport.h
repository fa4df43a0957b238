#ifndef HX_VESK_TRIGGER_SUPPORT_H
#define HX_VESK_TRIGGER_SUPPORT_H

#include <irrTypes.h>

namespace irr
{
namespace scene
{
class ISceneManager;
class ISceneNode;
class ISceneNodeAnimator;
}
}

class CVeskDeserializer;
class CVeskSerializer;
class IHXAction;
class IHXActionHandler;

//! What the trigger behaviours share: the editing-host switch and their action lists.

//! True when an editing host drives the scene: triggers then stay quiet.
bool isSceneEditorHost(irr::scene::ISceneManager* sceneManager);

//! True when node lies in the scene and still carries behaviour. The node is only looked
//! at once it is found in the tree, so a pointer to a deleted node is safe to pass.
bool isBehaviourInScene(irr::scene::ISceneManager* sceneManager, irr::scene::ISceneNode* node,
	irr::scene::ISceneNodeAnimator* behaviour);

//! Enters behaviour into the scene's event list (listen) or takes it out.
void listenForEvents(irr::scene::ISceneManager* sceneManager, irr::scene::ISceneNodeAnimator* behaviour, bool listen);

//! Runs list (may be null) for node; nothing without a node or a scene manager.
void runTriggeredActions(IHXActionHandler* list, irr::scene::ISceneNode* node, irr::scene::ISceneManager* sceneManager);

//! A clone of list (one reference for the caller), or null for no list.
IHXActionHandler* cloneActionList(IHXActionHandler* list);

//! Replaces the list held in slot with one read behind its presence flag.
void readActionListInto(CVeskDeserializer* reader, IHXActionHandler*& slot);

void dropActionList(IHXActionHandler*& slot);

IHXAction* getListActionOfType(IHXActionHandler* list, irr::s32 actionType);
void replaceListSceneNodeId(IHXActionHandler* list, irr::s32 oldId, irr::s32 newId);

#endif
