#include "scene/CVeskSkyBoxSceneNode.h"
#include "document/veskTypeCodes.h"
#include "render/veskRenderPass.h"

#include <ICameraSceneNode.h>
#include <IMeshBuffer.h>
#include <ISceneManager.h>
#include <ITexture.h>
#include <IVideoDriver.h>
#include <SMesh.h>
#include <SMeshBuffer.h>

#include <cmath>

using namespace irr;

namespace
{

struct SFace
{
	f32 Corners[4][3];
	f32 Normal[3];
};

// Faces in buffer order; the orthogonal view picks one of them by index.
const SFace FACES[6] = {
	{ { { -1, -1, -1 }, { 1, -1, -1 }, { 1, 1, -1 }, { -1, 1, -1 } }, { 0, 0, 1 } },
	{ { { 1, -1, -1 }, { 1, -1, 1 }, { 1, 1, 1 }, { 1, 1, -1 } }, { -1, 0, 0 } },
	{ { { 1, -1, 1 }, { -1, -1, 1 }, { -1, 1, 1 }, { 1, 1, 1 } }, { 0, 0, -1 } },
	{ { { -1, -1, 1 }, { -1, -1, -1 }, { -1, 1, -1 }, { -1, 1, 1 } }, { 1, 0, 0 } },
	{ { { 1, 1, -1 }, { 1, 1, 1 }, { -1, 1, 1 }, { -1, 1, -1 } }, { 0, -1, 0 } },
	{ { { 1, -1, 1 }, { 1, -1, -1 }, { -1, -1, -1 }, { -1, -1, 1 } }, { 0, 1, 0 } },
};
const f32 SIDE_TEXTURE_COORDINATES[4][2] = { { 1, 1 }, { 0, 1 }, { 0, 0 }, { 1, 0 } };
const f32 BOTTOM_TEXTURE_COORDINATES[4][2] = { { 0, 0 }, { 1, 0 }, { 1, 1 }, { 0, 1 } };
const u32 BOTTOM_FACE = 5;

u32 faceSeenAlong(const core::vector3df& d)
{
	const f32 x = fabsf(d.X), y = fabsf(d.Y), z = fabsf(d.Z);
	if (x >= y && x >= z)
		return d.X > 0 ? 0 : 2;
	if (y >= z)
		return d.Y > 0 ? 4 : 5;
	return d.Z > 0 ? 1 : 3;
}

} // end anonymous namespace

CVeskSkyBoxSceneNode::CVeskSkyBoxSceneNode(scene::ISceneNode* parent, scene::ISceneManager* sceneManager, s32 id,
	const core::vector3df& position)
	: CVeskMeshSceneNode(parent, sceneManager, id, position)
{
	createDefaultMesh();
}

void CVeskSkyBoxSceneNode::createDefaultMesh()
{
	scene::SMesh* mesh = new scene::SMesh();
	for (u32 f = 0; f < 6; ++f)
	{
		const SFace& face = FACES[f];
		const f32 (*coordinates)[2] = f == BOTTOM_FACE ? BOTTOM_TEXTURE_COORDINATES : SIDE_TEXTURE_COORDINATES;
		scene::SMeshBuffer* buffer = new scene::SMeshBuffer();
		for (u32 v = 0; v < 4; ++v)
			buffer->Vertices.push_back(video::S3DVertex(face.Corners[v][0], face.Corners[v][1], face.Corners[v][2],
				face.Normal[0], face.Normal[1], face.Normal[2], video::SColor(0xFF404040),
				coordinates[v][0], coordinates[v][1]));
		const u16 indices[6] = { 0, 1, 2, 0, 2, 3 };
		for (u32 i = 0; i < 6; ++i)
			buffer->Indices.push_back(indices[i]);
		buffer->Material.Lighting = false;
		buffer->Material.ZBuffer = video::ECFN_NEVER;
		buffer->recalculateBoundingBox();
		mesh->addMeshBuffer(buffer);
		buffer->drop();
	}
	mesh->recalculateBoundingBox();
	setOwnMesh(mesh);
	mesh->drop();
}

