#include "document/veskMeshRecords.h"

#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskMaterialRecord.h"
#include "document/veskVersion.h"
#include "scene/CVeskSkinnedMeshData.h"

#include <CMeshBuffer.h>
#include <ISceneManager.h>
#include <ISkinnedMesh.h>
#include <SMesh.h>
#include <SSkinMeshBuffer.h>

#include <cstring>
#include <vector>

using namespace irr;

namespace
{

enum
{
	TAG_MATERIAL = 11,
	TAG_MESH_BUFFER = 15,
	TAG_INDICES = 16,
	TAG_VERTICES_STANDARD = 17,
	TAG_VERTICES_2TCOORDS = 18,
	TAG_VERTICES_TANGENTS = 19,
	TAG_JOINT = 33,
	TAG_ANIMATION_RANGE = 34
};

const u32 STANDARD_VERTEX_BYTES = 36;
const u32 TWO_COORDS_VERTEX_BYTES = 44;
const u32 TANGENTS_VERTEX_BYTES = 60;

//! Name, two matrices, parent and the five counts: a joint chunk shorter than this is damaged.
const long JOINT_FIXED_BYTES = 4 + 2 * 64 + 4 + 5 * 4;

//! Little-endian decoding of the raw vertex records.
class CByteCursor
{
public:
	explicit CByteCursor(const u8* bytes) : Bytes(bytes) {}
	u32 u() { const u32 v = u32(Bytes[0]) | (u32(Bytes[1]) << 8) | (u32(Bytes[2]) << 16) | (u32(Bytes[3]) << 24); Bytes += 4; return v; }
	f32 f() { const u32 bits = u(); f32 v; memcpy(&v, &bits, 4); return v; }
	core::vector3df v3() { const f32 x = f(); const f32 y = f(); const f32 z = f(); return core::vector3df(x, y, z); }
	core::vector2df v2() { const f32 x = f(); const f32 y = f(); return core::vector2df(x, y); }

private:
	const u8* Bytes;
};

void readStandardPart(CByteCursor& in, video::S3DVertex& v)
{
	v.Pos = in.v3();
	v.Normal = in.v3();
	v.Color = video::SColor(in.u());
	v.TCoords = in.v2();
}

void writeStandardPart(CVeskSerializer* writer, const video::S3DVertex& v)
{
	writer->writeVector(v.Pos);
	writer->writeVector(v.Normal);
	writer->writeColor(v.Color);
	writer->writeFloat(v.TCoords.X);
	writer->writeFloat(v.TCoords.Y);
}

void writeVertex(CVeskSerializer* writer, const video::S3DVertex& v) { writeStandardPart(writer, v); }

void writeVertex(CVeskSerializer* writer, const video::S3DVertex2TCoords& v)
{
	writeStandardPart(writer, v);
	writer->writeFloat(v.TCoords2.X);
	writer->writeFloat(v.TCoords2.Y);
}

void writeVertex(CVeskSerializer* writer, const video::S3DVertexTangents& v)
{
	writeStandardPart(writer, v);
	writer->writeVector(v.Tangent);
	writer->writeVector(v.Binormal);
}

void readVertex(CByteCursor& in, video::S3DVertex& v) { readStandardPart(in, v); }

void readVertex(CByteCursor& in, video::S3DVertex2TCoords& v)
{
	readStandardPart(in, v);
	v.TCoords2 = in.v2();
}

void readVertex(CByteCursor& in, video::S3DVertexTangents& v)
{
	readStandardPart(in, v);
	v.Tangent = in.v3();
	v.Binormal = in.v3();
}

//! Bytes between the read position and limit (itself never beyond the file's end).
long bytesBefore(CVeskDeserializer* reader, long limit)
{
	if (limit > reader->getFileSize())
		limit = reader->getFileSize();
	const long left = limit - reader->getPosition();
	return left > 0 ? left : 0;
}

//! A stored count, clamped to the records of recordBytes that fit before limit.
u32 clampedCount(CVeskDeserializer* reader, s32 stored, long recordBytes, long limit)
{
	if (stored <= 0)
		return 0;
	const long fits = bytesBefore(reader, limit) / recordBytes;
	return long(stored) > fits ? u32(fits) : u32(stored);
}

template <typename T> void readVertices(CVeskDeserializer* reader, u32 vertexBytes, long chunkEnd, core::array<T>& out)
{
	const u32 count = u32(bytesBefore(reader, chunkEnd) / vertexBytes);
	std::vector<u8> raw(size_t(count) * vertexBytes);
	reader->readBytes(raw.data(), u32(raw.size()));
	out.set_used(0);
	out.reallocate(count);
	CByteCursor in(raw.data());
	for (u32 i = 0; i < count; ++i)
	{
		T v;
		readVertex(in, v);
		out.push_back(v);
	}
}

template <typename T> void quarterColours(core::array<T>& vertices)
{
	for (u32 i = 0; i < vertices.size(); ++i)
	{
		video::SColor& c = vertices[i].Color;
		c.set(c.getAlpha(), c.getRed() / 4, c.getGreen() / 4, c.getBlue() / 4);
	}
}

//! A mesh buffer record as read, before it is given to a buffer of its vertex kind.
struct SBufferRecord
{
	SBufferRecord() : VertexTag(0), HasIndices(false) {}

