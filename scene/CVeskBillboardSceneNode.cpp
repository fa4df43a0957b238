#include "scene/CVeskBillboardSceneNode.h"
#include "behaviours/veskBehaviours.h"
#include "render/veskMaterialRenderers.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"
#include "render/veskRenderPass.h"

#include <IAttributes.h>
#include <ICameraSceneNode.h>
#include <ISceneManager.h>
#include <IVideoDriver.h>

using namespace irr;

namespace
{

const u32 NEUTRAL_VERTEX_COLOR = 0xFF404040;

} // end anonymous namespace

CVeskBillboardSceneNode::CVeskBillboardSceneNode(scene::ISceneNode* parent, scene::ISceneManager* sceneManager,
	s32 id, const core::vector3df& position)
	: scene::IBillboardSceneNode(parent, sceneManager, id, position),
	  TopColor(NEUTRAL_VERTEX_COLOR), BottomColor(NEUTRAL_VERTEX_COLOR), OccludesLight(false), IsVertical(false)
{
	// Wound so that the quad's front faces the camera; the other order is culled away.
	const u16 indices[6] = { 0, 2, 1, 0, 3, 2 };
	for (u32 i = 0; i < 6; ++i)
		Indices[i] = indices[i];
	Vertices[0].TCoords.set(1.f, 1.f);
	Vertices[1].TCoords.set(1.f, 0.f);
	Vertices[2].TCoords.set(0.f, 0.f);
	Vertices[3].TCoords.set(0.f, 1.f);
	setColor(TopColor, BottomColor);
	setSize(core::dimension2df(10.f, 10.f));
}

void CVeskBillboardSceneNode::OnRegisterSceneNode()
{
	if (!IsVisible)
		return;
	registerVeskNodeForRendering(SceneManager, this, getVeskRegistrationPass(this, EVRP_AUTOMATIC));
	ISceneNode::OnRegisterSceneNode();
}

void CVeskBillboardSceneNode::render()
{
	video::IVideoDriver* driver = SceneManager ? SceneManager->getVideoDriver() : 0;
	scene::ICameraSceneNode* camera = SceneManager ? SceneManager->getActiveCamera() : 0;
	if (!driver || !camera)
		return;

	const core::vector3df position = getAbsolutePosition();
	core::vector3df view = camera->getTarget() - camera->getAbsolutePosition();
	view.normalize();
	const core::vector3df up = camera->getUpVector();
	core::vector3df horizontal = up.crossProduct(view);
	if (horizontal.getLength() == 0.f)
		horizontal.set(up.Y, up.X, up.Z);
	horizontal.normalize();
	horizontal *= 0.5f * Size.Width;

	core::vector3df vertical;
	if (IsVertical)
		vertical.set(0.f, -0.5f * Size.Height, 0.f);
	else
	{
		vertical = horizontal.crossProduct(view);
		vertical.normalize();
		vertical *= 0.5f * Size.Height;
	}

	Vertices[0].Pos = position + horizontal + vertical;
	Vertices[1].Pos = position + horizontal - vertical;
	Vertices[2].Pos = position - horizontal - vertical;
	Vertices[3].Pos = position - horizontal + vertical;
	for (u32 i = 0; i < 4; ++i)
		Vertices[i].Normal = -view;

	driver->setTransform(video::ETS_WORLD, core::IdentityMatrix);
	setVeskMaterial(driver, Material);
	driver->drawIndexedTriangleList(Vertices, 4, Indices, 2);
}

scene::ESCENE_NODE_TYPE CVeskBillboardSceneNode::getType() const
{
	return scene::ESCENE_NODE_TYPE(VESK_NODE_BILLBOARD);
}

scene::ISceneNode* CVeskBillboardSceneNode::clone(scene::ISceneNode* newParent, scene::ISceneManager* newManager)
{
	if (!newParent)
		newParent = Parent;
	if (!newManager)
		newManager = SceneManager;
	CVeskBillboardSceneNode* node = new CVeskBillboardSceneNode(newParent, newManager, ID, RelativeTranslation);
	node->cloneMembers(this, newManager);
	node->Material = Material;
	node->OccludesLight = OccludesLight;
	node->IsVertical = IsVertical;
	node->setColor(TopColor, BottomColor);
	node->setSize(Size);
	if (newParent)
		node->drop();
	return node;
}

