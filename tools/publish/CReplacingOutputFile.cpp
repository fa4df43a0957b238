#include "CReplacingOutputFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace
{

std::string folderOf(const std::string& path)
{
	const size_t slash = path.find_last_of('/');
	if (slash == std::string::npos)
		return ".";
	if (slash == 0)
		return "/";
	return path.substr(0, slash);
}

std::string fileNameOf(const std::string& path)
{
	const size_t slash = path.find_last_of('/');
	return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // end anonymous namespace

CReplacingOutputFile::CReplacingOutputFile(const std::string& finalPath)
	: FinalPath(finalPath), Descriptor(-1), Committed(false)
{
}

CReplacingOutputFile::~CReplacingOutputFile()
{
	if (!Committed)
		discard();
}

bool CReplacingOutputFile::open()
{
	if (FinalPath.empty() || FinalPath.back() == '/')
		return fail("the output path '" + FinalPath + "' names no file");
	// Same folder as the final path, so the rename cannot cross file systems.
	std::string pattern = folderOf(FinalPath) + "/." + fileNameOf(FinalPath) + ".XXXXXX";
	std::vector<char> name(pattern.begin(), pattern.end());
	name.push_back(0);
	Descriptor = mkstemp(name.data());
	if (Descriptor < 0)
		return fail("cannot create a file in '" + folderOf(FinalPath) + "': " + strerror(errno));
	TemporaryPath = name.data();
	return true;
}

bool CReplacingOutputFile::write(const void* buffer, size_t size)
{
	const char* bytes = static_cast<const char*>(buffer);
	while (size > 0)
	{
		const ssize_t written = ::write(Descriptor, bytes, size);
		if (written < 0 && errno == EINTR)
			continue;
		if (written <= 0)
			return fail("cannot write '" + TemporaryPath + "': " + strerror(written < 0 ? errno : ENOSPC));
		bytes += written;
		size -= size_t(written);
	}
	return true;
}

bool CReplacingOutputFile::commit(mode_t mode)
{
	if (fsync(Descriptor) != 0)
		return fail("cannot flush '" + TemporaryPath + "': " + strerror(errno));
	if (fchmod(Descriptor, mode) != 0)
		return fail("cannot set the mode of '" + TemporaryPath + "': " + strerror(errno));
	const int descriptor = Descriptor;
	Descriptor = -1;
	if (close(descriptor) != 0)
		return fail("cannot close '" + TemporaryPath + "': " + strerror(errno));
	if (rename(TemporaryPath.c_str(), FinalPath.c_str()) != 0)
		return fail("cannot replace '" + FinalPath + "': " + strerror(errno));
	Committed = true;
	return true;
}

bool CReplacingOutputFile::fail(const std::string& what)
{
	Error = what;
	discard();
	return false;
}

void CReplacingOutputFile::discard()
{
	if (Descriptor >= 0)
		close(Descriptor);
	Descriptor = -1;
	if (!TemporaryPath.empty())
		unlink(TemporaryPath.c_str());
	TemporaryPath.clear();
}
