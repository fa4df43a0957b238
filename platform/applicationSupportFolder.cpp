#include "platform/applicationSupportFolder.h"

#include <cstdlib>

namespace hx
{
namespace platform
{

irr::core::stringc getApplicationSupportFolder()
{
	const char* dataHome = getenv("XDG_DATA_HOME");
	// A relative XDG_DATA_HOME is invalid by the base-directory rules and is ignored.
	if (dataHome && dataHome[0] == '/')
	{
		irr::core::stringc folder(dataHome);
		while (folder.size() > 1 && folder.lastChar() == '/')
			folder = folder.subString(0, folder.size() - 1);
		return folder;
	}
	const char* home = getenv("HOME");
	if (home && home[0])
	{
		irr::core::stringc folder(home);
		if (folder.lastChar() != '/')
			folder += "/";
		folder += ".local/share";
		return folder;
	}
	return irr::core::stringc();
}

} // end namespace platform
} // end namespace hx
