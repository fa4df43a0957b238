#ifndef HX_C_MEMORY_WRITE_FILE_H
#define HX_C_MEMORY_WRITE_FILE_H

#include <IWriteFile.h>
#include <vector>

//! A write file that grows a byte array; used to build documents in memory.
class CMemoryWriteFile : public irr::io::IWriteFile
{
public:
	explicit CMemoryWriteFile(const irr::io::path& fileName);

	virtual irr::s32 write(const void* buffer, irr::u32 sizeToWrite);
	virtual bool seek(long finalPos, bool relativeMovement = false);
	virtual long getPos() const { return Position; }
	virtual const irr::io::path& getFileName() const { return FileName; }

	const std::vector<irr::u8>& getData() const { return Data; }

private:
	irr::io::path FileName;
	std::vector<irr::u8> Data;
	long Position;
};

#endif
