#include "document/CVeskDeserializer.h"

#include <IAnimatedMesh.h>
#include <IMeshCache.h>
#include <ISceneManager.h>
#include <ITexture.h>
#include <IVideoDriver.h>
#include <IFileSystem.h>

#include <cstring>
#include <vector>

using namespace irr;

namespace
{

const u32 HEADER_MAGIC = 'v' | ('e' << 8) | ('s' << 16) | ('k' << 24);

} // end anonymous namespace

CVeskDeserializer::CVeskDeserializer(io::IReadFile* file, IrrlichtDevice* device)
	: File(file), Device(device), Version(0), ChunkSize(0), ChunkEnd(0)
{
	if (File)
		File->grab();
	if (Device)
		Device->grab();
}

CVeskDeserializer::~CVeskDeserializer()
{
	if (File)
		File->drop();
	if (Device)
		Device->drop();
}

bool CVeskDeserializer::readHeader(u32& version)
{
	const u32 magic = readUInt();
	const u32 storedVersion = readUInt();
	readUInt();
	// Bit 0x20000000 is the lower-case bit of the fourth letter.
	if ((magic | 0x20000000) != HEADER_MAGIC)
		return false;
	Version = storedVersion;
	version = storedVersion;
	return true;
}

u16 CVeskDeserializer::readChunkHeader()
{
	const u16 tag = readUShort();
	ChunkSize = readUInt();
	// Clamp to the file so that a damaged size cannot point outside it.
	const long end = getPosition() + long(ChunkSize);
	ChunkEnd = end > getFileSize() ? getFileSize() : end;
	return tag;
}

void CVeskDeserializer::skipChunk()
{
	seekTo(ChunkEnd);
}

void CVeskDeserializer::seekTo(long position)
{
	if (!File)
		return;
	if (position < 0)
		position = 0;
	if (position > File->getSize())
		position = File->getSize();
	File->seek(position);
}

bool CVeskDeserializer::isAtEnd() const
{
	return !File || File->getPos() >= File->getSize();
}

long CVeskDeserializer::getPosition() const
{
	return File ? File->getPos() : 0;
}

long CVeskDeserializer::getFileSize() const
{
	return File ? File->getSize() : 0;
}

long CVeskDeserializer::getRemainingBytes() const
{
	const long remaining = getFileSize() - getPosition();
	return remaining > 0 ? remaining : 0;
}

void CVeskDeserializer::rewind()
{
	seekTo(0);
}

void CVeskDeserializer::stepBack()
{
	seekTo(getPosition() - 10);
}

void CVeskDeserializer::readBytes(void* buffer, u32 n)
{
	if (!n)
		return;
	s32 got = File ? File->read(buffer, n) : 0;
	if (got < 0)
		got = 0;
	if (u32(got) < n)
		memset(static_cast<u8*>(buffer) + got, 0, n - got);
}

u32 CVeskDeserializer::readUInt()
{
	u8 b[4];
	readBytes(b, 4);
	return u32(b[0]) | (u32(b[1]) << 8) | (u32(b[2]) << 16) | (u32(b[3]) << 24);
}

s32 CVeskDeserializer::readInt()
{
	return s32(readUInt());
}

u16 CVeskDeserializer::readUShort()
{
	u8 b[2];
	readBytes(b, 2);
	return u16(b[0] | (b[1] << 8));
}

s16 CVeskDeserializer::readShort()
{
	return s16(readUShort());
}

f32 CVeskDeserializer::readFloat()
{
	const u32 bits = readUInt();
	f32 value;
	memcpy(&value, &bits, 4);
	return value;
}

bool CVeskDeserializer::readBool()
{
	return readByte() != 0;
}

s8 CVeskDeserializer::readChar()
{
	return s8(readByte());
}

u8 CVeskDeserializer::readByte()
{
	u8 b;
	readBytes(&b, 1);
	return b;
}

core::vector3df CVeskDeserializer::readVector()
{
	const f32 x = readFloat();
	const f32 y = readFloat();
	const f32 z = readFloat();
	return core::vector3df(x, y, z);
}

video::SColor CVeskDeserializer::readColor()
{
	return video::SColor(readUInt());
}

video::SColorf CVeskDeserializer::readColorf()
{
	const f32 r = readFloat();
	const f32 g = readFloat();
	const f32 b = readFloat();
	const f32 a = readFloat();
	return video::SColorf(r, g, b, a);
}

core::quaternion CVeskDeserializer::readQuaternion()
{
	const f32 w = readFloat();
	const f32 x = readFloat();
	const f32 y = readFloat();
	const f32 z = readFloat();
	return core::quaternion(x, y, z, w);
}

core::dimension2di CVeskDeserializer::readDimension()
{
	const s32 width = readInt();
	const s32 height = readInt();
	return core::dimension2di(width, height);
}

core::aabbox3df CVeskDeserializer::readBox()
{
	const core::vector3df minEdge = readVector();
	const core::vector3df maxEdge = readVector();
	return core::aabbox3df(minEdge, maxEdge);
}

void CVeskDeserializer::readString(core::stringc& out)
{
	const u32 length = readUInt();
	if (length > MAX_STRING_LENGTH)
	{
		// No document holds such a string: step over its bytes so the chunk loops stay framed.
		seekTo(getPosition() + long(length));
		return;
	}
	// Never allocate more than the file still holds.
	const long available = getRemainingBytes();
	const u32 toRead = long(length) > available ? u32(available) : length;
	std::vector<char> text(toRead + 1, 0);
	readBytes(text.data(), toRead);
	out = core::stringc(text.data(), toRead);
}

core::stringc CVeskDeserializer::resolveFileName(const core::stringc& s, const io::path& readerFileName)
{
	if (s.size() == 0)
		return s;
	if (s.size() > 1)
	{
		if (s[0] == '#')
			return s;
		if (s.size() >= 3 && (s[0] == '/' || s[1] == ':'))
			return s;
	}
	core::stringc base(readerFileName.c_str());
	base.replace('\\', '/');
	const s32 slash = base.findLast('/');
	if (slash < 0)
		return s;
	return base.subString(0, slash + 1) + s;
}

core::stringc CVeskDeserializer::readFileName()
{
	core::stringc stored;
	readString(stored);
	return resolveFileName(stored, File ? File->getFileName() : io::path());
}

video::ITexture* CVeskDeserializer::readTexture()
{
	const core::stringc name = readFileName();
	if (name.size() == 0 || !Device || !Device->getVideoDriver())
		return 0;
	video::IVideoDriver* driver = Device->getVideoDriver();
	video::ITexture* texture = driver->findTexture(name.c_str());
	if (texture)
		return texture;
	io::IFileSystem* fileSystem = Device->getFileSystem();
	if (fileSystem && fileSystem->existFile(name.c_str()))
		texture = driver->getTexture(name.c_str());
	if (texture)
		return texture;
	// Drive paths written as c://dir/file: try the part from the second slash on.
	const s32 doubleSlash = name.find("//");
	if (doubleSlash >= 0)
	{
		const core::stringc rest = name.subString(doubleSlash + 1, name.size() - doubleSlash - 1);
		if (fileSystem && fileSystem->existFile(rest.c_str()))
			texture = driver->getTexture(rest.c_str());
	}
	return texture;
}

scene::IAnimatedMesh* CVeskDeserializer::readMesh()
{
	const core::stringc name = readFileName();
	if (name.size() == 0 || !Device || !Device->getSceneManager())
		return 0;
	return Device->getSceneManager()->getMeshCache()->getMeshByName(name.c_str());
}