	core::aabbox3df Box;
	video::SMaterial Material;
	u16 VertexTag;
	core::array<video::S3DVertex> Standard;
	core::array<video::S3DVertex2TCoords> TwoCoords;
	core::array<video::S3DVertexTangents> Tangents;
	bool HasIndices;
	core::array<u16> Indices;

	u32 vertexCount() const
	{
		switch (VertexTag)
		{
		case TAG_VERTICES_STANDARD: return Standard.size();
		case TAG_VERTICES_2TCOORDS: return TwoCoords.size();
		case TAG_VERTICES_TANGENTS: return Tangents.size();
		default: return 0;
		}
	}
};

//! Indices must form whole triangles of existing vertices: the engine's triangle selectors
//! and drawing read three indices at a time and trust every one of them.
void makeIndicesSafe(SBufferRecord& record)
{
	const u32 vertexCount = record.vertexCount();
	if (vertexCount == 0)
	{
		record.Indices.clear();
		return;
	}
	record.Indices.set_used(record.Indices.size() - record.Indices.size() % 3);
	for (u32 i = 0; i < record.Indices.size(); ++i)
		if (record.Indices[i] >= vertexCount)
			record.Indices[i] = 0;
}

//! Reads the payload of chunk 15 (its header read last).
void readBufferRecord(CVeskDeserializer* reader, SBufferRecord& record)
{
	const long end = reader->getChunkEnd();
	record.Box = reader->readBox();
	while (!reader->isAtEnd() && reader->getPosition() < end)
	{
		const u16 tag = reader->readChunkHeader();
		const long chunkEnd = reader->getChunkEnd();
		switch (tag)
		{
		case TAG_MATERIAL:
			record.Material = readMaterial(reader);
			break;
		case TAG_INDICES:
			if (!record.HasIndices)
			{
				const u32 count = u32(bytesBefore(reader, chunkEnd) / 2);
				record.Indices.reallocate(count);
				for (u32 i = 0; i < count; ++i)
					record.Indices.push_back(reader->readUShort());
				record.HasIndices = true;
			}
			break;
		case TAG_VERTICES_STANDARD:
			record.VertexTag = tag;
			readVertices(reader, STANDARD_VERTEX_BYTES, chunkEnd, record.Standard);
			break;
		case TAG_VERTICES_2TCOORDS:
			record.VertexTag = tag;
			readVertices(reader, TWO_COORDS_VERTEX_BYTES, chunkEnd, record.TwoCoords);
			break;
		case TAG_VERTICES_TANGENTS:
			record.VertexTag = tag;
			readVertices(reader, TANGENTS_VERTEX_BYTES, chunkEnd, record.Tangents);
			break;
		default:
			break;
		}
		reader->seekTo(chunkEnd);
	}
	if (isVeskVersionOlderThan(reader->getVersion(), 600))
	{
		quarterColours(record.Standard);
		quarterColours(record.TwoCoords);
		quarterColours(record.Tangents);
	}
	makeIndicesSafe(record);
}

template <typename T> scene::IMeshBuffer* makeStaticBuffer(SBufferRecord& record, core::array<T>& vertices)
{
	scene::CMeshBuffer<T>* buffer = new scene::CMeshBuffer<T>();
	buffer->Vertices = vertices;
	buffer->Indices = record.Indices;
	buffer->Material = record.Material;
	buffer->BoundingBox = record.Box;
	return buffer;
}

void writeMatrix(CVeskSerializer* writer, const core::matrix4& m)
{
	for (u32 i = 0; i < 16; ++i)
		writer->writeFloat(m[i]);
}

core::matrix4 readMatrix(CVeskDeserializer* reader)
{
	core::matrix4 m(core::matrix4::EM4CONST_NOTHING);
	for (u32 i = 0; i < 16; ++i)
		m[i] = reader->readFloat();
	return m;
}

template <typename T> void writeVertexChunk(CVeskSerializer* writer, u16 tag, const T* vertices, u32 count)
{
	writer->beginChunk(tag);
	for (u32 i = 0; i < count; ++i)
		writeVertex(writer, vertices[i]);
	writer->endChunk();
}

//! Reads the payload of chunk 33 into a new joint of mesh.
void readJoint(CVeskDeserializer* reader, scene::ISkinnedMesh* mesh, core::array<scene::ISkinnedMesh::SJoint*>& joints)
{
	const long end = reader->getChunkEnd();
	if (bytesBefore(reader, end) < JOINT_FIXED_BYTES)
		return;
	core::stringc name;
	reader->readString(name);
	const core::matrix4 local = readMatrix(reader);
	const core::matrix4 globalInversed = readMatrix(reader);
	const s32 parentIndex = reader->readInt();
	scene::ISkinnedMesh::SJoint* parent = parentIndex >= 0 && u32(parentIndex) < joints.size() ? joints[parentIndex] : 0;
	scene::ISkinnedMesh::SJoint* joint = mesh->addJoint(parent);
	joints.push_back(joint);
	joint->Name = name;
	joint->LocalMatrix = local;
	joint->GlobalInversedMatrix = globalInversed;

	u32 count = clampedCount(reader, reader->readInt(), 4, end);
	joint->AttachedMeshes.reallocate(count);
	for (u32 i = 0; i < count; ++i)
		joint->AttachedMeshes.push_back(reader->readUInt());

	count = clampedCount(reader, reader->readInt(), 16, end);
	joint->PositionKeys.reallocate(count);
	for (u32 i = 0; i < count; ++i)
	{
		scene::ISkinnedMesh::SPositionKey key;
		key.frame = reader->readFloat();
		key.position = reader->readVector();
		joint->PositionKeys.push_back(key);
	}
	count = clampedCount(reader, reader->readInt(), 16, end);
	joint->ScaleKeys.reallocate(count);
	for (u32 i = 0; i < count; ++i)
	{
		scene::ISkinnedMesh::SScaleKey key;
		key.frame = reader->readFloat();
		key.scale = reader->readVector();
		joint->ScaleKeys.push_back(key);
	}
	count = clampedCount(reader, reader->readInt(), 20, end);
	joint->RotationKeys.reallocate(count);
	for (u32 i = 0; i < count; ++i)
	{
		scene::ISkinnedMesh::SRotationKey key;
		key.frame = reader->readFloat();
		key.rotation = reader->readQuaternion();
		joint->RotationKeys.push_back(key);
	}
	count = clampedCount(reader, reader->readInt(), 10, end);
	joint->Weights.reallocate(count);
	for (u32 i = 0; i < count; ++i)
	{
		scene::ISkinnedMesh::SWeight weight;
		weight.buffer_id = reader->readUShort();
		weight.vertex_id = reader->readUInt();
		weight.strength = reader->readFloat();
		joint->Weights.push_back(weight);
	}
}

//! The engine's finalize indexes buffers and vertices by the stored numbers unchecked: drop
//! the references that name no buffer or vertex.
void dropDanglingReferences(scene::ISkinnedMesh* mesh)
{
	core::array<scene::SSkinMeshBuffer*>& buffers = mesh->getMeshBuffers();
	core::array<scene::ISkinnedMesh::SJoint*>& joints = mesh->getAllJoints();
	for (u32 j = 0; j < joints.size(); ++j)
	{
		scene::ISkinnedMesh::SJoint* joint = joints[j];
		for (s32 i = s32(joint->AttachedMeshes.size()) - 1; i >= 0; --i)
			if (joint->AttachedMeshes[i] >= buffers.size())
				joint->AttachedMeshes.erase(i);
		for (s32 i = s32(joint->Weights.size()) - 1; i >= 0; --i)
		{
			const scene::ISkinnedMesh::SWeight& w = joint->Weights[i];
			if (w.buffer_id >= buffers.size() || w.vertex_id >= buffers[w.buffer_id]->getVertexCount())
				joint->Weights.erase(i);
		}
	}
}

} // end anonymous namespace

