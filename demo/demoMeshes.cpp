#include "demoMeshes.h"

#include "document/CMemoryWriteFile.h"
#include "document/CVeskDocument.h"
#include "document/CVeskSerializer.h"
#include "document/veskMeshRecords.h"
#include "scene/CVeskSkinnedMeshData.h"

using namespace irr;

namespace
{

const video::SColor WHITE(255, 255, 255, 255);

//! Appends one quad (corners counter-clockwise seen from outside) to buffer.
void addQuad(scene::SMeshBuffer* buffer, const core::vector3df corners[4], const core::vector3df& normal, f32 uTiles, f32 vTiles)
{
	const u16 first = u16(buffer->Vertices.size());
	const core::vector2df uv[4] = { { 0, vTiles }, { uTiles, vTiles }, { uTiles, 0 }, { 0, 0 } };
	for (int i = 0; i < 4; ++i)
		buffer->Vertices.push_back(video::S3DVertex(corners[i], normal, WHITE, uv[i]));
	const u16 order[6] = { 0, 2, 1, 0, 3, 2 };
	for (u16 index : order)
		buffer->Indices.push_back(u16(first + index));
}

void addBoxFaces(scene::SMeshBuffer* buffer, const core::vector3df& h, f32 tileSize, f32 bottom)
{
	const f32 x0 = -h.X, x1 = h.X, y0 = bottom, y1 = bottom + 2 * h.Y, z0 = -h.Z, z1 = h.Z;
	const f32 u = 2 * h.X / tileSize, v = 2 * h.Y / tileSize, w = 2 * h.Z / tileSize;
	const core::vector3df front[4] = { { x0, y0, z0 }, { x1, y0, z0 }, { x1, y1, z0 }, { x0, y1, z0 } };
	const core::vector3df back[4] = { { x1, y0, z1 }, { x0, y0, z1 }, { x0, y1, z1 }, { x1, y1, z1 } };
	const core::vector3df left[4] = { { x0, y0, z1 }, { x0, y0, z0 }, { x0, y1, z0 }, { x0, y1, z1 } };
	const core::vector3df right[4] = { { x1, y0, z0 }, { x1, y0, z1 }, { x1, y1, z1 }, { x1, y1, z0 } };
	const core::vector3df top[4] = { { x0, y1, z0 }, { x1, y1, z0 }, { x1, y1, z1 }, { x0, y1, z1 } };
	const core::vector3df under[4] = { { x0, y0, z1 }, { x1, y0, z1 }, { x1, y0, z0 }, { x0, y0, z0 } };
	addQuad(buffer, front, core::vector3df(0, 0, -1), u, v);
	addQuad(buffer, back, core::vector3df(0, 0, 1), u, v);
	addQuad(buffer, left, core::vector3df(-1, 0, 0), w, v);
	addQuad(buffer, right, core::vector3df(1, 0, 0), w, v);
	addQuad(buffer, top, core::vector3df(0, 1, 0), u, w);
	addQuad(buffer, under, core::vector3df(0, -1, 0), u, w);
}

scene::SMesh* meshOf(scene::SMeshBuffer* buffer)
{
	buffer->recalculateBoundingBox();
	scene::SMesh* mesh = new scene::SMesh();
	mesh->addMeshBuffer(buffer);
	buffer->drop();
	mesh->recalculateBoundingBox();
	return mesh;
}

} // end anonymous namespace

scene::SMesh* createGroundMesh(f32 size, u32 cells, f32 tiles)
{
	scene::SMeshBuffer* buffer = new scene::SMeshBuffer();
	const f32 step = size / f32(cells);
	for (u32 z = 0; z <= cells; ++z)
		for (u32 x = 0; x <= cells; ++x)
			buffer->Vertices.push_back(video::S3DVertex(-size / 2 + x * step, 0.f, -size / 2 + z * step, 0, 1, 0, WHITE,
				tiles * f32(x) / f32(cells), tiles * f32(z) / f32(cells)));
	for (u32 z = 0; z < cells; ++z)
		for (u32 x = 0; x < cells; ++x)
		{
			const u16 a = u16(z * (cells + 1) + x), b = u16(a + 1), c = u16(a + cells + 1), d = u16(c + 1);
			const u16 order[6] = { a, c, b, b, c, d };
			for (u16 index : order)
				buffer->Indices.push_back(index);
		}
	return meshOf(buffer);
}

