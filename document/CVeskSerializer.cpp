#include "document/CVeskSerializer.h"

#include <IAnimatedMesh.h>
#include <IMeshCache.h>
#include <ISceneManager.h>
#include <ITexture.h>

#include <cstring>

using namespace irr;

CVeskSerializer::CVeskSerializer(io::IWriteFile* file, IrrlichtDevice* device)
	: File(file), Device(device), Good(file != 0)
{
	if (File)
		File->grab();
	if (Device)
		Device->grab();
}

CVeskSerializer::~CVeskSerializer()
{
	if (File)
		File->drop();
	if (Device)
		Device->drop();
}

void CVeskSerializer::writeHeader(u32 version)
{
	writeBytes("vesk", 4);
	writeUInt(version);
	writeUInt(0);
}

void CVeskSerializer::beginChunk(u16 tag)
{
	writeUShort(tag);
	writeUInt(0);
	OpenChunks.push_back(File ? File->getPos() : 0);
}

void CVeskSerializer::endChunk()
{
	if (OpenChunks.empty() || !File)
		return;
	const long start = OpenChunks.getLast();
	OpenChunks.erase(OpenChunks.size() - 1);
	const long end = File->getPos();
	File->seek(start - 4);
	writeUInt(u32(end - start));
	File->seek(end);
}

void CVeskSerializer::writeBytes(const void* buffer, u32 n)
{
	if (!n)
		return;
	if (!File || File->write(buffer, n) != s32(n))
		Good = false;
}

void CVeskSerializer::writeUInt(u32 value)
{
	const u8 b[4] = { u8(value), u8(value >> 8), u8(value >> 16), u8(value >> 24) };
	writeBytes(b, 4);
}

void CVeskSerializer::writeInt(s32 value)
{
	writeUInt(u32(value));
}

void CVeskSerializer::writeUShort(u16 value)
{
	const u8 b[2] = { u8(value), u8(value >> 8) };
	writeBytes(b, 2);
}

void CVeskSerializer::writeShort(s16 value)
{
	writeUShort(u16(value));
}

void CVeskSerializer::writeFloat(f32 value)
{
	u32 bits;
	memcpy(&bits, &value, 4);
	writeUInt(bits);
}

void CVeskSerializer::writeBool(bool value)
{
	writeByte(value ? 1 : 0);
}

void CVeskSerializer::writeChar(s8 value)
{
	writeByte(u8(value));
}

void CVeskSerializer::writeByte(u8 value)
{
	writeBytes(&value, 1);
}

void CVeskSerializer::writeVector(const core::vector3df& value)
{
	writeFloat(value.X);
	writeFloat(value.Y);
	writeFloat(value.Z);
}

void CVeskSerializer::writeColor(video::SColor value)
{
	writeUInt(value.color);
}

void CVeskSerializer::writeColorf(const video::SColorf& value)
{
	writeFloat(value.r);
	writeFloat(value.g);
	writeFloat(value.b);
	writeFloat(value.a);
}

void CVeskSerializer::writeQuaternion(const core::quaternion& value)
{
	writeFloat(value.W);
	writeFloat(value.X);
	writeFloat(value.Y);
	writeFloat(value.Z);
}

void CVeskSerializer::writeDimension(const core::dimension2di& value)
{
	writeInt(value.Width);
	writeInt(value.Height);
}

void CVeskSerializer::writeBox(const core::aabbox3df& value)
{
	writeVector(value.MinEdge);
	writeVector(value.MaxEdge);
}

void CVeskSerializer::writeString(const core::stringc& value)
{
	writeUInt(value.size());
	writeBytes(value.c_str(), value.size());
}

void CVeskSerializer::writeString(const char* value)
{
	writeString(core::stringc(value ? value : ""));
}

void CVeskSerializer::writeFileName(const core::stringc& value)
{
	writeString(value);
}

void CVeskSerializer::writeTexture(video::ITexture* texture)
{
	writeString(texture ? core::stringc(texture->getName().getPath().c_str()) : core::stringc());
}

void CVeskSerializer::writeMesh(scene::IAnimatedMesh* mesh)
{
	core::stringc name;
	if (mesh && Device && Device->getSceneManager())
		name = Device->getSceneManager()->getMeshCache()->getMeshName(mesh).getPath().c_str();
	writeString(name);
}
