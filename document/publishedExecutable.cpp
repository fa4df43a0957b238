#include "document/publishedExecutable.h"

using namespace irr;

namespace
{

//! A range is usable when it lies inside the file, in front of the trailer.
bool isRangeInside(io::IReadFile* file, long offset, long size)
{
	const long limit = file->getSize() - SPublishedTrailer::BYTE_SIZE;
	return offset >= 0 && size >= 0 && offset <= limit && size <= limit - offset;
}

} // end anonymous namespace

io::IReadFile* readPublishedTrailer(const io::path& executablePath, SPublishedTrailer& trailer)
{
	trailer = SPublishedTrailer();
	if (executablePath.size() == 0)
		return 0;
	io::IReadFile* file = io::createReadFile(executablePath);
	if (file)
		readPublishedTrailer(file, trailer);
	return file;
}

void readPublishedTrailer(io::IReadFile* executable, SPublishedTrailer& trailer)
{
	trailer = SPublishedTrailer();
	if (!executable || executable->getSize() < SPublishedTrailer::BYTE_SIZE)
		return;
	u8 bytes[SPublishedTrailer::BYTE_SIZE];
	if (!executable->seek(executable->getSize() - SPublishedTrailer::BYTE_SIZE)
		|| executable->read(bytes, sizeof(bytes)) != s32(sizeof(bytes)))
		return;
	trailer.fromBytes(bytes);
}

io::IReadFile* openDocumentFile(io::IReadFile* executable, const SPublishedTrailer& trailer)
{
	if (!executable || !trailer.isValid() || !isRangeInside(executable, trailer.documentOffset, trailer.documentSize))
		return 0;
	return io::createLimitReadFile("archive", executable, trailer.documentOffset, trailer.documentSize);
}

io::IReadFile* openLoadingImageFile(io::IReadFile* executable, const SPublishedTrailer& trailer)
{
	if (!executable || !trailer.isValid() || trailer.loadingImageSize == 0)
		return 0;
	const long offset = long(trailer.documentOffset) + long(trailer.documentSize);
	if (!isRangeInside(executable, offset, long(trailer.loadingImageSize)))
		return 0;
	return io::createLimitReadFile("logo", executable, offset, long(trailer.loadingImageSize));
}
