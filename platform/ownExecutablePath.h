#ifndef HX_OWN_EXECUTABLE_PATH_H
#define HX_OWN_EXECUTABLE_PATH_H

#include <irrString.h>

namespace hx
{
namespace platform
{

//! The path of the running executable, read from /proc/self/exe.
//! Empty when the link cannot be read or the path does not fit maxLength bytes.
irr::core::stringc getOwnExecutablePath(unsigned maxLength = 2048);

} // end namespace platform
} // end namespace hx

#endif
