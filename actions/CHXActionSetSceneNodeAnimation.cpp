#include "actions/CHXActionSetSceneNodeAnimation.h"

#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"
#include "scene/CVeskSkinnedMeshData.h"

#include <IAnimatedMeshSceneNode.h>
#include <IAttributes.h>

using namespace irr;

namespace
{

scene::IAnimatedMeshSceneNode* asAnimatedMeshNode(scene::ISceneNode* node)
{
	if (!node)
		return 0;
	const u32 type = node->getType();
	if (type != scene::ESNT_ANIMATED_MESH && type != VESK_NODE_ANIMATED_MESH)
		return 0;
	return dynamic_cast<scene::IAnimatedMeshSceneNode*>(node);
}

} // end anonymous namespace

s32 CHXActionSetSceneNodeAnimation::getType() const
{
	return EHAT_SET_SCENE_NODE_ANIMATION;
}

IHXAction* CHXActionSetSceneNodeAnimation::clone() const
{
	CHXActionSetSceneNodeAnimation* copy = new CHXActionSetSceneNodeAnimation();
	copy->Target = Target;
	copy->Loop = Loop;
	copy->AnimationName = AnimationName;
	return copy;
}

void CHXActionSetSceneNodeAnimation::execute(scene::ISceneNode* currentNode, scene::ISceneManager* sceneManager)
{
	if (!currentNode || !sceneManager)
		return;
	scene::IAnimatedMeshSceneNode* node = asAnimatedMeshNode(Target.resolve(currentNode, sceneManager));
	scene::IAnimatedMesh* mesh = node ? node->getMesh() : 0;
	if (!mesh || mesh->getMeshType() != scene::EAMT_SKINNED)
		return;
	const CVeskSkinnedMeshData* data = CVeskSkinnedMeshData::find(mesh);
	const SVeskAnimationRange* range = data ? data->findRange(AnimationName.c_str()) : 0;
	if (range)
	{
		node->setFrameLoop(range->FirstFrame, range->LastFrame);
		if (range->Speed != 0.f)
			node->setAnimationSpeed(range->Speed);
	}
	else if (AnimationName.equals_ignore_case("All"))
	{
		node->setFrameLoop(0, s32(mesh->getFrameCount()));
		if (data && data->AnimationSpeed != 0.f)
			node->setAnimationSpeed(data->AnimationSpeed);
	}
	else if (AnimationName.equals_ignore_case("None"))
		node->setFrameLoop(0, 0);
	else
		return;
	node->setLoopMode(Loop);
}

void CHXActionSetSceneNodeAnimation::serializeAttributes(io::IAttributes* out, scene::ISceneManager* sceneManager) const
{
	Target.serializeAttribute(out, "Change which SceneNode", sceneManager);
	out->addString("Animation Name", AnimationName.c_str());
	out->addBool("Loop", Loop);
}

void CHXActionSetSceneNodeAnimation::deserializeAttributes(io::IAttributes* in, scene::ISceneManager* sceneManager)
{
	Target.deserializeAttribute(in, "Change which SceneNode", sceneManager);
	if (in->existsAttribute("Animation Name"))
		AnimationName = in->getAttributeAsString("Animation Name");
	if (in->existsAttribute("Loop"))
		Loop = in->getAttributeAsBool("Loop");
}

void CHXActionSetSceneNodeAnimation::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(Target.NodeId);
	writer->writeBool(Target.UseCurrentNode);
	writer->writeBool(Loop);
	writer->writeString(AnimationName);
	writer->writeInt(0);
}

void CHXActionSetSceneNodeAnimation::readBinary(CVeskDeserializer* reader)
{
	Target.NodeId = reader->readInt();
	Target.UseCurrentNode = reader->readBool();
	Loop = reader->readBool();
	reader->readString(AnimationName);
	reader->readInt();
}
