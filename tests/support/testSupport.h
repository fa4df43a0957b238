#ifndef HX_TEST_SUPPORT_H
#define HX_TEST_SUPPORT_H

#include <irrlicht.h>

#include <string>
#include <vector>

namespace hxtest
{

//! A fresh, empty folder below the system's temporary folder; removed by the caller's
//! TempFolder going out of scope.
class TempFolder
{
public:
	TempFolder();
	~TempFolder();
	const std::string& path() const { return Path; }
	std::string file(const std::string& name) const { return Path + "/" + name; }

private:
	std::string Path;
};

std::vector<irr::u8> readWholeFile(const std::string& path);
bool writeWholeFile(const std::string& path, const std::vector<irr::u8>& bytes);

//! A read file over a copy of the bytes (one reference for the caller).
irr::io::IReadFile* createReadFileFromBytes(const std::vector<irr::u8>& bytes, const char* name = "archive");

//! A device with the null driver and no window: scene managers, caches and the file system
//! work, nothing is drawn.
irr::IrrlichtDevice* createNullDevice();

//! An OpenGL device with a small window on the current display (run the test under
//! tests/support/with-display.sh). Null when none can be made.
irr::IrrlichtDevice* createOpenGLDevice(irr::u32 width = 64, irr::u32 height = 64);

//! Reads one pixel of the back buffer. Call it after drawing and before endScene: the
//! front buffer reads back black under the virtual display.
irr::video::SColor readBackBufferPixel(irr::s32 x, irr::s32 y, irr::u32 screenHeight);

//! Reads the whole back buffer as RGBA rows, top row first.
std::vector<irr::u8> readBackBuffer(irr::u32 width, irr::u32 height);

//! Path of a program built into build/bin.
std::string builtProgram(const std::string& name);

//! Runs a shell command; answers its exit status (-1 when it could not run).
int runCommand(const std::string& command);

} // end namespace hxtest

#endif
