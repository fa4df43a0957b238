#ifndef HX_C_REPLACING_OUTPUT_FILE_H
#define HX_C_REPLACING_OUTPUT_FILE_H

#include <cstddef>
#include <string>
#include <sys/types.h>

//! Writes a file under a temporary name in the folder of its final path and moves it over
//! that path only once it is complete, so a failed run never leaves a partial file behind
//! nor damages the one that was there before.
class CReplacingOutputFile
{
public:
	explicit CReplacingOutputFile(const std::string& finalPath);
	//! Removes the temporary file unless it was committed.
	~CReplacingOutputFile();

	bool open();
	bool write(const void* buffer, size_t size);
	//! Flushes the file to disk, gives it the mode and renames it over the final path.
	bool commit(mode_t mode);

	//! One line that says what went wrong.
	const std::string& getError() const { return Error; }

private:
	CReplacingOutputFile(const CReplacingOutputFile&) = delete;
	CReplacingOutputFile& operator=(const CReplacingOutputFile&) = delete;

	bool fail(const std::string& what);
	void discard();

	std::string FinalPath;
	std::string TemporaryPath;
	int Descriptor;
	bool Committed;
	std::string Error;
};

#endif
