#include "demoActions.h"

#include "actions/CHXActionSetOverlayText.h"
#include "actions/CHXActionChangeSceneNodeRotation.h"
#include "actions/CHXActionChangeSceneNodeTexture.h"
#include "actions/CHXActionCloneSceneNode.h"
#include "actions/CHXActionHandler.h"
#include "actions/CHXActionMakeSceneNodeInvisible.h"
#include "actions/CHXActionSetOrChangeAVariable.h"
#include "actions/CHXActionStoreLoadVariable.h"
#include "actions/CHXActionSwitchToScene.h"
#include "actions/veskVariableOperand.h"
#include "behaviours/CVeskAnimatorOnClick.h"
#include "behaviours/CVeskAnimatorOnFirstFrame.h"
#include "behaviours/CVeskAnimatorOnKeyPress.h"
#include "behaviours/CVeskAnimatorOnMouseMove.h"
#include "behaviours/CVeskAnimatorTimer.h"

using namespace irr;

namespace
{

void target(SHXNodeReference& reference, s32 nodeId)
{
	reference.NodeId = nodeId;
	reference.UseCurrentNode = nodeId == -1;
}

void attach(scene::ISceneNode* node, scene::ISceneNodeAnimator* behaviour)
{
	node->addAnimator(behaviour);
	behaviour->drop();
}

void dropList(CHXActionHandler* list)
{
	if (list)
		list->drop();
}

} // end anonymous namespace

IHXAction* makeHideAction(s32 nodeId)
{
	CHXActionMakeSceneNodeInvisible* action = new CHXActionMakeSceneNodeInvisible();
	action->Mode = 0;
	target(action->Target, nodeId);
	return action;
}

IHXAction* makeOverlayTextAction(s32 nodeId, const char* text)
{
	CHXActionSetOverlayText* action = new CHXActionSetOverlayText();
	target(action->Target, nodeId);
	action->Text = text;
	return action;
}

IHXAction* makeSwitchAction(const char* sceneName)
{
	CHXActionSwitchToScene* action = new CHXActionSwitchToScene();
	action->SceneName = sceneName;
	return action;
}

IHXAction* makeTextureAction(s32 nodeId, video::ITexture* texture)
{
	CHXActionChangeSceneNodeTexture* action = new CHXActionChangeSceneNodeTexture();
	target(action->Target, nodeId);
	action->setTexture(texture);
	return action;
}

IHXAction* makeTurnAction(s32 nodeId, const core::vector3df& degrees)
{
	CHXActionChangeSceneNodeRotation* action = new CHXActionChangeSceneNodeRotation();
	action->Mode = CHXActionChangeSceneNodeRotation::EM_ROTATE_BY;
	target(action->Target, nodeId);
	action->Rotation = degrees;
	return action;
}

IHXAction* makeCloneAction(s32 nodeId)
{
	CHXActionCloneSceneNode* action = new CHXActionCloneSceneNode();
	target(action->Target, nodeId);
	return action;
}

IHXAction* makeAddAction(const char* variable, const char* value)
{
	CHXActionSetOrChangeAVariable* action = new CHXActionSetOrChangeAVariable();
	action->VariableName = variable;
	action->Operation = CHXActionSetOrChangeAVariable::EO_ADD;
	action->ValueType = EHVT_VALUE;
	action->Value = value;
	return action;
}

IHXAction* makeStoreAction(const char* variable, bool load)
{
	CHXActionStoreLoadVariable* action = new CHXActionStoreLoadVariable();
	action->VariableName = variable;
	action->Load = load;
	return action;
}

CHXActionHandler* makeList(std::initializer_list<IHXAction*> actions)
{
	CHXActionHandler* list = new CHXActionHandler(0);
	for (IHXAction* action : actions)
	{
		list->addAction(action);
		action->drop();
	}
	return list;
}

void addClickTrigger(scene::ISceneNode* node, CHXActionHandler* actions)
{
	scene::CVeskAnimatorOnClick* click = new scene::CVeskAnimatorOnClick(node->getSceneManager());
	click->setActions(actions);
	dropList(actions);
	attach(node, click);
}

void addHoverTrigger(scene::ISceneNode* node, CHXActionHandler* enter, CHXActionHandler* leave)
{
	scene::CVeskAnimatorOnMouseMove* hover = new scene::CVeskAnimatorOnMouseMove(node->getSceneManager(), 0);
	hover->setEnterActions(enter);
	hover->setLeaveActions(leave);
	dropList(enter);
	dropList(leave);
	attach(node, hover);
}

void addTimerTrigger(scene::ISceneNode* node, s32 intervalMs, CHXActionHandler* actions)
{
	scene::CVeskAnimatorTimer* timer = new scene::CVeskAnimatorTimer(node->getSceneManager());
	timer->IntervalMs = intervalMs;
	timer->setActions(actions);
	dropList(actions);
	attach(node, timer);
}

void addKeyTrigger(scene::ISceneNode* node, EKEY_CODE key, CHXActionHandler* actions)
{
	scene::CVeskAnimatorOnKeyPress* press = new scene::CVeskAnimatorOnKeyPress(node->getSceneManager());
	press->KeyCode = key;
	press->setActions(actions);
	dropList(actions);
	attach(node, press);
}

void addFirstFrameTrigger(scene::ISceneNode* node, CHXActionHandler* actions)
{
	scene::CVeskAnimatorOnFirstFrame* first = new scene::CVeskAnimatorOnFirstFrame(node->getSceneManager());
	first->setActions(actions);
	dropList(actions);
	attach(node, first);
}
