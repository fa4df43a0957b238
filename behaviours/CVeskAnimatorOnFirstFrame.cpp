#include "behaviours/CVeskAnimatorOnFirstFrame.h"
#include "actions/CHXActionHandler.h"
#include "behaviours/veskTriggerSupport.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"

#include <IAttributes.h>
#include <ISceneNode.h>
#include <ISceneManager.h>

namespace irr
{
namespace scene
{

CVeskAnimatorOnFirstFrame::CVeskAnimatorOnFirstFrame(ISceneManager* sceneManager)
	: AlsoOnReload(false), SceneManager(sceneManager), Actions(0), Done(false)
{
}

CVeskAnimatorOnFirstFrame::~CVeskAnimatorOnFirstFrame()
{
	dropActionList(Actions);
}

ESCENE_NODE_ANIMATOR_TYPE CVeskAnimatorOnFirstFrame::getType() const
{
	return ESCENE_NODE_ANIMATOR_TYPE(EVBT_ON_FIRST_FRAME);
}

void CVeskAnimatorOnFirstFrame::setActions(IHXActionHandler* actions)
{
	if (actions)
		actions->grab();
	dropActionList(Actions);
	Actions = actions;
}

void CVeskAnimatorOnFirstFrame::animateNode(ISceneNode* node, u32 timeMs)
{
	if (!node || Done)
		return;
	Done = true;
	ISceneManager* sceneManager = SceneManager ? SceneManager : node->getSceneManager();
	if (isSceneEditorHost(sceneManager))
		return;
	if (!AlsoOnReload && sceneManager && sceneManager->getParameters()->getAttributeAsBool("IRR_Reloaded"))
		return;
	runTriggeredActions(Actions, node, sceneManager);
}

ISceneNodeAnimator* CVeskAnimatorOnFirstFrame::createClone(ISceneNode* node, ISceneManager* newManager)
{
	CVeskAnimatorOnFirstFrame* clone = new CVeskAnimatorOnFirstFrame(newManager ? newManager : SceneManager);
	clone->AlsoOnReload = AlsoOnReload;
	clone->Actions = cloneActionList(Actions);
	return clone;
}

void CVeskAnimatorOnFirstFrame::replaceSceneNodeId(s32 oldId, s32 newId)
{
	replaceListSceneNodeId(Actions, oldId, newId);
}

void CVeskAnimatorOnFirstFrame::writeBinary(CVeskSerializer* writer)
{
	writer->writeBool(AlsoOnReload);
	writer->writeInt(0);
	CHXActionHandler::writeOptional(writer, Actions);
}

void CVeskAnimatorOnFirstFrame::readBinary(CVeskDeserializer* reader)
{
	AlsoOnReload = reader->readBool();
	reader->readInt();
	readActionListInto(reader, Actions);
}

void CVeskAnimatorOnFirstFrame::serializeAttributes(io::IAttributes* out, io::SAttributeReadWriteOptions* options) const
{
	// The list behind "Action" is edited as a list, not as an attribute.
	if (out)
		out->addBool("AlsoOnReload", AlsoOnReload);
}

void CVeskAnimatorOnFirstFrame::deserializeAttributes(io::IAttributes* in, io::SAttributeReadWriteOptions* options)
{
	if (in && in->existsAttribute("AlsoOnReload"))
		AlsoOnReload = in->getAttributeAsBool("AlsoOnReload");
}

} // end namespace scene
} // end namespace irr