scene::IMeshBuffer* readMeshBuffer(CVeskDeserializer* reader)
{
	SBufferRecord record;
	readBufferRecord(reader, record);
	switch (record.VertexTag)
	{
	case TAG_VERTICES_STANDARD: return makeStaticBuffer(record, record.Standard);
	case TAG_VERTICES_2TCOORDS: return makeStaticBuffer(record, record.TwoCoords);
	case TAG_VERTICES_TANGENTS: return makeStaticBuffer(record, record.Tangents);
	default: return 0;
	}
}

scene::SMesh* readStaticMesh(CVeskDeserializer* reader)
{
	const long end = reader->getChunkEnd();
	scene::SMesh* mesh = new scene::SMesh();
	mesh->BoundingBox = core::aabbox3df(-1, -1, -1, 1, 1, 1);
	mesh->BoundingBox = reader->readBox();
	while (!reader->isAtEnd() && reader->getPosition() < end)
	{
		const u16 tag = reader->readChunkHeader();
		const long chunkEnd = reader->getChunkEnd();
		if (tag == TAG_MESH_BUFFER)
		{
			scene::IMeshBuffer* buffer = readMeshBuffer(reader);
			if (buffer)
			{
				mesh->addMeshBuffer(buffer);
				buffer->drop();
			}
		}
		reader->seekTo(chunkEnd);
	}
	return mesh;
}

