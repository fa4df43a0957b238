#ifndef HX_DEMO_ACTIONS_H
#define HX_DEMO_ACTIONS_H

#include <irrlicht.h>

#include <initializer_list>

class CHXActionHandler;
class IHXAction;

//! The demo's action makers (one reference each) and its trigger makers, which attach a
//! trigger with its lists to a node. A node id of -1 means the node the list runs for.
IHXAction* makeHideAction(irr::s32 nodeId);
IHXAction* makeSwitchAction(const char* sceneName);
IHXAction* makeTextureAction(irr::s32 nodeId, irr::video::ITexture* texture);
IHXAction* makeTurnAction(irr::s32 nodeId, const irr::core::vector3df& degrees);
IHXAction* makeCloneAction(irr::s32 nodeId);
IHXAction* makeAddAction(const char* variable, const char* value);
IHXAction* makeStoreAction(const char* variable, bool load);
IHXAction* makeOverlayTextAction(irr::s32 nodeId, const char* text);

//! A list holding the actions (their references pass to it). One reference for the caller.
CHXActionHandler* makeList(std::initializer_list<IHXAction*> actions);

void addClickTrigger(irr::scene::ISceneNode* node, CHXActionHandler* actions);
void addHoverTrigger(irr::scene::ISceneNode* node, CHXActionHandler* enter, CHXActionHandler* leave);
void addTimerTrigger(irr::scene::ISceneNode* node, irr::s32 intervalMs, CHXActionHandler* actions);
void addKeyTrigger(irr::scene::ISceneNode* node, irr::EKEY_CODE key, CHXActionHandler* actions);
void addFirstFrameTrigger(irr::scene::ISceneNode* node, CHXActionHandler* actions);

#endif