scene::SMesh* createBoxMesh(const core::vector3df& halfSize, f32 tileSize)
{
	scene::SMeshBuffer* buffer = new scene::SMeshBuffer();
	addBoxFaces(buffer, halfSize, tileSize, 0.f);
	return meshOf(buffer);
}

void setMeshTexture(scene::SMesh* mesh, video::ITexture* texture)
{
	for (u32 i = 0; i < mesh->getMeshBufferCount(); ++i)
	{
		video::SMaterial& material = mesh->getMeshBuffer(i)->getMaterial();
		material.MaterialType = video::EMT_SOLID;
		material.Lighting = true;
		material.setTexture(0, texture);
	}
}

void embedSwayingBox(CVeskDocument* document, const char* name, video::ITexture* texture)
{
	scene::ISkinnedMesh* mesh = document->getDevice()->getSceneManager()->createSkinnedMesh();
	scene::SSkinMeshBuffer* buffer = mesh->addMeshBuffer();
	scene::SMeshBuffer box;
	addBoxFaces(&box, core::vector3df(1, 2, 1), 2.f, 0.f);
	for (u32 i = 0; i < box.Vertices.size(); ++i)
		buffer->Vertices_Standard.push_back(box.Vertices[i]);
	buffer->Indices = box.Indices;
	buffer->Material.setTexture(0, texture);
	buffer->recalculateBoundingBox();

	scene::ISkinnedMesh::SJoint* base = mesh->addJoint(0);
	base->Name = "base";
	scene::ISkinnedMesh::SJoint* top = mesh->addJoint(base);
	top->Name = "top";
	top->LocalMatrix.setTranslation(core::vector3df(0, 2, 0));
	top->GlobalInversedMatrix.setTranslation(core::vector3df(0, -2, 0));
	for (u32 i = 0; i < buffer->Vertices_Standard.size(); ++i)
	{
		scene::ISkinnedMesh::SWeight* weight = mesh->addWeight(buffer->Vertices_Standard[i].Pos.Y > 1.f ? top : base);
		weight->buffer_id = 0;
		weight->vertex_id = i;
		weight->strength = 1.f;
	}
	const f32 angles[3] = { -15.f, 15.f, -15.f };
	for (u32 k = 0; k < 3; ++k)
	{
		scene::ISkinnedMesh::SRotationKey* rotation = mesh->addRotationKey(top);
		rotation->frame = f32(k * 30);
		rotation->rotation.set(core::vector3df(0, 0, angles[k] * core::DEGTORAD));
		scene::ISkinnedMesh::SPositionKey* position = mesh->addPositionKey(top);
		position->frame = f32(k * 30);
		position->position.set(0, 2.f + 0.2f * f32(k % 2), 0);
	}
	mesh->finalize();

	CVeskSkinnedMeshData* data = new CVeskSkinnedMeshData();
	data->AnimationSpeed = 0.03f;
	SVeskAnimationRange sway = { "sway", 0, 60, 0.03f };
	data->Ranges.push_back(sway);
	CVeskSkinnedMeshData::attach(mesh, data);
	data->drop();

	CMemoryWriteFile* file = new CMemoryWriteFile(name);
	CVeskSerializer* writer = new CVeskSerializer(file);
	writeSkinnedMesh(writer, mesh);
	writer->drop();
	SVeskEmbeddedFile entry;
	entry.KindFlags = SVeskEmbeddedFile::KIND_SKINNED_MESH;
	entry.Name = name;
	entry.Data = file->getData();
	file->drop();
	document->addEmbeddedFile(entry);
	CVeskSkinnedMeshData::detach(mesh);
	mesh->drop();
}
