#ifndef HX_C_VESK_SERIALIZER_H
#define HX_C_VESK_SERIALIZER_H

#include <IReferenceCounted.h>
#include <IWriteFile.h>
#include <IrrlichtDevice.h>
#include <SColor.h>
#include <aabbox3d.h>
#include <dimension2d.h>
#include <irrArray.h>
#include <irrString.h>
#include <quaternion.h>
#include <vector3d.h>

namespace irr
{
namespace video { class ITexture; }
namespace scene { class IAnimatedMesh; }
}

//! Writes a document with the same primitives and chunk framing that CVeskDeserializer reads.
class CVeskSerializer : public virtual irr::IReferenceCounted
{
public:
	//! The device may be null; it is only needed to name meshes by their cache entry.
	CVeskSerializer(irr::io::IWriteFile* file, irr::IrrlichtDevice* device = 0);
	virtual ~CVeskSerializer();

	//! Writes the 12-byte header: "vesk", the version's four characters and a reserved 0.
	void writeHeader(irr::u32 version);

	//! Writes the tag and a placeholder size and opens the chunk.
	void beginChunk(irr::u16 tag);
	//! Closes the innermost open chunk, writing its exact payload length.
	void endChunk();
	//! Number of chunks opened and not closed yet.
	irr::u32 getOpenChunkCount() const { return OpenChunks.size(); }

	void writeInt(irr::s32 value);
	void writeUInt(irr::u32 value);
	void writeShort(irr::s16 value);
	void writeUShort(irr::u16 value);
	void writeFloat(irr::f32 value);
	void writeBool(bool value);
	void writeChar(irr::s8 value);
	void writeByte(irr::u8 value);
	void writeVector(const irr::core::vector3df& value);
	void writeColor(irr::video::SColor value);
	void writeColorf(const irr::video::SColorf& value);
	void writeQuaternion(const irr::core::quaternion& value);
	void writeDimension(const irr::core::dimension2di& value);
	void writeBox(const irr::core::aabbox3df& value);
	void writeString(const irr::core::stringc& value);
	void writeString(const char* value);
	//! File names are written as stored; the reader resolves them.
	void writeFileName(const irr::core::stringc& value);
	//! The texture's name, or the empty string for none.
	void writeTexture(irr::video::ITexture* texture);
	//! The mesh's name in the mesh cache, or the empty string.
	void writeMesh(irr::scene::IAnimatedMesh* mesh);
	void writeBytes(const void* buffer, irr::u32 n);

	irr::io::IWriteFile* getFile() const { return File; }
	irr::IrrlichtDevice* getDevice() const { return Device; }
	//! False once a write came up short; the output is then incomplete.
	bool isGood() const { return Good; }

private:
	irr::io::IWriteFile* File;
	irr::IrrlichtDevice* Device;
	irr::core::array<long> OpenChunks;
	bool Good;
};

#endif
