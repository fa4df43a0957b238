#include "scene/CVeskPanoramaScene.h"

#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskNodeTree.h"
#include "document/veskTypeCodes.h"
#include "scene/CVeskMeshSceneNode.h"
#include "scene/veskNodeFactory.h"

#include <ISceneManager.h>
#include <ITexture.h>
#include <SMesh.h>
#include <SMeshBuffer.h>

using namespace irr;

namespace
{

enum
{
	TAG_NODE_TREE = 8,
	TAG_PAIR = 1002,
	TAG_TRIPLE = 1005,
	TAG_PREVIEW = 1006
};

const f32 CUBE_HALF_SIZE = 50.f;

//! One face of the cube: four corners, drawn as (0,1,2) and (0,2,3).
scene::IMeshBuffer* makeFace(const core::vector3df& a, const core::vector3df& b, const core::vector3df& c,
	const core::vector3df& d, const core::vector3df& normal)
{
	scene::SMeshBuffer* buffer = new scene::SMeshBuffer();
	const video::SColor white(255, 255, 255, 255);
	buffer->Vertices.push_back(video::S3DVertex(a, normal, white, core::vector2df(0, 0)));
	buffer->Vertices.push_back(video::S3DVertex(b, normal, white, core::vector2df(1, 0)));
	buffer->Vertices.push_back(video::S3DVertex(c, normal, white, core::vector2df(1, 1)));
	buffer->Vertices.push_back(video::S3DVertex(d, normal, white, core::vector2df(0, 1)));
	const u16 indices[6] = { 0, 1, 2, 0, 2, 3 };
	for (u32 i = 0; i < 6; ++i)
		buffer->Indices.push_back(indices[i]);
	buffer->recalculateBoundingBox();
	return buffer;
}

scene::SMesh* makeCube()
{
	const f32 h = CUBE_HALF_SIZE;
	scene::SMesh* mesh = new scene::SMesh();
	const core::vector3df corners[8] = {
		core::vector3df(-h, -h, -h), core::vector3df(h, -h, -h), core::vector3df(h, h, -h), core::vector3df(-h, h, -h),
		core::vector3df(-h, -h, h), core::vector3df(h, -h, h), core::vector3df(h, h, h), core::vector3df(-h, h, h)
	};
	// Faces seen from inside the cube.
	const int faces[6][4] = { { 0, 3, 2, 1 }, { 5, 6, 7, 4 }, { 4, 7, 3, 0 }, { 1, 2, 6, 5 }, { 3, 7, 6, 2 }, { 4, 0, 1, 5 } };
	const core::vector3df normals[6] = {
		core::vector3df(0, 0, 1), core::vector3df(0, 0, -1), core::vector3df(1, 0, 0),
		core::vector3df(-1, 0, 0), core::vector3df(0, -1, 0), core::vector3df(0, 1, 0)
	};
	for (int f = 0; f < 6; ++f)
	{
		scene::IMeshBuffer* face = makeFace(corners[faces[f][0]], corners[faces[f][1]], corners[faces[f][2]], corners[faces[f][3]], normals[f]);
		mesh->addMeshBuffer(face);
		face->drop();
	}
	mesh->recalculateBoundingBox();
	return mesh;
}

} // end anonymous namespace

CVeskPanoramaScene::CVeskPanoramaScene()
	: ValueA(32), ValueB(32), ValueC(1), ValueD(100), Flag(true), PanoramaMesh(0), PreviewTexture(0)
{
}

CVeskPanoramaScene::~CVeskPanoramaScene()
{
	setPanoramaMesh(0);
	dropHotspots();
	setPreviewTexture(0);
}

void CVeskPanoramaScene::setPanoramaMesh(scene::ISceneNode* node)
{
	if (node)
		node->grab();
	if (PanoramaMesh)
		PanoramaMesh->drop();
	PanoramaMesh = node;
}

