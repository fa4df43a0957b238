#include "document/CMemoryWriteFile.h"

#include <cstring>

using namespace irr;

CMemoryWriteFile::CMemoryWriteFile(const io::path& fileName) : FileName(fileName), Position(0)
{
}

s32 CMemoryWriteFile::write(const void* buffer, u32 sizeToWrite)
{
	const u32 end = u32(Position) + sizeToWrite;
	if (end > Data.size())
		Data.resize(end);
	if (sizeToWrite)
		memcpy(Data.data() + Position, buffer, sizeToWrite);
	Position = end;
	return s32(sizeToWrite);
}

bool CMemoryWriteFile::seek(long finalPos, bool relativeMovement)
{
	const long target = relativeMovement ? Position + finalPos : finalPos;
	if (target < 0 || target > long(Data.size()))
		return false;
	Position = target;
	return true;
}
