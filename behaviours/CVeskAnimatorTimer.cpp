#include "behaviours/CVeskAnimatorTimer.h"
#include "actions/CHXActionHandler.h"
#include "behaviours/veskTriggerSupport.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"

#include <IAttributes.h>
#include <ISceneNode.h>

namespace irr
{
namespace scene
{

CVeskAnimatorTimer::CVeskAnimatorTimer(ISceneManager* sceneManager)
	: IntervalMs(5000), SceneManager(sceneManager), Actions(0), LastTime(0), Started(false)
{
}

CVeskAnimatorTimer::~CVeskAnimatorTimer()
{
	dropActionList(Actions);
}

ESCENE_NODE_ANIMATOR_TYPE CVeskAnimatorTimer::getType() const
{
	return ESCENE_NODE_ANIMATOR_TYPE(EVBT_TIMER);
}

void CVeskAnimatorTimer::setActions(IHXActionHandler* actions)
{
	if (actions)
		actions->grab();
	dropActionList(Actions);
	Actions = actions;
}

void CVeskAnimatorTimer::animateNode(ISceneNode* node, u32 timeMs)
{
	if (!node || isSceneEditorHost(SceneManager) || IntervalMs < 1)
		return;
	if (!Started)
	{
		Started = true;
		LastTime = timeMs;
		return;
	}
	if (timeMs - LastTime <= u32(IntervalMs))
		return;
	LastTime = timeMs;
	runTriggeredActions(Actions, node, SceneManager ? SceneManager : node->getSceneManager());
}

ISceneNodeAnimator* CVeskAnimatorTimer::createClone(ISceneNode* node, ISceneManager* newManager)
{
	CVeskAnimatorTimer* clone = new CVeskAnimatorTimer(newManager ? newManager : SceneManager);
	clone->IntervalMs = IntervalMs;
	clone->Actions = cloneActionList(Actions);
	return clone;
}

IHXAction* CVeskAnimatorTimer::getActionOfType(s32 actionType)
{
	return getListActionOfType(Actions, actionType);
}

void CVeskAnimatorTimer::replaceSceneNodeId(s32 oldId, s32 newId)
{
	replaceListSceneNodeId(Actions, oldId, newId);
}

void CVeskAnimatorTimer::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(IntervalMs);
	writer->writeInt(0);
	CHXActionHandler::writeOptional(writer, Actions);
}

void CVeskAnimatorTimer::readBinary(CVeskDeserializer* reader)
{
	IntervalMs = reader->readInt();
	reader->readInt();
	readActionListInto(reader, Actions);
}

void CVeskAnimatorTimer::serializeAttributes(io::IAttributes* out, io::SAttributeReadWriteOptions* options) const
{
	// The list behind "Action" is edited as a list, not as an attribute.
	if (out)
		out->addInt("IntervalMS", IntervalMs);
}

void CVeskAnimatorTimer::deserializeAttributes(io::IAttributes* in, io::SAttributeReadWriteOptions* options)
{
	if (in && in->existsAttribute("IntervalMS"))
		IntervalMs = in->getAttributeAsInt("IntervalMS");
}

} // end namespace scene
} // end namespace irr