void CVeskSkyBoxSceneNode::setOwnMesh(scene::SMesh* mesh)
{
	CVeskMeshSceneNode::setOwnMesh(mesh);
	if (!mesh)
		return;
	for (u32 i = 0; i < mesh->getMeshBufferCount(); ++i)
	{
		video::SMaterialLayer& layer = mesh->getMeshBuffer(i)->getMaterial().TextureLayer[0];
		layer.TextureWrapU = video::ETC_CLAMP_TO_EDGE;
		layer.TextureWrapV = video::ETC_CLAMP_TO_EDGE;
	}
}

void CVeskSkyBoxSceneNode::OnRegisterSceneNode()
{
	if (!IsVisible)
		return;
	registerVeskNodeForRendering(SceneManager, this, EVRP_SKY_BOX);
	ISceneNode::OnRegisterSceneNode();
}

void CVeskSkyBoxSceneNode::drawFaceOverScreen(const core::vector3df& viewDirection)
{
	const u32 face = faceSeenAlong(viewDirection);
	scene::IMeshBuffer* buffer = face < Mesh->getMeshBufferCount() ? Mesh->getMeshBuffer(face) : 0;
	video::ITexture* texture = buffer ? getDrawingMaterial(face, buffer).getTexture(0) : 0;
	if (!texture)
		return;
	video::IVideoDriver* driver = SceneManager->getVideoDriver();
	const core::dimension2du screen = driver->getCurrentRenderTargetSize();
	const core::dimension2du size = texture->getOriginalSize();
	driver->draw2DImage(texture, core::recti(0, 0, s32(screen.Width), s32(screen.Height)),
		core::recti(0, 0, s32(size.Width), s32(size.Height)));
}

void CVeskSkyBoxSceneNode::render()
{
	video::IVideoDriver* driver = SceneManager ? SceneManager->getVideoDriver() : 0;
	scene::ICameraSceneNode* camera = SceneManager ? SceneManager->getActiveCamera() : 0;
	if (!driver || !camera || !Mesh)
		return;

	if (camera->isOrthogonal())
	{
		core::vector3df direction = camera->getTarget() - camera->getAbsolutePosition();
		direction.normalize();
		drawFaceOverScreen(direction);
		return;
	}

	core::matrix4 world;
	world.setTranslation(camera->getAbsolutePosition());
	core::matrix4 scale;
	scale.setScale(core::vector3df(1, 1, 1) * ((camera->getNearValue() + camera->getFarValue()) * 0.5f));
	driver->setTransform(video::ETS_WORLD, world * scale);
	for (u32 i = 0; i < Mesh->getMeshBufferCount(); ++i)
	{
		scene::IMeshBuffer* buffer = Mesh->getMeshBuffer(i);
		if (buffer)
			drawBuffer(buffer, getDrawingMaterial(i, buffer));
	}
}

scene::ESCENE_NODE_TYPE CVeskSkyBoxSceneNode::getType() const
{
	return scene::ESCENE_NODE_TYPE(VESK_NODE_SKY_BOX);
}

scene::ISceneNode* CVeskSkyBoxSceneNode::clone(scene::ISceneNode* newParent, scene::ISceneManager* newManager)
{
	if (!newParent)
		newParent = Parent;
	if (!newManager)
		newManager = SceneManager;
	CVeskSkyBoxSceneNode* node = new CVeskSkyBoxSceneNode(newParent, newManager, ID, RelativeTranslation);
	copyMeshNodeMembers(node, newManager);
	if (newParent)
		node->drop();
	return node;
}

void CVeskSkyBoxSceneNode::serializeAttributes(io::IAttributes* out, io::SAttributeReadWriteOptions* options) const
{
	ISceneNode::serializeAttributes(out, options);
}

void CVeskSkyBoxSceneNode::deserializeAttributes(io::IAttributes* in, io::SAttributeReadWriteOptions* options)
{
	ISceneNode::deserializeAttributes(in, options);
}