void CVeskBillboardSceneNode::setSize(const core::dimension2df& size)
{
	Size = size;
	if (core::iszero(Size.Width))
		Size.Width = 1.f;
	if (core::iszero(Size.Height))
		Size.Height = 1.f;

	const f32 w = Size.Width;
	const f32 h = Size.Height;
	if (IsVertical)
		Box = core::aabbox3df(-w / 3.f, -h / 3.f, -w / 3.f, w / 3.f, h / 3.f, w / 3.f);
	else
	{
		const f32 half = (w + h) / 6.f;
		Box = core::aabbox3df(-half, -half, -half, half, half, half);
	}
	// Negative sizes from a document still give a box whose corners are ordered.
	Box.repair();
}

void CVeskBillboardSceneNode::setSize(f32 height, f32 bottomEdgeWidth, f32 topEdgeWidth)
{
	setSize(core::dimension2df(bottomEdgeWidth, height));
}

void CVeskBillboardSceneNode::getSize(f32& height, f32& bottomEdgeWidth, f32& topEdgeWidth) const
{
	height = Size.Height;
	bottomEdgeWidth = Size.Width;
	topEdgeWidth = Size.Width;
}

void CVeskBillboardSceneNode::setVertical(bool vertical)
{
	IsVertical = vertical;
	setSize(Size);
}

void CVeskBillboardSceneNode::setColor(const video::SColor& overallColor)
{
	setColor(overallColor, overallColor);
}

void CVeskBillboardSceneNode::setColor(const video::SColor& topColor, const video::SColor& bottomColor)
{
	TopColor = topColor;
	BottomColor = bottomColor;
	Vertices[0].Color = BottomColor;
	Vertices[1].Color = TopColor;
	Vertices[2].Color = TopColor;
	Vertices[3].Color = BottomColor;
}

void CVeskBillboardSceneNode::getColor(video::SColor& topColor, video::SColor& bottomColor) const
{
	topColor = TopColor;
	bottomColor = BottomColor;
}

void CVeskBillboardSceneNode::serializeAttributes(io::IAttributes* out, io::SAttributeReadWriteOptions* options) const
{
	if (!out)
		return;
	ISceneNode::serializeAttributes(out, options);
	out->addFloat("Width", Size.Width);
	out->addFloat("Height", Size.Height);
	out->addBool("OccludesLight", OccludesLight);
	out->addBool("IsVertical", IsVertical);
}

void CVeskBillboardSceneNode::deserializeAttributes(io::IAttributes* in, io::SAttributeReadWriteOptions* options)
{
	if (!in)
		return;
	ISceneNode::deserializeAttributes(in, options);
	core::dimension2df size = Size;
	if (in->existsAttribute("Width"))
		size.Width = in->getAttributeAsFloat("Width");
	if (in->existsAttribute("Height"))
		size.Height = in->getAttributeAsFloat("Height");
	if (in->existsAttribute("OccludesLight"))
		OccludesLight = in->getAttributeAsBool("OccludesLight");
	if (in->existsAttribute("IsVertical"))
		IsVertical = in->getAttributeAsBool("IsVertical");
	setSize(size);
}

void CVeskBillboardSceneNode::writeBinary(CVeskSerializer* writer)
{
	writer->writeBox(Box);
	writer->writeFloat(Size.Width);
	writer->writeFloat(Size.Height);
	writer->writeByte(u8((OccludesLight ? FLAG_OCCLUDES_LIGHT : 0) | (IsVertical ? FLAG_IS_VERTICAL : 0)));
}

void CVeskBillboardSceneNode::readBinary(CVeskDeserializer* reader)
{
	Box = reader->readBox();
	core::dimension2df size;
	size.Width = reader->readFloat();
	size.Height = reader->readFloat();
	const u8 flags = reader->readByte();
	OccludesLight = (flags & FLAG_OCCLUDES_LIGHT) != 0;
	IsVertical = (flags & FLAG_IS_VERTICAL) != 0;
	// The box follows from the size.
	setSize(size);
}
