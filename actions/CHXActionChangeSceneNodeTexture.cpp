#include "actions/CHXActionChangeSceneNodeTexture.h"

#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"

#include <IAttributes.h>
#include <ISceneNode.h>
#include <ITexture.h>

using namespace irr;

namespace
{

const c8* const MODE_NAMES[] = { "Change all textures", "Change material with index", 0 };

} // end anonymous namespace

CHXActionChangeSceneNodeTexture::~CHXActionChangeSceneNodeTexture()
{
	setTexture(0);
}

s32 CHXActionChangeSceneNodeTexture::getType() const
{
	return EHAT_CHANGE_SCENE_NODE_TEXTURE;
}

IHXAction* CHXActionChangeSceneNodeTexture::clone() const
{
	CHXActionChangeSceneNodeTexture* copy = new CHXActionChangeSceneNodeTexture();
	copy->Mode = Mode;
	copy->Target = Target;
	copy->MaterialIndex = MaterialIndex;
	copy->setTexture(Texture);
	return copy;
}

void CHXActionChangeSceneNodeTexture::setTexture(video::ITexture* texture)
{
	if (texture)
		texture->grab();
	if (Texture)
		Texture->drop();
	Texture = texture;
}

void CHXActionChangeSceneNodeTexture::execute(scene::ISceneNode* currentNode, scene::ISceneManager* sceneManager)
{
	if (!currentNode || !sceneManager)
		return;
	scene::ISceneNode* node = Target.resolve(currentNode, sceneManager);
	if (!node)
		return;
	// Overlays show the texture as their image, never on a material; that waits for the overlay node.
	const u32 type = node->getType();
	if (type == VESK_NODE_2D_OVERLAY || type == VESK_NODE_2D_MOBILE_INPUT)
		return;
	if (Mode == EM_ALL_MATERIALS)
	{
		for (u32 i = 0; i < node->getMaterialCount(); ++i)
			node->getMaterial(i).setTexture(0, Texture);
	}
	else if (Mode == EM_MATERIAL_WITH_INDEX && MaterialIndex >= 0 && u32(MaterialIndex) < node->getMaterialCount())
		node->getMaterial(u32(MaterialIndex)).setTexture(0, Texture);
}

void CHXActionChangeSceneNodeTexture::serializeAttributes(io::IAttributes* out, scene::ISceneManager* sceneManager) const
{
	Target.serializeAttribute(out, "Change which SceneNode", sceneManager);
	out->addEnum("Change which texture", Mode >= 0 && Mode <= EM_MATERIAL_WITH_INDEX ? MODE_NAMES[Mode] : "", MODE_NAMES);
	out->addInt("Material Index", MaterialIndex);
	out->addTexture("Texture", Texture);
}

void CHXActionChangeSceneNodeTexture::deserializeAttributes(io::IAttributes* in, scene::ISceneManager* sceneManager)
{
	Target.deserializeAttribute(in, "Change which SceneNode", sceneManager);
	if (in->existsAttribute("Change which texture"))
		Mode = in->getAttributeAsEnumeration("Change which texture", MODE_NAMES);
	if (in->existsAttribute("Material Index"))
		MaterialIndex = in->getAttributeAsInt("Material Index");
	if (in->existsAttribute("Texture"))
		setTexture(in->getAttributeAsTexture("Texture"));
}

void CHXActionChangeSceneNodeTexture::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(Mode);
	writer->writeInt(Target.NodeId);
	writer->writeBool(Target.UseCurrentNode);
	writer->writeTexture(Texture);
	if (Mode == EM_MATERIAL_WITH_INDEX)
		writer->writeInt(MaterialIndex);
	writer->writeInt(0);
}

void CHXActionChangeSceneNodeTexture::readBinary(CVeskDeserializer* reader)
{
	Mode = reader->readInt();
	Target.NodeId = reader->readInt();
	Target.UseCurrentNode = reader->readBool();
	setTexture(reader->readTexture());
	if (Mode == EM_MATERIAL_WITH_INDEX)
		MaterialIndex = reader->readInt();
	reader->readInt();
}
