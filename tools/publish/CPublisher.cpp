#include "CPublisher.h"

#include "CReplacingOutputFile.h"

#include <cerrno>
#include <climits>
#include <cstring>

namespace
{

const mode_t EXECUTABLE_MODE = 0755;
const size_t COPY_BUFFER_SIZE = 1 << 16;

//! The trailer stores offsets and sizes as signed 32-bit numbers.
bool fitsTrailerRange(long long value)
{
	return value >= 0 && value <= INT_MAX;
}

void closeInput(FILE*& input)
{
	if (input)
		fclose(input);
	input = 0;
}

} // end anonymous namespace

CPublisher::CPublisher(const SPublishRequest& request) : Request(request)
{
}

bool CPublisher::publish()
{
	Error.clear();
	if (!checkSettings())
		return false;
	// Every input is opened before anything is written, so a missing one is reported
	// without a partial copy.
	FILE* player = 0;
	FILE* document = 0;
	FILE* image = 0;
	const bool opened = openInput("player", Request.playerPath, player)
		&& openInput("document", Request.documentPath, document)
		&& (Request.loadingImagePath.empty() || openInput("loading image", Request.loadingImagePath, image));
	const bool written = opened && writeExecutable(player, document, image);
	closeInput(player);
	closeInput(document);
	closeInput(image);
	return written;
}

bool CPublisher::writeExecutable(FILE* player, FILE* document, FILE* image)
{
	long long playerSize = 0;
	long long documentSize = 0;
	long long imageSize = 0;
	CReplacingOutputFile output(Request.outputPath);
	if (!output.open())
		return fail(output.getError());
	if (!append("player", Request.playerPath, player, output, playerSize)
		|| !append("document", Request.documentPath, document, output, documentSize)
		|| (image && !append("loading image", Request.loadingImagePath, image, output, imageSize)))
		return false;
	if (!fitsTrailerRange(playerSize) || !fitsTrailerRange(documentSize) || !fitsTrailerRange(playerSize + documentSize + imageSize))
		return fail("the player, document and loading image together exceed 2 GiB, more than the trailer can address");

	SPublishedTrailer trailer = Request.settings;
	trailer.magic = SPublishedTrailer::MAGIC;
	trailer.documentOffset = irr::s32(playerSize);
	trailer.documentSize = irr::s32(documentSize);
	trailer.loadingImageSize = irr::u32(imageSize);
	trailer.setLoadingText(Request.loadingText.c_str());
	irr::u8 bytes[SPublishedTrailer::BYTE_SIZE];
	trailer.toBytes(bytes);
	if (!output.write(bytes, sizeof(bytes)) || !output.commit(EXECUTABLE_MODE))
		return fail(output.getError());
	return true;
}

bool CPublisher::checkSettings()
{
	if (Request.playerPath.empty() || Request.documentPath.empty() || Request.outputPath.empty())
		return fail("a player, a document and an output path are all needed");
	if (Request.loadingText.size() >= size_t(SPublishedTrailer::LOADING_TEXT_SIZE))
		return fail("the loading text has " + std::to_string(Request.loadingText.size())
			+ " characters; at most 254 fit into the executable");
	return true;
}

bool CPublisher::append(const char* role, const std::string& path, FILE* input, CReplacingOutputFile& output, long long& size)
{
	char buffer[COPY_BUFFER_SIZE];
	size = 0;
	for (;;)
	{
		const size_t got = fread(buffer, 1, sizeof(buffer), input);
		if (got > 0 && !output.write(buffer, got))
			return fail(output.getError());
		size += (long long)got;
		if (got < sizeof(buffer))
			break;
	}
	if (ferror(input))
		return fail(std::string("cannot read the ") + role + " '" + path + "': " + strerror(errno));
	return true;
}

bool CPublisher::openInput(const char* role, const std::string& path, FILE*& input)
{
	input = fopen(path.c_str(), "rb");
	if (!input)
		return fail(std::string("cannot read the ") + role + " '" + path + "': " + strerror(errno));
	return true;
}

bool CPublisher::fail(const std::string& what)
{
	Error = what;
	return false;
}
