#include "scene/CVeskLightSceneNode.h"
#include "render/veskMaterialRenderers.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"
#include "render/veskRenderPass.h"

#include <IAttributes.h>
#include <ISceneManager.h>
#include <IVideoDriver.h>

using namespace irr;

CVeskLightSceneNode::CVeskLightSceneNode(scene::ISceneNode* parent, scene::ISceneManager* sceneManager, s32 id,
	const core::vector3df& position)
	: scene::ILightSceneNode(parent, sceneManager, id, position),
	  Box(-3.333f, -3.333f, -3.333f, 3.333f, 3.333f, 3.333f)
{
	LightData.DiffuseColor = video::SColorf(1.f, 1.f, 1.f, 1.f);
	const video::SColorf& diffuse = LightData.DiffuseColor;
	LightData.SpecularColor = video::SColorf(diffuse.r * 0.7f + 0.3f, diffuse.g * 0.7f + 0.3f,
		diffuse.b * 0.7f + 0.3f, diffuse.a * 0.7f + 0.3f);
	setDirection(core::vector3df(-0.2564f, -0.8094f, 0.5284f));
	setRadius(50.f);
}

void CVeskLightSceneNode::setRadius(f32 radius)
{
	LightData.Radius = radius;
	LightData.Attenuation.set(0.f, 1.f / radius, 0.f);
}

void CVeskLightSceneNode::setDirection(const core::vector3df& direction)
{
	LightData.Direction = direction;
	LightData.Direction.normalize();
}

void CVeskLightSceneNode::OnRegisterSceneNode()
{
	if (LightData.Type == video::ELT_DIRECTIONAL)
		AutomaticCullingState = scene::EAC_OFF;
	else
	{
		AutomaticCullingState = scene::EAC_BOX;
		LightData.Position = getAbsolutePosition();
	}
	if (IsVisible)
	{
		registerVeskNodeForRendering(SceneManager, this, EVRP_LIGHT);
		if (DebugDataVisible)
			registerVeskNodeForRendering(SceneManager, this, EVRP_TRANSPARENT);
	}
	ISceneNode::OnRegisterSceneNode();
}

void CVeskLightSceneNode::render()
{
	video::IVideoDriver* driver = SceneManager ? SceneManager->getVideoDriver() : 0;
	if (!driver)
		return;
	if (getVeskCurrentRenderPass(SceneManager) == EVRP_TRANSPARENT)
		drawDebugFigure();
	else
		driver->addDynamicLight(LightData);
}

void CVeskLightSceneNode::drawDebugFigure()
{
	video::IVideoDriver* driver = SceneManager->getVideoDriver();
	video::SMaterial material;
	material.Lighting = false;
	setVeskMaterial(driver, material);
	driver->setTransform(video::ETS_WORLD, AbsoluteTransformation);
	const video::SColor color = LightData.DiffuseColor.toSColor();
	driver->draw3DBox(Box, color);
	if (LightData.Type != video::ELT_POINT)
	{
		// Spot and directional lights show where they shine; the direction is in world space.
		core::matrix4 translation;
		translation.setTranslation(getAbsolutePosition());
		driver->setTransform(video::ETS_WORLD, translation);
		driver->draw3DLine(core::vector3df(0, 0, 0), LightData.Direction * (Box.getExtent().getLength() * 2.f), color);
	}
}

scene::ESCENE_NODE_TYPE CVeskLightSceneNode::getType() const
{
	return scene::ESCENE_NODE_TYPE(VESK_NODE_LIGHT);
}

scene::ISceneNode* CVeskLightSceneNode::clone(scene::ISceneNode* newParent, scene::ISceneManager* newManager)
{
	if (!newParent)
		newParent = Parent;
	if (!newManager)
		newManager = SceneManager;
	CVeskLightSceneNode* node = new CVeskLightSceneNode(newParent, newManager, ID, RelativeTranslation);
	node->cloneMembers(this, newManager);
	node->LightData = LightData;
	node->Box = Box;
	if (newParent)
		node->drop();
	return node;
}

void CVeskLightSceneNode::serializeAttributes(io::IAttributes* out, io::SAttributeReadWriteOptions* options) const
{
	if (!out)
		return;
	ISceneNode::serializeAttributes(out, options);
	out->addColorf("Color", LightData.DiffuseColor);
	if (LightData.Type == video::ELT_POINT)
		out->addFloat("Radius", LightData.Radius);
	out->addBool("CastShadows", LightData.CastShadows);
	if (LightData.Type == video::ELT_DIRECTIONAL)
		out->addVector3d("Direction", LightData.Direction);
}

void CVeskLightSceneNode::deserializeAttributes(io::IAttributes* in, io::SAttributeReadWriteOptions* options)
{
	if (!in)
		return;
	ISceneNode::deserializeAttributes(in, options);
	if (in->existsAttribute("Color"))
	{
		LightData.DiffuseColor = in->getAttributeAsColorf("Color");
		LightData.SpecularColor = LightData.DiffuseColor;
	}
	if (LightData.Type == video::ELT_POINT && in->existsAttribute("Radius"))
		LightData.Radius = in->getAttributeAsFloat("Radius");
	if (in->existsAttribute("CastShadows"))
		LightData.CastShadows = in->getAttributeAsBool("CastShadows");
	if (LightData.Type == video::ELT_DIRECTIONAL && in->existsAttribute("Direction"))
		setDirection(in->getAttributeAsVector3d("Direction"));
	setRadius(LightData.Radius);
}

void CVeskLightSceneNode::writeBinary(CVeskSerializer* writer)
{
	writer->writeBox(Box);
	writer->writeInt(s32(LightData.Type));
	writer->writeColorf(LightData.DiffuseColor);
	writer->writeColorf(LightData.SpecularColor);
	writer->writeBool(LightData.CastShadows);
	writer->writeVector(LightData.Direction);
	writer->writeFloat(LightData.Radius);
}

void CVeskLightSceneNode::readBinary(CVeskDeserializer* reader)
{
	Box = reader->readBox();
	const s32 type = reader->readInt();
	// Only the three kinds the driver knows; anything else is taken as a point light.
	LightData.Type = (type == video::ELT_SPOT || type == video::ELT_DIRECTIONAL) ? video::E_LIGHT_TYPE(type) : video::ELT_POINT;
	LightData.DiffuseColor = reader->readColorf();
	LightData.SpecularColor = reader->readColorf();
	LightData.CastShadows = reader->readBool();
	LightData.Direction = reader->readVector();
	setRadius(reader->readFloat());
}
