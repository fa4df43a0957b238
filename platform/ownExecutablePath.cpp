#include "platform/ownExecutablePath.h"

#include <unistd.h>
#include <vector>

namespace hx
{
namespace platform
{

irr::core::stringc getOwnExecutablePath(unsigned maxLength)
{
	std::vector<char> buffer(maxLength + 1, 0);
	const ssize_t length = readlink("/proc/self/exe", buffer.data(), maxLength);
	// readlink truncates silently; a result that fills the buffer may be cut off.
	if (length <= 0 || static_cast<unsigned>(length) >= maxLength)
		return irr::core::stringc();
	buffer[length] = 0;
	return irr::core::stringc(buffer.data());
}

} // end namespace platform
} // end namespace hx