scene::ISkinnedMesh* readSkinnedMesh(CVeskDeserializer* reader, u32 size)
{
	scene::ISceneManager* sceneManager = reader->getDevice() ? reader->getDevice()->getSceneManager() : 0;
	if (!sceneManager)
		return 0;
	scene::ISkinnedMesh* mesh = sceneManager->createSkinnedMesh();
	if (!mesh)
		return 0;
	const long start = reader->getPosition();
	const long end = start + long(size);
	CVeskSkinnedMeshData* data = new CVeskSkinnedMeshData();
	data->Flags = reader->readInt();
	data->AnimationSpeed = reader->readFloat();
	if (data->hasCollisionBox())
		data->CollisionBox = reader->readBox();
	core::array<scene::ISkinnedMesh::SJoint*> joints;
	while (!reader->isAtEnd() && reader->getPosition() < end)
	{
		const u16 tag = reader->readChunkHeader();
		const long chunkEnd = reader->getChunkEnd();
		switch (tag)
		{
		case TAG_MESH_BUFFER:
		{
			SBufferRecord record;
			readBufferRecord(reader, record);
			scene::SSkinMeshBuffer* buffer = mesh->addMeshBuffer();
			switch (record.VertexTag)
			{
			case TAG_VERTICES_2TCOORDS:
				buffer->VertexType = video::EVT_2TCOORDS;
				buffer->Vertices_2TCoords = record.TwoCoords;
				break;
			case TAG_VERTICES_TANGENTS:
				buffer->VertexType = video::EVT_TANGENTS;
				buffer->Vertices_Tangents = record.Tangents;
				break;
			default:
				buffer->VertexType = video::EVT_STANDARD;
				buffer->Vertices_Standard = record.Standard;
				break;
			}
			buffer->Indices = record.Indices;
			buffer->Material = record.Material;
			buffer->setBoundingBox(record.Box);
			break;
		}
		case TAG_JOINT:
			readJoint(reader, mesh, joints);
			break;
		case TAG_ANIMATION_RANGE:
		{
			SVeskAnimationRange range;
			reader->readString(range.Name);
			range.FirstFrame = reader->readInt();
			range.LastFrame = reader->readInt();
			range.Speed = reader->readFloat();
			data->Ranges.push_back(range);
			break;
		}
		default:
			break;
		}
		reader->seekTo(chunkEnd);
	}
	dropDanglingReferences(mesh);
	mesh->finalize();
	CVeskSkinnedMeshData::attach(mesh, data);
	data->drop();
	return mesh;
}

void writeMeshBuffer(CVeskSerializer* writer, scene::IMeshBuffer* buffer)
{
	writer->beginChunk(TAG_MESH_BUFFER);
	writer->writeBox(buffer->getBoundingBox());
	writer->beginChunk(TAG_MATERIAL);
	writeMaterial(writer, buffer->getMaterial());
	writer->endChunk();
	const u32 vertexCount = buffer->getVertexCount();
	switch (buffer->getVertexType())
	{
	case video::EVT_2TCOORDS:
		writeVertexChunk(writer, TAG_VERTICES_2TCOORDS, static_cast<const video::S3DVertex2TCoords*>(buffer->getVertices()), vertexCount);
		break;
	case video::EVT_TANGENTS:
		writeVertexChunk(writer, TAG_VERTICES_TANGENTS, static_cast<const video::S3DVertexTangents*>(buffer->getVertices()), vertexCount);
		break;
	default:
		writeVertexChunk(writer, TAG_VERTICES_STANDARD, static_cast<const video::S3DVertex*>(buffer->getVertices()), vertexCount);
		break;
	}
	writer->beginChunk(TAG_INDICES);
	const u32 indexCount = buffer->getIndexCount();
	if (buffer->getIndexType() == video::EIT_32BIT)
	{
		const u32* indices = reinterpret_cast<const u32*>(buffer->getIndices());
		for (u32 i = 0; i < indexCount; ++i)
			writer->writeUShort(u16(indices[i]));
	}
	else
	{
		const u16* indices = buffer->getIndices();
		for (u32 i = 0; i < indexCount; ++i)
			writer->writeUShort(indices[i]);
	}
	writer->endChunk();
	writer->endChunk();
}

