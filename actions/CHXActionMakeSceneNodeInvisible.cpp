#include "actions/CHXActionMakeSceneNodeInvisible.h"

#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"

#include <IAttributes.h>
#include <ISceneNode.h>

using namespace irr;

namespace
{

const c8* const MODE_NAMES[] = { "Make Invisible", "Make Visible", "Toggle Visibility", 0 };

} // end anonymous namespace

s32 CHXActionMakeSceneNodeInvisible::getType() const
{
	return EHAT_MAKE_SCENE_NODE_INVISIBLE;
}

IHXAction* CHXActionMakeSceneNodeInvisible::clone() const
{
	CHXActionMakeSceneNodeInvisible* copy = new CHXActionMakeSceneNodeInvisible();
	copyTo(copy);
	return copy;
}

void CHXActionMakeSceneNodeInvisible::copyTo(CHXActionMakeSceneNodeInvisible* other) const
{
	other->Mode = Mode;
	other->Target = Target;
}

void CHXActionMakeSceneNodeInvisible::execute(scene::ISceneNode* currentNode, scene::ISceneManager* sceneManager)
{
	if (!currentNode || !sceneManager)
		return;
	scene::ISceneNode* node = Target.resolve(currentNode, sceneManager);
	if (!node)
		return;
	if (Mode == EM_MAKE_INVISIBLE)
		node->setVisible(false);
	else if (Mode == EM_MAKE_VISIBLE)
		node->setVisible(true);
	else if (Mode == EM_TOGGLE)
		node->setVisible(!node->isVisible());
}

void CHXActionMakeSceneNodeInvisible::serializeAttributes(io::IAttributes* out, scene::ISceneManager* sceneManager) const
{
	out->addEnum("Visibility change type", Mode >= 0 && Mode <= EM_TOGGLE ? MODE_NAMES[Mode] : "", MODE_NAMES);
	Target.serializeAttribute(out, "Change which SceneNode", sceneManager);
}

void CHXActionMakeSceneNodeInvisible::deserializeAttributes(io::IAttributes* in, scene::ISceneManager* sceneManager)
{
	if (in->existsAttribute("Visibility change type"))
		Mode = in->getAttributeAsEnumeration("Visibility change type", MODE_NAMES);
	Target.deserializeAttribute(in, "Change which SceneNode", sceneManager);
}

void CHXActionMakeSceneNodeInvisible::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(Mode);
	writer->writeInt(Target.NodeId);
	writer->writeBool(Target.UseCurrentNode);
	writer->writeInt(0);
}

void CHXActionMakeSceneNodeInvisible::readBinary(CVeskDeserializer* reader)
{
	Mode = reader->readInt();
	Target.NodeId = reader->readInt();
	Target.UseCurrentNode = reader->readBool();
	reader->readInt();
}
