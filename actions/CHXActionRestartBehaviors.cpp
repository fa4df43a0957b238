#include "actions/CHXActionRestartBehaviors.h"

#include "behaviours/veskBehaviours.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"

#include <ISceneNode.h>

using namespace irr;

s32 CHXActionRestartBehaviors::getType() const
{
	return EHAT_RESTART_BEHAVIORS;
}

IHXAction* CHXActionRestartBehaviors::clone() const
{
	CHXActionRestartBehaviors* copy = new CHXActionRestartBehaviors();
	copy->Target = Target;
	return copy;
}

void CHXActionRestartBehaviors::execute(scene::ISceneNode* currentNode, scene::ISceneManager* sceneManager)
{
	if (!currentNode || !sceneManager)
		return;
	scene::ISceneNode* target = Target.resolve(currentNode, sceneManager);
	if (!target)
		return;
	const scene::ISceneNodeAnimatorList& behaviours = target->getAnimators();
	for (scene::ISceneNodeAnimatorList::ConstIterator it = behaviours.begin(); it != behaviours.end(); ++it)
		restartAnimator(*it);
}

void CHXActionRestartBehaviors::serializeAttributes(io::IAttributes* out, scene::ISceneManager* sceneManager) const
{
	Target.serializeAttribute(out, "Change which SceneNode", sceneManager);
}

void CHXActionRestartBehaviors::deserializeAttributes(io::IAttributes* in, scene::ISceneManager* sceneManager)
{
	Target.deserializeAttribute(in, "Change which SceneNode", sceneManager);
}

void CHXActionRestartBehaviors::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(Target.NodeId);
	writer->writeBool(Target.UseCurrentNode);
	writer->writeInt(0);
}

void CHXActionRestartBehaviors::readBinary(CVeskDeserializer* reader)
{
	Target.NodeId = reader->readInt();
	Target.UseCurrentNode = reader->readBool();
	reader->readInt();
}