void writeStaticMesh(CVeskSerializer* writer, scene::IMesh* mesh)
{
	writer->writeBox(mesh ? mesh->getBoundingBox() : core::aabbox3df(-1, -1, -1, 1, 1, 1));
	if (!mesh)
		return;
	for (u32 i = 0; i < mesh->getMeshBufferCount(); ++i)
		writeMeshBuffer(writer, mesh->getMeshBuffer(i));
}

void writeSkinnedMesh(CVeskSerializer* writer, scene::ISkinnedMesh* mesh)
{
	const CVeskSkinnedMeshData* data = CVeskSkinnedMeshData::find(mesh);
	const CVeskSkinnedMeshData none;
	if (!data)
		data = &none;
	writer->writeInt(data->Flags);
	writer->writeFloat(data->AnimationSpeed);
	if (data->hasCollisionBox())
		writer->writeBox(data->CollisionBox);
	core::array<scene::SSkinMeshBuffer*>& buffers = mesh->getMeshBuffers();
	for (u32 i = 0; i < buffers.size(); ++i)
		writeMeshBuffer(writer, buffers[i]);
	const core::array<scene::ISkinnedMesh::SJoint*>& joints = mesh->getAllJoints();
	for (u32 j = 0; j < joints.size(); ++j)
	{
		const scene::ISkinnedMesh::SJoint* joint = joints[j];
		s32 parentIndex = -1;
		for (u32 p = 0; p < j && parentIndex < 0; ++p)
			if (joints[p]->Children.linear_search(const_cast<scene::ISkinnedMesh::SJoint*>(joint)) >= 0)
				parentIndex = s32(p);
		writer->beginChunk(TAG_JOINT);
		writer->writeString(joint->Name);
		writeMatrix(writer, joint->LocalMatrix);
		writeMatrix(writer, joint->GlobalInversedMatrix);
		writer->writeInt(parentIndex);
		writer->writeInt(s32(joint->AttachedMeshes.size()));
		for (u32 i = 0; i < joint->AttachedMeshes.size(); ++i)
			writer->writeUInt(joint->AttachedMeshes[i]);
		writer->writeInt(s32(joint->PositionKeys.size()));
		for (u32 i = 0; i < joint->PositionKeys.size(); ++i)
		{
			writer->writeFloat(joint->PositionKeys[i].frame);
			writer->writeVector(joint->PositionKeys[i].position);
		}
		writer->writeInt(s32(joint->ScaleKeys.size()));
		for (u32 i = 0; i < joint->ScaleKeys.size(); ++i)
		{
			writer->writeFloat(joint->ScaleKeys[i].frame);
			writer->writeVector(joint->ScaleKeys[i].scale);
		}
		writer->writeInt(s32(joint->RotationKeys.size()));
		for (u32 i = 0; i < joint->RotationKeys.size(); ++i)
		{
			writer->writeFloat(joint->RotationKeys[i].frame);
			writer->writeQuaternion(joint->RotationKeys[i].rotation);
		}
		writer->writeInt(s32(joint->Weights.size()));
		for (u32 i = 0; i < joint->Weights.size(); ++i)
		{
			writer->writeUShort(joint->Weights[i].buffer_id);
			writer->writeUInt(joint->Weights[i].vertex_id);
			writer->writeFloat(joint->Weights[i].strength);
		}
		writer->endChunk();
	}
	for (u32 i = 0; i < data->Ranges.size(); ++i)
	{
		const SVeskAnimationRange& range = data->Ranges[i];
		writer->beginChunk(TAG_ANIMATION_RANGE);
		writer->writeString(range.Name);
		writer->writeInt(range.FirstFrame);
		writer->writeInt(range.LastFrame);
		writer->writeFloat(range.Speed);
		writer->endChunk();
	}
}
