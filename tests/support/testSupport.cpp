#include "tests/support/testSupport.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

using namespace irr;

namespace hxtest
{

TempFolder::TempFolder()
{
	char pattern[] = "/tmp/helixpane-test-XXXXXX";
	const char* made = mkdtemp(pattern);
	Path = made ? made : "/tmp";
}

TempFolder::~TempFolder()
{
	if (Path.size() > 5 && Path.compare(0, 5, "/tmp/") == 0)
		runCommand("rm -rf '" + Path + "'");
}

std::vector<u8> readWholeFile(const std::string& path)
{
	std::ifstream in(path, std::ios::binary);
	return std::vector<u8>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool writeWholeFile(const std::string& path, const std::vector<u8>& bytes)
{
	std::ofstream out(path, std::ios::binary);
	out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
	return bool(out);
}

io::IReadFile* createReadFileFromBytes(const std::vector<u8>& bytes, const char* name)
{
	u8* copy = new u8[bytes.size() ? bytes.size() : 1];
	if (!bytes.empty())
		memcpy(copy, bytes.data(), bytes.size());
	return io::createMemoryReadFile(copy, long(bytes.size()), name, true);
}

IrrlichtDevice* createNullDevice()
{
	SIrrlichtCreationParameters parameters;
	parameters.DriverType = video::EDT_NULL;
	parameters.WindowSize = core::dimension2du(320, 240);
	IrrlichtDevice* device = createDeviceEx(parameters);
	if (device)
		device->getLogger()->setLogLevel(ELL_NONE);
	return device;
}

IrrlichtDevice* createOpenGLDevice(u32 width, u32 height)
{
	SIrrlichtCreationParameters parameters;
	parameters.DriverType = video::EDT_OPENGL;
	parameters.WindowSize = core::dimension2du(width, height);
	parameters.Bits = 24;
	parameters.ZBufferBits = 24;
	// A display server that has just closed the previous test's connection now and then refuses
	// the next one for a moment.
	IrrlichtDevice* device = 0;
	for (int attempt = 0; attempt < 5 && !device; ++attempt)
	{
		if (attempt)
			usleep(200000);
		device = createDeviceEx(parameters);
	}
	if (device)
		device->getLogger()->setLogLevel(ELL_NONE);
	return device;
}

video::SColor readBackBufferPixel(s32 x, s32 y, u32 screenHeight)
{
	u8 rgba[4] = { 0, 0, 0, 0 };
	glReadBuffer(GL_BACK);
	glPixelStorei(GL_PACK_ALIGNMENT, 1);
	glReadPixels(x, GLint(screenHeight) - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
	return video::SColor(rgba[3], rgba[0], rgba[1], rgba[2]);
}

std::vector<u8> readBackBuffer(u32 width, u32 height)
{
	std::vector<u8> pixels(size_t(width) * height * 4);
	glReadBuffer(GL_BACK);
	glPixelStorei(GL_PACK_ALIGNMENT, 1);
	glReadPixels(0, 0, GLsizei(width), GLsizei(height), GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
	// OpenGL answers the bottom row first.
	std::vector<u8> flipped(pixels.size());
	const size_t row = size_t(width) * 4;
	for (u32 y = 0; y < height; ++y)
		memcpy(flipped.data() + y * row, pixels.data() + (height - 1 - y) * row, row);
	return flipped;
}

std::string builtProgram(const std::string& name)
{
	return std::string(HX_BINARY_DIR) + "/bin/" + name;
}

int runCommand(const std::string& command)
{
	const int status = system(command.c_str());
	if (status == -1 || !WIFEXITED(status))
		return -1;
	return WEXITSTATUS(status);
}

} // end namespace hxtest
