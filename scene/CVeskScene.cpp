#include "scene/CVeskScene.h"

#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"
#include "render/CVeskSceneManagerExtension.h"
#include "render/veskSceneManager.h"
#include "scene/CVeskCameraSceneNode.h"
#include "scene/CVeskMeshSceneNode.h"

#include <IMesh.h>
#include <IMeshBuffer.h>
#include <IMetaTriangleSelector.h>
#include <ISceneManager.h>

using namespace irr;

namespace
{

enum { TAG_SCENE_NAME = 26 };

//! Meshes with fewer triangles are searched fastest without an octree.
const u32 OCTREE_TRIANGLE_THRESHOLD = 65;
const s32 OCTREE_MINIMAL_POLYS_PER_NODE = 32;

u32 countTriangles(const scene::IMesh* mesh)
{
	u32 triangles = 0;
	for (u32 i = 0; i < mesh->getMeshBufferCount(); ++i)
		triangles += mesh->getMeshBuffer(i)->getIndexCount() / 3;
	return triangles;
}

} // end anonymous namespace

CVeskScene::CVeskScene()
	: SceneManager(0)
{
}

CVeskScene::~CVeskScene()
{
	if (SceneManager)
		SceneManager->drop();
}

void CVeskScene::setSceneManager(scene::ISceneManager* sceneManager)
{
	if (sceneManager)
		sceneManager->grab();
	if (SceneManager)
		SceneManager->drop();
	SceneManager = sceneManager;
}

void CVeskScene::clear()
{
	if (SceneManager)
		SceneManager->clear();
}

video::SColor CVeskScene::getBackgroundColor() const
{
	const CVeskSceneManagerExtension* extension = getSceneExtension(SceneManager);
	return extension ? extension->getBackgroundColor() : video::SColor(0);
}

void CVeskScene::writeBinary(CVeskSerializer* writer)
{
	writer->beginChunk(TAG_SCENE_NAME);
	writer->writeString(Name);
	writer->writeColor(getBackgroundColor());
	writer->endChunk();
}

void CVeskScene::readBinary(CVeskDeserializer* reader, bool skipSettings)
{
	const long sceneEnd = reader->getChunkEnd();
	if (reader->isAtEnd() || reader->getPosition() >= sceneEnd)
		return;
	const long chunkStart = reader->getPosition();
	const u16 tag = reader->readChunkHeader();
	if (tag != TAG_SCENE_NAME)
	{
		// A payload without its name chunk: leave the chunk to the scene kind's own loop.
		reader->seekTo(chunkStart);
		return;
	}
	const long chunkEnd = reader->getChunkEnd();
	core::stringc name;
	reader->readString(name);
	const video::SColor background = reader->readColor();
	if (!skipSettings)
	{
		Name = name;
		CVeskSceneManagerExtension* extension = getSceneExtension(SceneManager);
		if (extension)
			extension->setBackgroundColor(background);
	}
	reader->seekTo(chunkEnd);
}

scene::IMetaTriangleSelector* CVeskScene::createWorldCollisionSelector() const
{
	if (!SceneManager)
		return 0;
	scene::IMetaTriangleSelector* world = SceneManager->createMetaTriangleSelector();
	core::array<scene::ISceneNode*> nodes;
	SceneManager->getSceneNodesFromType(scene::ESCENE_NODE_TYPE(VESK_NODE_MESH), nodes);
	for (u32 i = 0; i < nodes.size(); ++i)
	{
		CVeskMeshSceneNode* node = dynamic_cast<CVeskMeshSceneNode*>(nodes[i]);
		if (!node || !node->getCollision() || !node->getMesh())
			continue;
		scene::IMesh* mesh = node->getMesh();
		scene::ITriangleSelector* selector = countTriangles(mesh) < OCTREE_TRIANGLE_THRESHOLD
			? SceneManager->createTriangleSelector(mesh, node)
			: SceneManager->createOctreeTriangleSelector(mesh, node, OCTREE_MINIMAL_POLYS_PER_NODE);
		if (!selector)
			continue;
		world->addTriangleSelector(selector);
		selector->drop();
	}
	return world;
}

scene::ICameraSceneNode* CVeskScene::findActiveCamera() const
{
	if (!SceneManager)
		return 0;
	core::array<scene::ISceneNode*> cameras;
	SceneManager->getSceneNodesFromType(scene::ESCENE_NODE_TYPE(VESK_NODE_CAMERA), cameras);
	for (u32 i = 0; i < cameras.size(); ++i)
	{
		CVeskCameraSceneNode* camera = dynamic_cast<CVeskCameraSceneNode*>(cameras[i]);
		if (camera && camera->isActive())
			return camera;
	}
	return 0;
}
