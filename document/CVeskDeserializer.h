#ifndef HX_C_VESK_DESERIALIZER_H
#define HX_C_VESK_DESERIALIZER_H

#include <IReferenceCounted.h>
#include <IReadFile.h>
#include <IrrlichtDevice.h>
#include <SColor.h>
#include <aabbox3d.h>
#include <dimension2d.h>
#include <irrString.h>
#include <quaternion.h>
#include <vector3d.h>

namespace irr
{
namespace video { class ITexture; }
namespace scene { class IAnimatedMesh; }
}

//! Reads a document: its header, the chunk framing and every primitive value.
//! All reads go through one read file; nothing is loaded into memory as a whole.
//! Reads past the end of the file give zero values and stop every chunk loop.
class CVeskDeserializer : public virtual irr::IReferenceCounted
{
public:
	//! Longest string the reader accepts (100 MiB); longer ones are skipped.
	enum { MAX_STRING_LENGTH = 104857600 };

	//! The device may be null; texture and mesh references then resolve to none.
	CVeskDeserializer(irr::io::IReadFile* file, irr::IrrlichtDevice* device);
	virtual ~CVeskDeserializer();

	//! Reads the 12-byte header. False when the magic does not match; version is then unchanged.
	bool readHeader(irr::u32& version);

	//! Reads a tag and a size; remembers the size and the end of the chunk.
	irr::u16 readChunkHeader();
	//! End of the last chunk header read (file offset). Never beyond the file's end.
	long getChunkEnd() const { return ChunkEnd; }
	//! Payload size of the last chunk header read, as stored.
	irr::u32 getChunkSize() const { return ChunkSize; }
	//! Moves the read position to the end of the last chunk header read.
	void skipChunk();
	//! Moves the read position to the given offset, clamped to the file.
	void seekTo(long position);

	bool isAtEnd() const;
	long getPosition() const;
	long getFileSize() const;
	//! Bytes between the read position and the end of the file.
	long getRemainingBytes() const;
	void rewind();
	//! Moves the read position back by 10 bytes.
	void stepBack();

	irr::s32 readInt();
	irr::u32 readUInt();
	irr::s16 readShort();
	irr::u16 readUShort();
	irr::f32 readFloat();
	bool readBool();
	irr::s8 readChar();
	irr::u8 readByte();
	irr::core::vector3df readVector();
	irr::video::SColor readColor();
	irr::video::SColorf readColorf();
	irr::core::quaternion readQuaternion();
	irr::core::dimension2di readDimension();
	irr::core::aabbox3df readBox();
	void readString(irr::core::stringc& out);
	irr::core::stringc readFileName();
	//! A texture reference: the loaded texture of that name, else from the file system.
	irr::video::ITexture* readTexture();
	//! A mesh reference: a mesh already in the mesh cache, never loaded from a file.
	irr::scene::IAnimatedMesh* readMesh();
	//! Reads n raw bytes; bytes past the end of the file are zero.
	void readBytes(void* buffer, irr::u32 n);

	//! Resolves a stored file name against the reader file's name.
	static irr::core::stringc resolveFileName(const irr::core::stringc& stored, const irr::io::path& readerFileName);

	irr::u32 getVersion() const { return Version; }
	//! Sets the version that record readers test; readHeader sets it too.
	void setVersion(irr::u32 version) { Version = version; }
	irr::io::IReadFile* getFile() const { return File; }
	irr::IrrlichtDevice* getDevice() const { return Device; }
	//! The authoring tool's context; always null in the player.
	void* getEditorContext() const { return 0; }

private:
	irr::io::IReadFile* File;
	irr::IrrlichtDevice* Device;
	irr::u32 Version;
	irr::u32 ChunkSize;
	long ChunkEnd;
};

#endif
