#include "behaviours/CVeskAnimatorOnMouseMove.h"
#include "actions/CHXActionHandler.h"
#include "behaviours/veskTriggerSupport.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"

#include <IAttributes.h>
#include <ICursorControl.h>

namespace irr
{
namespace scene
{

namespace
{

void replaceList(IHXActionHandler*& slot, IHXActionHandler* actions)
{
	if (actions)
		actions->grab();
	dropActionList(slot);
	slot = actions;
}

} // end anonymous namespace

CVeskAnimatorOnMouseMove::CVeskAnimatorOnMouseMove(ISceneManager* sceneManager, gui::ICursorControl* cursorControl)
	: CVeskAnimatorOnClick(sceneManager), CursorControl(cursorControl), LastCheckTime(0), Checked(false),
	  LastInside(false), EnterActions(0), LeaveActions(0)
{
	if (CursorControl)
		CursorControl->grab();
}

CVeskAnimatorOnMouseMove::~CVeskAnimatorOnMouseMove()
{
	if (CursorControl)
		CursorControl->drop();
	dropActionList(EnterActions);
	dropActionList(LeaveActions);
}

ESCENE_NODE_ANIMATOR_TYPE CVeskAnimatorOnMouseMove::getType() const
{
	return ESCENE_NODE_ANIMATOR_TYPE(EVBT_ON_MOUSE_MOVE);
}

void CVeskAnimatorOnMouseMove::setEnterActions(IHXActionHandler* actions)
{
	replaceList(EnterActions, actions);
}

void CVeskAnimatorOnMouseMove::setLeaveActions(IHXActionHandler* actions)
{
	replaceList(LeaveActions, actions);
}

void CVeskAnimatorOnMouseMove::animateNode(ISceneNode* node, u32 timeMs)
{
	if (!node)
		return;
	if (node != Node)
	{
		attach(node, false);
		Checked = false;
	}
	if (!CursorControl)
		return;
	if (Checked && timeMs - LastCheckTime < u32(CHECK_INTERVAL_MS))
		return;
	const bool first = !Checked;
	Checked = true;
	LastCheckTime = timeMs;
	if (isSceneEditorHost(SceneManager))
		return;
	const bool inside = isHitAt(CursorControl->getPosition(), NoClickWhenOccluded);
	if (first || inside == LastInside)
	{
		LastInside = inside;
		return;
	}
	LastInside = inside;
	runTriggeredActions(inside ? EnterActions : LeaveActions, Node, SceneManager);
}

ISceneNodeAnimator* CVeskAnimatorOnMouseMove::createClone(ISceneNode* node, ISceneManager* newManager)
{
	CVeskAnimatorOnMouseMove* clone = new CVeskAnimatorOnMouseMove(newManager ? newManager : SceneManager, CursorControl);
	copyConfigurationTo(clone, newManager);
	clone->EnterActions = cloneActionList(EnterActions);
	clone->LeaveActions = cloneActionList(LeaveActions);
	clone->attach(node, false);
	return clone;
}

IHXAction* CVeskAnimatorOnMouseMove::getActionOfType(s32 actionType)
{
	if (IHXAction* action = getListActionOfType(EnterActions, actionType))
		return action;
	return getListActionOfType(LeaveActions, actionType);
}

void CVeskAnimatorOnMouseMove::replaceSceneNodeId(s32 oldId, s32 newId)
{
	replaceListSceneNodeId(EnterActions, oldId, newId);
	replaceListSceneNodeId(LeaveActions, oldId, newId);
}

void CVeskAnimatorOnMouseMove::writeBinary(CVeskSerializer* writer)
{
	writer->writeBool(BoundingBoxTestOnly);
	writer->writeBool(NoClickWhenOccluded);
	writer->writeInt(0);
	CHXActionHandler::writeOptional(writer, LeaveActions);
	CHXActionHandler::writeOptional(writer, EnterActions);
}

void CVeskAnimatorOnMouseMove::readBinary(CVeskDeserializer* reader)
{
	BoundingBoxTestOnly = reader->readBool();
	NoClickWhenOccluded = reader->readBool();
	reader->readInt();
	readActionListInto(reader, LeaveActions);
	readActionListInto(reader, EnterActions);
}

void CVeskAnimatorOnMouseMove::serializeAttributes(io::IAttributes* out, io::SAttributeReadWriteOptions* options) const
{
	if (!out)
		return;
	// "ActionOnEnterMouse" and "ActionOnLeaveMouse" are edited as lists, not as attributes.
	out->addBool("BoundingBoxTestOnly", BoundingBoxTestOnly);
	out->addBool("NoActionWhenOccluded", NoClickWhenOccluded);
}

void CVeskAnimatorOnMouseMove::deserializeAttributes(io::IAttributes* in, io::SAttributeReadWriteOptions* options)
{
	if (!in)
		return;
	if (in->existsAttribute("BoundingBoxTestOnly"))
		BoundingBoxTestOnly = in->getAttributeAsBool("BoundingBoxTestOnly");
	if (in->existsAttribute("NoActionWhenOccluded"))
		NoClickWhenOccluded = in->getAttributeAsBool("NoActionWhenOccluded");
}

} // end namespace scene
} // end namespace irr