void CVeskPanoramaScene::setPreviewTexture(video::ITexture* texture)
{
	if (texture)
		texture->grab();
	if (PreviewTexture)
		PreviewTexture->drop();
	PreviewTexture = texture;
}

void CVeskPanoramaScene::dropHotspots()
{
	for (u32 i = 0; i < Hotspots.size(); ++i)
		Hotspots[i]->drop();
	Hotspots.clear();
}

void CVeskPanoramaScene::clear()
{
	CVeskScene::clear();
	setPanoramaMesh(0);
	// The hotspots were nodes of the manager just emptied.
	dropHotspots();
	scene::ISceneManager* sceneManager = getSceneManager();
	if (!sceneManager)
		return;
	scene::ISceneNode* node = createVeskSceneNode(VESK_NODE_MESH, sceneManager->getRootSceneNode(), sceneManager, -1,
		core::vector3df(0, 0, 0), 0);
	if (!node)
		return;
	CVeskMeshSceneNode* meshNode = dynamic_cast<CVeskMeshSceneNode*>(node);
	if (meshNode)
	{
		scene::SMesh* cube = makeCube();
		meshNode->setOwnMesh(cube);
		cube->drop();
	}
	sceneManager->getRootSceneNode()->addChild(node);
	setPanoramaMesh(node);
	node->drop();
}

void CVeskPanoramaScene::collectNodes()
{
	scene::ISceneManager* sceneManager = getSceneManager();
	if (!sceneManager)
		return;
	core::array<scene::ISceneNode*> found;
	sceneManager->getSceneNodesFromType(scene::ESCENE_NODE_TYPE(VESK_NODE_MESH), found);
	if (!found.empty())
		setPanoramaMesh(found[0]);
	found.clear();
	sceneManager->getSceneNodesFromType(scene::ESCENE_NODE_TYPE(VESK_NODE_HOTSPOT), found);
	for (u32 i = 0; i < found.size(); ++i)
	{
		found[i]->grab();
		Hotspots.push_back(found[i]);
	}
}

void CVeskPanoramaScene::readBinary(CVeskDeserializer* reader, bool skipSettings)
{
	const long end = reader->getChunkEnd();
	CVeskScene::readBinary(reader, false);
	scene::ISceneManager* sceneManager = getSceneManager();
	while (!reader->isAtEnd() && reader->getPosition() < end)
	{
		const u16 tag = reader->readChunkHeader();
		const long chunkEnd = reader->getChunkEnd();
		switch (tag)
		{
		case TAG_NODE_TREE:
			if (sceneManager)
			{
				readNodeTree(reader, sceneManager->getRootSceneNode(), sceneManager);
				collectNodes();
			}
			break;
		case TAG_PAIR:
			ValueA = reader->readInt();
			ValueB = reader->readInt();
			break;
		case TAG_TRIPLE:
			ValueC = reader->readInt();
			ValueD = reader->readInt();
			Flag = reader->readBool();
			break;
		case TAG_PREVIEW:
			setPreviewTexture(reader->readTexture());
			break;
		default:
			break;
		}
		reader->seekTo(chunkEnd);
	}
}

void CVeskPanoramaScene::writeBinary(CVeskSerializer* writer)
{
	CVeskScene::writeBinary(writer);
	writer->beginChunk(TAG_PAIR);
	writer->writeInt(ValueA);
	writer->writeInt(ValueB);
	writer->endChunk();
	writer->beginChunk(TAG_TRIPLE);
	writer->writeInt(ValueC);
	writer->writeInt(ValueD);
	writer->writeBool(Flag);
	writer->endChunk();
	writer->beginChunk(TAG_PREVIEW);
	writer->writeTexture(PreviewTexture);
	writer->endChunk();
	writer->beginChunk(TAG_NODE_TREE);
	scene::ISceneManager* sceneManager = getSceneManager();
	if (sceneManager)
		writeNodeRecord(writer, sceneManager->getRootSceneNode(), sceneManager);
	writer->endChunk();
}
