#include "scene/CVeskDummyTransformationSceneNode.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"

#include <IAttributes.h>

using namespace irr;

CVeskDummyTransformationSceneNode::CVeskDummyTransformationSceneNode(scene::ISceneNode* parent,
	scene::ISceneManager* sceneManager, s32 id, const core::vector3df& position)
	: scene::IDummyTransformationSceneNode(parent, sceneManager, id), Box(-1, -1, -1, 1, 1, 1)
{
	setPosition(position);
	setAutomaticCulling(scene::EAC_OFF);
}

scene::ESCENE_NODE_TYPE CVeskDummyTransformationSceneNode::getType() const
{
	return scene::ESCENE_NODE_TYPE(VESK_NODE_DUMMY_TRANSFORMATION);
}

scene::ISceneNode* CVeskDummyTransformationSceneNode::clone(scene::ISceneNode* newParent, scene::ISceneManager* newManager)
{
	if (!newParent)
		newParent = Parent;
	if (!newManager)
		newManager = SceneManager;
	CVeskDummyTransformationSceneNode* node = new CVeskDummyTransformationSceneNode(newParent, newManager, ID);
	node->cloneMembers(this, newManager);
	node->RelativeTransformation = RelativeTransformation;
	node->Box = Box;
	node->copyFrom(this);
	if (newParent)
		node->drop();
	return node;
}

void CVeskDummyTransformationSceneNode::serializeAttributes(io::IAttributes* out, io::SAttributeReadWriteOptions* options) const
{
	if (!out)
		return;
	out->addString("Name", Name.c_str());
	out->addBool("Visible", IsVisible);
}

void CVeskDummyTransformationSceneNode::deserializeAttributes(io::IAttributes* in, io::SAttributeReadWriteOptions* options)
{
	if (!in)
		return;
	if (in->existsAttribute("Name"))
		Name = in->getAttributeAsString("Name");
	if (in->existsAttribute("Visible"))
		IsVisible = in->getAttributeAsBool("Visible");
}

void CVeskDummyTransformationSceneNode::writeBinary(CVeskSerializer* writer)
{
	writer->writeBox(Box);
	const f32* elements = RelativeTransformation.pointer();
	for (u32 i = 0; i < 16; ++i)
		writer->writeFloat(elements[i]);
}

void CVeskDummyTransformationSceneNode::readBinary(CVeskDeserializer* reader)
{
	Box = reader->readBox();
	f32* elements = RelativeTransformation.pointer();
	for (u32 i = 0; i < 16; ++i)
		elements[i] = reader->readFloat();
}
